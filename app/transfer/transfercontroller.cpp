#include "app/transfer/transfercontroller.h"

#include "app/applog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/cellmarks.h"
#include "app/pages/gridpage.h"
#include "app/pages/logopage.h"
#include "app/pages/systempage.h"
#include "app/transfer/connectionpanel.h"
#include "app/transfer/transfermonitor.h"
#include "link/linkhost.h"
#include "link/sendrequest.h"
#include "link/statusline.h"
#include "logo/graphic.h"
#include "records/categories.h"

namespace {

// Lines that each transfer log keeps; older ones are dropped.
constexpr int kTransferLogLines = 1000;

// Hands the links' reports to the controller and the panel.
class ControllerHost : public LinkHost {
public:
    ControllerHost(TransferController* controller, ConnectionPanel* panel)
        : LinkHost(controller)
        , m_controller(controller)
        , m_panel(panel)
    {
    }
    void ackData(QByteArray word) override { m_controller->ackData(word); }
    void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) override
    {
        emit m_controller->rowsReceived(datatype, datas, nullptr);
    }
    void rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records) override
    {
        emit m_controller->rowsReceived(datatype, datas, records);
    }
    void showConnection(QString ipstr) override { m_panel->showConnection(ipstr); }
    void showDisconnection(int connection) override { m_panel->showDisconnection(connection); }
    void verified(VerifyReport report) override { m_controller->showVerification(report); }

private:
    TransferController* m_controller;
    ConnectionPanel* m_panel;
};

} // namespace

TransferController::TransferController(
    ConnectionPanel* panel, GridPage* grid, LogoPage* logo, SystemPage* system, QWidget* window)
    : QObject(window)
    , m_panel(panel)
    , m_grid(grid)
    , m_logo(logo)
    , m_system(system)
    , m_window(window)
    , m_host(new ControllerHost(this, panel))
    , m_monitor(new TransferMonitor(
          panel->progressLog(), panel->errorLog(), panel->progressBar(), kTransferLogLines, this))
{
    connect(m_host, &LinkHost::signal_transfersEnded, this, [this] { setBusy(false); });
    panel->start(m_host);
}

void TransferController::setBusy(bool busy)
{
    m_busy = busy;
    if (!busy)
        m_monitor->finish();
    emit busyChanged(busy);
}

void TransferController::start(int frames, const std::function<int()>& request)
{
    const int registers = request();
    if (registers == 0) {
        // Nothing will ever report back: say so instead of waiting.
        m_monitor->addError(QStringLiteral("no register connected"));
        m_monitor->flush();
        return;
    }
    setBusy(true);
    m_monitor->start(frames, registers);
}

void TransferController::send(SendRequest& request, const QList<int>& gridRows)
{
    request.verify = m_panel->verifyAfterInstall();
    m_grid->marks()->clearVerifyMarks();
    m_grid->marks()->setSentRows(gridRows);
    start(request.hasTable ? int(request.table.size()) : 1, [&] { return m_host->send(request); });
}

void TransferController::install(int category)
{
    if (!m_panel->linkUsable(true))
        return;
    m_monitor->clearLogs();
    SendRequest request;
    switch (category) {
    case CategoryNone:
        return;
    case CategoryGraphic: {
        quint8 number = 0;
        QString reason;
        if (!m_logo->readyToInstall(m_panel->serialMode(), &number, &reason)) {
            if (!reason.isEmpty()) {
                m_monitor->addError(reason);
                m_monitor->flush();
            }
            return;
        }
        request = installRequest(category, ItemTable());
        request.logoChunks = Graphic::dataList();
        request.logoNumber = number;
        break;
    }
    case CategorySysParm:
        m_system->read();
        request = installRequest(category, ItemTable());
        break;
    default: {
        QList<QByteArray> records; // rows the operator did not change go as they were loaded
        const ItemTable rows = m_grid->rowsToSend(&records);
        request = installRequest(category, rows, records);
        break;
    }
    }
    // A table the register must not get is not sent at all; the error log says why.
    if (!request.refusals.isEmpty()) {
        for (const QString& refusal : request.refusals)
            m_monitor->addError(refusal);
        m_monitor->flush();
        qCDebug(lcApp) << "not sent:" << request.refusals;
        return;
    }
    if (!request.sendable())
        return;
    if (category != CategoryGraphic && request.hasTable && !m_grid->confirmSend(request.table, {}, request.records))
        return;
    send(request, {});
}

void TransferController::download(int category)
{
    if (!m_panel->linkUsable(false))
        return;
    m_monitor->clearLogs();
    const Category* entry = categoryByNumber(category);
    if (!entry || category == CategoryGraphic)
        return;
    qCDebug(lcApp) << "MainWindow signal_MrcvData";
    start(-1, [&] { return m_host->receive(entry->typeName); });
}

void TransferController::itemCommand(quint8 command, int category)
{
    if (!m_panel->linkUsable(true))
        return;
    m_monitor->clearLogs();
    const bool itemCommand = command == CommandAdd || command == CommandUpdate || command == CommandDelete;
    const bool pluItems = category == CategoryPlu && itemCommand;
    QList<QByteArray> records;
    QList<int> gridRows;
    const ItemTable rows = pluItems ? m_grid->selectedRows(&records, &gridRows) : ItemTable();
    SendRequest request = itemRequest(command, category, rows, m_panel->serialMode(), records);
    if (!request.sendable())
        return;
    // Added and updated rows are checked before they go; a deleted one needs only its code.
    if (pluItems && command != CommandDelete && !m_grid->confirmSend(rows, gridRows, request.records))
        return;
    send(request, gridRows);
}

void TransferController::clearData(int category)
{
    const QMessageBox::StandardButton answer = MessageBox::warning(m_window, QStringLiteral("warning"),
        QStringLiteral("Clear Data"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        qCDebug(lcApp) << "Yes";
        itemCommand(CommandClear, category);
    } else if (answer == QMessageBox::No) {
        qCDebug(lcApp) << "NO";
    }
}

void TransferController::ackData(const QByteArray& word)
{
    // The words only fill the logs; the busy state ends with the transfers themselves.
    const StatusLine line = statusLine(word);
    if (line.kind == StatusLine::Error) {
        m_monitor->addError(line.text);
        return;
    }
    qCDebug(lcApp) << (line.download ? "ackdata = " : ">>>ackdata = ") << word.mid(line.download ? 9 : 7);
    if (line.kind == StatusLine::Row)
        m_monitor->addRow(line.text, line.download);
    else
        m_monitor->addProgress(line.text);
}

void TransferController::showVerification(const VerifyReport& report)
{
    // A table the register holds as sent goes to the progress log, anything else to the errors.
    for (const QString& line : report.lines()) {
        if (report.identical())
            m_monitor->addProgress(line);
        else
            m_monitor->addError(line);
    }
    m_grid->marks()->markVerified(report);
}
