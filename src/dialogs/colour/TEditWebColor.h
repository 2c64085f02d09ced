#pragma once

#include <QWidget>

class Prompter;
class QLineEdit;
class QToolButton;
class SettingsStore;

// The colour field of the element dialogs: a short text field for a colour
// code with a button at its right end that shows the colour and opens the web
// or the system colour dialog.
class TEditWebColor : public QWidget
{
    Q_OBJECT
public:
    // Typing stops at this many characters; a value set from outside is kept whole.
    static constexpr int MaxTyped = 8;

    TEditWebColor(Prompter &prompter, SettingsStore *settings, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // Whether the button opens the web colour dialog rather than the system one.
    bool webDialog() const { return m_webDialog; }
    void setWebDialog(bool web) { m_webDialog = web; }

    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *button() const { return m_button; }
    // The colour the button shows.
    QColor buttonColour() const;

    // Opens the chosen colour dialog; on OK the colour goes into the field.
    void chooseColour();

signals:
    void textChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showColour();
    Prompter &m_prompter;
    SettingsStore *m_settings;
    QLineEdit *m_edit;
    QToolButton *m_button;
    bool m_webDialog = false;
};
