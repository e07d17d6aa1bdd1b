// Link benchmark: installs of 10,000 department rows and of 10,000 PLUs over 127.0.0.1 to a
// register that acknowledges at once, and a download of 10,000 rows, each against a
// baseline measured in the same run: a plain blocking socket ping-pong exchanging frames of
// the same sizes. Goal: at least half of the baseline's frames per second.

#include "plutable.h"

#include "link/linkhost.h"
#include "link/protocol.h"
#include "link/tcpserver.h"
#include "records/dept.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

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
// the frame and answers at once, `kRows` times.
double pingPong(int frameSize)
{
    quint16 port = 0;
    const int listener = listenAny(&port);
    std::thread answering([&] {
        const int fd = ::accept(listener, nullptr, nullptr);
        const int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        std::vector<char> frame(static_cast<size_t>(frameSize));
        const char ack = kAck;
        for (int i = 0; i < kRows; ++i) {
            if (!readAll(fd, frame.data(), frameSize) || !writeAll(fd, &ack, 1))
                break;
        }
        ::close(fd);
    });
    const int fd = connectTo(port);
    std::vector<char> frame(size_t(frameSize), 0x11);
    char reply = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRows; ++i) {
        if (!writeAll(fd, frame.data(), frameSize) || !readAll(fd, &reply, 1))
            break;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(fd);
    answering.join();
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
    while (!flag)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
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
    while (host.connections == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

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
        currentCommand = CommandInstall;
        pluBase = std::min(pluBase, pingPong(pluFrameSize));
        pluInstall = std::min(pluInstall, timed([&] { emit host.signal_MsendData("PLUDATA", &plus); }));
        sendBase = std::min(sendBase, pingPong(frameSize));
        install = std::min(install, timed([&] { emit host.signal_MsendData("DEPTDATA", &table); }));
        receiveBase = std::min(receiveBase, pingPong(frameSize + 1));
        download = std::min(download, timed([&] { emit host.signal_MrcvData("DEPTDATA"); }));
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
    return 0;
}
