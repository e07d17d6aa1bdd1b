#include "app/transfer/controllerhost.h"

#include "app/transfer/connectionpanel.h"
#include "app/transfer/transfercontroller.h"
#include "link/relaythread.h"

ControllerHost::ControllerHost(TransferController* controller, ConnectionPanel* panel)
    : LinkHost(controller)
    , m_controller(controller)
    , m_panel(panel)
{
}

void ControllerHost::ackData(QByteArray word)
{
    m_controller->ackData(word);
}

void ControllerHost::rcvData(QByteArray datatype, QList<QList<QVariant>>* datas)
{
    if (datas)
        m_controller->holdRows(senderLink(), datatype, *datas, nullptr);
}

void ControllerHost::rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records)
{
    if (datas)
        m_controller->holdRows(senderLink(), datatype, *datas, records);
}

void ControllerHost::showConnection(QString ipstr)
{
    m_panel->showConnection(ipstr);
}

void ControllerHost::showDisconnection(int connection)
{
    m_panel->showDisconnection(connection);
}

void ControllerHost::verified(VerifyReport report)
{
    m_controller->showVerification(report);
}

void ControllerHost::outcome(TransferOutcome outcome)
{
    m_controller->addOutcome(outcome);
}

QString ControllerHost::senderLink() const
{
    const auto* relay = qobject_cast<const RelayThread*>(sender());
    return relay ? relay->link() : QString();
}
