#pragma once

#include <QHash>
#include <QLabel>

// The line at the bottom of a dialog that shows the help text of the control
// the mouse is over or the focus has entered.
class HelpLine : public QLabel
{
    Q_OBJECT

public:
    static const QString InitialText;

    explicit HelpLine(QWidget *parent = nullptr);

    // The text shown for the control (and its label, when given); attaching
    // a control again changes its text.
    void attach(QWidget *control, const QString &text, QWidget *label = nullptr);
    QString helpFor(const QWidget *control) const { return m_texts.value(control); }
    void reset() { setText(InitialText); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<const QObject *, QString> m_texts;
};
