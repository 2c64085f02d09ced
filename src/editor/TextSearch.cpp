#include "editor/TextSearch.h"

#include "editor/TextCharacters.h"

namespace {

bool isWordCharacterAround(QStringView text, qsizetype at, bool before)
{
    if (before) {
        if (at <= 0)
            return false;
        char32_t c = text.at(at - 1).unicode();
        if (text.at(at - 1).isLowSurrogate() && at >= 2 && text.at(at - 2).isHighSurrogate())
            c = QChar::surrogateToUcs4(text.at(at - 2), text.at(at - 1));
        return TextCharacters::isWordCharacter(c);
    }
    if (at >= text.size())
        return false;
    char32_t c = text.at(at).unicode();
    if (text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
        c = QChar::surrogateToUcs4(text.at(at), text.at(at + 1));
    return TextCharacters::isWordCharacter(c);
}

} // namespace

std::optional<qsizetype> findInText(QStringView text, QStringView what, qsizetype from, bool forward,
                                    const SearchOptions &options)
{
    if (what.isEmpty())
        return std::nullopt;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const auto wholeWordAt = [&](qsizetype at) {
        return !options.wholeWord
            || (!isWordCharacterAround(text, at, true) && !isWordCharacterAround(text, at + what.size(), false));
    };
    if (forward) {
        for (qsizetype at = text.indexOf(what, std::max<qsizetype>(0, from), cs); at >= 0; at = text.indexOf(what, at + 1, cs)) {
            if (wholeWordAt(at))
                return at;
        }
        return std::nullopt;
    }
    for (qsizetype at = from - what.size(); at >= 0; --at) {
        at = text.lastIndexOf(what, at, cs);
        if (at < 0)
            break;
        if (wholeWordAt(at))
            return at;
    }
    return std::nullopt;
}
