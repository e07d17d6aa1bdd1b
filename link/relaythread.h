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
    // `traceName` opens the relay's trace lines ("tcpthread", "rs232thread").
    RelayThread(const char* traceName, QObject* parent);

    // Wires the host's requests to this thread and this thread's reports to the host.
    void connectHost(LinkHost* host);
    // The register's link ("tcp:ADDRESS", "serial:PORT"); empty until it is known.
    QString link() const { return m_link; }

signals:
    void signal_sendData(SharedRequest request, CancelToken cancel);
    void signal_rcvData(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records);
    void signal_rcvDataType(QByteArray datatype, CancelToken cancel);
    // Status words, in order (one emission for a batch).
    void signal_ackWords(QList<QByteArray> words);
    void signal_verified(VerifyReport report);
    // This link took a request (emitted while the request is being emitted) ...
    void signal_transferStarted();
    // ... and the transfer that it started has ended, as `outcome` tells.
    void signal_transferEnded(TransferOutcome outcome);

public slots:
    void sendData(SharedRequest request);
    // Takes the request of `routes` meant for this register, if there is one.
    void sendRouted(SharedRoutes routes);
    void rcvDataType(QByteArray datatype);
    void rcvData(QByteArray datatype, SharedTable datas, QList<QByteArray> records);
    // Passes `words` on to the host in one call.
    void ackWords(QList<QByteArray> words);
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
        connect(port, &Port::signal_ackWords, this, &RelayThread::ackWords);
        connect(port, &Port::signal_verified, this, &RelayThread::verified);
        connect(port, &Port::signal_transferEnded, this, &RelayThread::transferEnded);
    }

    // GUI thread, once the port is wired: requests go to the port from now on. False when
    // the thread has already been stopped.
    bool startServing();
    // Ends the worker thread: any transfer stops at its next frame, then the event loop. The
    // transfers that the port has not finished end with it.
    void stop();
    // The register's name and link ("tcp:ADDRESS", "serial:PORT") in the outcomes of transfers
    // that end with the thread, and in the routes of requests.
    void setLinkName(const QString& name, const QString& link)
    {
        m_linkName = name;
        m_link = link;
    }

private:
    bool takeRequest();
    CancelToken hostCancel() const;

    const char* m_traceName;
    LinkHost* m_host = nullptr;
    QString m_linkName;
    QString m_link;
    bool m_stopped = false;
    bool m_serving = false;
    int m_running = 0; // transfers taken and not yet ended
};
