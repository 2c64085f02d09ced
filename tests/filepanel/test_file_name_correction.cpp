#include "files/FileNameCorrection.h"
#include "filepanel/CorrectFileNames.h"
#include "filepanel/FileNameOptionsPage.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(FileNameRules, NamesBecomeFitForTheWeb)
{
    FileNameRules upper;
    upper.upperCase = true;
    FileNameRules untouchedCase;
    untouchedCase.changeCase = false;
    FileNameRules ownTexts;
    ownTexts.spaceReplacement = QStringLiteral("-");
    ownTexts.aaReplacement = QStringLiteral("a");
    FileNameRules nothing;
    nothing.changeCase = nothing.replaceSpaces = nothing.replaceDanishLetters = false;
    const struct
    {
        const char *name;
        FileNameRules rules;
        const char *corrected;
    } cases[] = {
        {"Min Side.HTM", {}, "min_side.htm"},
        {"Ærø.gif", {}, "aeroe.gif"},
        {"Å Bø.JPG", {}, "aa_boe.jpg"},
        {"Ærø og Å.gif", upper, "AEROE_OG_AA.GIF"},
        {"Ærø og Å.gif", untouchedCase, "AEroe_og_AA.gif"},
        {"Blå  bånd.htm", ownTexts, "bla--band.htm"},
        {"Ærø Å.htm", nothing, "Ærø Å.htm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(correctedFileName(QString::fromUtf8(c.name), c.rules), QString::fromUtf8(c.corrected)) << c.name;

    EXPECT_EQ(planFileNameCorrection({QStringLiteral("ok.htm"), QStringLiteral("Nej.htm")}, {}).size(), 1);
}

class FileNameCorrection : public ::testing::Test
{
protected:
    void create(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QStringList names() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }

    // The contents of the folder's files, whatever their names.
    QMultiMap<QByteArray, int> checksums() const
    {
        QMultiMap<QByteArray, int> sums;
        for (const QString &name : names()) {
            QFile file(m_dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            sums.insert(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256), 0);
        }
        return sums;
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

TEST_F(FileNameCorrection, NamesThatCorrectToTheSameNameNeverOverwriteEachOther)
{
    create(QStringLiteral("A b.htm"), "første");
    create(QStringLiteral("a_b.htm"), "anden");
    create(QStringLiteral("Side.htm"), "stor");
    create(QStringLiteral("side.htm"), "lille");
    create(QStringLiteral("Ærø.gif"), "GIF89a");
    const auto before = checksums();

    const FileNameCorrectionResult result = applyFileNameCorrection(m_dir.path(), planFileNameCorrection(names(), {}));

    EXPECT_EQ(result.failed, QStringList({QStringLiteral("A b.htm"), QStringLiteral("Side.htm")}));
    EXPECT_EQ(result.renamed, QStringList{QStringLiteral("Ærø.gif")});
    EXPECT_EQ(checksums(), before);
    EXPECT_EQ(names(),
              QStringList({QStringLiteral("A b.htm"), QStringLiteral("Side.htm"), QStringLiteral("a_b.htm"),
                           QStringLiteral("aeroe.gif"), QStringLiteral("side.htm")}));
}

TEST_F(FileNameCorrection, TwoFilesOfTheListGoingToOneNameRenameOnlyTheFirst)
{
    create(QStringLiteral("Min Side.htm"), "1");
    create(QStringLiteral("MIN SIDE.htm"), "2");
    const auto before = checksums();
    const FileNameCorrectionResult result = applyFileNameCorrection(m_dir.path(), planFileNameCorrection(names(), {}));
    EXPECT_EQ(result.renamed.size(), 1);
    EXPECT_EQ(result.failed.size(), 1);
    EXPECT_EQ(checksums(), before);
}

TEST_F(FileNameCorrection, ALinkToNothingKeepsItsNameAndIsNotWrittenThrough)
{
    create(QStringLiteral("Ny Side.htm"), "side");
    ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral("mål.htm")), m_dir.filePath(QStringLiteral("ny_side.htm"))));
    const FileNameCorrectionResult result = applyFileNameCorrection(
        m_dir.path(), {{QStringLiteral("Ny Side.htm"), QStringLiteral("ny_side.htm")}});
    EXPECT_EQ(result.failed, QStringList{QStringLiteral("Ny Side.htm")});
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("Ny Side.htm"))));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("mål.htm"))));
}

TEST_F(FileNameCorrection, AReplacementWithASlashCannotMoveAFile)
{
    QDir(m_dir.path()).mkdir(QStringLiteral("a"));
    create(QStringLiteral("a b.htm"), "x");
    FileNameRules rules;
    rules.spaceReplacement = QStringLiteral("/");
    const FileNameCorrectionResult result = applyFileNameCorrection(m_dir.path(), planFileNameCorrection(names(), rules));
    EXPECT_EQ(result.failed, QStringList{QStringLiteral("a b.htm")});
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("a b.htm"))));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("a/b.htm"))));
}

TEST_F(FileNameCorrection, TheDialogShowsTheFolderAndTheReportComesExactlyWhenARenameFailed)
{
    create(QStringLiteral("Min Side.HTM"), "1");
    create(QStringLiteral("Blå.gif"), "2");
    m_prompter.expectDialog(QStringLiteral("Ret filnavne"), [&](QDialog &dialog) {
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("folder"))->text(), QDir::toNativeSeparators(m_dir.path()));
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("mask"))->text(), QStringLiteral("*.htm;*.gif"));
        auto *aa = dialog.findChild<QLineEdit *>(QStringLiteral("aaReplacement"));
        aa->clear();
        QTest::keyClicks(aa, QStringLiteral("AAAA"));
        EXPECT_EQ(aa->text(), QStringLiteral("aaa"));
    });
    FileNameCorrectionResult result = correctFileNames(m_prompter, nullptr, m_dir.path(), QStringLiteral("*.htm;*.gif"), names());
    EXPECT_TRUE(result.failed.isEmpty());
    EXPECT_EQ(names(), QStringList({QStringLiteral("blaaa.gif"), QStringLiteral("min_side.htm")}));

    // A clash: the report names the file that kept its name.
    create(QStringLiteral("Min side.htm"), "3");
    m_prompter
        .expectDialog(QStringLiteral("Ret filnavne"),
                      [](QDialog &dialog) {
                          // The options of the last use come back.
                          EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("aaReplacement"))->text(),
                                    QStringLiteral("aaa"));
                      })
        .expect(QStringLiteral("Der skete en fejl under omdøbningen. | Følgende filer blev ikke omdøbt:\n\nMin side.htm"));
    result = correctFileNames(m_prompter, nullptr, m_dir.path(), QStringLiteral("*.*"), names());
    EXPECT_EQ(result.failed, QStringList{QStringLiteral("Min side.htm")});
    EXPECT_EQ(m_prompter.seen().last().icon, Prompter::Icon::Warning);

    // Cancelled: nothing happens.
    m_prompter.expectDialog(
        QStringLiteral("Ret filnavne"), [](QDialog &) {}, false);
    result = correctFileNames(m_prompter, nullptr, m_dir.path(), QStringLiteral("*.*"), names());
    EXPECT_TRUE(result.renamed.isEmpty() && result.failed.isEmpty());
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("Min side.htm"))));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST(FileNameOptionsPage, TheControlsGiveTheRules)
{
    FileNameOptionsPage page;
    const FileNameRules defaults = page.rules();
    EXPECT_TRUE(defaults.changeCase && !defaults.upperCase && defaults.replaceSpaces && defaults.replaceDanishLetters);
    EXPECT_EQ(defaults.spaceReplacement, QStringLiteral("_"));
    EXPECT_EQ(defaults.aeReplacement + defaults.oeReplacement + defaults.aaReplacement, QStringLiteral("aeoeaa"));

    for (QCheckBox *box : page.findChildren<QCheckBox *>())
        box->setChecked(false);
    for (QRadioButton *button : page.findChildren<QRadioButton *>()) {
        if (button->text() == QStringLiteral("Kun store bogstaver"))
            button->setChecked(true);
    }
    EXPECT_FALSE(page.findChild<QLineEdit *>(QStringLiteral("spaceReplacement"))->isEnabled());
    const FileNameRules changed = page.rules();
    EXPECT_TRUE(changed.upperCase);
    EXPECT_FALSE(changed.replaceSpaces || changed.replaceDanishLetters);
}

} // namespace
