#pragma once

#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/ElementPanel.h"
#include "dialogs/element/FramesetPanel.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/ListPanel.h"
#include "dialogs/element/PagePanel.h"
#include "dialogs/element/TableCellPanel.h"

#include <functional>
#include <optional>

class HelpLine;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;
struct ElementEdit;

class Prompter;
class TEditWebColor;

// What the panels need besides their values.
struct PanelServices
{
    SettingsStore &settings;
    HelpLine &help;
    std::function<QString(int helpKey)> helpText;
    Prompter &prompter;
    bool webColourDialog = false; // colour fields open the web colour dialog
};

// "Vandret linie": length (in percent or pixels), thickness, 3D shading,
// alignment, and "Gem som standard".
class LinePanel : public ElementPanel
{
    Q_OBJECT
public:
    LinePanel(const HorizontalLineValues &start, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("hr"); }
    void apply(PanelContext &context) override;
    HorizontalLineValues values() const;

private:
    SettingsStore &m_settings;
    bool m_hadLength;
    QSpinBox *m_length;
    QCheckBox *m_percent;
    QSpinBox *m_thickness;
    QCheckBox *m_shaded;
    QButtonGroup *m_alignment;
};

// "Punktopstilling": bullets or numbers, the type, and the items in a grid.
class ListItemsPanel : public ElementPanel
{
    Q_OBJECT
public:
    ListItemsPanel(const ListValues &start, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override;
    void apply(PanelContext &context) override;
    ListValues values() const;

private:
    void fillTypes(ListValues::Kind kind);
    void setCount(int count);

    QRadioButton *m_bullets;
    QRadioButton *m_numbers;
    QComboBox *m_type;
    QSpinBox *m_count;
    QTableWidget *m_items;
    QLineEdit *m_text;
};

// The alignment of div, span, p and h1-h6.
class AlignmentPanel : public ElementPanel
{
    Q_OBJECT
public:
    AlignmentPanel(const AlignmentValues &start, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return m_values.element; }
    void apply(PanelContext &context) override;

private:
    AlignmentValues m_values;
    QComboBox *m_alignment;
};

// "Titel - rediger": the document's title.
class TitlePanel : public ElementPanel
{
    Q_OBJECT
public:
    TitlePanel(const QString &title, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("title"); }
    bool hasCommonPanel() const override { return false; }
    void apply(PanelContext &context) override;
    QString title() const;
    // Placing a new title in the head may warn through this.
    std::function<bool(EditableText &)> placeInHead;

private:
    QLineEdit *m_title;
};

// "Basiskoder": a new page's skeleton, or an edited BODY element.
class PagePanel : public ElementPanel
{
    Q_OBJECT
public:
    struct Start
    {
        PageValues values;
        QStringList versions;
        int version = 0;
        FileEncoding encoding = FileEncoding::Utf8;
    };
    // Chooses a file for a field: the dialog's caption, the filters' text
    // ("Typografiark (*.css)") and whether it is a picture; the path to write,
    // relative to the document, or nothing.
    using FileChooser = std::function<std::optional<QString>(const QString &caption, bool picture)>;

    PagePanel(const Start &start, PanelServices services, bool editMode, FileChooser chooseFile, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("body"); }
    bool commonPanelEnabled() const override;
    void apply(PanelContext &context) override;
    PageValues values() const;
    QString title() const;
    // Where the caret goes after a new page is written, in its text.
    qsizetype caretOffset() const { return m_caret; }

private:
    SettingsStore &m_settings;
    FileChooser m_chooseFile;
    FileEncoding m_encoding;
    QComboBox *m_version;
    QLineEdit *m_title;
    QLineEdit *m_stylesheet;
    QComboBox *m_target;
    QCheckBox *m_body;
    QLineEdit *m_background;
    QCheckBox *m_colours;
    QList<TEditWebColor *> m_colourFields;
    qsizetype m_caret = -1;
};

// "Rammer - rediger antal og størrelse": a frameset's rows, columns and border.
class FramesetFieldsPanel : public ElementPanel
{
    Q_OBJECT
public:
    FramesetFieldsPanel(const FramesetValues &start, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("frameset"); }
    void apply(PanelContext &context) override;

private:
    QLineEdit *m_rows;
    QLineEdit *m_columns;
    QCheckBox *m_border;
    QSpinBox *m_thickness;
};

// A table cell (all fields) or row (the two alignments).
class TableCellFieldsPanel : public ElementPanel
{
    Q_OBJECT
public:
    TableCellFieldsPanel(const TableCellValues &start, bool row, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return m_row ? QStringLiteral("tr") : QStringLiteral("td"); }
    void apply(PanelContext &context) override;
    TableCellValues values() const;

private:
    bool m_row;
    QComboBox *m_vertical;
    QComboBox *m_horizontal;
    QSpinBox *m_rowSpan = nullptr;
    QSpinBox *m_columnSpan = nullptr;
    QCheckBox *m_widthOn = nullptr;
    QSpinBox *m_width = nullptr;
    QCheckBox *m_widthPercent = nullptr;
    QCheckBox *m_heightOn = nullptr;
    QSpinBox *m_height = nullptr;
    QCheckBox *m_heightPercent = nullptr;
    QCheckBox *m_colourOn = nullptr;
    TEditWebColor *m_colour = nullptr;
};

// "Rammer - alternativ tekst": the frames dialog's no-frames text, kept in
// the text given, not written into the document.
class NoFramesPanel : public ElementPanel
{
    Q_OBJECT
public:
    NoFramesPanel(QString &text, PanelServices services, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("noframes"); }
    bool hasCommonPanel() const override { return false; }
    void apply(PanelContext &context) override;

private:
    QString &m_text;
    QPlainTextEdit *m_field;
};
