#pragma once

#include <QStringList>

// Where a source entry stands: the file's name in the library folder and its line (0: the
// file as a whole).
struct SourcePlace
{
    QString file;
    int line = 0;
};

// Everything wrong with the sources, gathered so that one build names every problem at once.
class BuildProblems
{
public:
    // One message: "file:line: entry: text" (line and entry left out when not known).
    void add(const SourcePlace &place, const QString &entry, const QString &text);
    bool isEmpty() const { return m_messages.isEmpty(); }
    const QStringList &messages() const { return m_messages; }

private:
    QStringList m_messages;
};
