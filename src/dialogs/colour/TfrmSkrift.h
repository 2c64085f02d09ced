#pragma once

#include "dialogs/colour/FontElement.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class ColourGrid;
class HelpLine;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class SettingsStore;
class TEditWebColor;

enum class FontDialogMode {
    FontElement = 0,
    FamilyListWithGeneric = 1,
    FamilyList = 2,
};

// What the font dialog needs from the program around it.
struct FontDialogContext
{
    Prompter &prompter;
    SettingsStore *settings = nullptr; // where the colour dialogs keep the user colours
    bool webFonts = false; // "WebFonte": the family box lists the web fonts
    bool webColourDialog = false; // "FarveDialog": the colour field opens the web colour dialog
    std::function<QString(int helpKey)> helpText; // the library's help text of a key
};

// "Skrifttype": writes a font start tag, or edits a font-family list.
class TfrmSkrift : public QDialog
{
    Q_OBJECT
public:
    TfrmSkrift(FontDialogMode mode, const FontDialogContext &context, QWidget *parent = nullptr);

    // Edit mode: the fields of the element being edited.
    void editElement(const FontElementFields &fields);
    // List modes: the value whose families the list starts with.
    void setFamilyList(const QString &value);

    // The font start tag, or in the list modes the family list.
    QString resultText() const;
    FontElementFields fields() const;

    // The controls, by their captions' meaning.
    QComboBox *familyBox() const { return m_family; }
    QComboBox *sizeBox() const { return m_size; }
    QComboBox *signBox() const { return m_sign; }
    QCheckBox *insertColour() const { return m_insertColour; }
    TEditWebColor *colourField() const { return m_colour; }
    ColourGrid *sixteenColours() const { return m_sixteen; }
    QLabel *preview() const { return m_preview; }
    QListWidget *chosenFonts() const { return m_chosen; }
    QPushButton *okButton() const { return m_ok; }
    HelpLine *helpLine() const { return m_help; }

    // The list modes' buttons.
    void addFont();
    void removeFont();
    void moveFont(int step);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildElementPanel();
    QWidget *buildListPanel();
    void showPreview();
    void listChanged();
    void toggleColourDialog();

    FontDialogMode m_mode;
    FontDialogContext m_context;
    FontElementFields m_kept;
    HelpLine *m_help = nullptr;
    QComboBox *m_family = nullptr;
    QComboBox *m_size = nullptr;
    QComboBox *m_sign = nullptr;
    QCheckBox *m_insertColour = nullptr;
    TEditWebColor *m_colour = nullptr;
    ColourGrid *m_sixteen = nullptr;
    QLabel *m_preview = nullptr;
    QListWidget *m_chosen = nullptr;
    QPushButton *m_ok = nullptr;
};
