#pragma once

#include "core/OptionsModel.h"
#include "files/Shortcuts.h"

#include <QDialog>
#include <QList>
#include <QSet>

#include <array>
#include <functional>
#include <optional>

class HelpLine;
class Prompter;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class SyntaxColourBox;
class TLEdit;

// The settings dialog. It edits a copy of the options in force and hands it
// back to the options model: "&OK" saves and applies, "&Anvend" applies,
// "Annuller" reads the store again and applies, undoing what was only applied.
class TfrmIndstil : public QDialog
{
    Q_OBJECT

public:
    enum Page { TextEditorPage, ProgramPathsPage, DefaultsPage, InterfacePage, HtmlPage };

    // Asks for a browser's name and program, starting from the given entry;
    // nothing when cancelled.
    using BrowserEditor = std::function<std::optional<BrowserEntry>(const BrowserEntry &)>;

    TfrmIndstil(OptionsModel &options, Prompter &prompter, QWidget *parent = nullptr,
                const Shortcuts::Places &shortcuts = Shortcuts::Places::standard());
    ~TfrmIndstil() override;

    // The options in force.
    const SettingsOptions &options() const { return m_model.options(); }

    // Element names (lower case) the sample colours as elements.
    void setElementNames(const QSet<QString> &names);
    // Shows the page when the dialog opens next.
    void showPage(Page page);
    // Shows the "Programstier" page with the focus in the help file field
    // 0, 1 or 2; the caller then shows the dialog.
    void showHelpFileField(int index);
    // The window that "&Tilføj" and "&Rediger" open; without one they do nothing.
    void setBrowserEditor(BrowserEditor editor) { m_browserEditor = std::move(editor); }

    TLEdit *sampleEditor() const { return m_sample; }
    HelpLine *helpLine() const { return m_help; }

    // The buttons: "&OK", "Annuller" (also closing the window), "&Anvend".
    void accept() override;
    void reject() override;
    void apply();

Q_SIGNALS:
    // The dialog applied its options: at creation, by "&OK", "&Anvend" and "Annuller".
    void applied();
    // "&OK" saved another list of elements that the HTML check leaves out.
    void checkExclusionsChanged();
    // "&Hjælp" or F1: the program's help on this dialog.
    void helpRequested(int context);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Pages
    QWidget *buildTextEditorPage();
    QWidget *buildProgramPathsPage();
    QWidget *buildDefaultsPage();
    QWidget *buildInterfacePage();
    QWidget *buildHtmlPage();
    QCheckBox *addCheck(const QString &caption, bool SettingsOptions::*member, const QString &help);
    QLineEdit *addText(QString SettingsOptions::*member, const QString &help);
    QWidget *folderField(QLineEdit *field, const QString &chooserCaption);
    void watch(QAbstractButton *button);

    // Values between the store, the controls and the program
    void showOptions(const SettingsOptions &options);
    SettingsOptions shownOptions() const;
    void changed();
    void updateEnabling();
    void refreshSample();

    // Commands
    void chooseFont();
    void chooseScheme(int scheme);
    void addBrowser();
    void editBrowser();
    void deleteBrowser();
    void chooseHelpFile(int index);

    OptionsModel &m_model;
    Prompter &m_prompter;
    Shortcuts::Places m_shortcuts;
    EditorOptions m_font; // the font shown in the sample
    SyntaxColours::Scheme m_userColours; // the user's own while another scheme is shown
    QSet<QString> m_elementNames;
    BrowserEditor m_browserEditor;
    bool m_showing = false; // controls are being filled, not changed

    QList<std::pair<QCheckBox *, bool SettingsOptions::*>> m_checks;
    QList<std::pair<QLineEdit *, QString SettingsOptions::*>> m_texts;

    QTabWidget *m_pages = nullptr;
    HelpLine *m_help = nullptr;
    QPushButton *m_applyButton = nullptr;
    TLEdit *m_sample = nullptr;
    QSpinBox *m_tabSize = nullptr;
    QSlider *m_delay = nullptr;
    QButtonGroup *m_schemes = nullptr;
    SyntaxColourBox *m_colours = nullptr;
    QListWidget *m_browsers = nullptr;
    QPushButton *m_editBrowser = nullptr;
    QPushButton *m_deleteBrowser = nullptr;
    QCheckBox *m_browserMenu = nullptr;
    QCheckBox *m_autoDate = nullptr;
    QCheckBox *m_existingDateOnly = nullptr;
    QCheckBox *m_generator = nullptr;
    std::array<QLineEdit *, 3> m_helpFiles{};
};
