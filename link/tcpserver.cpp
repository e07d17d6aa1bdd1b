#include "link/tcpserver.h"

#include "link/linkhost.h"
#include "link/linklog.h"

#include <QHash>
#include <QMutex>
#include <QNetworkInterface>
#include <QMutexLocker>

#include <atomic>

namespace {

constexpr int kListenBacklog = 512;

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

LinkSettings listeningOn(const QHostAddress& address, quint16 port)
{
    LinkSettings settings;
    settings.tcpAddress = address;
    settings.tcpPort = port;
    return settings;
}

} // namespace

namespace ConnectionRegistry {

void put(int connection, const QString& address)
{
    QMutexLocker locker(&registryLock());
    registry().insert(connection, address);
}

QString take(int connection)
{
    QMutexLocker locker(&registryLock());
    return registry().take(connection);
}

int count()
{
    QMutexLocker locker(&registryLock());
    return int(registry().size());
}

} // namespace ConnectionRegistry

MySocket::MySocket(int, QObject* parent)
    : QTcpSocket(parent)
    , m_engine(portEngine(this, CarrierTraits::tcp()))
{
    watchIdleInput(this, &m_engine);
}

QString MySocket::registerName() const { return addressText(peerAddress()); }

void MySocket::sendData(SharedRequest request, CancelToken cancel) { m_engine.sendData(*request, cancel); }

void MySocket::rcvData(QByteArray datatype, CancelToken cancel) { m_engine.rcvData(datatype, cancel); }

ServerThread::ServerThread(int socketDescriptor, QObject* parent)
    : RelayThread("tcpthread", parent)
    , m_socketDescriptor(socketDescriptor)
{
    static std::atomic<int> connections { 0 };
    m_connection = ++connections;
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

ServerThread::~ServerThread()
{
    qCDebug(lcLink) << "close server thread";
    stop();
    if (m_announced)
        ConnectionRegistry::take(m_connection);
}

void ServerThread::run()
{
    MySocket socket(m_socketDescriptor);
    if (!socket.setSocketDescriptor(m_socketDescriptor, QAbstractSocket::ConnectedState, QIODevice::ReadWrite))
        return;
    // A peer that reset the connection before it was taken up has no address any more; it
    // has ended already and is not announced.
    const QHostAddress peer = socket.peerAddress();
    if (peer.isNull()) {
        qCDebug(lcLink) << "connection ended before it was announced";
        return;
    }
    const QString address = addressText(peer);
    if (!m_allow.allows(peer)) {
        qCDebug(lcLink) << "connection refused" << address << "not in the allow-list";
        socket.abort();
        emit sig_refused(address, tr("not in [tcp] allow"));
        return;
    }
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // A register that vanished without a word (power cut, cable pulled) is found by the
    // system's keep-alive probes and ends its thread.
    socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);

    // Wired before the connection is announced, so that a request sent the moment the host
    // sees the register already finds its socket. The announcement goes through this
    // object's queue, so that it always comes before the disconnection.
    connect(&socket, &QTcpSocket::disconnected, this, &ServerThread::disconnectToHost);
    wirePort(&socket);
    QMetaObject::invokeMethod(this, [this, address] { announce(address); }, Qt::QueuedConnection);

    exec();
    qCDebug(lcLink) << "close socket";
    socket.close();
}

void ServerThread::announce(const QString& address)
{
    if (!startServing())
        return;
    ConnectionRegistry::put(m_connection, address);
    m_announced = true;
    setLinkName(address, QStringLiteral("tcp:") + address);
    emit sig_showconnect(address);
}

void ServerThread::disconnectToHost()
{
    if (m_announced) {
        m_announced = false;
        emit disconnectTCP(m_connection);
        // Gone from the registry also when the host did not take it.
        ConnectionRegistry::take(m_connection);
    }
    stop();
}

TcpServer::TcpServer(LinkHost* host, QObject* parent)
    : TcpServer(host, LinkSettings::load(), parent)
{
}

TcpServer::TcpServer(LinkHost* host, const QHostAddress& address, quint16 port, QObject* parent)
    : TcpServer(host, listeningOn(address, port), parent)
{
}

TcpServer::TcpServer(LinkHost* host, const LinkSettings& settings, QObject* parent)
    : QTcpServer(parent)
    , m_host(host)
    , m_settings(settings)
{
    // Room for a whole fleet connecting at once when the shop opens, and for a crowd of
    // peers to refuse, so that no register waits for the system's connection retry.
    setListenBacklogSize(qMax(kListenBacklog, m_settings.maxConnections));
    if (!listen(m_settings.tcpAddress, m_settings.tcpPort)) {
        m_listenError = QStringLiteral("%1:%2: %3")
                            .arg(m_settings.tcpAddress.toString())
                            .arg(m_settings.tcpPort)
                            .arg(errorString());
        qCDebug(lcLink) << "tcp listen failed" << m_listenError;
        const QString address = addressText(m_settings.tcpAddress);
        QString reason;
        switch (serverError()) {
        case QAbstractSocket::AddressInUseError:
            reason = tr("port %1 is taken by another program").arg(m_settings.tcpPort);
            break;
        case QAbstractSocket::SocketAddressNotAvailableError:
            reason = tr("%1 is not an address of this PC").arg(address);
            break;
        case QAbstractSocket::SocketAccessError:
            reason = tr("the system does not let it use port %1").arg(m_settings.tcpPort);
            break;
        default:
            reason = errorString();
            break;
        }
        const QString where = m_settings.tcpAddress == QHostAddress(QHostAddress::AnyIPv4)
                || m_settings.tcpAddress == QHostAddress(QHostAddress::Any)
            ? tr("port %1").arg(m_settings.tcpPort)
            : tr("%1, port %2").arg(address).arg(m_settings.tcpPort);
        m_listenFailure = tr("Tallvane cannot listen for registers on %1: %2.").arg(where, reason);
    }
}

QStringList TcpServer::listenAddresses() const
{
    const QHostAddress listening = serverAddress();
    if (listening != QHostAddress(QHostAddress::AnyIPv4) && listening != QHostAddress(QHostAddress::Any))
        return { addressText(listening) };
    QStringList addresses;
    QStringList loopback;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        (address.isLoopback() ? loopback : addresses) << addressText(address);
    }
    return addresses + loopback;
}

QString TcpServer::dialText() const
{
    const QStringList addresses = listenAddresses();
    QString list = addresses.value(0);
    if (addresses.size() > 1)
        //: "10.0.0.2, 10.0.0.3 or 127.0.0.1": the addresses registers may dial
        list = tr("%1 or %2")
                   .arg(QStringList(addresses.mid(0, addresses.size() - 1)).join(QStringLiteral(", ")),
                       addresses.last());
    return tr("%1, port %2").arg(list).arg(serverPort());
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
    if (m_connections >= m_settings.maxConnections) {
        refuse(socketDescriptor, tr("already %1 open ([tcp] maxConnections)").arg(m_settings.maxConnections));
        return;
    }
    auto* thread = new ServerThread(int(socketDescriptor), this);
    thread->setAllowList(m_settings.tcpAllow);
    ++m_connections;
    connect(thread, &QThread::finished, this, [this] { --m_connections; });
    connect(thread, &ServerThread::sig_refused, this, &TcpServer::connectionRefused);
    if (m_host) {
        connect(thread, &ServerThread::sig_showconnect, m_host, &LinkHost::showConnection);
        connect(thread, &ServerThread::disconnectTCP, m_host, &LinkHost::showDisconnection);
        thread->connectHost(m_host);
    }
    thread->start();
}

void TcpServer::refuse(qintptr socketDescriptor, const QString& reason)
{
    // Taken up on this thread only to learn the peer's address and to close it.
    QTcpSocket peer;
    const bool taken = peer.setSocketDescriptor(socketDescriptor);
    const QHostAddress address = peer.peerAddress();
    peer.abort();
    // A peer that has gone already needs no word.
    if (!taken || address.isNull())
        return;
    qCDebug(lcLink) << "connection refused" << addressText(address) << reason;
    emit connectionRefused(addressText(address), reason);
}
