// Link benchmark: installs of 10,000 department rows and of 10,000 PLUs over 127.0.0.1 to a
// register that acknowledges at once, and a download of 10,000 rows, each against a
// baseline measured in the same run: a plain blocking socket ping-pong exchanging frames of
// the same sizes. Goal: at least half of the baseline's frames per second.
// Then a fleet: one install of the 10,000 PLUs to 50 registers connected at once, against 50
// plain blocking socket pairs doing the same ping-pong at once. Goal: at most 1.2 times as long
// (on 2 cores the ping-pong itself takes many times one pair's time, so one register is no
// measure for 50).
// Then silent registers: a download and an install to 64 connected registers that never
// answer, against the same to one such register: the time until the host is idle again.
// Goal: the one register's time plus at most a second.

#include "plutable.h"
#include "timing.h"

#include "link/linkhost.h"
#include "link/protocol.h"
#include "link/tcpserver.h"
#include "records/dept.h"
#include "tests/linkharness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int kRows = 10000;

bool readAll(int fd, char* buffer, int count)
{
    int got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, buffer + got, size_t(count - got));
        if (n <= 0)
            return false;
        got += int(n);
    }
    return true;
}

bool writeAll(int fd, const char* buffer, int count)
{
    int sent = 0;
    while (sent < count) {
        const ssize_t n = ::write(fd, buffer + sent, size_t(count - sent));
        if (n <= 0)
            return false;
        sent += int(n);
    }
    return true;
}

int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A listening socket on a free loopback port.
int listenAny(quint16* port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd, 1);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    *port = ntohs(address.sin_port);
    return fd;
}

// The baseline: one side writes `frameSize` bytes and waits for one byte, the other reads
// the frame and answers at once, `kRows` times; `pairs` such pairs of threads at once.
double pingPong(int frameSize, int pairs = 1)
{
    quint16 port = 0;
    const int listener = listenAny(&port);
    std::vector<int> fds;
    std::vector<std::thread> answering;
    for (int p = 0; p < pairs; ++p) {
        fds.push_back(connectTo(port));
        const int peer = ::accept(listener, nullptr, nullptr);
        answering.emplace_back([peer, frameSize] {
            const int one = 1;
            ::setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            std::vector<char> frame(static_cast<size_t>(frameSize));
            const char ack = kAck;
            for (int i = 0; i < kRows; ++i) {
                if (!readAll(peer, frame.data(), frameSize) || !writeAll(peer, &ack, 1))
                    break;
            }
            ::close(peer);
        });
    }
    std::atomic<bool> go { false };
    std::vector<std::thread> sending;
    for (const int fd : fds)
        sending.emplace_back([fd, frameSize, &go] {
            while (!go)
                std::this_thread::yield();
            std::vector<char> frame(size_t(frameSize), 0x11);
            char reply = 0;
            for (int i = 0; i < kRows; ++i) {
                if (!writeAll(fd, frame.data(), frameSize) || !readAll(fd, &reply, 1))
                    break;
            }
        });
    const auto start = std::chrono::steady_clock::now();
    go = true;
    for (std::thread& thread : sending)
        thread.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const int fd : fds)
        ::close(fd);
    for (std::thread& thread : answering)
        thread.join();
    ::close(listener);
    return seconds;
}

// A register on a raw socket: acknowledges every data frame at once, and answers a request
// with `kRows` department frames and an end frame.
void registerLoop(quint16 port, const QByteArray& record)
{
    const int fd = connectTo(port);
    if (fd < 0)
        return;
    QByteArray registerFrame = QByteArray(1, char(record.size())) + dataFrame(0x05, 9, record);
    const QByteArray endFrame = QByteArray(1, 0) + dataFrame(0x06, 9, QByteArray());
    char head[2];
    std::vector<char> rest(512);
    const char ack = kAck;
    while (readAll(fd, head, 2)) {
        if (uchar(head[0]) == 0x08) {
            if (!readAll(fd, rest.data(), 4))
                break;
            char reply = 0;
            for (int i = 0; i < kRows; ++i)
                if (!writeAll(fd, registerFrame.constData(), registerFrame.size()) || !readAll(fd, &reply, 1))
                    break;
            writeAll(fd, endFrame.constData(), endFrame.size());
            readAll(fd, &reply, 1);
            continue;
        }
        if (!readAll(fd, rest.data(), uchar(head[1]) + 4) || !writeAll(fd, &ack, 1))
            break;
    }
    ::close(fd);
}

class BenchHost : public LinkHost {
public:
    int connections = 0;
    int words = 0;
    bool ended = false;
    void ackData(QByteArray word) override
    {
        ++words;
        if (word.endsWith(" END"))
            ended = true;
    }
    void rcvData(QByteArray, QList<QList<QVariant>>*) override {}
    void showConnection(QString) override { ++connections; }
};

void spinUntil(const bool& flag)
{
    waitUntil([&flag] { return flag; });
}

class FleetHost : public LinkHost {
public:
    int connections = 0;
    int ends = 0;
    int failures = 0; // words other than "UPDATE ..."
    void ackData(QByteArray word) override
    {
        if (word == "UPDATE END")
            ++ends;
        else if (!word.startsWith("UPDATE "))
            ++failures;
    }
    void rcvData(QByteArray, QList<QList<QVariant>>*) override {}
    void showConnection(QString) override { ++connections; }
};

struct FleetRun {
    double seconds = 0;
    bool exact = false; // every register got every row once, in order, and the send ended
};

// One install of `table` to `registers` registers connected at once: the seconds from the
// request to the last register's "UPDATE END".
FleetRun installToFleet(int registers, const ItemTable& table, const QList<QByteArray>& frames)
{
    FleetHost host;
    TcpServer server(&host, QHostAddress::LocalHost, 0);
    std::vector<std::unique_ptr<FleetRegister>> fleet;
    for (int i = 0; i < registers; ++i)
        fleet.push_back(std::make_unique<FleetRegister>(server.serverPort(), &frames));
    waitUntil([&] { return host.connections >= registers; }, 10000);

    FleetRun run;
    QElapsedTimer clock;
    clock.start();
    host.send(makeRequest("PLUDATA", &table));
    waitUntil([&] { return host.ends + host.failures >= registers; });
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.exact = host.connections == registers && host.ends == registers && host.failures == 0;
    if (!run.exact)
        std::printf("  %d registers: %d connected, %d ended, %d failed\n", registers, host.connections, host.ends,
            host.failures);
    for (const auto& ecr : fleet) {
        const bool whole = ecr->matched() == table.size() && ecr->wrong() == 0 && ecr->completeSends() == 1;
        if (!whole)
            std::printf("  a register matched %d, got %d wrong, ended %d sends\n", ecr->matched(), ecr->wrong(),
                ecr->completeSends());
        run.exact = run.exact && whole;
    }
    return run;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("unknown");
}

// The installs and the download to one register, each against its ping-pong baseline.
void oneRegister()
{
    ItemTable table;
    for (int i = 0; i < kRows; ++i)
        table << ItemRow { QString::number(i % 256), QStringLiteral("DEPT %1").arg(i), "1", "10000000", "00000101", "1",
            "12.50", "99.00", "13" };
    QByteArray record;
    Dept::instance()->encodeRow(table.first(), &record);
    const int frameSize = record.size() + 6;

    BenchHost host;
    auto server = std::make_unique<TcpServer>(&host, QHostAddress::LocalHost, 0);
    std::thread ecr(registerLoop, server->serverPort(), record);
    waitUntil([&] { return host.connections > 0; });

    ItemTable plus = pluTable(kRows);
    const int pluFrameSize = 72 + 6;

    std::printf("Tallvane link benchmark, %d rows over 127.0.0.1 (best of 5, alternating)\n\n", kRows);
    double install = 1e9, download = 1e9, sendBase = 1e9, receiveBase = 1e9, pluInstall = 1e9, pluBase = 1e9;
    // Seconds from the request to the link's end word.
    auto timed = [&host](const std::function<void()>& request) {
        host.ended = false;
        QElapsedTimer clock;
        clock.start();
        request();
        spinUntil(host.ended);
        return clock.nsecsElapsed() / 1e9;
    };
    for (int run = 0; run < 5; ++run) {
        pluBase = std::min(pluBase, pingPong(pluFrameSize));
        pluInstall = std::min(pluInstall, timed([&] { host.send(makeRequest("PLUDATA", &plus)); }));
        sendBase = std::min(sendBase, pingPong(frameSize));
        install = std::min(install, timed([&] { host.send(makeRequest("DEPTDATA", &table)); }));
        receiveBase = std::min(receiveBase, pingPong(frameSize + 1));
        download = std::min(download, timed([&] { host.receive("DEPTDATA"); }));
    }
    auto line = [](const char* what, double seconds, double baseline) {
        std::printf("%-40s %8.3f s  %9.0f frames/s", what, seconds, kRows / seconds);
        if (baseline > 0)
            std::printf("  %5.2f of baseline (goal >= 0.50)", baseline / seconds);
        std::printf("\n");
    };
    line("baseline ping-pong, 78-byte frames", pluBase, 0);
    line("install 10,000 PLUs", pluInstall, pluBase);
    line("baseline ping-pong, 53-byte frames", sendBase, 0);
    line("install 10,000 departments", install, sendBase);
    line("baseline ping-pong, 54-byte frames", receiveBase, 0);
    line("download 10,000 rows", download, receiveBase);

    // Ending the server closes the register's connection, which ends its loop.
    server.reset();
    ecr.join();
}

// One install to a fleet against the same install to one register; false when a register
// missed or repeated a row.
bool fleetOfRegisters()
{
    constexpr int kFleet = 50;
    const ItemTable plus = pluTable(kRows);
    const QList<QByteArray> frames = sentFrames("PLUDATA", plus);
    const int frameSize = int(frames.first().size());
    std::printf("\nFleet: one install of %d PLUs over 127.0.0.1 (best of 3, alternating; load average %s)\n\n",
        kRows, loadAverage().constData());
    double single = 1e9, many = 1e9, singleBase = 1e9, manyBase = 1e9;
    bool exact = true;
    for (int run = 0; run < 3; ++run) {
        singleBase = std::min(singleBase, pingPong(frameSize));
        manyBase = std::min(manyBase, pingPong(frameSize, kFleet));
        const FleetRun one = installToFleet(1, plus, frames);
        const FleetRun all = installToFleet(kFleet, plus, frames);
        single = std::min(single, one.seconds);
        many = std::min(many, all.seconds);
        exact = exact && one.exact && all.exact;
    }
    auto line = [](const char* what, double seconds, int registers, double one) {
        std::printf("%-40s %8.3f s  %9.0f frames/s", what, seconds, registers * kRows / seconds);
        if (one > 0)
            std::printf("  %5.2f x one register", seconds / one);
        std::printf("\n");
    };
    line("baseline ping-pong, 1 pair", singleBase, 1, 0);
    line("baseline ping-pong, 50 pairs at once", manyBase, kFleet, singleBase);
    line("install to 1 register", single, 1, 0);
    line("install to 50 registers at once", many, kFleet, single);
    std::printf("install to 50 registers: %.2f x the 50 pairs (goal <= 1.20)\n", many / manyBase);
    std::printf("every register got every row exactly once and ended: %s\n", exact ? "yes" : "NO");
    std::printf("load average after the runs: %s\n", loadAverage().constData());
    return exact;
}

class SilentHost : public LinkHost {
public:
    int connections = 0;
    int failures = 0;
    void ackData(QByteArray word) override
    {
        if (word == "TIME OUT" || word == "RCV ERR")
            ++failures;
    }
    void rcvData(QByteArray, QList<QList<QVariant>>*) override {}
    void showConnection(QString) override { ++connections; }
};

struct SilentRun {
    double seconds = 0;
    bool allFailed = false; // every register ended with its time-out
};

// `registers` peers that connect and never answer; `install` sends 10 departments, else a
// download is asked for. The seconds from the request until no transfer runs.
SilentRun toSilentRegisters(int registers, bool install)
{
    SilentHost host;
    TcpServer server(&host, QHostAddress::LocalHost, 0);
    std::vector<int> peers;
    for (int i = 0; i < registers; ++i)
        peers.push_back(connectPeer(server.serverPort()));
    waitUntil([&] { return host.connections >= registers; }, 10000);
    const ItemTable table = departments(10);
    SilentRun run;
    QElapsedTimer clock;
    clock.start();
    if (install)
        host.send(makeRequest("DEPTDATA", &table));
    else
        host.receive("DEPTDATA");
    waitUntil([&] { return host.runningTransfers() == 0; });
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.allFailed = host.connections == registers && host.failures == registers;
    for (const int fd : peers)
        closePeer(fd, false);
    return run;
}

bool silentRegisters()
{
    constexpr int kSilent = 64;
    std::printf("\nSilent registers: time until idle (load average %s)\n\n", loadAverage().constData());
    bool allFailed = true;
    for (const bool install : { false, true }) {
        const SilentRun one = toSilentRegisters(1, install);
        const SilentRun all = toSilentRegisters(kSilent, install);
        allFailed = allFailed && one.allFailed && all.allFailed;
        const char* what = install ? "install" : "download";
        std::printf("%-8s to 1 silent register   %8.3f s\n", what, one.seconds);
        std::printf("%-8s to %d silent registers %8.3f s  %5.2f x one register, %+.3f s (goal <= +1.000 s)\n", what,
            kSilent, all.seconds, all.seconds / one.seconds, all.seconds - one.seconds);
    }
    std::printf("every register ended with its time-out: %s\n", allFailed ? "yes" : "NO");
    return allFailed;
}

} // namespace

// With --fleet, only the fleet is measured; with --silent, only the silent registers.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--silent")))
        return silentRegisters() ? 0 : 1;
    if (!app.arguments().contains(QStringLiteral("--fleet")))
        oneRegister();
    const bool fleet = fleetOfRegisters();
    return silentRegisters() && fleet ? 0 : 1;
}
