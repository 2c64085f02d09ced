#include "publish/TfrmProgress.h"

#include "workbench/UiFont.h"

#include <QFileIconProvider>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *figure(const char *name)
{
    auto *label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(110);
    return label;
}

QGroupBox *group(const QString &caption, const QList<QPair<QString, QLabel *>> &rows)
{
    auto *box = new QGroupBox(caption);
    auto *form = new QFormLayout(box);
    form->setVerticalSpacing(2);
    for (const auto &[text, label] : rows)
        form->addRow(text, label);
    return box;
}

} // namespace

TfrmProgress::TfrmProgress(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , bar(new QProgressBar)
    , number(figure("lblNummer"))
    , fileTransferred(figure("lblFilOverfoert"))
    , fileTime(figure("lblFilTid"))
    , fileRemaining(figure("lblFilTidTilbage"))
    , allTransferred(figure("lblAlleOverfoert"))
    , allTime(figure("lblAlleTid"))
    , rate(figure("lblRate"))
    , cancel(new QPushButton(QStringLiteral("Annuller")))
{
    setObjectName(QStringLiteral("frmProgress"));
    applyUiFont(this);
    setModal(false);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    cancel->setObjectName(QStringLiteral("cmdAnnuller"));
    connect(cancel, &QPushButton::clicked, this, &TfrmProgress::cancelRequested);

    auto *animation = new QLabel;
    animation->setPixmap(QFileIconProvider().icon(QFileIconProvider::Network).pixmap(32, 32));
    auto *top = new QHBoxLayout;
    top->addWidget(animation);
    top->addWidget(bar, 1);
    top->addWidget(number);

    auto *groups = new QHBoxLayout;
    groups->addWidget(group(QStringLiteral(" Denne fil "),
                            {{QStringLiteral("Overført:"), fileTransferred},
                             {QStringLiteral("Tid:"), fileTime},
                             {QStringLiteral("Tid tilbage:"), fileRemaining}}));
    groups->addWidget(group(QStringLiteral(" Alle filer "),
                            {{QStringLiteral("Overført:"), allTransferred},
                             {QStringLiteral("Tid:"), allTime},
                             {QStringLiteral("Overførselsrate:"), rate}}));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void TfrmProgress::startFile(const QString &name, qint64 size, bool sending, int number, int count)
{
    m_figures.startFile(name, size, sending, number, count);
    showFigures();
}

void TfrmProgress::showProgress(qint64 bytes, int seconds)
{
    m_figures.progress(bytes, seconds);
    showFigures();
}

void TfrmProgress::finishFile()
{
    m_figures.finishFile();
    showFigures();
    bar->setValue(0);
}

void TfrmProgress::showFigures()
{
    setWindowTitle(m_figures.caption());
    number->setText(m_figures.numberLine());
    bar->setValue(m_figures.barPercent());
    fileTransferred->setText(m_figures.fileBytes());
    fileTime->setText(m_figures.fileTime());
    fileRemaining->setText(m_figures.fileTimeLeft());
    allTransferred->setText(m_figures.allBytes());
    allTime->setText(m_figures.allTime());
    rate->setText(m_figures.rate());
}

void TfrmProgress::showEvent(QShowEvent *event)
{
    m_figures.reset();
    QDialog::showEvent(event);
    adjustSize();
    placeInCorner();
    // The window manager adds the frame after the first show.
    QTimer::singleShot(100, this, &TfrmProgress::placeInCorner);
}

void TfrmProgress::placeInCorner()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QSize frame = frameGeometry().size();
    if (frame == size())
        frame += QSize(8, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    const QRect free = screen->availableGeometry();
    move(free.right() - frame.width() + 1, free.bottom() - frame.height() + 1);
}

// Escape cancels like the button; the window itself goes when the transfer ends.
void TfrmProgress::reject()
{
    emit cancelRequested();
}
