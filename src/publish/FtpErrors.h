#pragma once

#include "publish/FtpTypes.h"

#include <QString>

#include <stdexcept>

// The transport's failures carry only a message, which never holds a password.
class FtpException : public std::runtime_error
{
public:
    explicit FtpException(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A failed connect.
class EWinInetError : public FtpException
{
public:
    using FtpException::FtpException;
};

// A failed operation on an open connection (or one tried without it).
class ESimpleFTPError : public FtpException
{
public:
    using FtpException::FtpException;
};

// Error codes handed to OnError: the platform's Internet error numbers.
namespace InternetError {
constexpr quint16 Timeout = 12002;
constexpr quint16 ExtendedError = 12003;
constexpr quint16 InternalError = 12004;
constexpr quint16 NameNotResolved = 12007;
constexpr quint16 IncorrectUserName = 12013;
constexpr quint16 IncorrectPassword = 12014;
constexpr quint16 LoginFailure = 12015;
constexpr quint16 OperationCancelled = 12017;
constexpr quint16 CannotConnect = 12029;
constexpr quint16 ConnectionAborted = 12030;
constexpr quint16 InvalidCertificate = 12045;
constexpr quint16 SecureFailure = 12157;
} // namespace InternetError

QString StateText(TWinInetState state, const QString &hostName);
QString ErrorText(quint16 code, const QString &hostName, const QString &userName);

// Which login command the server refused, when the refusal came at login.
enum class RefusedLoginStep { None, User, Password };

// The Internet error code for a libcurl result of a connect; `tls` tells
// that a refused peer was refused for its certificate (not an SSH host key).
quint16 internetErrorForCurl(int curlCode, RefusedLoginStep refused, bool tls = false);

// Whether a libcurl result of an operation means the connection itself is
// gone (as opposed to the server refusing one command).
bool curlResultLosesConnection(int curlCode);
