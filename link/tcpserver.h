#pragma once

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
struct LinkSettings;

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

signals:
    void signal_rcvData(QByteArray datatype, SharedTable datas);
    void signal_ackData(QByteArray datatype);
    // sendData() or rcvData() has returned.
    void signal_transferEnded();

public slots:
    void sendData(QByteArray datatype, SharedTable datas);
    void rcvData(QByteArray datatype);

private:
    TransferEngine m_engine;
};

// One accepted connection: a worker thread holding its MySocket. The object itself lives
// on the GUI thread, where its relay slots run; it deletes itself once its thread has ended.
class ServerThread : public RelayThread {
    Q_OBJECT
public:
    ServerThread(int socketDescriptor, QObject* parent = nullptr);
    ~ServerThread() override;

    int socketDescriptor() const { return m_socketDescriptor; }
    // The connection's own number, never given to another connection in this run (unlike
    // the descriptor, which the system reuses).
    int connection() const { return m_connection; }

signals:
    void disconnectTCP(int connection);
    void sig_showconnect(QString address);

private slots:
    void disconnectToHost();

protected:
    void run() override;

private:
    void announce(const QString& address);

    int m_socketDescriptor;
    int m_connection;
    bool m_announced = false; // shown to the host and not yet reported gone
};

// The TCP carrier: listens for registers and gives each connection its own thread. Every
// request of the host goes to every connected register. GUI thread.
class TcpServer : public QTcpServer {
    Q_OBJECT
public:
    // Listens on the address and port of the link settings at once.
    explicit TcpServer(LinkHost* host, QObject* parent = nullptr);
    TcpServer(LinkHost* host, const QHostAddress& address, quint16 port, QObject* parent = nullptr);
    ~TcpServer() override;

    QString listenError() const { return m_listenError; }

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    TcpServer(LinkHost* host, const LinkSettings& settings, QObject* parent);

    LinkHost* m_host;
    QString m_listenError;
};
