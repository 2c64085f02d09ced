#include "app/MainToolBars.h"

#include "workbench/CommandRegistry.h"
#include "workbench/ToolBarTable.h"
#include "workbench/ToolbarIcons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A toolbar button's hint and icon; a hint of "|" separates groups.
struct HintedButton
{
    const char *hint;
    const char *icon;
};

// A button of its own (its hint is not the menu caption) that runs a command
// and is enabled while the command is.
QAction *buttonFor(QAction &command, const QString &hint, QObject *parent)
{
    auto *button = new QAction(hint, parent);
    button->setEnabled(command.isEnabled());
    QObject::connect(button, &QAction::triggered, &command, &QAction::trigger);
    QObject::connect(&command, &QAction::changed, button, [button, &command] { button->setEnabled(command.isEnabled()); });
    return button;
}

void addDisabledRow(QToolBar &row, const QList<HintedButton> &buttons, bool checkable)
{
    for (const HintedButton &entry : buttons) {
        if (QByteArray(entry.hint) == "|") {
            row.addSeparator();
            continue;
        }
        const QString text = QString::fromUtf8(entry.hint);
        QAction *button = row.addAction(ToolbarIcons::icon(QString::fromLatin1(entry.icon)),
                                        checkable ? text : text.section(QLatin1Char(' '), 0, 0));
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
    bar->setIconSize(QSize(24, 24));
    for (const ToolBarButton &entry : ToolBarTable::mainToolBar()) {
        if (entry.isSeparator()) {
            bar->addSeparator();
            continue;
        }
        QAction &action = commands.require(entry.id);
        // A toolbar button of its own where the hint differs from the menu caption.
        QAction *button = &action;
        if (action.toolTip() != entry.hint && action.menu() == nullptr
            && entry.hint != action.text().remove(QLatin1Char('&')).remove(QStringLiteral("...")))
            button = buttonFor(action, entry.hint, &window);
        button->setToolTip(entry.hint);
        button->setIcon(ToolbarIcons::icon(entry.icon));
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
    firstRow->setIconSize(QSize(16, 16));
    addDisabledRow(*firstRow,
                   {{"Favoritsteder - gå til denne mappe i Filhåndteringen", "favourite-places"},
                    {"Favoritfiler - åbn filen", "favourite-files"},
                    {"Favoritmapper - vis Åbn-dialogboks i denne mappe", "favourite-folders"},
                    {"|", ""},
                    {"Billedfremviser", "image-viewer"},
                    {"|", ""},
                    {"Visninger", "views"}},
                   false);
    auto *secondRow = new QToolBar(&page);
    secondRow->setObjectName(QStringLiteral("tbFiler2"));
    secondRow->setIconSize(QSize(16, 16));
    addDisabledRow(*secondRow,
                   {{"HTML-filer", "filter-html"},
                    {"Billedfiler", "filter-images"},
                    {"Typografiark", "filter-stylesheets"},
                    {"Lydfiler", "filter-sound"},
                    {"Skriptfiler", "filter-scripts"},
                    {"Downloadarkiver", "filter-archives"},
                    {"Alle filer", "filter-all"},
                    {"|", ""},
                    {"Opret ny mappe", "new-folder"}},
                   true);
    layout->addWidget(firstRow);
    layout->addWidget(secondRow);
    layout->addStretch(1);
}

void buildEditor(QToolBar &bar, CommandRegistry &commands)
{
    const auto addCommand = [&bar, &commands](const char *id, const char *icon) {
        QAction &action = commands.require(QString::fromLatin1(id));
        action.setIcon(ToolbarIcons::icon(QString::fromLatin1(icon)));
        bar.addAction(&action);
    };
    addCommand("actTekstombrydning", "word-wrap");
    addCommand("actSkrivebeskyttet", "read-only");
    bar.addSeparator();
    for (int i = 1; i <= 5; ++i) {
        QAction *button = bar.addAction(ToolbarIcons::icon(QStringLiteral("bookmark-%1").arg(i)), QString::number(i));
        button->setObjectName(QStringLiteral("btnGaaTilBogmaerke%1").arg(i));
        button->setToolTip(QStringLiteral("Gå til bogmærke %1").arg(i));
        button->setEnabled(false);
    }
    bar.addSeparator();
    // "Rediger titel" runs "Titel..."; the buttons with commands of their own
    // wait for a part to handle them.
    QAction *editTitle = buttonFor(commands.require(QStringLiteral("actTitel")), QStringLiteral("Rediger titel"), &bar);
    editTitle->setObjectName(QStringLiteral("btnRedigerTitel"));
    editTitle->setIcon(ToolbarIcons::icon(QStringLiteral("title")));
    bar.addAction(editTitle);
    const std::pair<const char *, const char *> ownCommands[] = {{"actRedigerTypografiregler", "style-rules"},
                                                                 {"actRedigerSkript", "script"}};
    const QString ownCaptions[] = {QStringLiteral("Rediger typografiregler"), QStringLiteral("Rediger skript")};
    for (int i = 0; i < 2; ++i) {
        QAction &command = commands.add(QString::fromLatin1(ownCommands[i].first), ownCaptions[i]);
        command.setIcon(ToolbarIcons::icon(QString::fromLatin1(ownCommands[i].second)));
        bar.addAction(&command);
    }
    bar.addAction(ToolbarIcons::icon(QStringLiteral("meta")), QStringLiteral("Rediger metainformation"))->setEnabled(false);
    QAction &transferTime = commands.add(QStringLiteral("actOverfoerselstid"), QStringLiteral("Overførselstid"));
    transferTime.setIcon(ToolbarIcons::icon(QStringLiteral("transfer-time")));
    bar.addAction(&transferTime);
    bar.addSeparator();
    addCommand("actKodeeditor", "code-editor");
    addCommand("actInternBrowser", "internal-browser");
    addCommand("actEksternBrowser", "external-browser");
    bar.addSeparator();
    const std::pair<const char *, const char *> closers[] = {{"btnLukAlle", "actLukAlle"}, {"btnLuk", "actLuk"}};
    const QString captions[] = {QStringLiteral("Luk alle dokumenter"), QStringLiteral("Luk dokument")};
    const char *icons[] = {"close-all", "close"};
    for (int i = 0; i < 2; ++i) {
        QAction *button = buttonFor(commands.require(QString::fromLatin1(closers[i].second)), captions[i], &bar);
        button->setObjectName(QString::fromLatin1(closers[i].first));
        button->setIcon(ToolbarIcons::icon(QString::fromLatin1(icons[i])));
        bar.addAction(button);
    }
}

} // namespace MainToolBars
