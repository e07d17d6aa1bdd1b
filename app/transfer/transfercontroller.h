#pragma once

#include "base/itemtable.h"
#include "records/verify.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>

class ConnectionPanel;
class GridPage;
class LinkHost;
class LogoPage;
class SystemPage;
class TransferMonitor;
struct SendRequest;

// Runs the window's transfers: install, download, the PLU item commands (add, update,
// delete), clear data and the verify after install. It owns the link host, through which
// every request goes to the link the connection panel has open, and the transfer monitor
// that fills the panel's logs and progress bar. A request takes what it needs from the page
// of its category; while transfers run the controller is busy and starts no other. GUI
// thread only.
class TransferController : public QObject {
    Q_OBJECT
public:
    // Starts the panel's links on the controller's host.
    TransferController(ConnectionPanel* panel, GridPage* grid, LogoPage* logo, SystemPage* system, QWidget* window);

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

    // A status word of a transfer, for the logs.
    void ackData(const QByteArray& word);
    // One register's table read back after a send, compared with what was sent.
    void showVerification(const VerifyReport& report);

signals:
    void busyChanged(bool busy);
    // Rows a download brought, with their records (null when not given); valid during the call.
    void rowsReceived(QByteArray datatype, QList<QList<QVariant>>* datas, const QList<QByteArray>* records);

private:
    // Starts a request through `request`, which returns how many links took it; busy until
    // every register that took it has ended its transfer, and said at once when none took it.
    void start(int frames, const std::function<int()>& request);
    void send(SendRequest& request, const QList<int>& gridRows);
    void setBusy(bool busy);

    ConnectionPanel* m_panel;
    GridPage* m_grid;
    LogoPage* m_logo;
    SystemPage* m_system;
    QWidget* m_window;
    LinkHost* m_host;
    TransferMonitor* m_monitor;
    bool m_busy = false;
};
