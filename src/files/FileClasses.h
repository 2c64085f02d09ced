#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

// Which kind of file a path names, by its name.
namespace FileClasses {

inline const QString ImageMasks = QStringLiteral("*.gif;*.jpg;*.jpeg;*.png");
inline const QString SoundMasks = QStringLiteral("*.wav;*.au;*.mid");

// Patterns separated by ";" or ",", with "*" and "?" as wildcards, compared
// ignoring case; compiled once for testing many names.
class MaskList
{
public:
    explicit MaskList(const QString &masks);
    // True when the file name (without folder) matches one of the patterns.
    bool matches(const QString &fileName) const;

private:
    QList<QRegularExpression> m_patterns;
};

bool MatchesMaskList(const QString &fileName, const QString &masks);

bool isHtmlFile(const QString &path, const QString &htmlFilter);
bool isStylesheet(const QString &path);
bool isScriptFile(const QString &path, const QString &scriptFilter);
bool isTextFile(const QString &path);
bool isTemplate(const QString &path);
bool isImageFile(const QString &path); // GIF, JPEG and PNG pictures
bool isSoundFile(const QString &path); // WAV, AU and MIDI sounds

} // namespace FileClasses
