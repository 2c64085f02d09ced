#pragma once

#include "publish/FtpTypes.h"

#include <QString>

// One saved connection of the publishing window, keyed by its title. The
// list indexes are those of the window's lists: transferType 0 "Binær",
// 1 "ASCII", 2 "Ukendt"; fileSystem 0 "Unix", 1 "Ukendt".
struct SiteRecord
{
    QString title;
    QString server;
    QString startFolder;
    QString user;
    // Kept only while savePassword is set; empty otherwise.
    QString password;
    bool savePassword = true;
    bool passive = false;
    QString proxy;
    int transferType = 0;
    int fileSystem = 0;
    int port = 21;
    TransferProtocol protocol = TransferProtocol::Ftp;
    QString trustedCertificateFile; // FTPS: empty trusts the system's authorities
    QString privateKeyFile; // SFTP: empty logs in with the password

    bool operator==(const SiteRecord &) const = default;
};

// The port a protocol uses unless told otherwise: FTPS is explicit TLS on the
// FTP port.
int defaultPort(TransferProtocol protocol);
