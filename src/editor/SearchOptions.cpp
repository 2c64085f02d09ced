#include "editor/SearchOptions.h"

namespace {

// Direction values as they sit in the flag word's low two bits.
constexpr int ForwardBits = 0;
constexpr int WholeTextBits = 1;
constexpr int BackwardBits = 2;
constexpr int WholeWordBit = 4;
constexpr int MatchCaseBit = 8;

} // namespace

SearchOptions SearchOptions::fromFlags(int flags)
{
    SearchOptions o;
    switch (flags & 3) {
    case BackwardBits:
        o.direction = Backward;
        break;
    case WholeTextBits:
        o.direction = WholeText;
        break;
    default:
        o.direction = Forward;
        break;
    }
    o.wholeWord = (flags & WholeWordBit) != 0;
    o.matchCase = (flags & MatchCaseBit) != 0;
    return o;
}

int SearchOptions::toFlags() const
{
    int flags = direction == Backward ? BackwardBits : direction == WholeText ? WholeTextBits : ForwardBits;
    if (wholeWord)
        flags |= WholeWordBit;
    if (matchCase)
        flags |= MatchCaseBit;
    return flags;
}

QString SearchOptions::fitText(const QString &text)
{
    // Cut by characters, never inside a surrogate pair.
    int characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            continue;
        if (characters == MaxTextLength)
            return text.left(i);
        ++characters;
    }
    return text;
}
