#include "publish/FtpErrors.h"

#include <curl/curl.h>

QString StateText(TWinInetState state, const QString &hostName)
{
    switch (state) {
    case fsDisconnecting:
        return QStringLiteral("Afbryder forbindelsen til %1").arg(hostName);
    case fsNoconnection:
        return QStringLiteral("Ikke forbundet");
    case fsConnecting:
        return QStringLiteral("Etablerer forbindelse til %1").arg(hostName);
    case fsConnected:
        return QStringLiteral("Forbundet til %1").arg(hostName);
    case fsResolvingName:
        return QStringLiteral("Leder efter %1").arg(hostName);
    case fsNameResolved:
        return QStringLiteral("%1 fundet").arg(hostName);
    }
    return {};
}

QString ErrorText(quint16 code, const QString &hostName, const QString &userName)
{
    switch (code) {
    case InternetError::Timeout:
        return QStringLiteral("Forbindelsen til %1 udløbet").arg(hostName);
    case InternetError::InternalError:
        return QStringLiteral("Intern WININET fejl");
    case InternetError::NameNotResolved:
        return QStringLiteral("Kan ikke finde '%1'. Tjek, at du er forbundet til Internet").arg(hostName);
    case InternetError::IncorrectUserName:
        return QStringLiteral("Forkert brugernavn: '%1' etablerer forbindelse til %2").arg(userName, hostName);
    case InternetError::IncorrectPassword:
        return QStringLiteral("Forkert adgangskode til %1").arg(hostName);
    case InternetError::LoginFailure:
    case InternetError::CannotConnect:
        return QStringLiteral("Kan ikke forbinde til %1").arg(hostName);
    case InternetError::InvalidCertificate:
        return QStringLiteral("Certifikatet fra %1 blev afvist: det er ikke udstedt af en udsteder, som der stoles på, "
                              "det er udløbet, eller det gælder et andet navn")
            .arg(hostName);
    default:
        return QStringLiteral("Generel forbindelsesfejl %1").arg(hostName);
    }
}

// libcurl result of a connect            -> Internet error code
// ---------------------------------------------------------------------------
// 28 OPERATION_TIMEDOUT                  -> 12002 time-out
// 1 UNSUPPORTED_PROTOCOL, 2 FAILED_INIT,
// 4 NOT_BUILT_IN, 27 OUT_OF_MEMORY,
// 43 BAD_FUNCTION_ARGUMENT, 48 UNKNOWN_OPTION -> 12004 internal error
// 5 COULDNT_RESOLVE_PROXY,
// 6 COULDNT_RESOLVE_HOST                 -> 12007 name not resolved
// 67 LOGIN_DENIED after USER             -> 12013 incorrect user name
// 67 LOGIN_DENIED after PASS, or over
//    SFTP (key or password refused)      -> 12014 incorrect password
// 7 COULDNT_CONNECT                      -> 12029 cannot connect
// 8 WEIRD_SERVER_REPLY, 52 GOT_NOTHING,
// 55 SEND_ERROR, 56 RECV_ERROR           -> 12030 connection aborted (general text)
// 42 ABORTED_BY_CALLBACK                 -> 12017 cancelled (general text)
// 60 PEER_FAILED_VERIFICATION over TLS -> 12045 certificate refused
// 35 SSL_CONNECT_ERROR, 60 PEER_FAILED_
//    VERIFICATION (SSH), 64 USE_SSL_FAILED,
//    77 SSL_CACERT_BADFILE, 83 SSL_ISSUER_
//    ERROR, 79 SSH, 51 (old peer check)  -> 12157 secure channel (general text)
// 9 REMOTE_ACCESS_DENIED and 11..17 odd
//    replies during login                -> 12015 login failure
// anything else                          -> 12003 extended error (general text)
quint16 internetErrorForCurl(int curlCode, RefusedLoginStep refused, bool tls)
{
    if (curlCode == CURLE_PEER_FAILED_VERIFICATION && tls)
        return InternetError::InvalidCertificate;
    switch (curlCode) {
    case CURLE_OPERATION_TIMEDOUT:
        return InternetError::Timeout;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_FAILED_INIT:
    case CURLE_NOT_BUILT_IN:
    case CURLE_OUT_OF_MEMORY:
    case CURLE_BAD_FUNCTION_ARGUMENT:
    case CURLE_UNKNOWN_OPTION:
        return InternetError::InternalError;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
        return InternetError::NameNotResolved;
    case CURLE_LOGIN_DENIED:
        return refused == RefusedLoginStep::User ? InternetError::IncorrectUserName : InternetError::IncorrectPassword;
    case CURLE_COULDNT_CONNECT:
        return InternetError::CannotConnect;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return InternetError::ConnectionAborted;
    case CURLE_ABORTED_BY_CALLBACK:
        return InternetError::OperationCancelled;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSH:
        return InternetError::SecureFailure;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_FTP_WEIRD_PASS_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_CANT_GET_HOST:
        return InternetError::LoginFailure;
    default:
        return InternetError::ExtendedError;
    }
}

bool curlResultLosesConnection(int curlCode)
{
    switch (curlCode) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_ABORTED_BY_CALLBACK:
    case CURLE_LOGIN_DENIED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSH:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_COULDNT_RESOLVE_HOST:
        return true;
    default:
        return false;
    }
}
