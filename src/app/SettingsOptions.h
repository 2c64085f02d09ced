#pragma once

#include "app/EditorOptions.h"
#include "app/SyntaxColours.h"

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
    QString userDataFolder;           // "BrugerdataMappe" when none is stored
    SyntaxColours::Pair desktopNormal; // the user's own scheme's default normal colours
};

// Every option of the settings dialog, with the defaults of a first start.
// Keys are in section "Indstillinger"; the user's own colours are in "Editor".
struct SettingsOptions : EditorOptions
{
    static constexpr int MaxBrowsers = 10;

    // Text editor
    bool codeCompletion = true;                        // "CodeCmpl"
    int completionDelay = 1000;                        // "Forsinkelse", milliseconds
    int colourScheme = SyntaxColours::Pagewick2;       // "Kodefarve"
    bool sameBackground = false;                       // "Editor"/"EnsBg"
    SyntaxColours::Scheme userColours;                 // "Editor"/"AlmT"... (0x00BBGGRR when stored)

    // Program paths
    bool saveBeforeBrowsing = false;                   // "GemHTML"
    QList<BrowserEntry> browsers;                      // "Browser%d", "BrowserSti%d"
    bool browserMenu = true;                           // "VisMenu"
    bool internalExplorer = false;                     // "MSIE"
    bool useLocalServer = false;                       // "AnvendLokalServer"
    QString localServer = QStringLiteral("http://localhost/"); // "LokalServer"
    QString serverFolder;                              // "ServerMappe"
    QString helpFile1, helpFile2, helpFile3;           // "HTMLhjælp", "CSShjælp", "HjaelpeFil3"
    QString helpName1 = QStringLiteral("HTML");        // "Hjaelp1"
    QString helpName2 = QStringLiteral("Typografikark"); // "Hjaelp2"
    QString helpName3 = QStringLiteral("JavaScript");  // "Hjaelp3"

    // Default information
    QString email;                                     // "Email"
    QString description;                               // "Beskrivelse"
    QString openFolder;                                // "AabnDialog"
    QString userDataFolder;                            // "BrugerdataMappe"
    QString htmlFilter = QStringLiteral("*.*htm*;*.asp;*.inc;*.php"); // "HTMLfilter"
    QString scriptFilter = QStringLiteral("*.js;*.java;*.cgi;*.pl");  // "Skriptfilter"

    // User interface
    bool desktopShortcut = false;                      // "Desktop"
    bool sendToShortcut = false;                       // "Overfoer"
    bool imagesInFileList = true;                      // "Viewer"
    bool templateDialog = true;                        // "Ny"
    bool fileNameOnTabs = false;                       // "Filnavn"
    bool browserRuler = true;                          // "Lineal"
    bool useArchiveFlag = true;                        // not stored: on in every run

    // HTML facilities
    bool autoDate = false;                             // "Autodato"
    QString dateFormat = QStringLiteral("\"Opdateret d.\" d.m.yyyy"); // "Datoformat"
    bool existingDateOnly = false;                     // "EksistDato"
    bool generator = true;                             // "Generator"
    bool danishLetterCodes = false;                    // "ÆØÅkoder"
    bool webColourDialog = false;                      // "FarveDialog"
    bool webFonts = false;                             // "WebFonte"
    bool safeAlignment = false;                        // "SikkerJustering"
    bool xhtml = false;                                // "XHTML"
    bool htmlExtension = false;                        // "HTMLtype"
    bool keepUnknownAttributes = true;                 // "BevarUkendtAttrib"
    QString checkExclusions = QStringLiteral("P, PARAM"); // "Kodetjek"

    friend bool operator==(const SettingsOptions &, const SettingsOptions &) = default;

    static SettingsOptions read(const SettingsStore &store, const SettingsDefaults &defaults);

    // Writes every option. A user data folder that does not exist is told
    // through the prompter and replaced by the default folder, here too.
    // Answers whether "Kodetjek" changed (only then is it written).
    bool save(SettingsStore &store, Prompter &prompter, const QString &defaultUserDataFolder);

    // The colours of the chosen scheme.
    SyntaxColours::Scheme colours() const;
    // " /" in XHTML style, else nothing: what elements without an end tag end with.
    QString emptyElementSuffix() const;
    // The generator element written into saved pages.
    QString generatorElement() const;
};
