#include "app/TfrmSplash.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "workbench/UiFont.h"

#include <QEventLoop>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    applyUiFont(this);
    setWindowTitle(Product::Caption);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 22);
    auto *product = new QLabel(Product::Caption, this);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    product->setFont(big);
    layout->addWidget(product);
    layout->addWidget(new QLabel(QStringLiteral("Version %1").arg(Product::VersionText), this));
    layout->addWidget(new QLabel(QStringLiteral("Release %1").arg(releaseText()), this));
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("HTML-editor"), this));
    layout->addWidget(new QLabel(QStringLiteral("til Linux, Windows og macOS"), this));
    setStyleSheet(QStringLiteral("TfrmSplash { border: 1px solid palette(dark); }"));

    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(10000);
    connect(&m_closeTimer, &QTimer::timeout, this, &QDialog::reject);
}

QString TfrmSplash::releaseText()
{
    static const QRegularExpression fourPart(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"));
    const QString version = QStringLiteral(PAGEWICK_RELEASE);
    return fourPart.match(version).hasMatch() ? version : QString();
}

void TfrmSplash::showAsAbout()
{
    // A loop of our own rather than exec(): showing the window may already run
    // queued events, and a close that happens then must not leave a loop behind
    // that nothing ends. Esc rejects a dialog by itself.
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    m_closeTimer.start();
    show();
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    m_closeTimer.stop();
}

void TfrmSplash::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    if (m_closeTimer.isActive())
        reject();
}
