#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

// The controls the element dialog's panels are made of, named so that
// tests and the help line find them.
QLineEdit *textField(const char *name, QWidget *parent, const QString &text = QString());
QSpinBox *numberField(const char *name, int minimum, int maximum, int value, QWidget *parent);
QPushButton *namedButton(const QString &caption, const char *name, QWidget *parent);
QCheckBox *tickBox(const QString &caption, const char *name, bool checked, QWidget *parent);
// A label whose access key moves to the field.
QLabel *labelFor(const QString &caption, QWidget *field);
