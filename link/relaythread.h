#pragma once

#include "link/outcome.h"
#include "link/protocol.h"
#include "link/sendrequest.h"
#include "records/verify.h"

#include <QByteArray>
#include <QThread>

class LinkHost;

// The thread object of a link: it lives on the GUI thread, where its relay slots run, and
// passes requests to the port object that its run() creates on the worker thread, and the
// port's words, rows and transfer ends back to the host. GUI thread, but for run().
class RelayThread : public QThread {
    Q_OBJECT
public:
    // `traceName` opens the relay's trace lines ("tcpthread", "rs232thread"); `carrier` is
    // the link's kind, which every outcome it passes on tells.
    RelayThread(const char* traceName, TransferOutcome::Carrier carrier, QObject* parent);

    // Wires the host's requests to this thread and this thread's reports to the host.
    void connectHost(LinkHost* host);

signals:
    void signal_sendData(SharedRequest request, CancelToken cancel);
    void signal_rcvData(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records);
    void signal_rcvDataType(QByteArray datatype, CancelToken cancel);
    void signal_ackData(QByteArray datatype);
    void signal_verified(VerifyReport report);
    // This link took a request (emitted while the request is being emitted) ...
    void signal_transferStarted();
    // ... and the transfer that it started has ended, as `outcome` tells.
    void signal_transferEnded(TransferOutcome outcome);

public slots:
    void sendData(SharedRequest request);
    void rcvDataType(QByteArray datatype);
    void rcvData(QByteArray datatype, SharedTable datas, QList<QByteArray> records);
    void ackData(QByteArray datatype);
    void verified(VerifyReport report);
    // The port object has returned from a transfer.
    void transferEnded(TransferOutcome outcome);

protected:
    // Called from run() with the port object, before the thread's event loop starts.
    template <class Port> void wirePort(Port* port)
    {
        connect(this, &RelayThread::signal_sendData, port, &Port::sendData);
        connect(this, &RelayThread::signal_rcvDataType, port, &Port::rcvData);
        connect(port, &Port::signal_rcvData, this, &RelayThread::rcvData);
        connect(port, &Port::signal_ackData, this, &RelayThread::ackData);
        connect(port, &Port::signal_verified, this, &RelayThread::verified);
        connect(port, &Port::signal_transferEnded, this, &RelayThread::transferEnded);
    }

    // GUI thread, once the port is wired: requests go to the port from now on. False when
    // the thread has already been stopped.
    bool startServing();
    // Ends the worker thread: any transfer stops at its next frame, then the event loop. The
    // transfers that the port has not finished end with it.
    void stop();
    // The register's name in the outcomes of transfers that end with the thread.
    void setLinkName(const QString& name) { m_linkName = name; }

private:
    bool takeRequest();
    CancelToken hostCancel() const;

    const char* m_traceName;
    TransferOutcome::Carrier m_carrier;
    LinkHost* m_host = nullptr;
    QString m_linkName;
    bool m_stopped = false;
    bool m_serving = false;
    int m_running = 0; // transfers taken and not yet ended
};
