#pragma once

#include <Qsci/qsciscintillabase.h>

#include <QByteArray>

// A copy of the editor's UTF-8 bytes between two byte positions. Copying keeps
// Scintilla's gap where it is, which matters while typing in a large text.
inline QByteArray scintillaBytes(const QsciScintillaBase *editor, qsizetype from, qsizetype to)
{
    if (to <= from)
        return {};
    QByteArray bytes(to - from + 1, Qt::Uninitialized);
    editor->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, static_cast<long>(from), static_cast<long>(to), bytes.data());
    bytes.chop(1); // the closing zero
    return bytes;
}
