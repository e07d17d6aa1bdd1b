#pragma once

#include "records/itemtable.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The side of the link that starts transfers and shows their results: the main window in
// the program, a harness in tests and tools. The links connect to its two signals and call
// its slots on the GUI thread.
class LinkHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Send `datas` (null for the system parameters and the clear command) as `datatype`.
    void signal_MsendData(QByteArray datatype, QList<QList<QVariant>>* datas);
    // Ask the register for the table `datatype`.
    void signal_MrcvData(QByteArray datatype);

public slots:
    // A progress or error word of a transfer.
    virtual void ackData(QByteArray word) = 0;
    // A downloaded table; `datas` is valid only during the call.
    virtual void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) = 0;
    // A register connected (TCP) from `ipstr`, and a connection that ended.
    virtual void showConnection(QString ipstr) { Q_UNUSED(ipstr); }
    virtual void showDisconnection(int socketDescriptor) { Q_UNUSED(socketDescriptor); }
};
