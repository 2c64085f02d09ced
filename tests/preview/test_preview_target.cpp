#include "preview/PreviewTarget.h"

#include "core/SettingsOptions.h"
#include "documents/DocumentList.h"
#include "editor/TextBuffer.h"
#include "preview/TemporaryCopy.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PreviewTargetTest : public ::testing::Test
{
protected:
    // A document of the list: saved under the name when one is given, modified when asked.
    int addDocument(TextBuffer &text, const QString &fileName, bool modified)
    {
        text.SetText(QStringLiteral("<p>side</p>"));
        text.ClearModified();
        if (modified)
            text.ReplaceSelection(QStringLiteral("<b>"));
        const int tab = m_documents.add(text, fileName.isEmpty() ? QStringLiteral("Nyt dokument") : fileName);
        if (!fileName.isEmpty())
            m_documents.at(tab).path = m_dir.filePath(fileName);
        return tab;
    }
    std::optional<QString> external() { return externalPreviewTarget(m_sources, m_options, &m_failure); }
    std::optional<QString> internal() { return internalPreviewTarget(m_sources, m_options, &m_failure); }

    QTemporaryDir m_dir;
    QTemporaryDir m_scratch;
    DocumentList m_documents;
    TextBuffer m_first;
    TextBuffer m_second;
    TemporaryCopy m_copy;
    QList<int> m_saved;
    bool m_saveAnswer = true;
    ProgramPathOptions m_options;
    QString m_failure;
    PreviewSources m_sources{m_documents, m_copy, m_scratch.path(), [this](int tab) {
                                 m_saved.append(tab);
                                 if (m_saveAnswer)
                                     m_documents.at(tab).text->ClearModified();
                                 return m_saveAnswer;
                             }};
};

TEST_F(PreviewTargetTest, ExternalBrowserGetsTheFileOfAnUnmodifiedSavedDocumentElseACopy)
{
    addDocument(m_first, QStringLiteral("side.html"), false);
    m_documents.setActiveIndex(0);
    EXPECT_EQ(external(), m_dir.filePath(QStringLiteral("side.html")));
    EXPECT_TRUE(m_copy.path().isEmpty());

    m_first.ReplaceSelection(QStringLiteral("<i>"));
    EXPECT_EQ(external(), m_dir.filePath(QStringLiteral("~side.html")));
    EXPECT_TRUE(m_first.IsModified());
    EXPECT_TRUE(m_saved.isEmpty());

    addDocument(m_second, QString(), false);
    m_documents.setActiveIndex(1);
    EXPECT_EQ(external(), m_scratch.filePath(QStringLiteral("~pwtmp1.htm")));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("~side.html"))));
}

TEST_F(PreviewTargetTest, SavingFirstSavesTheActiveDocumentAndShowsTheMasterPage)
{
    m_options.saveBeforeBrowsing = true;
    addDocument(m_first, QStringLiteral("forside.html"), false);
    addDocument(m_second, QStringLiteral("under.html"), true);
    m_documents.setActiveIndex(1);
    m_documents.setMasterIndex(0);
    EXPECT_EQ(external(), m_dir.filePath(QStringLiteral("forside.html")));
    EXPECT_EQ(m_saved, QList<int>{1});
    EXPECT_TRUE(m_copy.path().isEmpty());

    // The internal browser shows the active document itself.
    EXPECT_EQ(internal(), m_dir.filePath(QStringLiteral("under.html")));
}

TEST_F(PreviewTargetTest, ACancelledSaveStopsThePreviewWithoutAMessage)
{
    m_options.saveBeforeBrowsing = true;
    m_saveAnswer = false;
    addDocument(m_first, QString(), true);
    m_documents.setActiveIndex(0);
    m_documents.setMasterIndex(0);
    EXPECT_EQ(external(), std::nullopt);
    EXPECT_EQ(internal(), std::nullopt);
    EXPECT_TRUE(m_failure.isEmpty());
    EXPECT_TRUE(m_copy.path().isEmpty());
}

TEST_F(PreviewTargetTest, InternalBrowserAlwaysGetsACopyWithoutSavingFirst)
{
    addDocument(m_first, QStringLiteral("side.html"), false);
    m_documents.setActiveIndex(0);
    EXPECT_EQ(internal(), m_dir.filePath(QStringLiteral("~side.html")));
}

TEST_F(PreviewTargetTest, TheLocalServerAddressReplacesFilesBelowItsRoot)
{
    m_options.useLocalServer = true;
    m_options.localServer = QStringLiteral("http://localhost:8000/");
    m_options.serverFolder = m_dir.path();
    addDocument(m_first, QStringLiteral("min side.html"), false);
    m_documents.setActiveIndex(0);
    EXPECT_EQ(external(), QStringLiteral("http://localhost:8000/min%20side.html"));
    EXPECT_EQ(internal(), QStringLiteral("http://localhost:8000/~min%20side.html"));
}

TEST_F(PreviewTargetTest, ACopyThatCannotBeWrittenGivesNoTargetAndSaysWhy)
{
    m_sources.scratchFolder = m_scratch.filePath(QStringLiteral("gone"));
    addDocument(m_first, QString(), false);
    m_documents.setActiveIndex(0);
    EXPECT_EQ(external(), std::nullopt);
    EXPECT_TRUE(m_failure.contains(QStringLiteral("~pwtmp0.htm"))) << m_failure.toStdString();
}

} // namespace
