#pragma once

#include "core/SettingsOptions.h"
#include "dialogs/element/ElementPanels.h"
#include "dialogs/element/ReferenceChoosers.h"
#include "dialogs/element/UserCodes.h"
#include "dialogs/element/WindowOpenCall.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

// A panel through which the dialog serves another part of the program. It
// writes nothing into the document: whoever opened the dialog takes the
// panel's values after OK.
class HelperPanel : public ElementPanel
{
    Q_OBJECT
public:
    using ElementPanel::ElementPanel;
    QString elementName() const override { return {}; }
    bool hasCommonPanel() const override { return false; }
    void apply(PanelContext &) override { }
};

// "Rediger HTML-kode": a user code's description, start code and end code.
class UserCodePanel : public HelperPanel
{
    Q_OBJECT
public:
    UserCodePanel(bool editMode, const PanelServices &services, QWidget *parent = nullptr);
    QString okHelp() const override;
    void setCode(const UserCode &code);
    UserCode code() const;

private:
    bool m_editMode;
    QLineEdit *m_description;
    QLineEdit *m_startCode;
    QLineEdit *m_endCode;
};

// "Browser - rediger": an external browser's name and program. OK needs both.
class BrowserEntryPanel : public HelperPanel
{
    Q_OBJECT
public:
    BrowserEntryPanel(const PanelServices &services, QWidget *parent = nullptr);
    bool accepts() override;
    void setEntry(const BrowserEntry &entry);
    BrowserEntry entry() const;

private:
    // Chooses the program through the open dialog.
    void choosePath();
    // Names the browser and looks for its program on the search path.
    void findBrowser(const QString &name, const QString &program);

    Prompter &m_prompter;
    QLineEdit *m_name;
    QLineEdit *m_path;
};

// "Adgangskode": a password, typed unseen.
class PasswordPanel : public HelperPanel
{
    Q_OBJECT
public:
    explicit PasswordPanel(QWidget *parent = nullptr);
    bool showsHelpLine() const override { return false; }
    QString password() const;

private:
    QLineEdit *m_password;
};

// "Browservindue": the address, name, size, place and features of a
// window.open call for a script.
class WindowOpenPanel : public HelperPanel
{
    Q_OBJECT
public:
    WindowOpenPanel(const PanelServices &services, ReferenceChooser choosePageLinks, QWidget *parent = nullptr);
    WindowOpenValues values() const;

private:
    QLineEdit *m_address;
    QLineEdit *m_name;
    QCheckBox *m_sizeOn;
    QSpinBox *m_width;
    QSpinBox *m_height;
    QCheckBox *m_positionOn;
    QSpinBox *m_left;
    QSpinBox *m_top;
    QListWidget *m_features;
};

// The panel of a helper kind; nothing for the other kinds. The browser
// window's address can be picked among a page's links.
HelperPanel *makeHelperPanel(int kind, bool editMode, const PanelServices &services, ReferenceChooser choosePageLinks,
                             QWidget *parent);
