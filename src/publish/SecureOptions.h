#pragma once

#include <QString>

class Prompter;

// The libcurl options of the secure kinds of connection.
struct SecureSettings
{
    QString hostName;
    int port = 0;
    QString trustedCertificateFile; // FTPS: the authority file; empty: the system's
    QString privateKeyFile; // SFTP: key login when set
    QString knownHostsFile; // SFTP: the host keys already accepted
    Prompter *prompter = nullptr; // SFTP: asked about a host key not yet known
};

// Sets up explicit TLS on control and data connections, peer checked. Data
// never goes unprotected: on a libcurl that cannot protect active-mode data
// connections, they are made passive.
void applyFtpsOptions(void *curl, const SecureSettings &settings);
// Sets up SFTP login and the host key check. `settings` must outlive the
// request, since the host key question reads it.
void applySftpOptions(void *curl, const SecureSettings &settings);
