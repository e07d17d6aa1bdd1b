#include "link/relaythread.h"

#include "link/linkhost.h"
#include "link/linklog.h"

RelayThread::RelayThread(const char* traceName, QObject* parent)
    : QThread(parent)
    , m_traceName(traceName)
{
    static const bool registered = [] {
        qRegisterMetaType<SharedTable>("SharedTable");
        return true;
    }();
    Q_UNUSED(registered);
}

void RelayThread::connectHost(LinkHost* host)
{
    if (!host)
        return;
    connect(host, &LinkHost::signal_MsendData, this, &RelayThread::sendData);
    connect(host, &LinkHost::signal_MrcvData, this, &RelayThread::rcvDataType);
    connect(this, &RelayThread::signal_ackData, host, &LinkHost::ackData);
    connect(this, &RelayThread::signal_rcvData, host, &LinkHost::rcvData);
}

void RelayThread::sendData(QByteArray datatype, QList<QList<QVariant>>* datas)
{
    // Each request carries its own copy, alive until its transfer has ended.
    emit signal_sendData(datatype, datas ? SharedTable(new ItemTable(*datas)) : SharedTable());
}

void RelayThread::rcvDataType(QByteArray datatype)
{
    qCDebug(lcLink).noquote() << m_traceName << "rcvDataType";
    emit signal_rcvDataType(datatype);
}

void RelayThread::rcvData(QByteArray datatype, SharedTable datas)
{
    ItemTable rows = datas ? *datas : ItemTable();
    qCDebug(lcLink).noquote() << m_traceName << "rcvData";
    emit signal_rcvData(datatype, &rows);
}

void RelayThread::ackData(QByteArray datatype) { emit signal_ackData(datatype); }

void RelayThread::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    requestInterruption();
    quit();
    wait();
}
