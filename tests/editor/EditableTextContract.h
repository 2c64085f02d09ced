#pragma once

// One table of cases for every implementation of EditableText. A test file
// instantiates it with a factory type:
//   struct Factory { static std::unique_ptr<EditableText> make(); };
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, EditableTextContract, Factory);

#include "editor/EditableText.h"
#include "editor/SearchOptions.h"
#include "support/QtPrinters.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

template <typename Factory> class EditableTextContract : public ::testing::Test
{
protected:
    EditableText &withText(const QString &text)
    {
        m_text = Factory::make();
        m_text->SetText(text);
        return *m_text;
    }
    std::unique_ptr<EditableText> m_text;
};

TYPED_TEST_SUITE_P(EditableTextContract);

inline SelectionRecord sel(int anchorLine, int anchorColumn, int caretLine, int caretColumn)
{
    return SelectionRecord::between({anchorLine, anchorColumn}, {caretLine, caretColumn});
}

inline QString emoji()
{
    return QString::fromUcs4(U"\U0001F600");
}

TYPED_TEST_P(EditableTextContract, LinesAndLengthsCountCharacters)
{
    const struct
    {
        QString text;
        QList<int> lengths;
        int total;
        bool keptExactly = true;
    } cases[] = {
        {QString(), {0}, 0},
        {QStringLiteral("abc"), {3}, 3},
        {QStringLiteral("abc\r\næøå") + emoji() + QStringLiteral("x\r\n\r\nlast"), {3, 5, 0, 4}, 18},
        {QStringLiteral("a\nbb\n"), {1, 2, 0}, 5},
        {QStringLiteral("a\rbb"), {1, 2}, 4},
        {QString::fromUtf8("nul\0inside", 10), {10}, 10},
        // A lone half of a pair counts as one (an editor storing UTF-8 keeps a stand-in).
        {QStringLiteral("x") + QChar(0xDC00) + QStringLiteral("y"), {3}, 3, false},
    };
    for (const auto &c : cases) {
        EditableText &t = this->withText(c.text);
        ASSERT_EQ(t.GetLineCount(), static_cast<int>(c.lengths.size())) << c.text.toStdString();
        for (int line = 1; line <= static_cast<int>(c.lengths.size()); ++line)
            EXPECT_EQ(t.GetLineLength(line), c.lengths[line - 1]) << c.text.toStdString() << " line " << line;
        EXPECT_EQ(t.GetTextLength(), c.total) << c.text.toStdString();
        if (c.keptExactly) {
            EXPECT_EQ(t.GetText(), c.text);
        }
    }
    EditableText &t = this->withText(QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(t.GetLine(2), QStringLiteral("cd"));
    for (int outside : {0, -1, 3, 1000000000})
        EXPECT_TRUE(t.GetLine(outside).isEmpty() && t.GetLineLength(outside) == 0) << outside;
}

TYPED_TEST_P(EditableTextContract, SelectionsKeepTheirDirectionAndAreClampedToTheText)
{
    EditableText &t = this->withText(QStringLiteral("abc\r\næø") + emoji() + QStringLiteral("å\r\nend"));
    const struct
    {
        SelectionRecord given;
        SelectionRecord expected;
    } cases[] = {
        {sel(1, 1, 2, 3), sel(1, 1, 2, 3)},
        {sel(2, 4, 1, 2), sel(2, 4, 1, 2)}, // backwards
        {sel(2, 99, 2, 99), sel(2, 4, 2, 4)}, // past the line's end
        {sel(-5, -5, 0, 3), sel(1, 0, 1, 0)}, // before the text
        {sel(3, 1, 1000000, 7), sel(3, 1, 3, 3)}, // past the last line
        {sel(1, -32768, 2147483647, 32767), sel(1, 0, 3, 3)},
    };
    for (const auto &c : cases) {
        t.SetSelection(c.given);
        EXPECT_EQ(t.GetSelection(), c.expected) << c.given.anchorLine << ":" << c.given.anchorColumn;
    }
    t.SetSelection(sel(2, 4, 2, 1));
    EXPECT_EQ(t.GetSelText(), QStringLiteral("ø") + emoji() + QStringLiteral("å"));
    EXPECT_EQ(t.GetSelLength(), 3);
    t.SetSelection(sel(1, 2, 2, 1));
    EXPECT_EQ(t.GetSelText(), QStringLiteral("c\r\næ"));
    EXPECT_EQ(t.GetSelLength(), 4);
    t.SelectAll();
    EXPECT_EQ(t.GetSelection(), sel(1, 0, 3, 3));
    t.SetSelection(sel(2, 2, 2, 2));
    EXPECT_EQ(t.GetSelLength(), 0);
    EXPECT_TRUE(t.GetSelText().isEmpty());
}

TYPED_TEST_P(EditableTextContract, ReplacingTheSelection)
{
    EditableText &t = this->withText(QStringLiteral("one two\r\nthree"));
    t.SetSelection(sel(1, 7, 1, 4)); // "two", made backwards, caret inside the text
    t.ReplaceSelection(QStringLiteral("2"));
    EXPECT_EQ(t.GetText(), QStringLiteral("one 2\r\nthree"));
    EXPECT_EQ(t.GetSelection(), sel(1, 5, 1, 5));

    t.ReplaceSelection(QStringLiteral("\nA\r\nB")); // line breaks become the document's
    EXPECT_EQ(t.GetText(), QStringLiteral("one 2\r\nA\r\nB\r\nthree"));
    EXPECT_EQ(t.GetSelection(), sel(3, 1, 3, 1));

    t.SetSelection(sel(1, 0, 2, 1));
    t.DeleteSelection();
    EXPECT_EQ(t.GetText(), QStringLiteral("\r\nB\r\nthree"));

    t.ClearModified();
    t.SetReadOnly(true);
    t.SelectAll();
    t.ReplaceSelection(QStringLiteral("x"));
    t.DeleteSelection();
    t.ClearAll();
    EXPECT_EQ(t.GetText(), QStringLiteral("\r\nB\r\nthree"));
    EXPECT_FALSE(t.IsModified());
    t.SetReadOnly(false);
    t.ClearAll();
    EXPECT_TRUE(t.GetText().isEmpty());
    EXPECT_TRUE(t.IsModified());
}

TYPED_TEST_P(EditableTextContract, InsertingAndDeletingWholeLines)
{
    const struct
    {
        const char *op;
        int line;
        bool ok;
        const char *result;
    } cases[] = {
        {"insert", 0, true, "new\nA\nB\nC"}, {"insert", 2, true, "A\nB\nnew\nC"}, {"insert", 3, true, "A\nB\nC\nnew"},
        {"insert", 4, false, "A\nB\nC"},     {"insert", -1, false, "A\nB\nC"},    {"delete", 1, true, "B\nC"},
        {"delete", 2, true, "A\nC"},         {"delete", 3, true, "A\nB"},         {"delete", 0, false, "A\nB\nC"},
        {"delete", 4, false, "A\nB\nC"},
    };
    for (const auto &c : cases) {
        EditableText &t = this->withText(QStringLiteral("A\nB\nC"));
        const bool insert = QByteArray(c.op) == "insert";
        EXPECT_EQ(insert ? t.InsertLine(c.line, QStringLiteral("new")) : t.DeleteLine(c.line), c.ok) << c.op << " " << c.line;
        EXPECT_EQ(t.GetText(), QString::fromUtf8(c.result)) << c.op << " " << c.line;
    }
    // The caret stays with its text.
    EditableText &t = this->withText(QStringLiteral("A\nB\nC"));
    t.SetSelection(sel(3, 1, 3, 1));
    t.InsertLine(1, QStringLiteral("x"));
    EXPECT_EQ(t.GetSelection(), sel(4, 1, 4, 1));
    t.DeleteLine(1);
    EXPECT_EQ(t.GetSelection(), sel(3, 1, 3, 1));
    EditableText &only = this->withText(QStringLiteral("single"));
    EXPECT_TRUE(only.DeleteLine(1));
    EXPECT_TRUE(only.GetText().isEmpty());
    only.SetReadOnly(true);
    EXPECT_FALSE(only.InsertLine(0, QStringLiteral("x")));
}

TYPED_TEST_P(EditableTextContract, WordsAtTheCaretAndWordScans)
{
    EditableText &t = this->withText(QStringLiteral("<p class=\"blå\">Æble_1 ok</p>\r\n\r\n  sidste"));
    const struct
    {
        int line;
        int column;
        const char *word; // null: no word
        int wordColumn;
    } cases[] = {
        {1, 0, nullptr, 0},    {1, 1, "p", 1},        {1, 2, "p", 1},     {1, 5, "class", 3}, {1, 11, "blå", 10},
        {1, 15, "Æble_1", 15}, {1, 21, "Æble_1", 15}, {2, 0, nullptr, 0}, {3, 1, nullptr, 0}, {3, 8, "sidste", 2},
    };
    for (const auto &c : cases) {
        t.SetSelection(sel(c.line, c.column, c.line, c.column));
        const std::optional<WordPlace> w = t.GetWordAtCaret();
        if (!c.word) {
            EXPECT_FALSE(w.has_value()) << c.line << ":" << c.column;
            continue;
        }
        ASSERT_TRUE(w.has_value()) << c.line << ":" << c.column;
        EXPECT_EQ(*w, (WordPlace{QString::fromUtf8(c.word), c.wordColumn, c.line})) << c.line << ":" << c.column;
    }

    t.BeginWordScan();
    QStringList words;
    while (const auto w = t.NextScanWord())
        words.append(QStringLiteral("%1@%2:%3").arg(w->word).arg(w->line).arg(w->column));
    EXPECT_EQ(words,
              (QStringList{QStringLiteral("p@1:1"), QStringLiteral("class@1:3"), QStringLiteral("blå@1:10"),
                           QStringLiteral("Æble_1@1:15"), QStringLiteral("ok@1:22"), QStringLiteral("p@1:26"),
                           QStringLiteral("sidste@3:2")}));
    t.BeginWordScan();
    ASSERT_TRUE(t.NextScanWord().has_value());
    t.SkipScanLine();
    EXPECT_EQ(t.NextScanWord()->word, QStringLiteral("sidste"));
    EXPECT_FALSE(t.NextScanWord().has_value());
}

TYPED_TEST_P(EditableTextContract, FindingInEitherDirectionWithOrWithoutCase)
{
    EditableText &t = this->withText(QStringLiteral("Æble æble\r\nÆBLER æble"));
    t.SetFindText(QStringLiteral("æble"));
    int notified = -1;
    t.setNotifyFoundHandler([&](int count) { notified = count; });

    t.SetSearchFlags(SearchOptions{SearchOptions::Forward, false, false}.toFlags());
    t.SetSelection(sel(1, 0, 1, 0));
    const struct
    {
        SelectionRecord expected;
    } forward[] = {{sel(1, 0, 1, 4)}, {sel(1, 5, 1, 9)}, {sel(2, 0, 2, 4)}, {sel(2, 6, 2, 10)}};
    for (const auto &f : forward) {
        ASSERT_TRUE(t.Find());
        EXPECT_EQ(t.GetSelection(), f.expected);
    }
    EXPECT_FALSE(t.Find());
    EXPECT_EQ(t.GetSelection(), sel(2, 6, 2, 10)); // a failed search leaves the selection
    t.FindNext();
    EXPECT_EQ(notified, 0);

    t.SetSearchFlags(SearchOptions{SearchOptions::Backward, false, true}.toFlags());
    ASSERT_TRUE(t.Find());
    EXPECT_EQ(t.GetSelection(), sel(1, 5, 1, 9));
    EXPECT_FALSE(t.Find());

    t.SetSearchFlags(SearchOptions{SearchOptions::Forward, true, false}.toFlags());
    t.SetSelection(sel(2, 0, 2, 0));
    ASSERT_TRUE(t.Find()); // "ÆBLER" is no whole word "æble"
    EXPECT_EQ(t.GetSelection(), sel(2, 6, 2, 10));

    t.SetSearchFlags(SearchOptions{SearchOptions::WholeText, false, true}.toFlags());
    ASSERT_TRUE(t.Find()); // wraps to the start
    EXPECT_EQ(t.GetSelection(), sel(1, 5, 1, 9));

    SelectionRecord range = sel(1, 0, 1, 6);
    t.SetSearchFlags(SearchOptions{SearchOptions::Forward, false, true}.toFlags());
    ASSERT_TRUE(t.FindInRange(range));
    EXPECT_EQ(range, sel(2, 6, 2, 10));
    EXPECT_EQ(t.GetSelection(), range);
}

TYPED_TEST_P(EditableTextContract, SearchTextsHoldAtMost127Characters)
{
    const QString exact(127, QLatin1Char('q'));
    EditableText &t = this->withText(QStringLiteral("x") + exact + QStringLiteral("q"));
    t.SetFindText(exact);
    EXPECT_EQ(t.GetFindText(), exact);
    ASSERT_TRUE(t.Find());
    EXPECT_EQ(t.GetSelection(), sel(1, 1, 1, 128));

    t.SetFindText(exact + QStringLiteral("z"));
    EXPECT_EQ(t.GetFindText(), exact);
    t.SetReplaceText(QString(126, QLatin1Char('r')) + emoji() + QStringLiteral("s"));
    EXPECT_EQ(t.GetReplaceText(), QString(126, QLatin1Char('r')) + emoji());
}

TYPED_TEST_P(EditableTextContract, ReplacingMatchesOneByOneAndAll)
{
    EditableText &t = this->withText(QStringLiteral("a cat, a Cat\r\nCAT"));
    int notified = -1;
    t.setNotifyFoundHandler([&](int count) { notified = count; });
    t.SetFindText(QStringLiteral("cat"));
    t.SetReplaceText(QStringLiteral("dog\nhouse"));
    t.SetSearchFlags(SearchOptions{SearchOptions::Forward, false, false}.toFlags());

    t.SetSelection(sel(1, 0, 1, 0));
    t.Replace(); // nothing selected yet: finds the first
    EXPECT_EQ(t.GetSelection(), sel(1, 2, 1, 5));
    t.Replace(); // replaces it and finds the next
    EXPECT_EQ(t.GetText(), QStringLiteral("a dog\r\nhouse, a Cat\r\nCAT"));
    EXPECT_EQ(t.GetSelText(), QStringLiteral("Cat"));

    t.SetReplaceText(QStringLiteral("cats"));
    EXPECT_EQ(t.ReplaceAllMatches(), 2);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(t.GetText(), QStringLiteral("a dog\r\nhouse, a cats\r\ncats"));

    t.SetSearchFlags(SearchOptions{SearchOptions::Forward, false, true}.toFlags());
    t.SetFindText(QStringLiteral("CAT"));
    EXPECT_EQ(t.ReplaceAllMatches(), 0);
    EXPECT_EQ(notified, 0);

    t.SetFindText(QStringLiteral("cats"));
    t.SetReadOnly(true);
    EXPECT_EQ(t.ReplaceAllMatches(), 0);
    EXPECT_EQ(t.GetText(), QStringLiteral("a dog\r\nhouse, a cats\r\ncats"));
}

TYPED_TEST_P(EditableTextContract, LineBreaksInSearchTextsAreTheDocumentsOwn)
{
    EditableText &t = this->withText(QStringLiteral("a\r\nc\r\nd"));
    t.SetFindText(QStringLiteral("\r"));
    ASSERT_TRUE(t.Find());
    EXPECT_EQ(t.GetSelection(), sel(1, 1, 2, 0)); // the whole line break
    t.SetReplaceText(QStringLiteral("x"));
    EXPECT_EQ(t.ReplaceAllMatches(), 2);
    EXPECT_EQ(t.GetText(), QStringLiteral("axcxd"));

    EditableText &u = this->withText(QStringLiteral("a\r\nc"));
    u.SetFindText(QStringLiteral("\nc"));
    u.SetReplaceText(QStringLiteral("Z"));
    EXPECT_EQ(u.ReplaceAllMatches(), 1);
    EXPECT_EQ(u.GetText(), QStringLiteral("aZ"));
}

TYPED_TEST_P(EditableTextContract, ReplacingBackwardMovesOnTowardsTheStart)
{
    EditableText &t = this->withText(QStringLiteral("a a"));
    t.SetFindText(QStringLiteral("a"));
    t.SetReplaceText(QStringLiteral("ba"));
    t.SetSearchFlags(SearchOptions{SearchOptions::Backward, false, true}.toFlags());
    t.SetSelection(sel(1, 3, 1, 3));
    for (int i = 0; i < 4; ++i)
        t.Replace();
    EXPECT_EQ(t.GetText(), QStringLiteral("ba ba"));
}

TYPED_TEST_P(EditableTextContract, TheModifiedFlagFollowsEdits)
{
    EditableText &t = this->withText(QStringLiteral("text"));
    t.ClearModified();
    EXPECT_FALSE(t.IsModified());
    t.SetSelection(sel(1, 4, 1, 4));
    t.ReplaceSelection(QStringLiteral("!"));
    EXPECT_TRUE(t.IsModified());
    EXPECT_EQ(t.GetText(), QStringLiteral("text!"));
}

REGISTER_TYPED_TEST_SUITE_P(EditableTextContract, LinesAndLengthsCountCharacters,
                            SelectionsKeepTheirDirectionAndAreClampedToTheText, ReplacingTheSelection,
                            InsertingAndDeletingWholeLines, WordsAtTheCaretAndWordScans,
                            FindingInEitherDirectionWithOrWithoutCase, SearchTextsHoldAtMost127Characters,
                            ReplacingMatchesOneByOneAndAll, LineBreaksInSearchTextsAreTheDocumentsOwn,
                            ReplacingBackwardMovesOnTowardsTheStart, TheModifiedFlagFollowsEdits);
