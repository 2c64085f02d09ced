#include "editor/ItemScanner.h"

#include <cstring>

namespace ItemScanner {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool startsWithNoCase(const char *p, const char *end, const char *word)
{
    for (; *word; ++word, ++p) {
        if (p >= end)
            return false;
        char c = *p;
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != *word)
            return false;
    }
    return true;
}

} // namespace

void scan(const char *text, qsizetype size, State start, const QByteArray &openItemWord, bool multilineItems, Result &result)
{
    result.runs.clear();
    result.lineEnds.clear();
    result.enclosingWords.clear();
    const char *const end = text + size;
    State state = start;
    QByteArray itemWord = openItemWord;
    qsizetype runStart = 0;
    RunKind runKind = RunKind::Text;

    const auto kindFor = [](State s) {
        switch (s) {
        case State::Outside:
            return RunKind::Text;
        case State::InDoubleQuotes:
            return RunKind::DoubleQuoted;
        case State::InSingleQuotes:
            return RunKind::SingleQuoted;
        case State::InComment:
        case State::InServerScript:
        case State::InPhp:
            return RunKind::Enclosed;
        case State::InTag:
            break;
        }
        return RunKind::Punctuation;
    };
    const auto closeRun = [&](qsizetype upTo, RunKind next) {
        if (next == runKind && (next == RunKind::Text || next == RunKind::Punctuation))
            return; // the run goes on
        if (upTo > runStart) {
            result.runs.append(Run{runStart, upTo - runStart, runKind});
            if (runKind == RunKind::Enclosed)
                result.enclosingWords.append(itemWord);
        }
        runStart = upTo;
        runKind = next;
    };
    runKind = kindFor(state);

    const char *p = text;
    while (p < end) {
        const char c = *p;
        // "\r\n", "\n" and a lone "\r" each end a line.
        if (c == '\n' || (c == '\r' && (p + 1 == end || p[1] != '\n'))) {
            ++p;
            if (!multilineItems && state != State::Outside) {
                closeRun(p - text, RunKind::Text);
                state = State::Outside;
            }
            result.lineEnds.append(state);
            continue;
        }
        switch (state) {
        case State::Outside: {
            if (c != '<') {
                ++p;
                break;
            }
            const char *word = p + 1;
            const char *wordEnd = word;
            State next = State::InTag;
            if (startsWithNoCase(word, end, "!--")) {
                wordEnd = word + 3;
                next = State::InComment;
            } else if (word < end && *word == '%') {
                wordEnd = word + 1;
                next = State::InServerScript;
            } else if (startsWithNoCase(word, end, "?php")) {
                wordEnd = word + 4;
                next = State::InPhp;
            } else if (word < end && *word == '?') {
                wordEnd = word + 1;
                next = State::InPhp;
            } else {
                if (word < end && *word == '/')
                    ++word;
                wordEnd = word;
                while (wordEnd < end && !isBlank(*wordEnd) && *wordEnd != '>' && *wordEnd != '/' && *wordEnd != '<'
                       && *wordEnd != '"' && *wordEnd != '\'' && *wordEnd != '=')
                    ++wordEnd;
            }
            itemWord = QByteArray(word, wordEnd - word);
            state = next;
            // The "<" of a comment or script takes the colours of all of it.
            closeRun(p - text, kindFor(state) == RunKind::Enclosed ? RunKind::Enclosed : RunKind::Punctuation);
            if (wordEnd > word) {
                closeRun(word - text, RunKind::FirstWord);
                closeRun(wordEnd - text, kindFor(state));
            }
            p = wordEnd;
            break;
        }
        case State::InTag:
            if (c == '>') {
                closeRun(p - text, RunKind::Punctuation);
                ++p;
                closeRun(p - text, RunKind::Text);
                state = State::Outside;
            } else if (c == '"' || c == '\'') {
                state = c == '"' ? State::InDoubleQuotes : State::InSingleQuotes;
                closeRun(p - text, kindFor(state));
                ++p;
            } else if (isBlank(c) || c == '=' || c == '/' || c == '<') {
                if (runKind != RunKind::Punctuation)
                    closeRun(p - text, RunKind::Punctuation);
                ++p;
            } else {
                if (runKind != RunKind::Word)
                    closeRun(p - text, RunKind::Word);
                ++p;
            }
            break;
        case State::InDoubleQuotes:
        case State::InSingleQuotes:
            ++p;
            if (c == (state == State::InDoubleQuotes ? '"' : '\'')) {
                closeRun(p - text, RunKind::Punctuation);
                state = State::InTag;
            }
            break;
        case State::InComment:
        case State::InServerScript:
        case State::InPhp: {
            const char *close = state == State::InComment ? "-->" : state == State::InServerScript ? "%>" : "?>";
            const size_t closeLength = std::strlen(close);
            if (static_cast<size_t>(end - p) >= closeLength && std::memcmp(p, close, closeLength) == 0) {
                p += closeLength;
                closeRun(p - text, RunKind::Text);
                state = State::Outside;
            } else {
                ++p;
            }
            break;
        }
        }
    }
    if (size > runStart) {
        result.runs.append(Run{runStart, size - runStart, runKind});
        if (runKind == RunKind::Enclosed)
            result.enclosingWords.append(itemWord);
    }
    result.end = state;
}

qsizetype resyncPoint(const char *text, qsizetype position, qsizetype lookBack)
{
    const qsizetype stop = position > lookBack ? position - lookBack : 0;
    for (qsizetype i = position - 1; i >= stop; --i) {
        if (text[i] == '>')
            return position;
        if (text[i] == '<')
            return i;
    }
    return position;
}

} // namespace ItemScanner
