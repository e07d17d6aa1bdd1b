#pragma once

#include "base/itemtable.h"
#include "link/changes.h"
#include "link/outcome.h"
#include "link/sendrequest.h"
#include "records/verify.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class CompareDialog;
class ConnectionPanel;
class GridPage;
class LinkHost;
class LogoPage;
class QStatusBar;
class SystemPage;
class TransferMonitor;

// Runs the window's transfers: install, download, the PLU item commands (add, update,
// delete), clear data and the verify after install. It owns the link host, through which
// every request goes to the link the connection panel has open, and the transfer monitor
// that fills the panel's logs and progress bar. A request takes what it needs from the page
// of its category; while transfers run the controller is busy and starts no other. A command
// that cannot start says why; one that cannot be undone on the register is asked about
// first; each transfer ends with one sentence per register in the status bar and the log.
// GUI thread only.
class TransferController : public QObject {
    Q_OBJECT
public:
    // Starts the panel's links on the controller's host.
    TransferController(ConnectionPanel* panel, GridPage* grid, LogoPage* logo, SystemPage* system,
        QStatusBar* statusBar, QWidget* window);

    LinkHost* host() const { return m_host; }
    bool isBusy() const { return m_busy; }

    // Sends the table of `category`'s page to every register.
    void install(int category);
    // Asks the register(s) for `category`'s table.
    void download(int category);
    // PLU add, update or delete of the selected rows, or clear data (on other pages, over
    // the serial link), under `command`.
    void itemCommand(quint8 command, int category);
    // Asks, then sends the clear command.
    void clearData(int category);
    // Shows what the page of `category` would change on each connected register, against
    // the register's baseline.
    void compare(int category);
    // Downloads each register's table as its baseline (the page stays as it is), then compares.
    void downloadCompare(int category);
    // False, with the reason shown, when no request can go now.
    bool linkReady();
    // Sends each register only what differs from its baseline.
    void sendChanges(int category);
    // Stops the running transfers after their current frame; a download's rows are dropped.
    void cancel();
    // Before the window closes: true when no transfer runs, or when the operator chose to stop
    // the running one and it has ended (the registers stop after their current frame).
    bool stopBeforeClosing();
    // Another page is shown: the logs of the last one's transfer go.
    void clearLogs();

    // A status word of a transfer, for the logs.
    void ackData(const QByteArray& word);
    // One register's table read back after a send, compared with what was sent.
    void showVerification(const VerifyReport& report);
    // How one register's transfer ended.
    void addOutcome(TransferOutcome outcome);
    // Rows a download brought from the register of `link`; held until every register has ended.
    void holdRows(
        const QString& link, const QByteArray& datatype, const ItemTable& rows, const QList<QByteArray>* records);

signals:
    void busyChanged(bool busy);
    // Rows a download brought, with their records (null when not given); valid during the call.
    void rowsReceived(QByteArray datatype, QList<QList<QVariant>>* datas, const QList<QByteArray>* records);

private:
    struct HeldRows {
        QString link;
        QByteArray datatype;
        ItemTable rows;
        QList<QByteArray> records;
        bool hasRecords = false;
    };

    void refuse(const QString& reason);
    // Before an install that replaces tables whose registers have a baseline: Install (true),
    // Send changes (false, and the changes go) or Cancel (false).
    bool confirmWholeInstall(int category, const SendRequest& request);
    // The page's rows of `category` with their records; false for a page without a table.
    bool pageRows(int category, ItemTable* rows, QList<QByteArray>* records);
    // Starts a request through `request`, which returns how many links took it; busy until
    // every register that took it has ended its transfer, and said at once when none took it.
    void start(int frames, const std::function<int()>& request);
    void send(SendRequest& request, const QList<int>& gridRows);
    void setBusy(bool busy);
    // Every register has ended: the held rows go to the page (unless cancelled), the
    // sentences to the logs and the status bar.
    void finish();

    ConnectionPanel* m_panel;
    GridPage* m_grid;
    LogoPage* m_logo;
    SystemPage* m_system;
    QStatusBar* m_statusBar;
    QWidget* m_window;
    LinkHost* m_host;
    TransferMonitor* m_monitor;
    bool m_busy = false;
    QPointer<QWidget> m_focusBeforeBusy;
    bool m_cancelled = false;
    bool m_linkRefused = false; // the logs say why the link could not be used
    int m_compareAfterDownload = -1; // the category a download-and-compare runs for
    int m_compareCategory = 0; // the category the compare dialog shows
    BaselineKeeper m_baselines; // each register's baseline through the transfers
    CompareDialog* m_compareDialog = nullptr;
    QList<TransferOutcome> m_outcomes;
    QList<HeldRows> m_held;
    QStringList m_withoutBaseline; // registers a send of changes left out for want of a baseline
};
