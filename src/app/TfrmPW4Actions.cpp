// The main window's menus and toolbars. Commands join them as their parts of
// the program arrive.
#include "app/DocumentArea.h"
#include "app/TfrmPW4.h"

#include "app/TfrmIndstil.h"
#include "editor/TLEdit.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction *makeAction(QObject *parent, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void TfrmPW4::buildActions()
{
    // The template chooser creates new documents once templates exist; until
    // then both ways make an empty document.
    QAction *actNy = makeAction(this, "actNy", QStringLiteral("&Ny..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(actNy, &QAction::triggered, this, &TfrmPW4::NewDocument);
    QAction *actNytDokument = makeAction(this, "actNytDokument", QStringLiteral("Nyt dokument"));
    connect(actNytDokument, &QAction::triggered, this, &TfrmPW4::NewDocument);
    QAction *actAabn = makeAction(this, "actAabn", QStringLiteral("&Åbn..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(actAabn, &QAction::triggered, this, &TfrmPW4::openWithDialog);
    QAction *actLuk = makeAction(this, "actLuk", QStringLiteral("&Luk"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(actLuk, &QAction::triggered, this, &TfrmPW4::CloseDocument);
    QAction *actLukAlle = makeAction(this, "actLukAlle", QStringLiteral("Luk a&lle"));
    connect(actLukAlle, &QAction::triggered, this, &TfrmPW4::closeAll);
    QAction *actGem = makeAction(this, "actGem", QStringLiteral("&Gem"), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(actGem, &QAction::triggered, this, [this] {
        const int tab = m_documents->currentIndex();
        if (FilGem(tab)) {
            StatusbarOpdater(m_documents->pathAt(tab));
            UpdateDocumentCaption(tab);
        }
    });
    QAction *actGemSom = makeAction(this, "actGemSom", QStringLiteral("Gem &som..."));
    connect(actGemSom, &QAction::triggered, this, [this] { FilGemsom(m_documents->currentIndex()); });
    QAction *actGemAlle = makeAction(this, "actGemAlle", QStringLiteral("Gem a&lle"));
    connect(actGemAlle, &QAction::triggered, this, &TfrmPW4::saveAll);
    QAction *actGemKoder = makeAction(this, "actGemKoder", QStringLiteral("Gem med ÆØÅ-&koder"),
                                      QKeySequence(Qt::CTRL | Qt::Key_AE));
    connect(actGemKoder, &QAction::triggered, this, &TfrmPW4::saveWithDanishCodes);
    QAction *actUdskriv = makeAction(this, "actUdskriv", QStringLiteral("&Udskriv..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(actUdskriv, &QAction::triggered, this, [this] { m_printer.print(*ActiveEditor(), m_prompter); });
    QAction *actPrinter = makeAction(this, "actIndstilPrinter", QStringLiteral("&Indstil printer..."));
    connect(actPrinter, &QAction::triggered, this, [this] { m_printer.setUp(m_prompter); });

    auto *actAfslut = new QAction(QStringLiteral("&Afslut"), this);
    actAfslut->setObjectName(QStringLiteral("actAfslut"));
    actAfslut->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(actAfslut, &QAction::triggered, this, &QWidget::close);

    auto *actOm = new QAction(QStringLiteral("&Om Pagewick..."), this);
    actOm->setObjectName(QStringLiteral("actOm"));
    connect(actOm, &QAction::triggered, this, &TfrmPW4::showAbout);

    m_actResourcePanel = new QAction(QStringLiteral("Vis/skjul resursefaner"), this);
    m_actResourcePanel->setObjectName(QStringLiteral("actResursefaner"));
    m_actResourcePanel->setCheckable(true);
    m_actResourcePanel->setChecked(true);
    m_actResourcePanel->setToolTip(QStringLiteral("Vis/skjul resursefaner"));
    connect(m_actResourcePanel, &QAction::triggered, this, &TfrmPW4::setResourcePanelShown);

    QMenu *mnuFiler = menuBar()->addMenu(QStringLiteral("&Filer"));
    mnuFiler->setObjectName(QStringLiteral("mnuFiler"));
    mnuFiler->addAction(actNy);
    mnuFiler->addAction(actAabn);
    m_recentMenu = mnuFiler->addMenu(QStringLiteral("Senest å&bnede filer"));
    m_recentMenu->setObjectName(QStringLiteral("mnuSenesteFiler"));
    mnuFiler->addSeparator();
    mnuFiler->addAction(actLuk);
    mnuFiler->addAction(actLukAlle);
    mnuFiler->addSeparator();
    mnuFiler->addAction(actGem);
    mnuFiler->addAction(actGemSom);
    mnuFiler->addAction(actGemAlle);
    mnuFiler->addAction(actGemKoder);
    mnuFiler->addSeparator();
    mnuFiler->addAction(actUdskriv);
    mnuFiler->addAction(actPrinter);
    mnuFiler->addSeparator();
    mnuFiler->addAction(actAfslut);
    connect(mnuFiler, &QMenu::aboutToShow, this, [this, actUdskriv] {
        refreshRecentFiles();
        actUdskriv->setEnabled(ActiveEditor()->GetTextLength() > 0);
    });
    refreshRecentFiles();
    QAction *actIndstillinger = makeAction(this, "actIndstillinger", QStringLiteral("&Indstillinger..."),
                                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    actIndstillinger->setToolTip(QStringLiteral("Indstillinger"));
    connect(actIndstillinger, &QAction::triggered, m_settingsDialog, &QDialog::exec);
    QMenu *mnuFunktioner = menuBar()->addMenu(QStringLiteral("F&unktioner"));
    mnuFunktioner->setObjectName(QStringLiteral("mnuFunktioner"));
    mnuFunktioner->addAction(actIndstillinger);

    QMenu *mnuHjaelp = menuBar()->addMenu(QStringLiteral("&Hjælp"));
    mnuHjaelp->setObjectName(QStringLiteral("mnuHjaelp"));
    mnuHjaelp->addAction(actOm);

    QToolBar *tbMain = addToolBar(QStringLiteral("Værktøjslinie"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->addAction(actNytDokument);
    tbMain->addAction(actGem);
    tbMain->addSeparator();
    tbMain->addAction(m_actResourcePanel);
    tbMain->addSeparator();
    tbMain->addAction(actIndstillinger);

    // The go-to-bookmark buttons are there from the start; they work once
    // bookmarks do.
    QToolBar *tbEditor = m_documents->editorToolBar();
    for (int i = 1; i <= 5; ++i) {
        QAction *button = tbEditor->addAction(QString::number(i));
        button->setObjectName(QStringLiteral("btnGaaTilBogmaerke%1").arg(i));
        button->setToolTip(QStringLiteral("Gå til bogmærke %1").arg(i));
        button->setEnabled(false);
    }
    tbEditor->addSeparator();
    QAction *btnLukAlle = tbEditor->addAction(QStringLiteral("Luk alle dokumenter"));
    btnLukAlle->setObjectName(QStringLiteral("btnLukAlle"));
    connect(btnLukAlle, &QAction::triggered, this, &TfrmPW4::closeAll);
    QAction *btnLuk = tbEditor->addAction(QStringLiteral("Luk dokument"));
    btnLuk->setObjectName(QStringLiteral("btnLuk"));
    connect(btnLuk, &QAction::triggered, this, &TfrmPW4::CloseDocument);
}
