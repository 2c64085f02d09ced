#include "core/SettingsOptions.h"
#include "html/DocumentReferences.h"
#include "html/TransferTimes.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TransferTimesTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // A page of exactly `size` bytes: the markup, padded with blanks.
    void writePage(const QString &name, const QByteArray &markup, qsizetype size = 0)
    {
        write(name, markup + QByteArray(qMax<qsizetype>(size - markup.size(), 0), ' '));
    }

    ReferenceMasks masks() const
    {
        const SettingsOptions options;
        return {options.htmlFilter, options.scriptFilter};
    }

    TransferTimes timesOf(const QString &name) const
    {
        return ComputeTransferTimes(path(name), DocumentReferences(path(name), masks()), masks());
    }

    static QStringList addresses(const TransferTimes &times)
    {
        QStringList out;
        for (const TransferFile &file : times.files)
            out.append(file.address);
        return out;
    }

    static qint64 fileBytes(const TransferTimes &times)
    {
        qint64 sum = 0;
        for (const TransferFile &file : times.files)
            sum += qMax<qint64>(file.bytes, 0);
        return sum;
    }

    QTemporaryDir dir;
};

TEST_F(TransferTimesTest, APageWithOnePictureGivesTheTextsAndTimesOfItsSizes)
{
    writePage(QStringLiteral("side.htm"), "<html><body><img src=\"logo.gif\"></body></html>", 10240);
    write(QStringLiteral("logo.gif"), QByteArray(2048, 'g'));

    const TransferTexts texts = TransferTimeTexts(timesOf(QStringLiteral("side.htm")));
    EXPECT_EQ(texts.document, QStringLiteral("10,0 KB "));
    EXPECT_EQ(texts.files, QStringLiteral("2,0 KB "));
    EXPECT_EQ(texts.total, QStringLiteral("12,0 KB "));
    EXPECT_EQ(texts.modem144, QStringLiteral("8 sek. "));
    EXPECT_EQ(texts.modem288, QStringLiteral("4 sek. "));
    EXPECT_EQ(texts.isdn, QStringLiteral("2 sek. "));
}

TEST_F(TransferTimesTest, TotalsAreWrittenInTenthsOfAKilobyte)
{
    const struct
    {
        qint64 documentBytes;
        qint64 fileBytes;
        const char *files;
        const char *total;
    } cases[] = {
        {512, -1, "", "0,5 KB "}, // a missing file weighs nothing
        {0, 0, "", "0,0 KB "},
        {1024, 1572864, "1536,0 KB ", "1537,0 KB "}, // 1,5 MB counts 1536 KB
        {0, 1610612736, "1572864,0 KB ", "1572864,0 KB "}, // 1,5 GB is not read back as 1,5 KB
    };
    for (const auto &c : cases) {
        TransferTimes times;
        times.documentBytes = c.documentBytes;
        times.files.append({QStringLiteral("x.gif"), LinkIcon::Image, c.fileBytes});
        const TransferTexts texts = TransferTimeTexts(times);
        EXPECT_EQ(texts.files, QString::fromUtf8(c.files)) << c.fileBytes;
        EXPECT_EQ(texts.total, QString::fromUtf8(c.total)) << c.fileBytes;
    }
}

TEST_F(TransferTimesTest, AFileOverAGigabyteOnDiskCountsItsWholeSize)
{
    writePage(QStringLiteral("side.htm"), "<embed src=\"film.mpg\">");
    QFile film(path(QStringLiteral("film.mpg")));
    ASSERT_TRUE(film.open(QIODevice::WriteOnly));
    ASSERT_TRUE(film.resize(qint64(3) << 29)); // 1,5 GiB, sparse
    film.close();

    const TransferTimes times = timesOf(QStringLiteral("side.htm"));
    ASSERT_EQ(times.files.size(), 1);
    EXPECT_EQ(times.files.first().bytes, qint64(3) << 29);
    EXPECT_EQ(TransferTimeTexts(times).files, QStringLiteral("1572864,0 KB "));
}

TEST_F(TransferTimesTest, EachAddressIsListedOnceAndOnlyWhatIsDownloadedCounts)
{
    writePage(QStringLiteral("side.htm"),
              "<html><head><link rel=stylesheet href=\"stil.css\"><script src=\"kode.js\"></script></head>"
              "<body background=\"bund.gif\"><img src=\"logo.gif\"><img src=\"LOGO.GIF\"><img src=\"logo.gif\">"
              "<a href=\"anden.htm\">Anden</a><a href=\"http://example.com/\">Web</a>"
              "<embed src=\"lyd.mid\"><applet code=\"Spil.class\"></applet><object data=\"film.avi\"></object>"
              "<img src=\"http://example.com/web.gif\"></body></html>");
    write(QStringLiteral("stil.css"), "body { background: url(bund.gif) }");
    write(QStringLiteral("logo.gif"), QByteArray(100, 'g'));

    const TransferTimes times = timesOf(QStringLiteral("side.htm"));
    EXPECT_EQ(addresses(times),
              (QStringList{QStringLiteral("stil.css"), QStringLiteral("bund.gif"), QStringLiteral("kode.js"),
                           QStringLiteral("logo.gif"), QStringLiteral("http://example.com/web.gif"), QStringLiteral("lyd.mid"),
                           QStringLiteral("Spil.class"), QStringLiteral("film.avi")}));
    EXPECT_EQ(fileBytes(times), 100 + QFileInfo(path(QStringLiteral("stil.css"))).size());
}

TEST_F(TransferTimesTest, FramesInASubfolderCountTheirFilesRelativeToTheFrameset)
{
    writePage(QStringLiteral("index.htm"),
              "<frameset cols=\"*,*\"><frame src=\"rammer/menu.htm\" name=\"menu\">"
              "<frame src=\"rammer/indhold.htm\" name=\"indhold\"></frameset>");
    writePage(QStringLiteral("rammer/menu.htm"), "<img src=\"billeder/knap.gif\"><img src=\"../logo.gif\">");
    writePage(QStringLiteral("rammer/indhold.htm"),
              "<link rel=stylesheet href=\"../stil/stil.css\"><img src=\"billeder/knap.gif\">");
    write(QStringLiteral("rammer/billeder/knap.gif"), QByteArray(300, 'k'));
    write(QStringLiteral("logo.gif"), QByteArray(200, 'l'));
    write(QStringLiteral("stil/stil.css"), "p { background: url(prik.gif) }");
    write(QStringLiteral("stil/prik.gif"), QByteArray(50, 'p'));

    const TransferTimes times = timesOf(QStringLiteral("index.htm"));
    EXPECT_EQ(addresses(times),
              (QStringList{QStringLiteral("rammer/menu.htm"), QStringLiteral("rammer/indhold.htm"),
                           QStringLiteral("rammer/billeder/knap.gif"), QStringLiteral("logo.gif"),
                           QStringLiteral("stil/stil.css"), QStringLiteral("stil/prik.gif")}));
    for (const TransferFile &file : times.files)
        EXPECT_GE(file.bytes, 0) << file.address.toStdString();
}

TEST_F(TransferTimesTest, FramesReferringToEachOtherAndToThemselvesAreFollowedOnce)
{
    writePage(QStringLiteral("a.htm"), "<frame src=\"b.htm\"><frame src=\"a.htm\"><img src=\"a.gif\">");
    writePage(QStringLiteral("b.htm"), "<frame src=\"a.htm\"><frame src=\"b.htm\"><frame src=\"c/c.htm\"><img src=\"b.gif\">");
    writePage(QStringLiteral("c/c.htm"), "<frame src=\"../b.htm\"><frame src=\"../a.htm\"><img src=\"c.gif\">");

    const TransferTimes times = timesOf(QStringLiteral("a.htm"));
    EXPECT_EQ(addresses(times),
              (QStringList{QStringLiteral("b.htm"), QStringLiteral("a.htm"), QStringLiteral("a.gif"), QStringLiteral("b.gif"),
                           QStringLiteral("c/c.htm"), QStringLiteral("c/c.gif")}));
}

TEST_F(TransferTimesTest, ThePagesOwnUrlReferencesComeFirstAndEachRowKnowsItsFile)
{
    writePage(QStringLiteral("side.htm"),
              "<style>body { background: url('bund.gif') }</style>"
              "<link rel=stylesheet href=\"css/stil.css\"><a href=\"x.htm\">X</a><a href=\"x.htm\">Y</a>");
    write(QStringLiteral("css/stil.css"), "p { background: url(prik.gif) }");

    const QList<ReferenceRow> rows = DocumentReferences(path(QStringLiteral("side.htm")), masks());
    QStringList seen;
    for (const ReferenceRow &row : rows)
        seen.append(row.link.target + QLatin1String(" | ") + row.link.kind + QLatin1String(" | ")
                    + QDir(dir.path()).relativeFilePath(row.file));
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("bund.gif | Grafik | bund.gif"), QStringLiteral("x.htm | Lokal | x.htm"),
                           QStringLiteral("x.htm | Lokal | x.htm"), QStringLiteral("css/stil.css | Typografiark | css/stil.css"),
                           QStringLiteral("prik.gif | Grafik | css/prik.gif")}));
}

} // namespace
