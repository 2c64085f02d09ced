#pragma once

#include "dialogs/element/ElementPanels.h"
#include "dialogs/element/EmailLink.h"
#include "dialogs/element/LinkValues.h"
#include "dialogs/element/ReferenceChoosers.h"

class Workbench;

// "Henvisning": address, target frame, name and link text; the address from
// a chosen HTML file or from Internet shortcut files ("favourites").
class LinkPanel : public ElementPanel
{
    Q_OBJECT
public:
    struct Start
    {
        LinkValues values;
        QStringList targets; // the items of "&Destinationsramme:"
    };
    // An HTML file's path relative to the document, or nothing.
    using FileChooser = std::function<std::optional<QString>()>;
    // Internet shortcut files, or none.
    using ShortcutChooser = std::function<QStringList()>;

    LinkPanel(const Start &start, PanelServices services, FileChooser chooseFile, ShortcutChooser chooseShortcuts,
              ReferenceChooser choosePageLinks, ReferenceChooser chooseTargets, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("a"); }
    void apply(PanelContext &context) override;
    LinkValues values() const;

private:
    void takeFile();
    void takeShortcuts();
    // The rows become the link's pairs of address and description: the first
    // fills the fields, the others are written as links of their own.
    void takeReferences(const QList<LinkItem> &rows, bool targets);

    FileChooser m_chooseFile;
    ShortcutChooser m_chooseShortcuts;
    ReferenceChooser m_choosePageLinks;
    ReferenceChooser m_chooseTargets;
    // The shortcuts or references last picked: the first fills the fields,
    // the others are written as links of their own after the link.
    QList<InternetShortcut> m_shortcuts;
    QLineEdit *m_address;
    QComboBox *m_target;
    QLineEdit *m_name;
    QLineEdit *m_description;
};

// "E-mail": address, link text, subject and body of a "mailto:" link.
class EmailPanel : public ElementPanel
{
    Q_OBJECT
public:
    EmailPanel(const EmailLink &start, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("a"); }
    void apply(PanelContext &context) override;
    EmailLink values() const;

private:
    QString m_otherFields;
    QLineEdit *m_address;
    QLineEdit *m_description;
    QLineEdit *m_subject;
    QLineEdit *m_body;
};

// The panels as the element dialog opens them on the active document: from
// the edited element, or new with what the selection and the settings give.
ElementPanel *makeLinkPanel(const ElementEdit &edit, Workbench &workbench, const PanelServices &services, QWidget *parent);
ElementPanel *makeEmailPanel(const ElementEdit &edit, Workbench &workbench, const PanelServices &services, QWidget *parent);
