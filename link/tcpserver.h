#pragma once

#include "link/linksettings.h"
#include "link/protocol.h"
#include "link/relaythread.h"
#include "link/transfer.h"

#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <memory>

class LinkHost;

// Addresses of the announced connections by connection number (ServerThread::connection()).
// Access is serialised.
namespace ConnectionRegistry {
void put(int connection, const QString& address);
// The address of `connection`, removed from the registry; empty when unknown.
QString take(int connection);
// Connections registered and not yet taken.
int count();
} // namespace ConnectionRegistry

// The port object of one TCP connection: lives on its connection thread and runs the
// transfers there.
class MySocket : public QTcpSocket {
    Q_OBJECT
public:
    explicit MySocket(int socketDescriptor, QObject* parent = nullptr);

    // The register's address, which opens its lines in the transfer log and its outcome: the
    // one kept when the connection was taken up (once the peer is gone it has none).
    QString registerName() const;
    void keepAddress(const QString& address) { m_address = address; }
    QString linkName() const { return registerName(); }
    QString linkId() const { return QStringLiteral("tcp:") + registerName(); }

signals:
    void signal_rcvData(QByteArray datatype, SharedTable datas, QList<QByteArray> records);
    // Status words, in the order they came (see WordBatch).
    void signal_ackWords(QList<QByteArray> words);
    // How the table read back after a send compares with what was sent.
    void signal_verified(VerifyReport report);
    // sendData() or rcvData() has returned.
    void signal_transferEnded(TransferOutcome outcome);

public slots:
    void sendData(SharedRequest request, CancelToken cancel);
    void rcvData(QByteArray datatype, CancelToken cancel);

private:
    TransferEngine m_engine;
    QString m_address;
};

// One accepted connection: a worker thread holding its MySocket. The object itself lives
// on the GUI thread, where its relay slots run; it deletes itself once its thread has ended.
class ServerThread : public RelayThread {
    Q_OBJECT
public:
    ServerThread(int socketDescriptor, QObject* parent = nullptr);
    ~ServerThread() override;

    int socketDescriptor() const { return m_socketDescriptor; }
    // Peers outside `allow` are closed before they are announced. Before start().
    void setAllowList(const AllowList& allow) { m_allow = allow; }
    // The connection's own number, never given to another connection in this run (unlike
    // the descriptor, which the system reuses).
    int connection() const { return m_connection; }

signals:
    void disconnectTCP(int connection);
    void sig_showconnect(QString address);
    // The peer was closed without being announced (emitted on the worker thread).
    void sig_refused(QString address, QString reason);

private slots:
    void disconnectToHost();

protected:
    void run() override;

private:
    void announce(const QString& address);

    int m_socketDescriptor;
    int m_connection;
    AllowList m_allow;
    bool m_announced = false; // shown to the host and not yet reported gone
};

// The TCP carrier: listens for registers and gives each connection its own thread, up to the
// settings' maxConnections and only to the peers that their allow-list lets in. Every
// request of the host goes to every connected register. GUI thread.
class TcpServer : public QTcpServer {
    Q_OBJECT
public:
    // Listens at once, with the settings of tallvane.ini or the given ones.
    explicit TcpServer(LinkHost* host, QObject* parent = nullptr);
    TcpServer(LinkHost* host, const LinkSettings& settings, QObject* parent = nullptr);
    // Listens on `address` and `port` with the default cap and no allow-list.
    TcpServer(LinkHost* host, const QHostAddress& address, quint16 port, QObject* parent = nullptr);
    ~TcpServer() override;

    QString listenError() const { return m_listenError; }
    // Why the server does not listen, as a sentence for the operator ("Tallvane cannot listen
    // for registers on 192.168.1.20, port 55391: 192.168.1.20 is not an address of this PC.");
    // empty while it listens.
    QString listenFailure() const { return m_listenFailure; }
    // The addresses a register can dial to reach the server: the one it listens on, or every
    // IPv4 address of the PC when it listens on all of them (loopback last).
    QStringList listenAddresses() const;
    // Where a register must connect: "192.168.1.20, port 55391", "192.168.1.20 or 10.0.0.5, port 55391".
    QString dialText() const;
    // Connection threads running now.
    int connectionCount() const { return m_connections; }

signals:
    // A peer was closed at once, unannounced; `reason` tells the operator why.
    void connectionRefused(QString address, QString reason);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    void refuse(qintptr socketDescriptor, const QString& reason);

    LinkHost* m_host;
    LinkSettings m_settings;
    QString m_listenError;
    QString m_listenFailure;
    int m_connections = 0;
};
