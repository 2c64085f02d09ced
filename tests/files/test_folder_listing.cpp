#include "files/FileListOrder.h"
#include "files/FileMasks.h"
#include "files/FileTypeFilters.h"
#include "files/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString HtmlFilter = QStringLiteral("*.*htm*;*.asp;*.inc;*.php");
const QString ScriptFilter = QStringLiteral("*.js;*.java;*.cgi;*.pl");

void writeFile(const QString &path, qint64 size = 0)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(QByteArray(size, 'x'));
}

QSet<QString> namesOf(const QList<ListedEntry> &entries)
{
    QSet<QString> names;
    for (const ListedEntry &entry : entries)
        names.insert(entry.name);
    return names;
}

TEST(FileMasks, AreSortedWithoutDuplicatesAndMatchIgnoringCase)
{
    const FileMasks masks(QStringLiteral("*.zip, *.EXE;*.exe;;*.Zip"));
    EXPECT_EQ(masks.text(), QStringLiteral("*.EXE;*.zip"));
    EXPECT_TRUE(masks.matches(QStringLiteral("SETUP.exe")));
    EXPECT_TRUE(masks.matches(QStringLiteral("a.ZIP")));
    EXPECT_FALSE(masks.matches(QStringLiteral("a.zip.txt")));
    // "All files" also takes names without a dot.
    EXPECT_TRUE(FileMasks(QStringLiteral("*.*")).matches(QStringLiteral("README")));
    EXPECT_FALSE(FileMasks(QStringLiteral("*.css")).matches(QStringLiteral("css")));
}

// Each type filter lists what find lists with the same patterns, ignoring case.
TEST(FolderListing, TypeFiltersListWhatFindLists)
{
    QTemporaryDir dir;
    const QStringList stems = {QStringLiteral("side"), QStringLiteral("Billede"), QStringLiteral("ære ø"),
                               QStringLiteral(".skjult"), QStringLiteral("a.b")};
    const QStringList extensions = {"htm", "HTML", "shtml", "php", "Asp",  "inc",  "gif", "JPG",  "jpeg",
                                    "png", "wav",  "au",    "MID", "css",  "CSS",  "js",  "java", "cgi",
                                    "pl",  "exe",  "ZIP",   "txt", "htmx", "json", "",    "pl~",  "css.bak"};
    QRandomGenerator random(7);
    for (int i = 0; i < 5000; ++i) {
        const QString extension = extensions.at(random.bounded(int(extensions.size())));
        QString name = stems.at(random.bounded(int(stems.size()))) + QString::number(i);
        if (!extension.isEmpty())
            name += QLatin1Char('.') + extension;
        writeFile(dir.filePath(name));
    }
    QDir().mkdir(dir.filePath(QStringLiteral("mappe.htm"))); // folders are not listed

    for (int filter = 0; filter < FileTypeFilterCount; ++filter) {
        const FileMasks masks(fileTypeMask(FileTypeFilter(filter), HtmlFilter, ScriptFilter));
        QStringList arguments = {dir.path(), QStringLiteral("-maxdepth"), QStringLiteral("1"), QStringLiteral("-type"),
                                 QStringLiteral("f")};
        if (masks.text() != QLatin1String("*.*")) {
            arguments << QStringLiteral("(");
            for (const QString &pattern : masks.patterns()) {
                if (arguments.last() != QLatin1String("("))
                    arguments << QStringLiteral("-o");
                arguments << QStringLiteral("-iname") << pattern;
            }
            arguments << QStringLiteral(")");
        }
        arguments << QStringLiteral("-printf") << QStringLiteral("%f\\n");
        QProcess find;
        find.start(QStringLiteral("find"), arguments);
        ASSERT_TRUE(find.waitForFinished(60000));
        const QStringList found = QString::fromUtf8(find.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QList<ListedEntry> listed = listFolder(dir.path(), masks, false);
        EXPECT_EQ(listed.size(), found.size()) << "filter " << filter; // each file once
        EXPECT_EQ(namesOf(listed), QSet<QString>(found.cbegin(), found.cend())) << "filter " << filter;
        EXPECT_FALSE(found.isEmpty());
    }
}

TEST(FolderListing, EntriesCarrySizesAttributesAndFoldersWhenAsked)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("stor.htm")), 123456);
    writeFile(dir.filePath(QStringLiteral(".skjult.htm")), 1);
    writeFile(dir.filePath(QStringLiteral("laast.htm")), 2);
    QFile::setPermissions(dir.filePath(QStringLiteral("laast.htm")), QFile::ReadOwner);
    QDir().mkdir(dir.filePath(QStringLiteral("under")));

    QList<ListedEntry> entries = listFolder(dir.path(), FileMasks(), true);
    std::sort(entries.begin(), entries.end(),
              [](const ListedEntry &a, const ListedEntry &b) { return entryBefore(a, b, FileColumn::Name, Qt::AscendingOrder); });
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0].name, QStringLiteral("under"));
    EXPECT_EQ(entries[0].attributes(), QStringLiteral("D"));
    EXPECT_EQ(entries[1].name, QStringLiteral(".skjult.htm"));
    EXPECT_EQ(entries[1].attributes(), QStringLiteral("H"));
    if (::geteuid() != 0) { // the superuser may write anything
        EXPECT_EQ(entries[2].attributes(), QStringLiteral("R"));
    }
    EXPECT_EQ(entries[3].size, 123456);
    EXPECT_FALSE(entries[3].typeName.isEmpty());
    EXPECT_EQ(listFolder(dir.path(), FileMasks(), false).size(), 3);

    EXPECT_TRUE(listFolder(dir.filePath(QStringLiteral("mangler")), FileMasks(), true).isEmpty());
    EXPECT_TRUE(listFolder(dir.path(), FileMasks(QStringLiteral("*.gif")), true).isEmpty());
}

TEST(FolderListing, ScanGivesTheFolderInPieces)
{
    QTemporaryDir dir;
    for (int i = 0; i < 25; ++i)
        writeFile(dir.filePath(QStringLiteral("f%1.txt").arg(i)));
    FolderScan scan(dir.path(), FileMasks(), false);
    int pieces = 0;
    int total = 0;
    while (!scan.atEnd()) {
        const int count = int(scan.next(10).size());
        EXPECT_LE(count, 10);
        total += count;
        ++pieces;
    }
    EXPECT_EQ(total, 25);
    EXPECT_EQ(pieces, 3);
}

ListedEntry entry(const char *name, qint64 size, int day, bool folder = false, const char *type = "")
{
    ListedEntry e;
    e.name = QString::fromUtf8(name);
    e.sortName = e.name.toUpper();
    e.size = size;
    e.modified = QDateTime(QDate(2024, 1, day), QTime(12, 0)).toMSecsSinceEpoch();
    e.created = e.modified;
    e.lastAccess = e.modified;
    e.folder = folder;
    e.typeName = QString::fromUtf8(type);
    return e;
}

QStringList sortedNames(QList<ListedEntry> entries, FileColumn column, Qt::SortOrder order)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const ListedEntry &a, const ListedEntry &b) { return entryBefore(a, b, column, order); });
    QStringList names;
    for (const ListedEntry &e : entries)
        names << e.name;
    return names;
}

TEST(FileListOrder, FoldersFirstSizesAsNumbersNewestFirstTiesByName)
{
    const QList<ListedEntry> entries = {entry("b.htm", 900, 3, false, "HTML"), entry("a_b.htm", 10000, 1, false, "html"),
                                        entry("ab.htm", 900, 2, false, "Tekst"), entry("mappe", 0, 1, true),
                                        entry("Ny", 0, 5, true)};
    const auto names = [](std::initializer_list<const char *> list) {
        QStringList result;
        for (const char *name : list)
            result << QString::fromUtf8(name);
        return result;
    };
    // Upper case: "AB" before "A_B" ('B' < '_').
    EXPECT_EQ(sortedNames(entries, FileColumn::Name, Qt::AscendingOrder), names({"mappe", "Ny", "ab.htm", "a_b.htm", "b.htm"}));
    EXPECT_EQ(sortedNames(entries, FileColumn::Name, Qt::DescendingOrder), names({"Ny", "mappe", "b.htm", "a_b.htm", "ab.htm"}));
    EXPECT_EQ(sortedNames(entries, FileColumn::Size, Qt::AscendingOrder), names({"mappe", "Ny", "ab.htm", "b.htm", "a_b.htm"}));
    EXPECT_EQ(sortedNames(entries, FileColumn::Modified, Qt::AscendingOrder),
              names({"Ny", "mappe", "b.htm", "ab.htm", "a_b.htm"}));
    EXPECT_EQ(sortedNames(entries, FileColumn::Modified, Qt::DescendingOrder),
              names({"mappe", "Ny", "a_b.htm", "ab.htm", "b.htm"}));
    EXPECT_EQ(sortedNames(entries, FileColumn::Type, Qt::AscendingOrder), names({"mappe", "Ny", "a_b.htm", "b.htm", "ab.htm"}));
}

} // namespace
