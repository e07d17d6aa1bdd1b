#pragma once

#include "base/itemtable.h"
#include "link/changes.h"
#include "link/linkhost.h"
#include "link/linksettings.h"

#include <QCommandLineOption>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class CommandContext;
class SerialServer;
class TcpServer;

// LINK of a command: --serial PORT, or --tcp with where to listen and whom to wait for.
struct LinkOptions {
    bool serial = false;
    QString port;
    // Where and whom to listen for: the window's settings (allowed peers, most connections)
    // with --listen and --port over them.
    LinkSettings tcp;
    int registers = 1;
    int waitSeconds = 60;

    static QList<QCommandLineOption> options();
    // Reads the LINK options of `context`: ExitOk, or a usage error already printed.
    static int read(const CommandContext& context, LinkOptions* out);
};

// tallvane-cli's side of a link: opens it, runs one request on every register it reaches,
// prints each register's status words as the window's transfer logs show them (over TCP
// after the register's address), draws the progress on a terminal, and tells whether every
// register ended with END. Main thread; the transfers run on the link's threads.
class CliLink : public LinkHost {
    Q_OBJECT
public:
    explicit CliLink(const LinkOptions& options);
    ~CliLink() override;

    // The serial port opened, or the registers connected over TCP (as many as asked for, or
    // as have come when the wait is over). ExitOk, or ExitTransferFailed with the reason
    // printed.
    int open();
    // Starts one request through `request`, which returns how many links took it (see
    // LinkHost::send), and waits until every transfer it started has ended. `rows`: the rows
    // each register acknowledges, -1 when unknown (downloads).
    int run(int rows, const std::function<int()>& request);
    // Sends `request` to every register (run() with it), keeping each register's baseline in
    // the open set.
    int runSend(int rows, const SendRequest& request);
    // Sends each register its own request, by link; registers without one take no part.
    int runEach(int rows, const QHash<QString, SendRequest>& requests);
    // The links of the registers reached: "tcp:ADDRESS" or "serial:PORT", each once, or
    // (`eachRegister`) once per register, as often as registers share one.
    QStringList links(bool eachRegister = false) const;
    // Status words go to standard error instead of standard output (which carries a table).
    void setWordsToStderr(bool on) { m_wordsToStderr = on; }
    // The rows downloaded, one table per register that sent any, in connection order.
    QList<ItemTable> received() const;
    // The records of those rows as the database keeps them, table by table.
    QList<QList<QByteArray>> receivedRecords() const;
    // The records the register of `link` sent; empty when it sent none.
    QList<QByteArray> recordsOf(const QString& link) const;
    // Whether the register of `link` ended its transfer with END, its rows read over this link.
    bool received(const QString& link) const;

    void ackData(QByteArray word) override;
    void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) override;
    void rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, QList<QByteArray>* records) override;
    void showConnection(QString ipstr) override;
    void showDisconnection(int connection) override;
    // Prints how a register holds the table it was sent (install --verify).
    void verified(VerifyReport report) override;
    // Prints how a register's transfer ended, as a sentence on standard error (standard
    // output keeps the status words that scripts read).
    void outcome(TransferOutcome outcome) override;
    // The registers whose table was read back after the send, and whether each holds it as sent.
    int verifiedRegisters() const { return m_verified; }
    bool allHeldAsSent() const { return m_heldAsSent; }
    // A register acknowledged a send whose replies came late or out of step.
    bool uncertain() const { return m_uncertain; }
    // Every register asked for (--registers) connected.
    bool complete() const { return m_missing == 0; }
    // A register sent rows that this link cannot read.
    bool unread() const { return m_unread; }

private:
    struct Register {
        QPointer<QObject> relay; // the link's thread object that reports for it
        QString address; // empty on the serial link
        QString link; // "tcp:ADDRESS", "serial:PORT"
        bool connected = true;
        bool involved = false; // connected when the request went out
        int rowsDone = 0;
        bool ended = false; // its last word was END
        bool dropped = false; // it sent rows that this link cannot read
        ItemTable rows;
        QList<QByteArray> records;
    };
    Register& registerOf(QObject* relay);
    int connectedCount() const;
    void print(const QString& line);
    void drawProgress();
    void clearProgress();

    LinkOptions m_options;
    std::unique_ptr<TcpServer> m_tcp;
    std::unique_ptr<SerialServer> m_serial;
    QList<Register> m_registers;
    int m_rows = -1;
    bool m_progressShown = false;
    bool m_terminal = false;
    bool m_wordsToStderr = false;
    int m_verified = 0;
    bool m_heldAsSent = true;
    bool m_uncertain = false;
    bool m_unread = false;
    int m_missing = 0; // registers asked for (--registers) that did not connect
    BaselineKeeper m_baselines; // each register's baseline through the transfers
};
