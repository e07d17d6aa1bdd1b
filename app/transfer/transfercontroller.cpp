#include "app/transfer/transfercontroller.h"

#include "app/applog.h"
#include "app/dialogs/comparedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/cellmarks.h"
#include "app/pages/gridpage.h"
#include "app/pages/logopage.h"
#include "app/pages/systempage.h"
#include "app/transfer/connectionpanel.h"
#include "app/transfer/controllerhost.h"
#include "app/transfer/transfermonitor.h"
#include "app/transfer/transferquestions.h"
#include "base/punctuation.h"
#include "link/changes.h"
#include "link/linkhost.h"
#include "link/sendrequest.h"
#include "link/statusline.h"
#include "link/transferjournal.h"
#include "logo/graphic.h"
#include "records/categories.h"
#include "storage/baselinestore.h"
#include "users/permissions.h"

#include <QApplication>
#include <QEventLoop>
#include <QSet>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

// How long closing waits for a stopped transfer to end (it ends within a frame's grace time).
constexpr int kStopWaitMs = 5000;

// Lines that each transfer log keeps; older ones are dropped.
constexpr int kTransferLogLines = 1000;

// A status word as the transfer log shows it: the link's own words ("END", "TIME OUT",
// "RCV ERR", "BCC ERR") in the operator's language, item names and raw bytes as they came.
// The words stay English wherever they are kept or printed.
QString shownWord(const StatusLine& line)
{
    // The words as the log shows them, for the translators (the rest come from the link).
    [[maybe_unused]] static const char* const kWords[] = { QT_TRANSLATE_NOOP("StatusWord", "END") };
    if (line.kind == StatusLine::Row)
        return line.text;
    return QCoreApplication::translate("StatusWord", line.text.toLatin1().constData());
}

} // namespace

TransferController::TransferController(ConnectionPanel* panel, GridPage* grid, LogoPage* logo, SystemPage* system,
    QStatusBar* statusBar, QWidget* window)
    : QObject(window)
    , m_panel(panel)
    , m_grid(grid)
    , m_logo(logo)
    , m_system(system)
    , m_statusBar(statusBar)
    , m_window(window)
    , m_host(new ControllerHost(this, panel))
    , m_monitor(new TransferMonitor(
          panel->progressLog(), panel->errorLog(), panel->progressBar(), kTransferLogLines, this))
{
    connect(m_host, &LinkHost::signal_transfersEnded, this, &TransferController::finish);
    connect(panel, &ConnectionPanel::cancelRequested, this, &TransferController::cancel);
    // Another picture: what the logs say of the last one (or of none) no longer holds.
    connect(logo, &LogoPage::modifiedChanged, this, [this](bool modified) {
        if (modified)
            clearLogs();
    });
    // Why the link could not be used stands in the logs until the link can be used.
    connect(panel, &ConnectionPanel::linkChanged, this, [this] {
        if (m_linkRefused && !m_busy && m_panel->unusableReason().isEmpty()) {
            m_linkRefused = false;
            m_monitor->clearLogs();
        }
    });
    panel->start(m_host);
}

void TransferController::setBusy(bool busy)
{
    if (busy)
        m_focusBeforeBusy = QApplication::focusWidget();
    // The focus goes back where it was, unless moved meanwhile (the panel held it on Cancel).
    const bool giveBack = !busy && m_panel->focusOnCancel();
    m_busy = busy;
    m_panel->setBusy(busy);
    if (!busy)
        m_monitor->finish();
    emit busyChanged(busy);
    if (giveBack && m_focusBeforeBusy && m_focusBeforeBusy->isEnabled() && m_focusBeforeBusy->isVisible())
        m_focusBeforeBusy->setFocus(Qt::OtherFocusReason);
}

void TransferController::clearLogs()
{
    if (!m_busy)
        m_monitor->clearLogs();
}

void TransferController::refuse(const QString& reason)
{
    qCDebug(lcApp).noquote() << "not started:" << reason;
    m_monitor->clearLogs();
    m_monitor->addError(reason);
    m_monitor->flush();
    m_statusBar->showMessage(reason);
}

bool TransferController::linkReady()
{
    if (m_busy)
        return false;
    const QString reason = m_panel->unusableReason();
    if (reason.isEmpty())
        return true;
    refuse(reason);
    m_linkRefused = true;
    return false;
}

void TransferController::start(int frames, const std::function<int()>& request)
{
    m_outcomes.clear();
    m_held.clear();
    m_cancelled = false;
    m_linkRefused = false;
    const int registers = request();
    if (registers == 0) {
        // Nothing will ever report back: say so instead of waiting.
        refuse(m_panel->unusableReason().isEmpty() ? tr("No register took the request.")
                                                   : m_panel->unusableReason());
        return;
    }
    setBusy(true);
    m_monitor->start(frames, registers);
}

void TransferController::send(SendRequest& request, const QList<int>& gridRows)
{
    // The logs keep the last transfer's words until the next one starts (a question answered
    // No leaves them).
    m_monitor->clearLogs();
    request.verify = m_panel->verifyAfterInstall();
    m_grid->marks()->clearVerifyMarks();
    m_grid->marks()->setSentRows(gridRows);
    m_baselines.sending(request);
    start(request.hasTable ? int(request.table.size()) : 1, [&] { return m_host->send(request); });
}

bool TransferController::pageRows(int category, ItemTable* rows, QList<QByteArray>* records)
{
    if (category == CategoryNone || category == CategoryGraphic || category == CategorySysParm)
        return false;
    // The compare dialog stays open beside the window: its page may have gone meanwhile, and
    // another page's rows must never go as this category's.
    if (m_grid->category() != category || !m_grid->isVisible()) {
        m_statusBar->showMessage(tr("Open the %1 page first.").arg(QCoreApplication::translate("Category", categoryByNumber(category)->rowName)));
        return false;
    }
    *rows = m_grid->rowsToSend(records);
    return true;
}

void TransferController::compare(int category)
{
    ItemTable rows;
    QList<QByteArray> records;
    if (m_busy || !pageRows(category, &rows, &records) || !linkReady())
        return;
    if (!m_compareDialog) {
        m_compareDialog = new CompareDialog(m_window);
        connect(m_compareDialog, &CompareDialog::sendChangesRequested, this, [this] { sendChanges(m_compareCategory); });
        connect(m_compareDialog, &CompareDialog::downloadCompareRequested, this,
            [this] { downloadCompare(m_compareCategory); });
    }
    m_compareCategory = category;
    const Category* entry = categoryByNumber(category);
    m_compareDialog->showPlans(
        tr("The page's %1 compared with what each connected register holds as far as Tallvane knows (its "
           "last install, verify or download):")
            .arg(QCoreApplication::translate("Category", entry->rowsName)),
        planChanges(category, rows, records, m_panel->registerLinks(true)));
}

void TransferController::downloadCompare(int category)
{
    const Category* entry = categoryByNumber(category);
    if (!entry || !linkReady())
        return;
    m_monitor->clearLogs();
    m_compareAfterDownload = category;
    start(-1, [&] { return m_host->receive(entry->typeName); });
    if (!m_busy)
        m_compareAfterDownload = -1;
}

void TransferController::sendChanges(int category)
{
    ItemTable rows;
    QList<QByteArray> records;
    if (m_busy || !pageRows(category, &rows, &records) || !linkReady())
        return;
    m_monitor->clearLogs();
    QHash<QString, SendRequest> requests;
    int most = 0;
    QList<RegisterPlan> plans = planChanges(category, rows, records, m_panel->registerLinks(true));
    m_withoutBaseline.clear();
    for (RegisterPlan& plan : plans) {
        if (!plan.request.sendable()) {
            const bool known = plan.hasBaseline && plan.sharing == 1 && !plan.emptyTable;
            (known ? m_monitor->addProgress(plan.sentence()) : m_monitor->addError(plan.sentence()));
            if (!plan.hasBaseline)
                m_withoutBaseline << plan.link;
            continue;
        }
        plan.request.verify = m_panel->verifyAfterInstall();
        most = qMax(most, plan.request.rowCount());
        requests.insert(plan.link, plan.request);
    }
    m_monitor->flush();
    if (requests.isEmpty()) {
        m_withoutBaseline.clear();
        m_statusBar->showMessage(tr("Nothing to send: see the log"));
        return;
    }
    // PLUs gone from the page go from the registers too: asked first, as Delete is; the
    // other changes may go without them.
    const QString deletes = plannedDeletesQuestion(plans);
    const auto answer = deletes.isEmpty() ? TransferQuestions::PlannedDeletes::Delete
                                          : TransferQuestions::plannedDeletes(m_window, deletes);
    if (answer == TransferQuestions::PlannedDeletes::Keep)
        keepDeleted(&requests);
    if (answer == TransferQuestions::PlannedDeletes::Cancelled || requests.isEmpty()) {
        m_withoutBaseline.clear();
        m_statusBar->showMessage(tr("Nothing sent: the changes go with the next send"));
        return;
    }
    m_grid->marks()->clearVerifyMarks();
    m_baselines.sending(requests);
    start(most, [&] { return m_host->sendEach(requests); });
}

bool TransferController::confirmWholeInstall(int category, const SendRequest& request)
{
    const QStringList links = m_panel->registerLinks();
    const bool known = std::any_of(
        links.cbegin(), links.cend(), [category](const QString& link) { return BaselineStore::exists(link, category); });
    if (!known || !request.hasTable)
        return true;
    const TransferQuestions::WholeInstall answer = TransferQuestions::wholeInstall(
        m_window, category, int(request.table.size()), registersPhrase(m_panel->registerNames()));
    if (answer == TransferQuestions::WholeInstall::Changes)
        sendChanges(category);
    return answer == TransferQuestions::WholeInstall::Whole;
}

void TransferController::install(int category)
{
    if (category == CategoryNone || !linkReady())
        return;
    SendRequest request;
    switch (category) {
    case CategoryGraphic: {
        quint8 number = 0;
        QString reason;
        if (!m_logo->readyToInstall(m_panel->serialMode(), &number, &reason)) {
            if (!reason.isEmpty())
                refuse(reason);
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
        m_monitor->clearLogs();
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
    if (category != CategoryGraphic && !confirmWholeInstall(category, request))
        return;
    send(request, {});
}

void TransferController::download(int category)
{
    const Category* entry = categoryByNumber(category);
    if (!entry || category == CategoryGraphic || !linkReady())
        return;
    m_monitor->clearLogs();
    qCDebug(lcApp) << "MainWindow signal_MrcvData";
    start(-1, [&] { return m_host->receive(entry->typeName); });
}

void TransferController::itemCommand(quint8 command, int category)
{
    const bool itemCommand = command == CommandAdd || command == CommandUpdate || command == CommandDelete;
    const bool pluItems = category == CategoryPlu && itemCommand;
    QList<QByteArray> records;
    QList<int> gridRows;
    const ItemTable rows = pluItems ? m_grid->selectedRows(&records, &gridRows) : ItemTable();
    SendRequest request = itemRequest(command, category, rows, m_panel->serialMode(), records);
    if (pluItems && rows.isEmpty()) {
        m_statusBar->showMessage(tr("Select the PLUs to send first."));
        return;
    }
    if (!request.sendable() || !linkReady())
        return;
    // Added and updated rows are checked before they go; a deleted one needs only its code.
    if (pluItems && command != CommandDelete && !m_grid->confirmSend(rows, gridRows, request.records))
        return;
    if (!TransferQuestions::irreversible(
            m_window, irreversibleQuestion(request, m_panel->registerNames()), request.datatype == "SYSCLEARDATA"))
        return;
    send(request, gridRows);
}

void TransferController::clearData(int category)
{
    usrdb* db = usrdb::instance();
    if (!db || !mayClearRegisters(db->loginRecord())) {
        refuse(tr("Only the administrator may erase a register's tables."));
        return;
    }
    // The register's tables are erased whatever the page; the question names where.
    itemCommand(CommandClear, category);
}

void TransferController::cancel()
{
    if (!m_busy || m_cancelled)
        return;
    m_cancelled = true;
    qCDebug(lcApp) << "cancelled by the operator";
    m_statusBar->showMessage(tr("Cancelling: the registers stop after the current frame ..."));
    m_host->cancel();
}

bool TransferController::stopBeforeClosing()
{
    if (!m_busy)
        return true;
    const QMessageBox::StandardButton answer = MessageBox::question(m_window, tr("Close"),
        tr("A transfer with the registers is still running. Stop it after the current frame and close?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        { { QMessageBox::Yes, tr("Stop and close") }, { QMessageBox::No, tr("Keep running") } });
    if (answer != QMessageBox::Yes || !m_busy)
        return answer == QMessageBox::Yes;
    // The window waits for the end, so that the journal and the baselines learn how far it got.
    cancel();
    QEventLoop loop;
    connect(this, &TransferController::busyChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(kStopWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void TransferController::holdRows(
    const QString& link, const QByteArray& datatype, const ItemTable& rows, const QList<QByteArray>* records)
{
    m_held.append({ link, datatype, rows, records ? *records : QList<QByteArray>(), records != nullptr });
}

void TransferController::addOutcome(TransferOutcome outcome)
{
    // The register's baseline follows what it now holds (a download's once it is kept).
    outcome.baselineLost = !m_baselines.ended(outcome);
    qCDebug(lcApp).noquote() << "outcome:" << outcome.sentence();
    journalTransfer(outcome);
    m_outcomes.append(outcome);
}

void TransferController::finish()
{
    // A cancelled download leaves the page as it was; otherwise the rows go to it now (or only
    // to the baselines, for a download to compare with). A whole table sets the baseline.
    const int compareCategory = m_compareAfterDownload;
    m_compareAfterDownload = -1;
    QSet<QString> received, unkept;
    // The page takes one register's table, the first by its link, not the last to arrive; the
    // registers that hold another are named.
    std::sort(m_held.begin(), m_held.end(), [](const HeldRows& a, const HeldRows& b) { return a.link < b.link; });
    QStringList others;
    for (HeldRows& held : m_held) {
        received.insert(held.link);
        if (held.hasRecords && !recordDownload(held.link, held.datatype, held.records))
            unkept.insert(held.link);
        if (&held != &m_held.first() && (held.rows != m_held.first().rows || held.records != m_held.first().records))
            others << held.link;
    }
    // A register that sent an empty table holds another table than the one shown, too.
    const auto emptyTable = [&received](const TransferOutcome& outcome) {
        return outcome.download && outcome.result == TransferOutcome::Done && outcome.dropped == 0
            && !received.contains(outcome.link);
    };
    if (!m_held.isEmpty())
        for (const TransferOutcome& outcome : std::as_const(m_outcomes))
            if (emptyTable(outcome))
                others << outcome.link;
    if (!m_held.isEmpty() && !m_cancelled && compareCategory < 0)
        emit rowsReceived(m_held.first().datatype, &m_held.first().rows,
            m_held.first().hasRecords ? &m_held.first().records : nullptr);
    if (!others.isEmpty() && compareCategory < 0)
        m_monitor->addError(tr("The page shows the table of %1; %2 sent another: download from one register to see "
                               "its own.")
                                .arg(m_held.first().link, others.join(listSeparator())));
    // A register that sent an empty table holds none of the category's rows.
    for (TransferOutcome& outcome : m_outcomes) {
        if (emptyTable(outcome) && !recordDownload(outcome.link, outcome.datatype, {}))
            unkept.insert(outcome.link);
        outcome.baselineLost = outcome.baselineLost || unkept.contains(outcome.link);
    }
    m_held.clear();
    m_baselines.clear();
    m_monitor->showOutcomes(m_outcomes, m_statusBar);
    m_outcomes.clear();
    // Registers a send of changes left out say so where the others' sentences are.
    if (!m_withoutBaseline.isEmpty())
        m_statusBar->showMessage(m_statusBar->currentMessage() + QLatin1Char(' ')
            + tr("Not sent to %1: no baseline yet (download from it, or install the whole table).")
                  .arg(std::exchange(m_withoutBaseline, {}).join(listSeparator())));
    setBusy(false);
    if (compareCategory >= 0 && !m_cancelled)
        compare(compareCategory);
}

void TransferController::ackData(const QByteArray& word)
{
    // The words only fill the logs; the busy state ends with the transfers themselves.
    const StatusLine line = statusLine(word);
    const QString shown = shownWord(line);
    if (line.kind == StatusLine::Error) {
        m_monitor->addError(shown);
        return;
    }
    qCDebug(lcApp) << (line.download ? "ackdata = " : ">>>ackdata = ") << word.mid(line.download ? 9 : 7);
    if (line.kind == StatusLine::Row)
        m_monitor->addRow(shown, line.download);
    else
        m_monitor->addProgress(shown);
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
    // The rows of a send to all registers are the page's; a changes-only send's are not.
    if (m_baselines.toEvery())
        m_grid->marks()->markVerified(report);
    m_baselines.readBack(report);
}
