#pragma once

#include <QList>
#include <QString>

// What a page refers to: links, frames, pictures, embedded objects and its
// internal targets, for the reference lists, the site map and the project's
// file list.

enum class LinkIcon { Web, Internal, LocalFile, Email, Script, Stylesheet, Image, Frame, Embed, Applet, Object };

struct LinkItem
{
    QString target; // the reference as written (for internal targets "#" and the name)
    QString description; // link text, alt text or frame name, with Danish letters
    QString kind; // "Web", "Lokal", "Grafik", "Ramme (l)", ...
    QString size; // the referred file's size as FormatSize gives it; may be empty
    LinkIcon icon = LinkIcon::LocalFile;

    friend bool operator==(const LinkItem &, const LinkItem &) = default;
};

// The scanner's entries, each an element and the attribute with its reference:
// 1 frame src, 2 a href, 3 area href, 4 link href, 5 script src, 6 img src,
// 7 body background, 8 embed src, 9 applet code, 10 object data, 11 a name.
struct LinkScan
{
    int first = 1;
    int last = 11;
    bool skipDuplicates = false; // pass over references already in the list
    bool resourcesOnly = false; // links only to programs, archives, sounds, text, stylesheets and scripts
    QString scriptFilter; // "Skriptfilter": masks of script files
    QString htmlFilter; // "HTMLfilter": masks of HTML files
};

// Appends the references of the file's entries from first to last, entry by
// entry in text order. Sizes are of the files the references name relative to
// the file's folder. A file that cannot be read adds nothing.
void ScanLinks(const QString &file, const LinkScan &scan, QList<LinkItem> &targets);

// The same over a text; `folder` is where its relative references start.
// Without a folder no file is looked at: no sizes, no stylesheet's own references.
void ScanLinksInText(const QString &text, const QString &folder, const LinkScan &scan, QList<LinkItem> &targets);

// The "url(...)" references of a stylesheet's (or a page's own) text, each
// described as "[Typografiark-URL]", of kind "Grafik" for a picture, "Lokal"
// for an HTML file, else `owner`. Sizes are looked up relative to `folder`
// unless it is empty.
QList<LinkItem> StylesheetUrlReferences(const QString &text, const QString &folder, const QString &owner,
                                        const QString &htmlFilter);
