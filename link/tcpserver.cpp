#include "link/tcpserver.h"

#include "link/linkhost.h"
#include "link/linklog.h"
#include "link/linksettings.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex& registryLock()
{
    static QMutex lock;
    return lock;
}

QHash<int, QString>& registry()
{
    static QHash<int, QString> addresses;
    return addresses;
}

QString addressText(const QHostAddress& address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
}

} // namespace

namespace ConnectionRegistry {

void put(int socketDescriptor, const QString& address)
{
    QMutexLocker locker(&registryLock());
    registry().insert(socketDescriptor, address);
}

QString take(int socketDescriptor)
{
    QMutexLocker locker(&registryLock());
    return registry().take(socketDescriptor);
}

} // namespace ConnectionRegistry

MySocket::MySocket(int, QObject* parent)
    : QTcpSocket(parent)
    , m_engine(portEngine(this, CarrierTraits::tcp()))
{
}

void MySocket::sendData(QByteArray datatype, SharedTable datas) { m_engine.sendData(datatype, datas.data()); }

void MySocket::rcvData(QByteArray datatype) { m_engine.rcvData(datatype); }

ServerThread::ServerThread(int socketDescriptor, QObject* parent)
    : RelayThread("tcpthread", parent)
    , m_socketDescriptor(socketDescriptor)
{
}

ServerThread::~ServerThread()
{
    qCDebug(lcLink) << "close server thread";
    stop();
}

void ServerThread::run()
{
    MySocket socket(m_socketDescriptor);
    if (!socket.setSocketDescriptor(m_socketDescriptor, QAbstractSocket::ConnectedState, QIODevice::ReadWrite))
        return;
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const QString address = addressText(socket.peerAddress());
    ConnectionRegistry::put(m_socketDescriptor, address);

    // Wired before the connection is announced, so that a request sent the moment the host
    // sees the register already finds its socket.
    connect(&socket, &QTcpSocket::disconnected, this, &ServerThread::disconnectToHost);
    wirePort(&socket);
    emit sig_showconnect(address);

    exec();
    qCDebug(lcLink) << "close socket";
    socket.close();
}

void ServerThread::disconnectToHost()
{
    emit disconnectTCP(m_socketDescriptor);
    stop();
}

TcpServer::TcpServer(LinkHost* host, QObject* parent)
    : TcpServer(host, LinkSettings::load(), parent)
{
}

TcpServer::TcpServer(LinkHost* host, const LinkSettings& settings, QObject* parent)
    : TcpServer(host, settings.tcpAddress, settings.tcpPort, parent)
{
}

TcpServer::TcpServer(LinkHost* host, const QHostAddress& address, quint16 port, QObject* parent)
    : QTcpServer(parent)
    , m_host(host)
{
    if (!listen(address, port)) {
        m_listenError = QStringLiteral("%1:%2: %3").arg(address.toString()).arg(port).arg(errorString());
        qCDebug(lcLink) << "tcp listen failed" << m_listenError;
    }
}

TcpServer::~TcpServer()
{
    qCDebug(lcLink) << "close tcp server";
    close();
    const QList<ServerThread*> threads = findChildren<ServerThread*>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(threads);
}

void TcpServer::incomingConnection(qintptr socketDescriptor)
{
    auto* thread = new ServerThread(int(socketDescriptor), this);
    if (m_host) {
        connect(thread, &ServerThread::sig_showconnect, m_host, &LinkHost::showConnection);
        connect(thread, &ServerThread::disconnectTCP, m_host, &LinkHost::showDisconnection);
        thread->connectHost(m_host);
    }
    thread->start();
}
