#include "cli/Terminal.h"

#include <QByteArray>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

void ask(const QString &prompt)
{
    const QByteArray bytes = prompt.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

std::optional<QString> readLine()
{
    QByteArray line;
    for (int c = std::getchar(); c != '\n'; c = std::getchar()) {
        if (c == EOF)
            return line.isEmpty() ? std::nullopt : std::optional<QString>(QString::fromUtf8(line));
        line.append(char(c));
    }
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// Turns the terminal's echo off for its lifetime.
class EchoOff
{
public:
    EchoOff()
    {
        m_saved = tcgetattr(STDIN_FILENO, &m_old) == 0;
        if (!m_saved)
            return;
        termios quiet = m_old;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~EchoOff()
    {
        if (m_saved)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_old);
    }
    EchoOff(const EchoOff &) = delete;
    EchoOff &operator=(const EchoOff &) = delete;

private:
    termios m_old{};
    bool m_saved = false;
};

} // namespace

namespace Terminal {

bool available()
{
    return isatty(STDIN_FILENO) == 1;
}

std::optional<QString> readHidden(const QString &prompt)
{
    if (!available())
        return std::nullopt;
    std::optional<QString> line;
    {
        // Off before the prompt shows, so nothing typed after it is echoed.
        const EchoOff quiet;
        ask(prompt);
        line = readLine();
    }
    // The Enter the user typed was not echoed either.
    ask(QStringLiteral("\n"));
    return line;
}

std::optional<bool> confirm(const QString &question)
{
    if (!available())
        return std::nullopt;
    ask(question);
    const QString answer = readLine().value_or(QString()).trimmed().toLower();
    return answer == QLatin1String("j") || answer == QLatin1String("ja");
}

} // namespace Terminal
