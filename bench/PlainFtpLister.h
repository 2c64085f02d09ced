#pragma once

// The least a client can do for a listing on a logged-in connection: PASV, a
// data connection, MLSD, read to the end, the closing reply. Timed beside the
// component, it shows what the server and the loopback cost on their own.
#include <QByteArray>
#include <QRegularExpression>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

class PlainFtpLister
{
public:
    PlainFtpLister() = default;
    PlainFtpLister(const PlainFtpLister &) = delete;
    PlainFtpLister &operator=(const PlainFtpLister &) = delete;
    ~PlainFtpLister()
    {
        if (m_control >= 0)
            ::close(m_control);
    }

    bool login(int port, const QByteArray &user, const QByteArray &password)
    {
        m_control = connectTo(port);
        return m_control >= 0 && reply() == 220 && send("USER " + user) && reply() == 331 && send("PASS " + password)
            && reply() == 230;
    }

    // Bytes of the listing, or -1.
    qsizetype list(const QByteArray &folder)
    {
        QByteArray passive;
        if (!send("PASV") || reply(&passive) != 227)
            return -1;
        const auto m = QRegularExpression(QStringLiteral(R"(\d+,\d+,\d+,\d+,(\d+),(\d+))")).match(QString::fromLatin1(passive));
        if (!m.hasMatch())
            return -1;
        const int data = connectTo(m.captured(1).toInt() * 256 + m.captured(2).toInt());
        if (data < 0)
            return -1;
        qsizetype bytes = 0;
        const int opened = send("MLSD " + folder) ? reply() : 0;
        if (opened == 125 || opened == 150) {
            char chunk[16384];
            ssize_t got;
            while ((got = ::read(data, chunk, sizeof chunk)) > 0)
                bytes += got;
        }
        ::close(data);
        return (opened == 125 || opened == 150) && reply() == 226 ? bytes : -1;
    }

private:
    static int connectTo(int port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    bool send(const QByteArray &command)
    {
        const QByteArray line = command + "\r\n";
        return ::write(m_control, line.constData(), size_t(line.size())) == line.size();
    }

    // The code of the next final reply line ("123 text"); 0 when the
    // connection ends first.
    int reply(QByteArray *text = nullptr)
    {
        for (;;) {
            qsizetype end;
            while ((end = m_buffer.indexOf("\r\n")) >= 0) {
                const QByteArray line = m_buffer.left(end);
                m_buffer.remove(0, end + 2);
                if (line.size() >= 4 && line[3] == ' ') {
                    if (text)
                        *text = line;
                    return line.left(3).toInt();
                }
            }
            char chunk[4096];
            const ssize_t got = ::read(m_control, chunk, sizeof chunk);
            if (got <= 0)
                return 0;
            m_buffer.append(chunk, got);
        }
    }

    int m_control = -1;
    QByteArray m_buffer;
};
