#pragma once

#include "dialogs/element/CommonFields.h"

#include <QWidget>

class EditableText;
class HelpLine;
class SettingsStore;

// What a panel's OK works with: the document's text, the common panel's
// fields as markup parts, and where the dialog keeps its settings.
struct PanelContext
{
    EditableText &text;
    CommonFields common;
    QString emptyElementSuffix; // " /" with XHTML, else nothing
    SettingsStore &settings;
    bool editMode = false;
};

// One kind's panel of the element dialog: it fills its fields (from the
// edited element or the stored defaults) and on OK writes its markup.
class ElementPanel : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The element the common panel's events and style belong to.
    virtual QString elementName() const = 0;
    // Whether the common panel is shown below this panel.
    virtual bool hasCommonPanel() const { return true; }
    // Writes the panel's markup into the text (which is not read-only).
    virtual void apply(PanelContext &context) = 0;
    // Whether the common panel applies just now (the page panel without
    // its BODY element has none).
    virtual bool commonPanelEnabled() const { return true; }
    // Whether OK may close the dialog; a panel that refuses tells the user why.
    virtual bool accepts() { return true; }
    // The help text of the dialog's OK button.
    virtual QString okHelp() const { return QStringLiteral("Indsætter HTML-koden på baggrund af de foretagne valg."); }
    // Whether the dialog shows its help line with this panel.
    virtual bool showsHelpLine() const { return true; }

Q_SIGNALS:
    void commonPanelEnabledChanged(bool enabled);
};
