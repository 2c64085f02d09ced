#pragma once

#include "files/FileNameCorrection.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The options for correcting file names: which folder and file types are
// concerned, and how spaces, the Danish letters and the letter case change.
class FileNameOptionsPage : public QWidget
{
    Q_OBJECT

public:
    explicit FileNameOptionsPage(QWidget *parent = nullptr);

    void setFiles(const QString &folder, const QString &mask);
    void setRules(const FileNameRules &rules);
    FileNameRules rules() const;

private:
    QLineEdit *replacementField(const QString &objectName);

    QLabel *m_folder = nullptr;
    QLabel *m_mask = nullptr;
    QGroupBox *m_case = nullptr;
    QRadioButton *m_upper = nullptr;
    QRadioButton *m_lower = nullptr;
    QCheckBox *m_replaceSpaces = nullptr;
    QLineEdit *m_space = nullptr;
    QCheckBox *m_replaceLetters = nullptr;
    QLineEdit *m_ae = nullptr;
    QLineEdit *m_oe = nullptr;
    QLineEdit *m_aa = nullptr;
};
