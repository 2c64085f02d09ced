#include "publish/TWinInetControl.h"

#include "publish/CurlSession.h"

#include <QCoreApplication>
#include <QThread>

TWinInetControl::TWinInetControl(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<TWinInetState>("TWinInetState");
}

TWinInetControl::~TWinInetControl() = default;

bool TWinInetControl::Connect()
{
    if (Connected())
        return true;
    if (!m_session) {
        m_session = std::make_unique<CurlSession>();
        m_session->idle = [this] { processPendingEvents(); };
    }
    return false;
}

bool TWinInetControl::Disconnect()
{
    if (m_busy) {
        // A handler inside a running call: that call ends and closes the
        // session when control returns to it.
        Abort();
        return true;
    }
    if (m_session) {
        if (!m_destroying && m_state != fsNoconnection)
            StatusChanged(50, 0);
        m_session->close();
        m_session.reset();
    }
    if (!m_destroying && SetState(fsNoconnection))
        emit OnDisconnected();
    return true;
}

void TWinInetControl::Abort()
{
    if (QThread::currentThread() != thread()) {
        if (m_session)
            m_session->requestAbort();
        return;
    }
    if (m_busy) {
        m_session->requestAbort();
        if (SetState(fsNoconnection))
            emit OnDisconnected();
        return;
    }
    Disconnect();
}

bool TWinInetControl::SetState(TWinInetState newState)
{
    if (m_state == newState)
        return false;
    m_state = newState;
    emit OnStateChange(newState);
    if (m_quickProgress && m_quickStatus)
        QMetaObject::invokeMethod(m_quickStatus, "showMessage", Q_ARG(QString, StateText(newState)));
    return true;
}

QString TWinInetControl::StateText(TWinInetState state) const
{
    return ::StateText(state, m_hostName);
}

QString TWinInetControl::ErrorText(quint16 code) const
{
    return ::ErrorText(code, m_hostName, m_userName);
}

QString TWinInetControl::LastResponse() const
{
    const QString text = m_session ? m_session->lastReply() : QString();
    return text.isEmpty() ? QStringLiteral("Ingen fejlbeskrivelse tilgængelig") : text;
}

void TWinInetControl::HandleError(quint16 code)
{
    SetState(fsNoconnection);
    emit OnError(code);
    if (!m_silentExceptions)
        throw EWinInetError(ErrorText(code));
}

void TWinInetControl::StatusChanged(int status, qint64)
{
    switch (status) {
    case 10:
        SetState(fsResolvingName);
        break;
    case 11:
        SetState(fsNameResolved);
        break;
    case 20:
        SetState(fsConnecting);
        break;
    case 21:
        SetState(fsConnected);
        break;
    case 50:
        SetState(fsDisconnecting);
        break;
    case 51:
        if (!m_destroying && SetState(fsNoconnection))
            emit OnDisconnected();
        break;
    default:
        break;
    }
}

void TWinInetControl::processPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
