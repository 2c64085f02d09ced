#include "dialogs/element/PanelControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

QLineEdit *textField(const char *name, QWidget *parent, const QString &text)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QSpinBox *numberField(const char *name, int minimum, int maximum, int value, QWidget *parent)
{
    auto *field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(minimum, maximum);
    field->setValue(value);
    return field;
}

QPushButton *namedButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox *tickBox(const QString &caption, const char *name, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QLabel *labelFor(const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    return label;
}
