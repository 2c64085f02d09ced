#pragma once

#include "publish/FtpErrors.h"
#include "publish/FtpTypes.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class CurlSession;

// Owns the session with the server's network stack, tracks the connection
// state and turns states and error codes into the program's texts.
//
// Every call blocks the calling thread; while one runs, the thread's pending
// events are processed, so a window stays responsive and its stop command can
// call Abort. All signals are emitted on the component's own thread.
class TWinInetControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(quint32 ConnectRetries READ ConnectRetries WRITE setConnectRetries)
    Q_PROPERTY(bool EnableCache READ EnableCache WRITE setEnableCache)
    Q_PROPERTY(QString HostName READ HostName WRITE setHostName)
    Q_PROPERTY(QString UserName READ UserName WRITE setUserName)
    Q_PROPERTY(QString Password READ Password WRITE setPassword)
    Q_PROPERTY(int Port READ Port WRITE setPort)
    Q_PROPERTY(QString ProxyName READ ProxyName WRITE setProxyName)
    Q_PROPERTY(QStringList ProxyBypassList READ ProxyBypassList WRITE setProxyBypassList)
    Q_PROPERTY(bool QuickProgress READ QuickProgress WRITE setQuickProgress)
    Q_PROPERTY(QObject *QuickProgressMinor READ QuickProgressMinor WRITE setQuickProgressMinor)
    Q_PROPERTY(QObject *QuickStatus READ QuickStatus WRITE setQuickStatus)
    Q_PROPERTY(quint32 ConnectTimeout READ ConnectTimeout WRITE setConnectTimeout)
    Q_PROPERTY(int ResolveNames READ ResolveNames WRITE setResolveNames)
    Q_PROPERTY(bool SilentExceptions READ SilentExceptions WRITE setSilentExceptions)

public:
    explicit TWinInetControl(QObject *parent = nullptr);
    ~TWinInetControl() override;

    quint32 ConnectRetries() const { return m_connectRetries; }
    void setConnectRetries(quint32 value) { m_connectRetries = value; }
    // Without the cache listings and downloads always go to the server; this
    // transport keeps no cache, so both settings behave alike.
    bool EnableCache() const { return m_enableCache; }
    void setEnableCache(bool value) { m_enableCache = value; }
    QString HostName() const { return m_hostName; }
    void setHostName(const QString &value) { m_hostName = value; }
    QString UserName() const { return m_userName; }
    void setUserName(const QString &value) { m_userName = value; }
    QString Password() const { return m_password; }
    void setPassword(const QString &value) { m_password = value; }
    int Port() const { return m_port; }
    void setPort(int value) { m_port = quint16(value); }
    QString ProxyName() const { return m_proxyName; }
    void setProxyName(const QString &value) { m_proxyName = value; }
    // Servers reached directly although ProxyName is used; see bypassesProxy.
    QStringList ProxyBypassList() const { return m_proxyBypassList; }
    void setProxyBypassList(const QStringList &value) { m_proxyBypassList = value; }
    bool QuickProgress() const { return m_quickProgress; }
    void setQuickProgress(bool value) { m_quickProgress = value; }
    // Progress bars and labels are driven through their "value", "maximum"
    // and "text" properties, a status bar through its showMessage slot, so
    // that this engine class needs no widget headers.
    QObject *QuickProgressMinor() const { return m_quickProgressMinor; }
    void setQuickProgressMinor(QObject *value) { m_quickProgressMinor = value; }
    QObject *QuickStatus() const { return m_quickStatus; }
    void setQuickStatus(QObject *value) { m_quickStatus = value; }
    // Milliseconds; 0 stands for the default of five minutes.
    quint32 ConnectTimeout() const { return m_connectTimeout; }
    void setConnectTimeout(quint32 value) { m_connectTimeout = value == 0 ? DefaultConnectTimeout : value; }
    int ResolveNames() const { return m_resolveNames; }
    void setResolveNames(int value) { m_resolveNames = TResolveNames(value); }
    bool SilentExceptions() const { return m_silentExceptions; }
    void setSilentExceptions(bool value) { m_silentExceptions = value; }

    TWinInetState State() const { return m_state; }
    bool Connected() const { return m_state == fsConnected; }

    virtual bool Connect();
    virtual bool Disconnect();
    // Ends a running call within a fraction of a second and leaves the
    // component disconnected; the ended call gives False. Safe to call from a
    // handler that runs inside the call. From another thread it only asks for
    // the end; the component's own thread then disconnects.
    void Abort();
    bool SetState(TWinInetState newState);

    QString StateText(TWinInetState state) const;
    QString ErrorText(quint16 code) const;
    QString LastResponse() const;

    static constexpr quint32 DefaultConnectTimeout = 300000;
    static constexpr quint32 DefaultConnectRetries = 3;

signals:
    void OnConnected();
    void OnStateChange(TWinInetState NewState);
    void OnError(quint16 Err);
    void OnDisconnected();

protected:
    virtual void UpdateQuickProgress() = 0;
    virtual void HandleError(quint16 code);
    // Status codes of the platform's Internet API: 10/11 resolving and
    // resolved, 20/21 connecting and connected, 31/41 bytes sent and
    // received (info = byte count), 50/51 closing and closed.
    virtual void StatusChanged(int status, qint64 info);

    CurlSession *session() const { return m_session.get(); }
    bool busy() const { return m_busy; }
    void setBusy(bool value) { m_busy = value; }
    bool destroying() const { return m_destroying; }
    void setDestroying() { m_destroying = true; }
    void processPendingEvents();

private:
    quint32 m_connectRetries = DefaultConnectRetries;
    bool m_enableCache = false;
    QString m_hostName;
    QString m_userName;
    QString m_password;
    quint16 m_port = 21;
    QString m_proxyName;
    QStringList m_proxyBypassList;
    bool m_quickProgress = false;
    QPointer<QObject> m_quickProgressMinor;
    QPointer<QObject> m_quickStatus;
    quint32 m_connectTimeout = DefaultConnectTimeout;
    TResolveNames m_resolveNames = rnLocal;
    bool m_silentExceptions = true;

    TWinInetState m_state = fsNoconnection;
    std::unique_ptr<CurlSession> m_session;
    bool m_busy = false;
    bool m_destroying = false;
};

Q_DECLARE_METATYPE(TWinInetState)
