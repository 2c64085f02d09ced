#pragma once

#include "core/EditorOptions.h"
#include "core/SyntaxColours.h"

#include <QList>
#include <QString>

class Prompter;
class SettingsStore;

// An external browser the user has registered: the name shown and its program.
struct BrowserEntry
{
    QString name;
    QString path;
    friend bool operator==(const BrowserEntry &, const BrowserEntry &) = default;
};

// What reading the options needs besides the store.
struct SettingsDefaults
{
    QString userDataFolder; // "BrugerdataMappe" when none is stored
    SyntaxColours::Pair desktopNormal; // the user's own scheme's default normal colours
};

// The options of section "Indstillinger", one struct a part of the program;
// SettingsOptions joins them. Keys are in section "Indstillinger"; the user's
// own colours are in "Editor". The defaults are those of a first start.

// Completion and colouring in the document editors.
struct CompletionOptions
{
    bool codeCompletion = true; // "CodeCmpl"
    int completionDelay = 1000; // "Forsinkelse", milliseconds
    int colourScheme = SyntaxColours::Pagewick2; // "Kodefarve"
    bool sameBackground = false; // "Editor"/"EnsBg"
    SyntaxColours::Scheme userColours; // "Editor"/"AlmT"... (0x00BBGGRR when stored)
    friend bool operator==(const CompletionOptions &, const CompletionOptions &) = default;

    // The colours of the chosen scheme.
    SyntaxColours::Scheme colours() const;
};

// Browsers, the preview and the help files.
struct ProgramPathOptions
{
    static constexpr int MaxBrowsers = 10;

    bool saveBeforeBrowsing = false; // "GemHTML"
    QList<BrowserEntry> browsers; // "Browser%d", "BrowserSti%d"
    bool browserMenu = true; // "VisMenu"
    bool internalExplorer = false; // "MSIE"
    bool useLocalServer = false; // "AnvendLokalServer"
    QString localServer = QStringLiteral("http://localhost/"); // "LokalServer"
    QString serverFolder; // "ServerMappe"
    QString helpFile1, helpFile2, helpFile3; // "HTMLhjælp", "CSShjælp", "HjaelpeFil3"
    QString helpName1 = QStringLiteral("HTML"); // "Hjaelp1"
    QString helpName2 = QStringLiteral("Typografikark"); // "Hjaelp2"
    QString helpName3 = QStringLiteral("JavaScript"); // "Hjaelp3"
    friend bool operator==(const ProgramPathOptions &, const ProgramPathOptions &) = default;
};

// What new documents and the file dialogs start from.
struct DefaultInformationOptions
{
    QString email; // "Email"
    QString description; // "Beskrivelse"
    QString openFolder; // "AabnDialog"
    QString userDataFolder; // "BrugerdataMappe"
    QString htmlFilter = QStringLiteral("*.*htm*;*.asp;*.inc;*.php"); // "HTMLfilter"
    QString scriptFilter = QStringLiteral("*.js;*.java;*.cgi;*.pl"); // "Skriptfilter"
    friend bool operator==(const DefaultInformationOptions &, const DefaultInformationOptions &) = default;
};

// The window, the file panel and the desktop.
struct InterfaceOptions
{
    bool desktopShortcut = false; // "Desktop"
    bool sendToShortcut = false; // "Overfoer"
    bool imagesInFileList = true; // "Viewer"
    bool templateDialog = true; // "Ny"
    bool fileNameOnTabs = false; // "Filnavn"
    bool browserRuler = true; // "Lineal"
    bool useArchiveFlag = true; // not stored: on in every run
    friend bool operator==(const InterfaceOptions &, const InterfaceOptions &) = default;
};

// Markup writing, saving and the HTML check.
struct HtmlOptions
{
    bool autoDate = false; // "Autodato"
    QString dateFormat = QStringLiteral("\"Opdateret d.\" d.m.yyyy"); // "Datoformat"
    bool existingDateOnly = false; // "EksistDato"
    bool generator = true; // "Generator"
    bool danishLetterCodes = false; // "ÆØÅkoder"
    bool webColourDialog = false; // "FarveDialog"
    bool webFonts = false; // "WebFonte"
    bool safeAlignment = false; // "SikkerJustering"
    bool xhtml = false; // "XHTML"
    bool htmlExtension = false; // "HTMLtype"
    bool keepUnknownAttributes = true; // "BevarUkendtAttrib"
    QString checkExclusions = QStringLiteral("P, PARAM"); // "Kodetjek"
    friend bool operator==(const HtmlOptions &, const HtmlOptions &) = default;

    // " /" in XHTML style, else nothing: what elements without an end tag end with.
    QString emptyElementSuffix() const;
    // The generator element written into saved pages.
    QString generatorElement() const;
};

// Every option of the settings dialog.
struct SettingsOptions : EditorOptions,
                         CompletionOptions,
                         ProgramPathOptions,
                         DefaultInformationOptions,
                         InterfaceOptions,
                         HtmlOptions
{
    friend bool operator==(const SettingsOptions &, const SettingsOptions &) = default;

    static SettingsOptions read(const SettingsStore &store, const SettingsDefaults &defaults);

    // Writes every option. A user data folder that does not exist is told
    // through the prompter and replaced by the default folder, here too.
    // Answers whether "Kodetjek" changed (only then is it written).
    bool save(SettingsStore &store, Prompter &prompter, const QString &defaultUserDataFolder);
};
