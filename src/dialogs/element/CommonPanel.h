#pragma once

#include "dialogs/element/CommonFields.h"

#include <QWidget>

#include <functional>
#include <optional>

class HelpLine;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QToolButton;
class SettingsStore;

// The fields every element shares: a class from the remembered names, an id,
// a style with a button that opens it in an editor, and (the advanced part,
// open or shut per panel kind) the grid of event attributes.
class CommonPanel : public QWidget
{
    Q_OBJECT

public:
    // Opens a text in an editor and gives back the edited text, or nothing
    // when the user cancelled; the style and event cells go through it.
    using TextEditor = std::function<std::optional<QString>(const QString &caption, const QString &text)>;

    // The library's help text of a help key.
    using HelpTexts = std::function<QString(int helpKey)>;

    CommonPanel(const CommonFields &start, const QString &element, SettingsStore &settings, int kind, HelpLine &help,
                const HelpTexts &helpText, TextEditor editor, QWidget *parent = nullptr);

    CommonFields fields() const;
    bool advancedShown() const;
    // The class name joins the remembered ones, and the advanced part's state is kept.
    void remember() const;

private:
    void showAdvanced(bool shown);

    QString m_element;
    SettingsStore &m_settings;
    int m_kind;
    TextEditor m_editor;
    QString m_remainder;
    QComboBox *m_class;
    QLineEdit *m_id;
    QLineEdit *m_style;
    QToolButton *m_advanced;
    QTableWidget *m_events;
};
