#include "app/StartupProbe.h"

#include "app/TfrmPW4.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace {

QByteArray residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "unknown";
    const QRegularExpression vmRss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    const auto match = vmRss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray("unknown");
}

} // namespace

void installStartupProbe(TfrmPW4 &window)
{
    if (!qEnvironmentVariableIsSet("PAGEWICK_STARTUP_PROBE"))
        return;
    QObject::connect(&window, &TfrmPW4::firstShownDone, &window, [] {
        // After the events queued by showing, the first paint has happened.
        QTimer::singleShot(0, [] {
            std::fputs("shown\n", stderr);
            std::fflush(stderr);
            QTimer::singleShot(1000, [] {
                std::fprintf(stderr, "rss_kb %s\n", residentKilobytes().constData());
                std::fflush(stderr);
                std::_Exit(0);
            });
        });
    });
}
