#pragma once

#include <QString>

// Which kind of file a path names, by its name.
namespace FileClasses {

// True when the file name (without folder) matches one of the patterns,
// separated by ";" or ",", with "*" and "?" as wildcards, ignoring case.
bool MatchesMaskList(const QString &fileName, const QString &masks);

bool isHtmlFile(const QString &path, const QString &htmlFilter);
bool isStylesheet(const QString &path);
bool isScriptFile(const QString &path, const QString &scriptFilter);
bool isTextFile(const QString &path);
bool isTemplate(const QString &path);
bool isImageFile(const QString &path); // GIF, JPEG and PNG pictures
bool isSoundFile(const QString &path); // WAV, AU and MIDI sounds

} // namespace FileClasses
