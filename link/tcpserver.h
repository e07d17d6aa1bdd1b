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

// Addresses of the connected registers by socket descriptor. Connection threads put, the
// GUI thread takes; access is serialised.
namespace ConnectionRegistry {
void put(int socketDescriptor, const QString& address);
// The address of `socketDescriptor`, removed from the registry; empty when unknown.
QString take(int socketDescriptor);
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

public slots:
    void sendData(QByteArray datatype, SharedTable datas);
    void rcvData(QByteArray datatype);

private:
    TransferEngine m_engine;
};

// One accepted connection: a worker thread holding its MySocket. The object itself lives
// on the GUI thread, where its relay slots run.
class ServerThread : public RelayThread {
    Q_OBJECT
public:
    ServerThread(int socketDescriptor, QObject* parent = nullptr);
    ~ServerThread() override;

    int socketDescriptor() const { return m_socketDescriptor; }

signals:
    void disconnectTCP(int socketDescriptor);
    void sig_showconnect(QString address);

private slots:
    void disconnectToHost();

protected:
    void run() override;

private:
    int m_socketDescriptor;
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
