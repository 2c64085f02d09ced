// The HTML check on any text: no crash, one of its report texts, and the same
// report every time; on any bytes, whole or read a piece at a time, the report
// that the text the editor reads from them gives.
#include "FuzzText.h"
#include "editor/DocumentFile.h"
#include "html/HtmlCheck.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzText input(data, size);
    static const QStringList checkList = {QStringLiteral("b"),      QStringLiteral("table"), QStringLiteral("TD"),
                                          QStringLiteral("script"), QStringLiteral("p"),     QStringLiteral("a")};
    const QString report = CheckHtml(QStringView(input.text), checkList);
    require(report.startsWith(QLatin1String("Pagewick fandt")) || report.startsWith(QLatin1String("- Der er ")));
    require(report == CheckHtml(QStringView(input.text), checkList));
    static const HtmlCheckList preparedList(checkList);
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = QString::fromUtf8(decodedAsUtf8(bytes.toByteArray(), detectFileEncoding(bytes)));
    const QString decodedReport = CheckHtml(QStringView(decoded), preparedList);
    require(CheckHtml(bytes, preparedList) == decodedReport);
    // Read a piece at a time, in pieces of a size the input chooses.
    const qsizetype pieceSize = 1 + qsizetype(size % 67);
    qsizetype at = 0;
    const ReadBytes inPieces = [&](char *into, qsizetype capacity) {
        const qsizetype length = std::min({pieceSize, capacity, bytes.size() - at});
        std::copy_n(bytes.data() + at, length, into);
        at += length;
        return length;
    };
    static QByteArray buffer;
    require(CheckHtml(inPieces, buffer, preparedList) == decodedReport);
    return 0;
}
