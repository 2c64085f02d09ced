#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The find dialog and the replace dialog: one class, two layouts. Each is
// shown without blocking the window and kept for the whole run. Matching by
// whole words is offered but never enabled; the replace dialog always
// searches down.
class FindReplaceDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Find, Replace };

    explicit FindReplaceDialog(Mode mode, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    bool matchCase() const;
    bool wholeWord() const;
    bool searchDown() const;

    QLineEdit *findField() const { return m_find; }
    QLineEdit *replaceField() const { return m_replace; }
    QCheckBox *matchCaseBox() const { return m_matchCase; }
    QRadioButton *upButton() const { return m_up; }
    QPushButton *findNextButton() const { return m_findNext; }
    QPushButton *replaceButton() const { return m_replaceOne; }
    QPushButton *replaceAllButton() const { return m_replaceAll; }

    // Brings the dialog up (or to the front) with the find text selected.
    void present();

Q_SIGNALS:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    void refreshButtons();

    Mode m_mode;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
};
