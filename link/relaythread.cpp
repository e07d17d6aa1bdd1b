#include "link/relaythread.h"

#include "link/linkhost.h"
#include "link/linklog.h"

#include <QCoreApplication>

RelayThread::RelayThread(const char* traceName, QObject* parent)
    : QThread(parent)
    , m_traceName(traceName)
{
    static const bool registered = [] {
        qRegisterMetaType<SharedTable>("SharedTable");
        qRegisterMetaType<SharedRequest>("SharedRequest");
        qRegisterMetaType<VerifyReport>("VerifyReport");
        qRegisterMetaType<CancelToken>("CancelToken");
        qRegisterMetaType<TransferOutcome>("TransferOutcome");
        qRegisterMetaType<SharedRoutes>("SharedRoutes");
        return true;
    }();
    Q_UNUSED(registered);
}

void RelayThread::connectHost(LinkHost* host)
{
    if (!host)
        return;
    m_host = host;
    connect(host, &LinkHost::signal_MsendData, this, &RelayThread::sendData);
    connect(host, &LinkHost::signal_MrcvData, this, &RelayThread::rcvDataType);
    connect(host, &LinkHost::signal_MsendRouted, this, &RelayThread::sendRouted);
    connect(this, &RelayThread::signal_ackWords, host, &LinkHost::ackWords);
    connect(this, &RelayThread::signal_rcvData, host, &LinkHost::rcvRecords);
    connect(this, &RelayThread::signal_verified, host, &LinkHost::verified);
    connect(this, &RelayThread::signal_transferStarted, host, &LinkHost::transferStarted);
    connect(this, &RelayThread::signal_transferEnded, host, &LinkHost::transferEnded);
}

bool RelayThread::takeRequest()
{
    if (!m_serving)
        return false;
    ++m_running;
    emit signal_transferStarted();
    return true;
}

CancelToken RelayThread::hostCancel() const { return m_host ? m_host->cancelToken() : CancelToken(); }

void RelayThread::sendData(SharedRequest request)
{
    if (!request || !takeRequest())
        return;
    // Every link reads the one copy of the request, which lives until the last transfer ends.
    emit signal_sendData(request, hostCancel());
}

void RelayThread::sendRouted(SharedRoutes routes)
{
    if (!routes)
        return;
    const SharedRequest request = routes->value(m_link);
    if (!request || !takeRequest())
        return;
    emit signal_sendData(request, hostCancel());
}

void RelayThread::rcvDataType(QByteArray datatype)
{
    if (!takeRequest())
        return;
    qCDebug(lcLink).noquote() << m_traceName << "rcvDataType";
    emit signal_rcvDataType(datatype, hostCancel());
}

void RelayThread::rcvData(QByteArray datatype, SharedTable datas, QList<QByteArray> records)
{
    ItemTable rows = datas ? *datas : ItemTable();
    qCDebug(lcLink).noquote() << m_traceName << "rcvData";
    emit signal_rcvData(datatype, &rows, &records);
}

void RelayThread::ackWords(QList<QByteArray> words) { emit signal_ackWords(words); }

void RelayThread::verified(VerifyReport report) { emit signal_verified(report); }

void RelayThread::transferEnded(TransferOutcome outcome)
{
    // A late report of a transfer that already ended with the thread is not counted again.
    if (m_running == 0)
        return;
    --m_running;
    emit signal_transferEnded(outcome);
}

bool RelayThread::startServing()
{
    m_serving = !m_stopped;
    return m_serving;
}

void RelayThread::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_serving = false;
    requestInterruption();
    quit();
    wait();
    // What the port reported before its thread ended (a transfer's own outcome, with its rows
    // and type) waits in this object's queue: it is taken now, before any made-up one, which
    // would otherwise stand for it and the real one be dropped as late.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    // The transfers that the thread did not see to their end ended with the link.
    TransferOutcome closed;
    closed.peer = m_linkName;
    closed.link = m_link;
    closed.result = TransferOutcome::Closed;
    while (m_running > 0)
        transferEnded(closed);
}
