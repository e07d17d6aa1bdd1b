#include "link/linkhost.h"

void LinkHost::renewCancel() { m_cancel = CancelToken::create(); }

void LinkHost::cancel()
{
    if (m_cancel)
        m_cancel->cancel();
}

int LinkHost::send(SendRequest request)
{
    renewCancel();
    takeReached();
    request.frames = QSharedPointer<SharedFrames>::create();
    emit signal_MsendData(SharedRequest::create(std::move(request)));
    return takeReached();
}

int LinkHost::sendEach(const QHash<QString, SendRequest>& requests)
{
    renewCancel();
    takeReached();
    auto routes = QSharedPointer<QHash<QString, SharedRequest>>::create();
    for (auto it = requests.cbegin(); it != requests.cend(); ++it)
        routes->insert(it.key(), SharedRequest::create(it.value()));
    emit signal_MsendRouted(routes);
    return takeReached();
}

int LinkHost::receive(const QByteArray& datatype)
{
    renewCancel();
    takeReached();
    emit signal_MrcvData(datatype);
    return takeReached();
}

void LinkHost::ackWords(const QList<QByteArray>& words)
{
    for (const QByteArray& word : words)
        ackData(word);
}

int LinkHost::takeReached()
{
    const int reached = m_reached;
    m_reached = 0;
    return reached;
}

void LinkHost::rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>*)
{
    rcvData(datatype, datas);
}

void LinkHost::transferStarted()
{
    ++m_running;
    ++m_reached;
}

void LinkHost::transferEnded(TransferOutcome result)
{
    if (m_running == 0)
        return;
    outcome(result);
    if (--m_running == 0)
        emit signal_transfersEnded();
}
