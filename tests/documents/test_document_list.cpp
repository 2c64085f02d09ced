// The document list: what its signals tell the parts of the program, and the
// master page and active document as documents close.
#include "documents/DocumentList.h"
#include "editor/TextBuffer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(DocumentList, ClosingKeepsTheMasterMarkOnItsDocumentAndActivatesTheOneBefore)
{
    std::array<TextBuffer, 4> texts;
    DocumentList list;
    for (TextBuffer &text : texts)
        list.add(text, QStringLiteral("side"));
    list.at(2).path = QStringLiteral("/sider/c.htm");
    list.setMasterIndex(2);
    list.setActiveIndex(1);

    QStringList closed;
    QObject::connect(&list, &DocumentList::closed, [&](const Document &document) { closed.append(document.name()); });
    QSignalSpy activated(&list, &DocumentList::activeChanged);
    list.remove(1);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.masterIndex(), 1) << "the mark moves with its document";
    EXPECT_EQ(list.activeIndex(), 0);
    EXPECT_EQ(list.indexOf(QStringLiteral("/sider/c.htm")), 1);
    EXPECT_EQ(activated.count(), 0) << "the caller shows the document now active";

    list.remove(1);
    EXPECT_EQ(list.masterIndex(), -1) << "the master page itself closed";
    EXPECT_EQ(closed, QStringList({QStringLiteral("side"), QStringLiteral("/sider/c.htm")}));
}

TEST(DocumentList, SavingAsksThePartsInTheOrderTheyFollowAndTakesTheTextTheyGive)
{
    TextBuffer text;
    text.SetText(QStringLiteral("æ"));
    DocumentList list;
    list.add(text, QStringLiteral("side"));
    QStringList steps;
    QObject::connect(&list, &DocumentList::aboutToSave, [&](Document &document, SaveRequest &) {
        steps.append(QStringLiteral("dato"));
        document.text->SetText(document.text->GetText() + QStringLiteral("1"));
    });
    QObject::connect(&list, &DocumentList::aboutToSave, [&](Document &document, SaveRequest &request) {
        steps.append(QStringLiteral("koder"));
        if (request.danishCodesAsked)
            request.textToWrite = document.text->GetText().replace(QStringLiteral("æ"), QStringLiteral("&aelig;"));
    });
    EXPECT_FALSE(list.prepareSave(0, false).textToWrite);
    EXPECT_EQ(list.prepareSave(0, true).textToWrite, QStringLiteral("&aelig;11"));
    EXPECT_EQ(steps, QStringList({"dato", "koder", "dato", "koder"}));
    EXPECT_EQ(text.GetText(), QStringLiteral("æ11")) << "the document keeps its letters";
}

} // namespace
