#include "app/MainToolBars.h"

#include "workbench/CommandRegistry.h"
#include "workbench/ToolBarTable.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A small picture with a few letters, for toolbar buttons.
QIcon glyphIcon(const QString &glyph)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = QApplication::font();
    font.setPixelSize(glyph.size() > 2 ? 8 : 12);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

void addDisabledRow(QToolBar &row, const QList<const char *> &hints, bool checkable)
{
    for (const char *hint : hints) {
        if (QByteArray(hint) == "|") {
            row.addSeparator();
            continue;
        }
        const QString text = QString::fromUtf8(hint);
        QAction *button = row.addAction(checkable ? text : text.section(QLatin1Char(' '), 0, 0));
        button->setToolTip(text);
        button->setCheckable(checkable && text != QStringLiteral("Opret ny mappe"));
        button->setChecked(text == QStringLiteral("HTML-filer"));
        button->setEnabled(false);
    }
}

} // namespace

namespace MainToolBars {

void buildMain(QMainWindow &window, CommandRegistry &commands)
{
    QToolBar *bar = window.addToolBar(QStringLiteral("Værktøjslinie"));
    bar->setObjectName(QStringLiteral("tbMain"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    for (const ToolBarButton &entry : ToolBarTable::mainToolBar()) {
        if (entry.isSeparator()) {
            bar->addSeparator();
            continue;
        }
        QAction &action = commands.require(entry.id);
        // A toolbar button of its own where the hint differs from the menu caption.
        QAction *button = &action;
        if (action.toolTip() != entry.hint && action.menu() == nullptr
            && entry.hint != action.text().remove(QLatin1Char('&')).remove(QStringLiteral("..."))) {
            button = new QAction(entry.hint, &window);
            button->setEnabled(action.isEnabled());
            QObject::connect(button, &QAction::triggered, &action, &QAction::trigger);
            QObject::connect(&action, &QAction::changed, button, [button, &action] { button->setEnabled(action.isEnabled()); });
        }
        button->setToolTip(entry.hint);
        button->setIcon(glyphIcon(entry.glyph));
        bar->addAction(button);
        if (button->menu()) {
            if (auto *tool = qobject_cast<QToolButton *>(bar->widgetForAction(button)))
                tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
}

void buildFilePanel(QWidget &page)
{
    auto *layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *firstRow = new QToolBar(&page);
    firstRow->setObjectName(QStringLiteral("tbFiler1"));
    addDisabledRow(*firstRow,
                   {"Favoritsteder - gå til denne mappe i Filhåndteringen", "Favoritfiler - åbn filen",
                    "Favoritmapper - vis Åbn-dialogboks i denne mappe", "|", "Billedfremviser", "|", "Visninger"},
                   false);
    auto *secondRow = new QToolBar(&page);
    secondRow->setObjectName(QStringLiteral("tbFiler2"));
    addDisabledRow(*secondRow,
                   {"HTML-filer", "Billedfiler", "Typografiark", "Lydfiler", "Skriptfiler", "Downloadarkiver", "Alle filer", "|",
                    "Opret ny mappe"},
                   true);
    layout->addWidget(firstRow);
    layout->addWidget(secondRow);
    layout->addStretch(1);
}

void buildEditor(QToolBar &bar, CommandRegistry &commands)
{
    bar.addAction(&commands.require(QStringLiteral("actTekstombrydning")));
    bar.addAction(&commands.require(QStringLiteral("actSkrivebeskyttet")));
    bar.addSeparator();
    for (int i = 1; i <= 5; ++i) {
        QAction *button = bar.addAction(QString::number(i));
        button->setObjectName(QStringLiteral("btnGaaTilBogmaerke%1").arg(i));
        button->setToolTip(QStringLiteral("Gå til bogmærke %1").arg(i));
        button->setEnabled(false);
    }
    bar.addSeparator();
    for (const char *hint :
         {"Rediger titel", "Rediger typografiregler", "Rediger skript", "Rediger metainformation", "Overførselstid"})
        bar.addAction(QString::fromUtf8(hint))->setEnabled(false);
    bar.addSeparator();
    bar.addAction(&commands.require(QStringLiteral("actKodeeditor")));
    bar.addAction(&commands.require(QStringLiteral("actInternBrowser")));
    bar.addAction(&commands.require(QStringLiteral("actEksternBrowser")));
    bar.addSeparator();
    const std::pair<const char *, const char *> closers[] = {{"btnLukAlle", "actLukAlle"}, {"btnLuk", "actLuk"}};
    const QString captions[] = {QStringLiteral("Luk alle dokumenter"), QStringLiteral("Luk dokument")};
    for (int i = 0; i < 2; ++i) {
        QAction *button = bar.addAction(captions[i]);
        button->setObjectName(QString::fromLatin1(closers[i].first));
        QObject::connect(button, &QAction::triggered, &commands.require(QString::fromLatin1(closers[i].second)),
                         &QAction::trigger);
    }
}

} // namespace MainToolBars
