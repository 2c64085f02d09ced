#pragma once

#include <QStringList>

#include <optional>

// The items of the page panel's version box: the lines of
// "htmlversioner.txt", one document type public identifier each.
namespace HtmlVersions {

inline const QString FileName = QStringLiteral("htmlversioner.txt");

// The file's lines as items; without the file (or with an empty one) the box
// has one empty item.
QStringList items(const std::optional<QStringList> &fileLines);

// The items from the file in the program folder.
QStringList load(const QString &programFolder);

} // namespace HtmlVersions
