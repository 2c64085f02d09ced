#pragma once

#include "SourceFiles.h"

#include <QHash>
#include <QStringList>

// The four HTML fact files, indexed for the assembler and the text maps.
namespace HtmlFactTables {

constexpr int FirstEventKind = 1701;
constexpr int LastEventKind = 1799;

struct ElementFact
{
    bool isVoid = false;
    bool isChecked = false;
};

struct AttributeFact
{
    QString name;
    QString values;
    SourcePlace place;
};

struct EventFact
{
    int kind = 0;
    QString elements; // comma list or "*"
    SourcePlace place;
};

struct GlobalFact
{
    QString values;
    QString except;
    SourcePlace place;
};

struct HtmlFacts
{
    QHash<QString, ElementFact> elements;
    QHash<QString, QList<AttributeFact>> attributesOf;
    QHash<QString, GlobalFact> globals;
    QStringList globalOrder;
    QHash<QString, EventFact> events;
    QStringList eventOrder;
};

// Reads facts/html-elements.tsv, html-attributes.tsv, html-global-attributes.tsv and
// html-events.tsv of the library folder.
HtmlFacts read(const QString &folder, BuildProblems &problems);

} // namespace HtmlFactTables
