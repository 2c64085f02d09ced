// The main window's menus, toolbars and context menus. Every command of the
// menu table exists; one whose part of the program is not there yet is shown
// disabled.
#include "workbench/CommandTable.h"
#include "app/DocumentArea.h"
#include "core/SettingsOptions.h"
#include "core/SettingsStore.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "app/TfrmPW4.h"
#include "editor/TLEdit.h"
#include "html/FixedMarkup.h"
#include "html/MarkupWriting.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QMenuBar>
#include <QPainter>
#include <QTabBar>
#include <QToolBar>
#include <QTabWidget>
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

// Shortcuts as the table gives them, with an equivalent where a key sits
// elsewhere on other keyboards.
QList<QKeySequence> shortcutsFor(const QString &portable)
{
    if (portable.isEmpty())
        return {};
    if (portable == QStringLiteral("Ctrl+Æ"))
        return {QKeySequence(Qt::CTRL | Qt::Key_AE), QKeySequence(Qt::CTRL | Qt::Key_QuoteLeft)};
    if (portable == QLatin1String("Ctrl+/"))
        return {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Slash), QKeySequence(Qt::CTRL | Qt::Key_Slash)};
    if (portable == QLatin1String("Ctrl++"))
        return {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)};
    return {QKeySequence::fromString(portable, QKeySequence::PortableText)};
}

} // namespace

QAction *TfrmPW4::command(const QString &id) const
{
    return m_commands.value(id);
}

void TfrmPW4::addMenuEntries(QMenu *menu, const QList<CommandEntry> &entries)
{
    for (const CommandEntry &entry : entries) {
        if (entry.isSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!entry.children.isEmpty() || entry.id.startsWith(QLatin1String("mnu"))) {
            QMenu *sub = menu->addMenu(entry.caption);
            sub->setObjectName(entry.id);
            m_menus.insert(entry.id, sub);
            addMenuEntries(sub, entry.children);
            continue;
        }
        auto *action = new QAction(entry.caption, this);
        action->setObjectName(entry.id);
        action->setShortcuts(shortcutsFor(entry.shortcut));
        action->setCheckable(entry.checkable);
        action->setEnabled(false); // until a handler is attached
        menu->addAction(action);
        m_commands.insert(entry.id, action);
    }
}

void TfrmPW4::handle(const QString &id, std::function<void()> handler)
{
    QAction *action = m_commands.value(id);
    Q_ASSERT(action);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, std::move(handler));
}

void TfrmPW4::buildActions()
{
    for (const CommandEntry &menu : CommandTable::menuBar()) {
        QMenu *bar = menuBar()->addMenu(menu.caption);
        bar->setObjectName(menu.id);
        m_menus.insert(menu.id, bar);
        addMenuEntries(bar, menu.children);
    }
    m_recentMenu = m_menus.value(QStringLiteral("mnuSenesteFiler"));
    attachFileCommands();
    attachEditingCommands();
    attachMarkupCommands();
    attachViewAndHelpCommands();
    attachLibraryCommands();
    attachConversionCommands();
    buildToolBars();
    attachEditingAids();
    buildContextMenus();
    buildShortcuts();
}

void TfrmPW4::attachFileCommands()
{
    handle(QStringLiteral("actNy"), [this] { NewDocument(); });
    handle(QStringLiteral("actAabn"), [this] { openWithDialog(); });
    handle(QStringLiteral("actLuk"), [this] { CloseDocument(); });
    handle(QStringLiteral("actLukAlle"), [this] { closeAll(); });
    handle(QStringLiteral("actGem"), [this] {
        const int tab = m_documents->currentIndex();
        if (FilGem(tab)) {
            StatusbarOpdater(m_documents->pathAt(tab));
            UpdateDocumentCaption(tab);
        }
    });
    handle(QStringLiteral("actGemSom"), [this] { FilGemsom(m_documents->currentIndex()); });
    handle(QStringLiteral("actGemAlle"), [this] { saveAll(); });
    handle(QStringLiteral("actGemKoder"), [this] { saveWithDanishCodes(); });
    handle(QStringLiteral("actUdskriv"), [this] { m_printer.print(*ActiveEditor(), m_prompter); });
    handle(QStringLiteral("actIndstilPrinter"), [this] { m_printer.setUp(m_prompter); });
    handle(QStringLiteral("actAfslut"), [this] { close(); });

    QMenu *file = m_menus.value(QStringLiteral("mnuFiler"));
    connect(file, &QMenu::aboutToShow, this, [this] {
        refreshRecentFiles();
        command(QStringLiteral("actUdskriv"))->setEnabled(ActiveEditor()->GetTextLength() > 0);
    });
    refreshRecentFiles();
}

void TfrmPW4::attachEditingCommands()
{
    handle(QStringLiteral("actKlip"), [this] { ActiveEditor()->CutToClipboard(); });
    handle(QStringLiteral("actKopier"), [this] { ActiveEditor()->CopyToClipboard(); });
    handle(QStringLiteral("actSaetInd"), [this] { ActiveEditor()->PasteFromClipboard(); });
    handle(QStringLiteral("actSlet"), [this] { ActiveEditor()->DeleteSelection(); });
    handle(QStringLiteral("actMarkerAlt"), [this] { ActiveEditor()->SelectAll(); });
    QMenu *edit = m_menus.value(QStringLiteral("mnuRediger"));
    connect(edit, &QMenu::aboutToShow, this, [this] {
        const bool selected = !ActiveEditor()->GetSelection().isEmpty();
        command(QStringLiteral("actSaetInd"))->setEnabled(!QApplication::clipboard()->text().isEmpty());
        for (const char *id : {"actKlip", "actKopier", "actSlet"})
            command(QString::fromLatin1(id))->setEnabled(selected);
    });

    handle(QStringLiteral("actModerside"), [this] { toggleMasterTab(); });
    handle(QStringLiteral("actIndstillinger"), [this] { m_settingsDialog->exec(); });
    QMenu *functions = m_menus.value(QStringLiteral("mnuFunktioner"));
    connect(functions, &QMenu::aboutToShow, this, [this] {
        command(QStringLiteral("actTekstombrydning"))->setChecked(ActiveEditor()->WordWrap());
        command(QStringLiteral("actSkrivebeskyttet"))->setChecked(ActiveEditor()->IsReadOnly());
        command(QStringLiteral("actModerside"))->setChecked(m_documents->masterTab() == m_documents->currentIndex());
    });
}

void TfrmPW4::attachMarkupCommands()
{
    const auto wrap = [this](const QString &id, const QString &open, const QString &close) {
        handle(id, [this, open, close] { WrapSelection(*ActiveEditor(), open, close); });
    };
    const auto insert = [this](const QString &id, const std::function<QString()> &markup) {
        handle(id, [this, markup] { InsertAtCaret(*ActiveEditor(), markup()); });
    };
    wrap(QStringLiteral("actFed"), QStringLiteral("<strong>"), QStringLiteral("</strong>"));
    wrap(QStringLiteral("actKursiv"), QStringLiteral("<em>"), QStringLiteral("</em>"));
    wrap(QStringLiteral("actUnderstreget"), QStringLiteral("<u>"), QStringLiteral("</u>"));
    wrap(QStringLiteral("actFontPlus"), QStringLiteral("<font size=\"+1\">"), QStringLiteral("</font>"));
    wrap(QStringLiteral("actFontMinus"), QStringLiteral("<font size=\"-1\">"), QStringLiteral("</font>"));
    for (int level = 1; level <= 6; ++level)
        wrap(QStringLiteral("actOverskrift%1").arg(level), QStringLiteral("<h%1>").arg(level), QStringLiteral("</h%1>").arg(level));
    wrap(QStringLiteral("actSkrivemaskine"), QStringLiteral("<tt>"), QStringLiteral("</tt>"));
    wrap(QStringLiteral("actPraeformateret"), QStringLiteral("<pre>"), QStringLiteral("</pre>"));
    wrap(QStringLiteral("actAfsnit"), QStringLiteral("<p>"), QStringLiteral("</p>"));
    wrap(QStringLiteral("actKommentar"), QStringLiteral("<!-- "), QStringLiteral(" -->"));
    wrap(QStringLiteral("actRaekke"), QStringLiteral("<tr>"), QStringLiteral("</tr>"));
    wrap(QStringLiteral("actTabelcelle"), QStringLiteral("<td>"), QStringLiteral("</td>"));
    const std::pair<const char *, FixedMarkup::Alignment> alignments[] = {
        {"actCentrer", FixedMarkup::Alignment::Center},
        {"actHoejrejuster", FixedMarkup::Alignment::Right},
        {"actLigeMarginer", FixedMarkup::Alignment::Justify},
    };
    for (const auto &[id, kind] : alignments) {
        const FixedMarkup::Alignment alignment = kind;
        handle(QString::fromLatin1(id), [this, alignment] {
            const auto [open, close] = FixedMarkup::alignment(alignment, options().safeAlignment);
            WrapSelection(*ActiveEditor(), open, close);
        });
    }
    handle(QStringLiteral("actPunkt"), [this] { FixedMarkup::wrapListItem(*ActiveEditor()); });
    insert(QStringLiteral("actLinieskift"), [this] { return QStringLiteral("<br%1>").arg(options().emptyElementSuffix()); });
    insert(QStringLiteral("actVandretLinie"), [this] { return QStringLiteral("<hr%1>").arg(options().emptyElementSuffix()); });
    insert(QStringLiteral("actHaardtMellemrum"), [] { return QStringLiteral("&nbsp;"); });
    handle(QStringLiteral("actSystemfarve"), [this] {
        QColor colour = Qt::black;
        if (m_prompter.chooseColour(colour))
            InsertAtCaret(*ActiveEditor(), FixedMarkup::colourCode(colour.rgb() & 0xFFFFFF));
    });
}

void TfrmPW4::attachViewAndHelpCommands()
{
    QAction *panel = command(QStringLiteral("actResursefaner"));
    handle(QStringLiteral("actResursefaner"), [this, panel] { setResourcePanelShown(panel->isChecked()); });
    m_actResourcePanel = panel;
    m_actResourcePanel->setChecked(true);

    handle(QStringLiteral("actHjaelp"), [this] { openHelpPage(QStringLiteral("index.html")); });
    handle(QStringLiteral("actSoegHjaelp"), [this] { openHelpPage(QStringLiteral("index.html")); });
    handle(QStringLiteral("actTastaturgenveje"), [this] { openHelpPage(QStringLiteral("tastatur.html")); });
    for (int i = 0; i < 3; ++i)
        handle(QStringLiteral("actHjaelpefil%1").arg(i + 1), [this, i] { openUserHelpFile(i); });
    handle(QStringLiteral("actOm"), [this] { showAbout(); });
    QMenu *help = m_menus.value(QStringLiteral("mnuHjaelp"));
    connect(help, &QMenu::aboutToShow, this, [this] {
        const SettingsOptions &o = options();
        const QString names[] = {o.helpName1, o.helpName2, o.helpName3};
        for (int i = 0; i < 3; ++i)
            command(QStringLiteral("actHjaelpefil%1").arg(i + 1))->setText(names[i]);
    });
}

void TfrmPW4::buildToolBars()
{
    QToolBar *tbMain = addToolBar(QStringLiteral("Værktøjslinie"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->setIconSize(QSize(20, 20));
    // Buttons by their hints, "|" between groups.
    const std::pair<const char *, const char *> buttons[] = {
        {"actNytDokument", "Nyt dokument"}, {"actGem", "Gem"}, {"|", ""},
        {"actFortryd", "Fortryd"}, {"actAnnullerFortryd", "Annuller fortryd"}, {"actResursefaner", "Vis/skjul resursefaner"}, {"|", ""},
        {"actFed", "Fed skrift"}, {"actKursiv", "Kursiv skrift"}, {"actUnderstreget", "Understreget skrift"},
        {"actSkrifttypeKnap", "Skrifttype"}, {"|", ""},
        {"actCentrer", "Centrér"}, {"actLigeMarginer", "Lige marginer"}, {"|", ""},
        {"actLinieskift", "Linieskift"}, {"actAfsnit", "Afsnit"}, {"actVandretLinie", "Linie"}, {"|", ""},
        {"actBasiskoder", "Basiskoder, ny side"}, {"actHenvisning", "Henvisning"}, {"actGrafik", "Grafik"}, {"actLyd", "Lyd"},
        {"actLinie", "Linie"}, {"actEmail", "E-mail"}, {"|", ""},
        {"actTabelKnap", "Tabel"}, {"actPunktopstilling", "Punktopstilling"}, {"actRammer", "Rammer"}, {"actFormular", "Formular"},
        {"actBilledkorteditor", "Billedkorteditor"}, {"|", ""},
        {"actKommentar", "Kommentar"}, {"actOpdateringsdato", "Opdateringsdato"}, {"|", ""},
        {"actOverfoersel", "Overførsel til Internet"}, {"actIndstillinger", "Indstillinger"},
    };
    const QHash<QString, QString> glyphs = {
        {QStringLiteral("actNytDokument"), QStringLiteral("N")}, {QStringLiteral("actGem"), QStringLiteral("G")},
        {QStringLiteral("actFortryd"), QStringLiteral("↶")}, {QStringLiteral("actAnnullerFortryd"), QStringLiteral("↷")},
        {QStringLiteral("actResursefaner"), QStringLiteral("▤")}, {QStringLiteral("actFed"), QStringLiteral("F")},
        {QStringLiteral("actKursiv"), QStringLiteral("K")}, {QStringLiteral("actUnderstreget"), QStringLiteral("U")},
        {QStringLiteral("actSkrifttypeKnap"), QStringLiteral("H")}, {QStringLiteral("actCentrer"), QStringLiteral("≡")},
        {QStringLiteral("actLigeMarginer"), QStringLiteral("☰")}, {QStringLiteral("actLinieskift"), QStringLiteral("br")},
        {QStringLiteral("actAfsnit"), QStringLiteral("¶")}, {QStringLiteral("actVandretLinie"), QStringLiteral("hr")},
        {QStringLiteral("actBasiskoder"), QStringLiteral("ny")}, {QStringLiteral("actHenvisning"), QStringLiteral("a")},
        {QStringLiteral("actGrafik"), QStringLiteral("img")}, {QStringLiteral("actLyd"), QStringLiteral("♪")},
        {QStringLiteral("actLinie"), QStringLiteral("—")}, {QStringLiteral("actEmail"), QStringLiteral("@")},
        {QStringLiteral("actTabelKnap"), QStringLiteral("▦")}, {QStringLiteral("actPunktopstilling"), QStringLiteral("•")},
        {QStringLiteral("actRammer"), QStringLiteral("▥")}, {QStringLiteral("actFormular"), QStringLiteral("frm")},
        {QStringLiteral("actBilledkorteditor"), QStringLiteral("map")}, {QStringLiteral("actKommentar"), QStringLiteral("!--")},
        {QStringLiteral("actOpdateringsdato"), QStringLiteral("dato")}, {QStringLiteral("actOverfoersel"), QStringLiteral("ftp")},
        {QStringLiteral("actIndstillinger"), QStringLiteral("⚙")},
    };
    auto *newDocument = new QAction(QStringLiteral("Nyt dokument"), this);
    newDocument->setObjectName(QStringLiteral("actNytDokument"));
    connect(newDocument, &QAction::triggered, this, &TfrmPW4::NewDocument);
    m_commands.insert(newDocument->objectName(), newDocument);

    // The style drop-down: headings and the class history.
    auto *styles = new QMenu(this);
    for (int level = 1; level <= 6; ++level)
        styles->addAction(QStringLiteral("Overskrift %1 (H%1)").arg(level), this, [this, level] {
            WrapSelection(*ActiveEditor(), QStringLiteral("<h%1>").arg(level), QStringLiteral("</h%1>").arg(level));
        });
    styles->addAction(QStringLiteral("Normal (class=normal)"), this, [this] {
        WrapSelection(*ActiveEditor(), QStringLiteral("<span class=\"normal\">"), QStringLiteral("</span>"));
    });
    styles->addSeparator();
    m_styleMenu = styles;
    connect(styles, &QMenu::aboutToShow, this, &TfrmPW4::refreshStyleMenu);
    auto *styleButton = new QAction(QStringLiteral("Skrifttype"), this);
    styleButton->setObjectName(QStringLiteral("actSkrifttypeKnap"));
    styleButton->setEnabled(false); // the font dialog is not there yet; its drop-down works
    styleButton->setMenu(styles);
    m_commands.insert(styleButton->objectName(), styleButton);

    auto *tableButton = new QAction(QStringLiteral("Tabel"), this);
    tableButton->setObjectName(QStringLiteral("actTabelKnap"));
    tableButton->setMenu(m_tableMenu = new QMenu(this));
    m_commands.insert(tableButton->objectName(), tableButton);

    for (const auto &[id, hint] : buttons) {
        if (QByteArray(id) == "|") {
            tbMain->addSeparator();
            continue;
        }
        QAction *action = m_commands.value(QString::fromLatin1(id));
        Q_ASSERT(action);
        // A toolbar button of its own where the hint differs from the menu caption.
        QAction *button = action;
        if (action->toolTip() != QString::fromUtf8(hint) && action->menu() == nullptr
            && QString::fromUtf8(hint) != action->text().remove(QLatin1Char('&')).remove(QStringLiteral("..."))) {
            button = new QAction(QString::fromUtf8(hint), this);
            button->setEnabled(action->isEnabled());
            connect(button, &QAction::triggered, action, &QAction::trigger);
            connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
        }
        button->setToolTip(QString::fromUtf8(hint));
        button->setIcon(glyphIcon(glyphs.value(QString::fromLatin1(id))));
        tbMain->addAction(button);
        if (button->menu()) {
            if (auto *tool = qobject_cast<QToolButton *>(tbMain->widgetForAction(button)))
                tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }

    // The file panel's toolbar above the folder tree, in two rows; its
    // commands work once the file panel does.
    QWidget *files = m_resourcePanel->widget(0);
    auto *filesLayout = new QVBoxLayout(files);
    filesLayout->setContentsMargins(0, 0, 0, 0);
    filesLayout->setSpacing(0);
    QToolBar *firstRow = new QToolBar(files);
    firstRow->setObjectName(QStringLiteral("tbFiler1"));
    for (const char *hint : {"Favoritsteder - gå til denne mappe i Filhåndteringen", "Favoritfiler - åbn filen",
                             "Favoritmapper - vis Åbn-dialogboks i denne mappe", "|", "Billedfremviser", "|", "Visninger"}) {
        if (QByteArray(hint) == "|") {
            firstRow->addSeparator();
            continue;
        }
        QAction *button = firstRow->addAction(QString::fromUtf8(hint).section(QLatin1Char(' '), 0, 0));
        button->setToolTip(QString::fromUtf8(hint));
        button->setEnabled(false);
    }
    QToolBar *secondRow = new QToolBar(files);
    secondRow->setObjectName(QStringLiteral("tbFiler2"));
    for (const char *hint : {"HTML-filer", "Billedfiler", "Typografiark", "Lydfiler", "Skriptfiler", "Downloadarkiver",
                             "Alle filer", "|", "Opret ny mappe"}) {
        if (QByteArray(hint) == "|") {
            secondRow->addSeparator();
            continue;
        }
        QAction *button = secondRow->addAction(QString::fromUtf8(hint));
        button->setToolTip(QString::fromUtf8(hint));
        button->setCheckable(QByteArray(hint) != "Opret ny mappe");
        button->setChecked(QByteArray(hint) == "HTML-filer");
        button->setEnabled(false);
    }
    filesLayout->addWidget(firstRow);
    filesLayout->addWidget(secondRow);
    filesLayout->addStretch(1);

    // The editor toolbar above the document.
    QToolBar *tbEditor = m_documents->editorToolBar();
    tbEditor->addAction(command(QStringLiteral("actTekstombrydning")));
    tbEditor->addAction(command(QStringLiteral("actSkrivebeskyttet")));
    tbEditor->addSeparator();
    for (int i = 1; i <= 5; ++i) {
        QAction *button = tbEditor->addAction(QString::number(i));
        button->setObjectName(QStringLiteral("btnGaaTilBogmaerke%1").arg(i));
        button->setToolTip(QStringLiteral("Gå til bogmærke %1").arg(i));
        button->setEnabled(false);
    }
    tbEditor->addSeparator();
    for (const char *hint : {"Rediger titel", "Rediger typografiregler", "Rediger skript", "Rediger metainformation", "Overførselstid"}) {
        QAction *button = tbEditor->addAction(QString::fromUtf8(hint));
        button->setEnabled(false);
    }
    tbEditor->addSeparator();
    tbEditor->addAction(command(QStringLiteral("actKodeeditor")));
    tbEditor->addAction(command(QStringLiteral("actInternBrowser")));
    tbEditor->addAction(command(QStringLiteral("actEksternBrowser")));
    tbEditor->addSeparator();
    QAction *closeAllButton = tbEditor->addAction(QStringLiteral("Luk alle dokumenter"));
    closeAllButton->setObjectName(QStringLiteral("btnLukAlle"));
    connect(closeAllButton, &QAction::triggered, this, &TfrmPW4::closeAll);
    QAction *closeButton = tbEditor->addAction(QStringLiteral("Luk dokument"));
    closeButton->setObjectName(QStringLiteral("btnLuk"));
    connect(closeButton, &QAction::triggered, this, &TfrmPW4::CloseDocument);
}

void TfrmPW4::buildContextMenus()
{
    // Quick tables: rows by columns, each inserting an empty table.
    for (int rows = 1; rows <= 9; ++rows) {
        QMenu *sub = m_tableMenu->addMenu(rows == 1 ? QStringLiteral("1 række") : QStringLiteral("%1 rækker").arg(rows));
        for (int columns = 1; columns <= 9; ++columns) {
            sub->addAction(columns == 1 ? QStringLiteral("1 kolonne") : QStringLiteral("%1 kolonner").arg(columns), this,
                           [this, rows, columns] { InsertAtCaret(*ActiveEditor(), FixedMarkup::quickTable(rows, columns)); });
        }
    }
    m_tableMenu->addSeparator();
    QAction *row = m_tableMenu->addAction(QStringLiteral("Indsæt række"), command(QStringLiteral("actRaekke")), &QAction::trigger);
    QAction *column = m_tableMenu->addAction(QStringLiteral("Indsæt kolonne"));
    column->setEnabled(false);
    m_tableMenu->addAction(QStringLiteral("Indsæt celle"), command(QStringLiteral("actTabelcelle")), &QAction::trigger);
    m_tableMenu->addAction(QStringLiteral("Del celle"))->setEnabled(false);
    m_tableMenu->addSeparator();
    for (const char *caption : {"Slet række", "Slet kolonne", "Slet celle"})
        m_tableMenu->addAction(QString::fromUtf8(caption))->setEnabled(false);
    Q_UNUSED(row)
}

void TfrmPW4::refreshStyleMenu()
{
    // The class names the dialogs remember, at most 100 characters each, sorted.
    QStringList classes;
    for (const QString &line : m_settings.readSection(QStringLiteral("Klasser"))) {
        const QString name = line.section(QLatin1Char('='), 1).left(100);
        if (!name.isEmpty())
            classes.append(name);
    }
    classes.sort(Qt::CaseInsensitive);
    while (m_classEntries.size() < classes.size()) {
        QAction *entry = m_styleMenu->addAction(QString());
        connect(entry, &QAction::triggered, this, [this, entry] {
            const QString name = entry->text().remove(QLatin1Char('&'));
            WrapSelection(*ActiveEditor(), QStringLiteral("<span class=\"%1\">").arg(name), QStringLiteral("</span>"));
        });
        m_classEntries.append(entry);
    }
    for (qsizetype i = 0; i < m_classEntries.size(); ++i) {
        m_classEntries[i]->setText(classes.value(i));
        m_classEntries[i]->setVisible(i < classes.size());
    }
}
