#pragma once

#include "link/linkhost.h"

class ConnectionPanel;
class TransferController;

// Hands the links' reports to the transfer controller and the connection panel. GUI thread.
class ControllerHost : public LinkHost {
public:
    ControllerHost(TransferController* controller, ConnectionPanel* panel);

    void ackData(QByteArray word) override;
    void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) override;
    void rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records) override;
    void showConnection(QString ipstr) override;
    void showDisconnection(int connection) override;
    void verified(VerifyReport report) override;
    void outcome(TransferOutcome outcome) override;

private:
    // The register whose link's thread reports now.
    QString senderLink() const;

    TransferController* m_controller;
    ConnectionPanel* m_panel;
};
