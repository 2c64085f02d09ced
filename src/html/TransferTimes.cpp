#include "html/TransferTimes.h"

#include "core/DanishLocale.h"
#include "files/FileTexts.h"
#include "files/RelativePaths.h"

#include <QFileInfo>
#include <QSet>

namespace {

constexpr int ScriptEntry = 4; // link, script, img and body background
constexpr int LastResourceEntry = 7;
constexpr int FrameEntry = 1;

bool isFrameDocument(const ReferenceRow &row)
{
    return row.link.kind == QLatin1String("Ramme (l)") && !row.file.isEmpty();
}

bool isDownloaded(const QString &kind)
{
    static const QSet<QString> kinds{QStringLiteral("Grafik"),      QStringLiteral("Embed"),  QStringLiteral("Ramme (l)"),
                                     QStringLiteral("Applet"),      QStringLiteral("Skript"), QStringLiteral("ActiveX"),
                                     QStringLiteral("Typografiark")};
    return kinds.contains(kind);
}

// A path's identity for following each frame document once.
QString fileKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// What a frame document pulls in, with its addresses written from the page.
QList<ReferenceRow> frameRows(const QString &page, const QString &frame, const ReferenceMasks &masks)
{
    QList<ReferenceRow> rows = OwnUrlReferences(frame, masks);
    rows += ScanReferenceRows(frame, ScriptEntry, LastResourceEntry, masks);
    rows += ScanReferenceRows(frame, FrameEntry, FrameEntry, masks);
    for (ReferenceRow &row : rows) {
        if (!row.file.isEmpty())
            row.link.target = RelativePath(page, row.file, false);
    }
    return rows;
}

qint64 fileBytes(const QString &file)
{
    if (file.isEmpty())
        return -1;
    const QFileInfo info(file);
    return info.isFile() ? info.size() : -1;
}

// Tenths as "n,d KB ", with the decimal sign that FormatSize writes.
QString tenthsText(qint64 tenths)
{
    return QStringLiteral("%1%2%3 KB ").arg(tenths / 10).arg(danishLocale().decimalPoint()).arg(tenths % 10);
}

QString secondsText(qint64 seconds)
{
    return QStringLiteral("%1 sek. ").arg(seconds);
}

} // namespace

TransferTimes ComputeTransferTimes(const QString &path, const QList<ReferenceRow> &references, const ReferenceMasks &masks)
{
    TransferTimes times;
    times.documentBytes = qMax<qint64>(fileBytes(QFileInfo(path).absoluteFilePath()), 0);

    QList<ReferenceRow> scratch = references;
    QSet<QString> followed{fileKey(path)};
    for (qsizetype index = 0; index < scratch.size(); ++index) {
        if (!isFrameDocument(scratch.at(index)))
            continue;
        const QString frame = scratch.at(index).file;
        const QString key = fileKey(frame);
        if (followed.contains(key))
            continue;
        followed.insert(key);
        scratch += frameRows(path, frame, masks);
    }

    QSet<QString> listed;
    for (const ReferenceRow &row : std::as_const(scratch)) {
        if (!isDownloaded(row.link.kind))
            continue;
        const QString address = row.link.target.toLower();
        if (listed.contains(address))
            continue;
        listed.insert(address);
        times.files.append({row.link.target, row.link.icon, fileBytes(row.file)});
    }
    return times;
}

qint64 KilobyteTenths(qint64 bytes)
{
    return bytes <= 0 ? 0 : (bytes / 1024) * 10 + ((bytes % 1024) * 10 + 512) / 1024;
}

TransferTexts TransferTimeTexts(const TransferTimes &times)
{
    qint64 fileBytes = 0;
    for (const TransferFile &file : times.files)
        fileBytes += qMax<qint64>(file.bytes, 0);
    const qint64 documentTenths = KilobyteTenths(times.documentBytes);
    const qint64 fileTenths = KilobyteTenths(fileBytes);
    const qint64 total = documentTenths + fileTenths;

    TransferTexts texts;
    texts.document = FormatSize(times.documentBytes) + QLatin1Char(' ');
    if (fileTenths > 0)
        texts.files = tenthsText(fileTenths);
    texts.total = tenthsText(total);
    texts.modem144 = secondsText((total + 8) / 16);
    texts.modem288 = secondsText((total + 16) / 32);
    texts.isdn = secondsText((total + 40) / 80);
    return texts;
}
