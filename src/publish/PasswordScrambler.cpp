#include "publish/PasswordScrambler.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace {

constexpr int GroupDigits = 5;
constexpr int GroupRange = 100000;
constexpr int MinimumGroups = 5;
// Around the password's bytes: the seed, the byte count and the check sum.
constexpr int FramingGroups = 3;

// The key stream that the seed starts; each group is offset by one value.
class KeyStream
{
public:
    explicit KeyStream(quint32 seed)
        : m_state(seed)
    {
    }
    int next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 8) % GroupRange);
    }

private:
    quint32 m_state;
};

int offset(int value, int key)
{
    return (value + key) % GroupRange;
}

int removeOffset(int group, int key)
{
    return (group - key + GroupRange) % GroupRange;
}

// Covers the byte count and every byte, filler included, so that a changed
// digit anywhere is noticed.
int checkSum(int length, const QList<int> &values)
{
    int sum = length;
    for (qsizetype i = 0; i < values.size(); ++i)
        sum = (sum + values[i] * int(i + 1)) % GroupRange;
    return sum;
}

std::optional<QList<int>> groupsOf(const QString &text)
{
    if (text.size() % GroupDigits != 0 || text.size() / GroupDigits < MinimumGroups)
        return std::nullopt;
    QList<int> groups;
    for (qsizetype at = 0; at < text.size(); at += GroupDigits) {
        int value = 0;
        for (const QChar c : QStringView(text).mid(at, GroupDigits)) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + c.digitValue();
        }
        groups.append(value);
    }
    return groups;
}

} // namespace

QString scramblePassword(const QString &password)
{
    const QByteArray bytes = password.toUtf8();
    const int count = std::max<int>(MinimumGroups, int(bytes.size()) + FramingGroups);
    QRandomGenerator *random = QRandomGenerator::global();
    const int seed = int(random->bounded(GroupRange));
    KeyStream keys{quint32(seed)};

    QList<int> values;
    for (int i = 0; i < count - FramingGroups; ++i) {
        // Filler after the bytes keeps short passwords from showing their length.
        values.append(i < bytes.size() ? int(quint8(bytes[i])) : int(random->bounded(256)));
    }
    QList<int> groups{seed, offset(int(bytes.size()), keys.next())};
    for (const int value : values)
        groups.append(offset(value, keys.next()));
    groups.append(offset(checkSum(int(bytes.size()), values), keys.next()));

    QString text;
    for (const int group : groups)
        text += QStringLiteral("%1").arg(group, GroupDigits, 10, QLatin1Char('0'));
    return text;
}

std::optional<QString> unscramblePassword(const QString &scrambled)
{
    const std::optional<QList<int>> groups = groupsOf(scrambled);
    if (!groups)
        return std::nullopt;
    KeyStream keys{quint32(groups->first())};
    const int length = removeOffset(groups->at(1), keys.next());
    const qsizetype room = groups->size() - FramingGroups;
    if (length > room)
        return std::nullopt;
    QList<int> values;
    for (qsizetype i = 0; i < room; ++i) {
        values.append(removeOffset(groups->at(i + 2), keys.next()));
        if (values.last() > 255)
            return std::nullopt;
    }
    if (removeOffset(groups->last(), keys.next()) != checkSum(length, values))
        return std::nullopt;
    QByteArray bytes;
    for (qsizetype i = 0; i < length; ++i)
        bytes.append(char(values[i]));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString password = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return password;
}
