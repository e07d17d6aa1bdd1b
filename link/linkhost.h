#pragma once

#include "base/itemtable.h"
#include "link/outcome.h"
#include "link/sendrequest.h"
#include "records/verify.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The side of the link that starts transfers and shows their results: the main window in
// the program, a harness in tests and tools. The links connect to its two signals and call
// its slots on the GUI thread. It counts the transfers that its requests started, so that
// its owner knows when a request reached no register and when the last one has ended.
class LinkHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Hands `request` to every link and returns how many took it: 0 means that no register
    // will answer. The window and the command-line tool send through here alike.
    int send(SendRequest request);
    // Hands each register its own request (by link, "tcp:ADDRESS" or "serial:PORT"); a
    // register without one gets none. Returns how many links took theirs.
    int sendEach(const QHash<QString, SendRequest>& requests);
    // Asks the register of every link for the table `datatype`; returns how many links took it.
    int receive(const QByteArray& datatype);

    // Transfers that links have taken and not yet ended.
    int runningTransfers() const { return m_running; }
    // Stops the transfers of the last request: no link sends a further frame, a download's
    // rows are dropped, and each transfer ends (as Cancelled) within a moment.
    void cancel();
    // The flag that the links give the transfers of the request being emitted.
    CancelToken cancelToken() const { return m_cancel; }
    // How many links took the requests emitted since the last call; the count starts anew.
    // Called right after an emit, it tells whether that request reached any register.
    int takeReached();

signals:
    // Carry out `request` (see send()).
    void signal_MsendData(SharedRequest request);
    // Carry out the request of `routes` meant for the link's register (see sendEach()).
    void signal_MsendRouted(SharedRoutes routes);
    // Ask the register for the table `datatype`.
    void signal_MrcvData(QByteArray datatype);
    // The last running transfer has ended.
    void signal_transfersEnded();

public slots:
    // A progress or error word of a transfer.
    virtual void ackData(QByteArray word) = 0;
    // A link's batch of them, each handed to ackData() in order, while sender() names the link.
    // One signal for the batch: with a fleet sending at once, a signal for each row's word
    // cost the GUI thread more than the rows cost the links.
    void ackWords(const QList<QByteArray>& words);
    // A downloaded table; `datas` is valid only during the call.
    virtual void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) = 0;
    // The same with the records of its rows as the database keeps them (one per row, valid
    // only during the call). A host that stores what it received takes this one; by default
    // the rows go to rcvData().
    virtual void rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records);
    // A register connected (TCP) from `ipstr`, and a connection that ended, by the
    // connection's own number (see ServerThread::connection()).
    virtual void showConnection(QString ipstr) { Q_UNUSED(ipstr); }
    virtual void showDisconnection(int connection) { Q_UNUSED(connection); }
    // How one register's table, read back after a send, compares with what was sent.
    virtual void verified(VerifyReport report) { Q_UNUSED(report); }
    // How one register's transfer ended; called before the transfer stops counting as running.
    virtual void outcome(TransferOutcome outcome) { Q_UNUSED(outcome); }

    // A link took a request: called by the link while the request is being emitted.
    void transferStarted();
    // A transfer that a link took has ended.
    void transferEnded(TransferOutcome outcome);

private:
    // A fresh flag for the request about to be emitted.
    void renewCancel();

    CancelToken m_cancel;
    int m_running = 0;
    int m_reached = 0;
};
