#pragma once

#include "editor/EditableText.h"

#include <QList>

// An editor's text held in memory, for work without a window: scratch copies,
// file search, batch conversions and tests.
class TextBuffer : public EditableText
{
public:
    // New text uses this line break until a text with its own is set.
    explicit TextBuffer(QString text = QString(), QString defaultLineBreak = QStringLiteral("\n"));

    int GetTextLength() const override;
    QString GetText() const override { return m_text; }
    void SetText(const QString &text) override;

    SelectionRecord GetSelection() const override { return m_selection; }
    void SetSelection(const SelectionRecord &selection) override;

    int GetLineCount() const override;
    QString GetLine(int line) const override;
    int GetLineLength(int line) const override;
    QString lineBreak() const override { return m_lineBreak; }

    bool IsModified() const override { return m_modified; }
    void ClearModified() override { m_modified = false; }
    bool IsReadOnly() const override { return m_readOnly; }
    void SetReadOnly(bool readOnly) override { m_readOnly = readOnly; }

    QString textBetween(TextPos from, TextPos to) const override;

protected:
    void replaceRange(TextPos from, TextPos to, const QString &text) override;
    std::optional<Match> findText(const QString &what, TextPos from, bool forward, const SearchOptions &options) const override;

private:
    void indexLines() const;
    qsizetype offsetOf(TextPos place) const;
    TextPos placeOf(qsizetype offset) const;
    QStringView lineView(int line) const;

    QString m_text;
    QString m_defaultLineBreak;
    QString m_lineBreak;
    SelectionRecord m_selection;
    bool m_modified = false;
    bool m_readOnly = false;
    // Where each line starts and where its text ends (before the line break),
    // in UTF-16 units; rebuilt after a change.
    mutable QList<qsizetype> m_lineStarts;
    mutable QList<qsizetype> m_lineEnds;
};
