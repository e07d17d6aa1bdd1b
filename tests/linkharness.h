#pragma once

#include "link/linkhost.h"
#include "link/protocol.h"
#include "link/tcpserver.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// Points the link settings at a new settings file in `folder`: listening on a free port of
// 127.0.0.1, whatever else runs on the machine, with `tcpLines` added to [tcp] and
// `extraPorts` as the serial devices to list. False when the file cannot be written;
// LinkSettings::setFilePath(QString()) undoes it.
bool useTestLinkSettings(const QString& folder, const QString& extraPorts = QString(), const QByteArray& tcpLines = QByteArray());

// A host that records what the links report.
class TestHost : public LinkHost {
    Q_OBJECT
public:
    using LinkHost::LinkHost;

    QList<QByteArray> words;
    QList<QPair<QByteArray, ItemTable>> received;
    QStringList connections;
    QList<int> disconnections;
    QStringList takenAddresses; // what the registry gave back for each disconnection
    QList<VerifyReport> reports;

    void ackData(QByteArray word) override;
    void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) override;
    void showConnection(QString ipstr) override;
    void showDisconnection(int connection) override;
    void verified(VerifyReport report) override { reports << report; }
    void outcome(TransferOutcome ended) override { outcomes << ended; }
    QList<TransferOutcome> outcomes;

    // Waits until `word` has been reported `times` times.
    bool waitForWord(const QByteArray& word, int timeoutMs = 10000, int times = 1);
    int count(const QByteArray& word) const { return int(words.count(word)); }
    using LinkHost::send;
    // Sends `table` as `type` (install); returns how many links took it.
    int send(const QByteArray& type, ItemTable table);
    int request(const QByteArray& type);
};

// A send of `table` (null: none, as for the system parameters and the clear command) as
// `type` under `command`, read back afterwards with `verify`.
SendRequest makeRequest(
    const QByteArray& type, const ItemTable* table, quint8 command = CommandInstall, bool verify = false);

// The serial send of a logo packed into `chunks`, as logo `number`.
SendRequest logoRequest(const QList<QByteArray>& chunks, quint8 number = 0);

// The register's end of a link, driven step by step from the test thread.
class FakeRegister {
public:
    explicit FakeRegister(QIODevice* device)
        : m_device(device)
    {
    }
    // Exactly `count` bytes, or fewer when they do not come in time.
    QByteArray read(int count, int timeoutMs = 5000);
    void write(const QByteArray& bytes);
    // True when nothing arrives for `ms` milliseconds.
    bool quietFor(int ms);

private:
    QIODevice* m_device;
    QByteArray m_buffer;
};

// A register frame: length prefix, then a data frame.
QByteArray registerFrame(quint8 control, quint16 code, const QByteArray& record);
// The encoded department record of a row.
QByteArray deptRecord(const ItemRow& row);
ItemTable departments(int count);

// Two linked pseudo-terminals made by socat, so that real serial port code runs on both ends.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    bool ok() const { return m_ok; }
    QString first() const { return m_first; }
    QString second() const { return m_second; }

private:
    QProcess m_socat;
    QString m_first, m_second;
    bool m_ok = false;
};

// The simulator program beside the test, started with `arguments`.
class Simulator {
public:
    explicit Simulator(const QStringList& arguments);
    ~Simulator();
    bool waitReady(int timeoutMs = 10000);
    bool waitFinished(int timeoutMs = 10000);
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    QByteArray output() { return m_output += m_process.readAllStandardOutput(); }
    // Switches the register off as a shop does (SIGTERM).
    void terminate() { m_process.terminate(); }

private:
    QProcess m_process;
    QByteArray m_output;
};

// Starts the simulator as a register that connects to 127.0.0.1:`port` and keeps its memory in
// `db`, with `extra` arguments; null unless it gets ready and `connected` holds within 5 s.
std::unique_ptr<Simulator> connectSimulator(
    quint16 port, const QString& db, const QStringList& extra, const std::function<bool()>& connected);

// A host whose TCP link listens on a free port of 127.0.0.1, for simulated registers to
// connect to.
struct TcpBench {
    TestHost host;
    // Reset it to close every connection.
    std::unique_ptr<TcpServer> server = std::make_unique<TcpServer>(&host, QHostAddress::LocalHost, 0);

    // A simulator connected as one more register, its memory in `db`; null unless its
    // connection is announced.
    std::unique_ptr<Simulator> connect(const QString& db, const QStringList& extra = {});
};

// A peer on a thread of its own with a plain blocking descriptor, so that what it sends costs
// this process no memory: it streams a fixed pattern, then answers the first frame it reads.
class StreamingPeer {
public:
    // Connects to 127.0.0.1:`port` at once.
    static StreamingPeer* tcp(quint16 port);
    // Opens the serial device `path` at once.
    static StreamingPeer* device(const QString& path);
    ~StreamingPeer();

    bool ok() const { return m_fd >= 0; }
    // Streams `bytes` bytes of pattern(), then reads `frameSize` bytes and answers `reply`.
    void start(qint64 bytes, int frameSize, const QByteArray& reply);
    bool streamed() const { return m_streamed; }
    bool answered() const { return m_answered; }
    // The bytes that the stream begins with (no 0x06 among them).
    static QByteArray pattern(int count);

private:
    explicit StreamingPeer(int fd);
    void run(qint64 bytes, int frameSize, QByteArray reply);

    int m_fd;
    std::thread m_thread;
    std::atomic<bool> m_quit { false };
    std::atomic<bool> m_streamed { false };
    std::atomic<bool> m_answered { false };
};

// One register of a fleet, on a thread of its own with a plain blocking socket: it
// acknowledges every data frame at once and compares it with the frame expected at its place
// in the send, so that a row lost, repeated or out of place shows. A frame with control 0x04
// or 0x06 ends a send; the next frame starts the expected list again.
class FleetRegister {
public:
    // Connects to 127.0.0.1:`port` at once; `expected` must outlive the register.
    FleetRegister(quint16 port, const QList<QByteArray>* expected);
    ~FleetRegister();

    bool ok() const { return m_fd >= 0; }
    // Frames that matched the expected frame at their place, in all sends.
    int matched() const { return m_matched; }
    // Frames that did not, and frames beyond the expected list.
    int wrong() const { return m_wrong; }
    // Sends that ended with all their frames matched.
    int completeSends() const { return m_completeSends; }

private:
    void run();

    int m_fd;
    const QList<QByteArray>* m_expected;
    std::thread m_thread;
    std::atomic<int> m_matched { 0 };
    std::atomic<int> m_wrong { 0 };
    std::atomic<int> m_completeSends { 0 };
};

// The frames that a send of `table` as `type` writes, in order.
QList<QByteArray> sentFrames(const QByteArray& type, const ItemTable& table);

// A plain connection to 127.0.0.1:`port`: its descriptor, or -1.
int connectPeer(quint16 port);
// Ends a connection of connectPeer() in order (FIN) or with a reset (RST).
void closePeer(int fd, bool reset);

// Resident memory of this process, in bytes.
qint64 residentBytes();
// Threads of this process.
int threadCount();
