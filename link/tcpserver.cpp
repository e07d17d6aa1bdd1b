#include "link/tcpserver.h"

#include "base/punctuation.h"
#include "link/linkhost.h"
#include "link/linklog.h"

#include <QHash>
#include <QMutex>
#include <QNetworkInterface>
#include <QMutexLocker>

#include <atomic>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>

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

// The socket's bytes for the engine. While a transfer runs, a frame goes out with one send on
// the socket's descriptor and its reply comes with one recv, which blocks for the engine's wait
// (the descriptor is blocking for the transfer, with the wait as its receive time-out).
// QTcpSocket's own way costs a switch of its write notifier on and off (each a wake-up of the
// thread's event dispatcher) and a poll and a count before every read, which with many
// registers at once costs more than the frames do. Whatever is out of the ordinary (a frame
// the system took only in part, a peer that closed or failed) ends the direct way for the rest
// of the transfer and goes the socket's way, which sees and reports it as it always does.
class TcpWire : public PortWire {
public:
    explicit TcpWire(QTcpSocket* socket)
        : PortWire(socket, [socket] { socket->flush(); })
        , m_socket(socket)
    {
    }

    void begin() override
    {
        const int fd = descriptor();
        const int flags = ::fcntl(fd, F_GETFL);
        m_direct = m_socket->state() == QAbstractSocket::ConnectedState && m_socket->bytesToWrite() == 0
            && flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
    }

    // The socket gets its descriptor back as it keeps it: non-blocking.
    void end() override
    {
        if (!m_direct)
            return;
        m_direct = false;
        const int fd = descriptor();
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }

    void write(const QByteArray& frame) override
    {
        qint64 sent = 0;
        if (m_direct) {
            const ssize_t n
                = ::send(descriptor(), frame.constData(), size_t(frame.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n == frame.size())
                return;
            sent = qMax<qint64>(n, 0);
            end();
        }
        m_socket->write(frame.constData() + sent, frame.size() - sent);
        m_socket->flush();
    }

    qint64 bytesAvailable() const override { return m_held - m_taken + m_socket->bytesAvailable(); }

    bool waitForReadyRead(int ms) override
    {
        if (m_taken < m_held)
            return true;
        if (!m_direct)
            return m_socket->waitForReadyRead(ms);
        // A time-out of 0 would be none at all: a wait that has run out only looks.
        int flags = 0;
        if (ms <= 0)
            flags = MSG_DONTWAIT;
        else if (ms != m_timeoutMs) {
            const timeval timeout { ms / 1000, (ms % 1000) * 1000 };
            if (::setsockopt(descriptor(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) != 0) {
                end();
                return m_socket->waitForReadyRead(ms);
            }
            m_timeoutMs = ms;
        }
        const ssize_t n = ::recv(descriptor(), m_input, sizeof m_input, flags);
        m_held = int(qMax<ssize_t>(n, 0));
        m_taken = 0;
        if (n > 0)
            return true;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return false;
        // The end of the stream or an error: the socket reads it again and closes.
        end();
        return m_socket->waitForReadyRead(ms);
    }

    // What the descriptor gave first: the socket buffers nothing new until the engine waits
    // with nothing left to read.
    qint64 read(char* data, qint64 maxSize) override
    {
        if (m_taken == m_held)
            return m_socket->read(data, maxSize);
        const int n = int(qMin<qint64>(m_held - m_taken, maxSize));
        std::memcpy(data, m_input + m_taken, size_t(n));
        m_taken += n;
        return n;
    }

private:
    int descriptor() const { return int(m_socket->socketDescriptor()); }

    QTcpSocket* m_socket;
    bool m_direct = false; // a transfer runs, on the descriptor
    int m_timeoutMs = 0; // the descriptor's receive time-out; 0 until set
    // What the last recv took, of which the engine has read `m_taken`. A reply is one byte and a
    // register's frame at most 262: one recv takes either whole.
    char m_input[4096];
    int m_held = 0;
    int m_taken = 0;
};

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
    , m_engine(portEngine(this, CarrierTraits::tcp(), std::make_unique<TcpWire>(this)))
{
    watchIdleInput(this, &m_engine);
}

QString MySocket::registerName() const { return m_address.isEmpty() ? addressText(peerAddress()) : m_address; }

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
    socket.keepAddress(address);
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
                   .arg(QStringList(addresses.mid(0, addresses.size() - 1)).join(listSeparator()), addresses.last());
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
