#include "workbench/UiFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

QString UIFontName()
{
    static const QString name = [] {
        const QString tahoma = QStringLiteral("Tahoma");
        return QFontDatabase::hasFamily(tahoma) ? tahoma : QApplication::font().family();
    }();
    return name;
}

void applyUiFont(QWidget *window)
{
    QFont font = window->font();
    font.setFamily(UIFontName());
    window->setFont(font);
}
