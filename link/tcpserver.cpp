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

void registerTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<SharedTable>("SharedTable");
        return true;
    }();
    Q_UNUSED(registered);
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
    , m_engine(
          this, CarrierTraits::tcp(), [this] { flush(); }, [this](const QByteArray& word) { emit signal_ackData(word); },
          [this](const QByteArray& datatype, const ItemTable& rows) {
              emit signal_rcvData(datatype, SharedTable(new ItemTable(rows)));
          })
{
}

void MySocket::sendData(QByteArray datatype, SharedTable datas) { m_engine.sendData(datatype, datas.data()); }

void MySocket::rcvData(QByteArray datatype) { m_engine.rcvData(datatype); }

ServerThread::ServerThread(int socketDescriptor, QObject* parent)
    : QThread(parent)
    , m_socketDescriptor(socketDescriptor)
{
    registerTypes();
}

ServerThread::~ServerThread()
{
    qCDebug(lcLink) << "close server thread";
    stop();
}

void ServerThread::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    requestInterruption();
    quit();
    wait();
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
    connect(this, &ServerThread::signal_sendData, &socket, &MySocket::sendData);
    connect(this, &ServerThread::signal_rcvDataType, &socket, &MySocket::rcvData);
    connect(&socket, &MySocket::signal_rcvData, this, &ServerThread::rcvData);
    connect(&socket, &MySocket::signal_ackData, this, &ServerThread::ackData);
    emit sig_showconnect(address);

    exec();
    qCDebug(lcLink) << "close socket";
    socket.close();
}

void ServerThread::sendData(QByteArray datatype, QList<QList<QVariant>>* datas)
{
    // Each request carries its own copy, alive until its transfer has ended.
    emit signal_sendData(datatype, datas ? SharedTable(new ItemTable(*datas)) : SharedTable());
}

void ServerThread::rcvDataType(QByteArray datatype)
{
    qCDebug(lcLink) << "tcpthread rcvDataType";
    emit signal_rcvDataType(datatype);
}

void ServerThread::rcvData(QByteArray datatype, SharedTable datas)
{
    ItemTable rows = datas ? *datas : ItemTable();
    qCDebug(lcLink) << "tcpthread rcvData";
    emit signal_rcvData(datatype, &rows);
}

void ServerThread::ackData(QByteArray datatype) { emit signal_ackData(datatype); }

void ServerThread::disconnectToHost()
{
    emit disconnectTCP(m_socketDescriptor);
    stop();
}

TcpServer::TcpServer(LinkHost* host, QObject* parent)
    : TcpServer(host, LinkSettings::load().tcpAddress, LinkSettings::load().tcpPort, parent)
{
}

TcpServer::TcpServer(LinkHost* host, const QHostAddress& address, quint16 port, QObject* parent)
    : QTcpServer(parent)
    , m_host(host)
{
    registerTypes();
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
        connect(m_host, &LinkHost::signal_MsendData, thread, &ServerThread::sendData);
        connect(m_host, &LinkHost::signal_MrcvData, thread, &ServerThread::rcvDataType);
        connect(thread, &ServerThread::signal_ackData, m_host, &LinkHost::ackData);
        connect(thread, &ServerThread::signal_rcvData, m_host, &LinkHost::rcvData);
    }
    thread->start();
}
