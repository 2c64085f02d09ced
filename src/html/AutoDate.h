#pragma once

#include <QDateTime>
#include <QString>

class EditableText;
class Prompter;
struct SettingsOptions;

// The update date that the program keeps current in pages: one line of the
// start marker, the formatted date and the end marker. A page holding the
// refusal marker is never dated.
inline const QString AutoDateStartMarker = QStringLiteral("<!-- Pagewick AutoDato -->");
inline const QString AutoDateEndMarker = QStringLiteral("<!-- PW -->");
inline const QString NoAutoDateMarker = QStringLiteral("<!-- Minus AutoDato -->");

struct AutoDateSettings
{
    QString format; // "Datoformat", a date pattern
    bool existingOnly = false; // "EksistDato": never add a date on save
    QDateTime now; // the moment to write

    static AutoDateSettings fromOptions(const SettingsOptions &options, const QDateTime &now);
};

// What the date refresh does in a page without a date.
enum class AutoDateMode {
    Command, // insert a date line at the selection
    Save, // ask first (unless only existing dates are kept), then put it before </body>
};

// Brings the page's update date up to `now`: an existing date is replaced, a
// broken one (no end marker) is reported, and a page without one gets a date
// line or, when the user declines on save, the refusal marker in its head. The
// first line shown and the selection are kept on their text. Answers whether
// the text changed. `fileName` names the page in messages.
bool UpdateAutoDate(EditableText &text, const QString &fileName, AutoDateMode mode, const AutoDateSettings &settings,
                    Prompter &prompter);

// The command "Opdateringsdato": drops an earlier refusal and refreshes the
// date, or inserts a new date line at the selection. Nothing in a read-only text.
bool RunUpdateDateCommand(EditableText &text, const QString &fileName, const AutoDateSettings &settings, Prompter &prompter);
