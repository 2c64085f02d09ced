// The files pwtool is given: names that are bytes rather than UTF-8 are
// reached under every locale, and a name that reaches no file says why.
#include "PwtoolFixture.h"

#include <cstdio>
#include <unistd.h>

namespace {

class FilesTest : public PwtoolTest
{
protected:
    // Qt takes every name as UTF-8, so these files are reached by their bytes.
    void writeNative(const QByteArray &name, const QByteArray &bytes) const
    {
        std::FILE *file = std::fopen(nativePath(name).constData(), "wb");
        ASSERT_TRUE(file);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
        std::fclose(file);
    }

    QByteArray readNative(const QByteArray &name) const
    {
        QByteArray bytes;
        if (std::FILE *file = std::fopen(nativePath(name).constData(), "rb")) {
            char piece[256];
            for (size_t got; (got = std::fread(piece, 1, sizeof piece, file)) > 0;)
                bytes.append(piece, qsizetype(got));
            std::fclose(file);
        }
        return bytes;
    }

    QByteArray nativePath(const QByteArray &name) const { return QFile::encodeName(m_dir.path()) + '/' + name; }
};

TEST_F(FilesTest, ANameThatIsNoUtf8IsReachedUnderEveryLocale)
{
    // "blå.html" with the å of Latin-1, as an old disk or archive holds it.
    const QByteArray name = "bl\xE5.html";
    const QString shellName = QStringLiteral("\"$(printf 'bl\\345.html')\"");
    for (const char *locale : {"C.UTF-8", "C"}) {
        SCOPED_TRACE(locale);
        writeNative(name, "<BODY>\xC3\xA6</BODY>");

        const ToolRun check = runShell(QStringLiteral("\"$PWTOOL\" check ") + shellName, QLatin1String(locale));
        EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
        EXPECT_EQ(check.out, name + "\nPagewick fandt ingen fejl i koden.\n") << "the name as it was given";

        const ToolRun toStdout = runShell(QStringLiteral("\"$PWTOOL\" convert danish-to-refs --stdout ") + shellName,
                                          QLatin1String(locale));
        EXPECT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
        EXPECT_EQ(toStdout.out, "<body>&aelig;</body>");

        const ToolRun inPlace = runShell(QStringLiteral("\"$PWTOOL\" convert danish-to-refs ") + shellName,
                                         QLatin1String(locale));
        EXPECT_EQ(inPlace.exitCode, 0) << inPlace.err.toStdString();
        EXPECT_EQ(readNative(name), "<body>&aelig;</body>");

        const ToolRun links = runShell(QStringLiteral("\"$PWTOOL\" links ") + shellName, QLatin1String(locale));
        EXPECT_EQ(links.exitCode, 0) << links.err.toStdString();

        // A name that reaches nothing is told as well as it can be shown.
        const ToolRun missing = runShell(QStringLiteral("\"$PWTOOL\" check \"$(printf 'gr\\370n.html')\""),
                                         QLatin1String(locale));
        EXPECT_EQ(missing.exitCode, 2);
        EXPECT_TRUE(missing.err.contains(QStringLiteral("Filen gr\uFFFDn.html findes ikke."))) << missing.err.toStdString();
    }
    // QTemporaryDir cannot remove what Qt cannot name.
    EXPECT_EQ(::unlink(nativePath(name).constData()), 0);
}

TEST_F(FilesTest, ANameThatReachesNoFileSaysWhy)
{
    ASSERT_EQ(::symlink("ring.html", path(QStringLiteral("ring.html")).toUtf8().constData()), 0);
    ASSERT_EQ(::symlink("mangler.html", path(QStringLiteral("død.html")).toUtf8().constData()), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("mappe.html")));
    const struct
    {
        const char *name;
        const char *message;
    } cases[] = {
        {"ring.html", "Linket ring.html kan ikke følges."},
        {"død.html", "Filen død.html findes ikke."},
        {"mangler.html", "Filen mangler.html findes ikke."},
        {"mappe.html", "Kan ikke læse filen mappe.html."},
    };
    for (const auto &c : cases) {
        for (const QStringList &command :
             {QStringList{QStringLiteral("check")}, QStringList{QStringLiteral("convert"), QStringLiteral("tags-lower")}}) {
            SCOPED_TRACE(QString(QString::fromUtf8(c.name) + QLatin1Char(' ') + command.first()).toStdString());
            const ToolRun result = run(command + QStringList{QString::fromUtf8(c.name)});
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_EQ(result.err, QStringLiteral("pwtool: %1\n").arg(QString::fromUtf8(c.message)));
        }
    }
}

} // namespace
