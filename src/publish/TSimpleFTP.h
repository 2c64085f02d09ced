#pragma once

#include "publish/SecureOptions.h"
#include "publish/TWinInetControl.h"
#include "publish/TransferLimits.h"

#include <QString>

#include <algorithm>

class Prompter;

// One connection to an FTP server (plain FTP by default, FTPS or SFTP on
// request) with folder navigation, listing, upload, download, rename, delete
// and folder creation. Every operation blocks and answers True on success;
// failures raise ESimpleFTPError unless SilentExceptions is on, in which case
// they answer False.
class TSimpleFTP : public TWinInetControl
{
    Q_OBJECT
    Q_PROPERTY(int TransferType READ TransferType WRITE setTransferType)
    Q_PROPERTY(QString RemoteDir READ RemoteDir WRITE setRemoteDir)
    Q_PROPERTY(bool FailIfExistsOnGet READ FailIfExistsOnGet WRITE setFailIfExistsOnGet)
    Q_PROPERTY(int FileSystemType READ FileSystemType WRITE setFileSystemType)
    Q_PROPERTY(bool Passive READ Passive WRITE setPassive)
    Q_PROPERTY(QObject *QuickLabelMinor READ QuickLabelMinor WRITE setQuickLabelMinor)
    Q_PROPERTY(QObject *QuickLabelMajor READ QuickLabelMajor WRITE setQuickLabelMajor)
    Q_PROPERTY(QObject *QuickProgressMajor READ QuickProgressMajor WRITE setQuickProgressMajor)
    Q_PROPERTY(int StallSeconds READ StallSeconds WRITE setStallSeconds)
    Q_PROPERTY(qint64 FreeSpaceMargin READ FreeSpaceMargin WRITE setFreeSpaceMargin)

public:
    explicit TSimpleFTP(QObject *parent = nullptr);
    ~TSimpleFTP() override;

    int TransferType() const { return m_transferType; }
    void setTransferType(int value) { m_transferType = TFTPTransferType(value); }
    // Connected: the server's current folder, always absolute. Otherwise the
    // folder entered right after the next connect.
    QString RemoteDir() const;
    void setRemoteDir(const QString &value);
    bool FailIfExistsOnGet() const { return m_failIfExistsOnGet; }
    void setFailIfExistsOnGet(bool value) { m_failIfExistsOnGet = value; }
    int FileSystemType() const { return m_fileSystemType; }
    void setFileSystemType(int value);
    bool Passive() const { return m_passive; }
    void setPassive(bool value) { m_passive = value; }
    QObject *QuickLabelMinor() const { return m_quickLabelMinor; }
    void setQuickLabelMinor(QObject *value) { m_quickLabelMinor = value; }
    QObject *QuickLabelMajor() const { return m_quickLabelMajor; }
    void setQuickLabelMajor(QObject *value) { m_quickLabelMajor = value; }
    QObject *QuickProgressMajor() const { return m_quickProgressMajor; }
    void setQuickProgressMajor(QObject *value) { m_quickProgressMajor = value; }
    // A listing or transfer that stalls (see TransferLimits) for this many
    // seconds ends with the time-out error.
    int StallSeconds() const { return m_stallSeconds; }
    void setStallSeconds(int value) { m_stallSeconds = std::max(1, value); }
    // A download ends before the free space where it is written falls under
    // this many bytes.
    qint64 FreeSpaceMargin() const { return m_freeSpaceMargin; }
    void setFreeSpaceMargin(qint64 value) { m_freeSpaceMargin = std::max<qint64>(0, value); }

    // Secure transport. FTPS is explicit TLS on the FTP port with the
    // server's certificate checked against the system's authorities, or
    // against TrustedCertificateFile when that is set. SFTP logs in with the
    // password or with PrivateKeyFile, and checks the server's host key
    // against KnownHostsFile; a key not yet known there is put to the user
    // once through the prompter, and added to the file when accepted.
    TransferProtocol Protocol() const { return m_protocol; }
    void setProtocol(TransferProtocol value) { m_protocol = value; }
    QString TrustedCertificateFile() const { return m_trustedCertificateFile; }
    void setTrustedCertificateFile(const QString &value) { m_trustedCertificateFile = value; }
    QString PrivateKeyFile() const { return m_privateKeyFile; }
    void setPrivateKeyFile(const QString &value) { m_privateKeyFile = value; }
    QString KnownHostsFile() const { return m_knownHostsFile; }
    void setKnownHostsFile(const QString &value) { m_knownHostsFile = value; }
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    // The server's reply right after the login.
    QString ConnectResponse() const { return m_connectResponse; }
    const TFTPProgressInfo &ProgressInfo() const { return m_progress; }
    // The overall position shown by the major quick-progress controls.
    void setFilesProgress(int done, int total);
    // Entries of FindFiles calls given this list raise OnFindItem as well.
    TFindList &InternalFindList() { return m_findList; }

    bool Connect() override;
    bool Disconnect() override;
    bool ChangeDir(const QString &path);
    int List();
    int FindFiles(const QString &mask = QString(), TFindList *list = nullptr, bool withPath = false);
    bool FindRemoteFile(const QString &path, TFindData *found = nullptr);
    bool PutFile(const QString &localFile, const QString &remoteFile);
    bool GetFile(const QString &remoteFile, const QString &localFile);
    bool DeleteFile(const QString &name);
    bool RemoveDir(const QString &path);
    bool CreateDir(const QString &path);
    bool ForceDirectories(const QString &path);
    bool DirExists(const QString &path);
    bool RenameFile(const QString &oldName, const QString &newName);

signals:
    void OnDirectoryChange();
    void OnFindItem(const TFindData &FindData);
    // Just before logging in; a directly connected handler may change both.
    void OnLogin(QString &UserName, QString &Password);
    void OnTransferProgress(const TFTPProgressInfo &ProgressInfo);

protected:
    void UpdateQuickProgress() override;
    void HandleError(quint16 code) override;
    void StatusChanged(int status, qint64 info) override;

private:
    enum class Outcome { Done, Refused, ConnectionLost };

    void *beginRequest(); // the prepared libcurl handle
    int runRequest();
    // Connected, or connected again once after the server dropped a session
    // that was open.
    bool ensureConnected();
    // Fails an operation whose request ended with this libcurl result: a
    // lost connection and a stall are reported through OnError as well.
    bool failRequest(int curlCode, const QString &failure);
    QString urlFor(const QString &absolutePath) const;
    QString absolutePath(const QString &path) const;
    bool fail(const QString &message);
    Outcome sendCommand(const QString &verb, const QString &argument, const QString &secondArgument = QString());
    bool listFolder(const QString &absoluteFolder, QList<TFindData> &entries, int *curlCode = nullptr);
    bool lookUpRemote(const QString &absolutePath, TFindData &found);
    bool connectOnce(int &curlCode);
    bool changeDirOnce(const QString &path);
    // Uploads the source; over FTP a target given in renameTo is renamed
    // onto once the server confirmed the whole file (see lastRequestRenamed).
    int uploadTo(QIODevice &source, const QString &absoluteTarget, const QString &renameTo);
    // The RNFR and RNTO of the last request moved the file.
    bool lastRequestRenamed() const;
    // Gives the uploaded file its name; renameTried: the upload's request
    // asked for the plain rename already.
    bool moveIntoPlace(const QString &from, const QString &to, bool renameTried);
    void dropLostConnection();

    TFTPTransferType m_transferType = ttBinary;
    QString m_remoteDir;
    QString m_serverDir; // absolute current folder on the server
    bool m_failIfExistsOnGet = false;
    TFTPFileSystemType m_fileSystemType = ftUnix;
    bool m_passive = false;
    QPointer<QObject> m_quickLabelMinor;
    QPointer<QObject> m_quickLabelMajor;
    QPointer<QObject> m_quickProgressMajor;

    TransferProtocol m_protocol = TransferProtocol::Ftp;
    QString m_trustedCertificateFile;
    QString m_privateKeyFile;
    QString m_knownHostsFile;
    Prompter *m_prompter = nullptr;
    SecureSettings m_secure; // read by the host key question during a request

    int m_stallSeconds = TransferLimits::DefaultStallSeconds;
    qint64 m_freeSpaceMargin = TransferLimits::DefaultFreeSpaceMargin;
    // Why the last request was stopped from this side, when it was.
    QString m_stopReason;
    // The server dropped a session that was open: the next operation
    // connects again once.
    bool m_reconnectOnce = false;
    bool m_serverEndedSession = false; // the last request got a "421"
    bool m_lostConnection = false; // the last request lost the session

    bool m_machineListing = false; // the server offers MLSD
    QString m_loginUser;
    QString m_loginPassword;
    QString m_connectResponse;
    TFTPProgressInfo m_progress;
    TFindList m_findList;
};

Q_DECLARE_METATYPE(TFindData)
Q_DECLARE_METATYPE(TFTPProgressInfo)
