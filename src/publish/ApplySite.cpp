#include "publish/ApplySite.h"

#include "publish/SiteRecord.h"
#include "publish/TSimpleFTP.h"

#include <QDir>

namespace {

// The window's list of transfer types: "Binær", "ASCII", "Ukendt".
TFTPTransferType transferTypeOf(int listIndex)
{
    switch (listIndex) {
    case 1:
        return ttAscii;
    case 2:
        return ttUnknown;
    default:
        return ttBinary;
    }
}

// The window's list of file systems: "Unix", "Ukendt".
TFTPFileSystemType fileSystemOf(int listIndex)
{
    return listIndex == 1 ? ftUnknown : ftUnix;
}

} // namespace

void applySite(const SiteRecord &site, const QString &password, TSimpleFTP &ftp)
{
    ftp.setHostName(site.server.trimmed());
    ftp.setUserName(site.user);
    ftp.setPassword(password);
    ftp.setRemoteDir(site.startFolder);
    ftp.setProxyName(site.proxy);
    ftp.setPassive(site.passive);
    ftp.setPort(site.port);
    ftp.setTransferType(transferTypeOf(site.transferType));
    ftp.setFileSystemType(fileSystemOf(site.fileSystem));
    ftp.setProtocol(site.protocol);
    const bool ftps = site.protocol == TransferProtocol::Ftps;
    const bool sftp = site.protocol == TransferProtocol::Sftp;
    ftp.setTrustedCertificateFile(ftps ? site.trustedCertificateFile : QString());
    ftp.setPrivateKeyFile(sftp ? site.privateKeyFile : QString());
    ftp.setKnownHostsFile(sftp ? knownHostsFile() : QString());
}

QString knownHostsFile()
{
    return QDir::home().filePath(QStringLiteral(".ssh/known_hosts"));
}
