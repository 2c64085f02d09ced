// The main window's menus and toolbars. Commands join them as their parts of
// the program arrive.
#include "app/DocumentArea.h"
#include "app/TfrmPW4.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>

void TfrmPW4::buildActions()
{
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
    mnuFiler->addAction(actAfslut);
    QMenu *mnuHjaelp = menuBar()->addMenu(QStringLiteral("&Hjælp"));
    mnuHjaelp->setObjectName(QStringLiteral("mnuHjaelp"));
    mnuHjaelp->addAction(actOm);

    QToolBar *tbMain = addToolBar(QStringLiteral("Værktøjslinie"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->addAction(m_actResourcePanel);

    // The go-to-bookmark buttons are there from the start; they work once
    // bookmarks do.
    QToolBar *tbEditor = m_documents->editorToolBar();
    for (int i = 1; i <= 5; ++i) {
        QAction *button = tbEditor->addAction(QString::number(i));
        button->setObjectName(QStringLiteral("btnGaaTilBogmaerke%1").arg(i));
        button->setToolTip(QStringLiteral("Gå til bogmærke %1").arg(i));
        button->setEnabled(false);
    }
}
