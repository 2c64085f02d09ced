#include "html/MarkupMenus.h"

#include "core/SettingsStore.h"
#include "editor/TLEdit.h"
#include "html/FixedMarkup.h"
#include "html/MarkupWriting.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

MarkupMenus::MarkupMenus(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
{
    buildStyleMenu();
    buildTableMenu();
}

void MarkupMenus::wrapActive(const QString &open, const QString &close)
{
    WrapSelection(m_workbench.activeEditor(), open, close);
}

void MarkupMenus::buildStyleMenu()
{
    auto *styles = new QMenu(&m_workbench.window());
    for (int level = 1; level <= 6; ++level) {
        styles->addAction(QStringLiteral("Overskrift %1 (H%1)").arg(level), this,
                          [this, level] { wrapActive(QStringLiteral("<h%1>").arg(level), QStringLiteral("</h%1>").arg(level)); });
    }
    styles->addAction(QStringLiteral("Normal (class=normal)"), this,
                      [this] { wrapActive(QStringLiteral("<span class=\"normal\">"), QStringLiteral("</span>")); });
    styles->addSeparator();
    m_styleMenu = styles;
    connect(styles, &QMenu::aboutToShow, this, &MarkupMenus::refreshStyleMenu);
    m_workbench.commands().add(QStringLiteral("actSkrifttypeKnap"), QStringLiteral("Skrifttype")).setMenu(styles);
}

void MarkupMenus::buildTableMenu()
{
    CommandRegistry &commands = m_workbench.commands();
    auto *tables = new QMenu(&m_workbench.window());
    commands.add(QStringLiteral("actTabelKnap"), QStringLiteral("Tabel")).setMenu(tables);
    // Quick tables: rows by columns, each inserting an empty table.
    for (int rows = 1; rows <= 9; ++rows) {
        QMenu *sub = tables->addMenu(rows == 1 ? QStringLiteral("1 række") : QStringLiteral("%1 rækker").arg(rows));
        for (int columns = 1; columns <= 9; ++columns) {
            sub->addAction(
                columns == 1 ? QStringLiteral("1 kolonne") : QStringLiteral("%1 kolonner").arg(columns), this,
                [this, rows, columns] { InsertAtCaret(m_workbench.activeEditor(), FixedMarkup::quickTable(rows, columns)); });
        }
    }
    tables->addSeparator();
    tables->addAction(QStringLiteral("Indsæt række"), &commands.require(QStringLiteral("actRaekke")), &QAction::trigger);
    tables->addAction(QStringLiteral("Indsæt kolonne"))->setEnabled(false);
    tables->addAction(QStringLiteral("Indsæt celle"), &commands.require(QStringLiteral("actTabelcelle")), &QAction::trigger);
    tables->addAction(QStringLiteral("Del celle"))->setEnabled(false);
    tables->addSeparator();
    for (const char *caption : {"Slet række", "Slet kolonne", "Slet celle"})
        tables->addAction(QString::fromUtf8(caption))->setEnabled(false);
}

void MarkupMenus::refreshStyleMenu()
{
    // The class names the dialogs remember, at most 100 characters each, sorted.
    QStringList classes;
    for (const QString &line : m_workbench.settings().readSection(QStringLiteral("Klasser"))) {
        const QString name = line.section(QLatin1Char('='), 1).left(100);
        if (!name.isEmpty())
            classes.append(name);
    }
    classes.sort(Qt::CaseInsensitive);
    while (m_classEntries.size() < classes.size()) {
        QAction *entry = m_styleMenu->addAction(QString());
        connect(entry, &QAction::triggered, this, [this, entry] {
            const QString name = entry->text().remove(QLatin1Char('&'));
            wrapActive(QStringLiteral("<span class=\"%1\">").arg(name), QStringLiteral("</span>"));
        });
        m_classEntries.append(entry);
    }
    for (qsizetype i = 0; i < m_classEntries.size(); ++i) {
        m_classEntries[i]->setText(classes.value(i));
        m_classEntries[i]->setVisible(i < classes.size());
    }
}
