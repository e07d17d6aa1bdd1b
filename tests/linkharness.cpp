#include "linkharness.h"

#include "link/linksettings.h"
#include "link/tcpserver.h"
#include "records/dept.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <arpa/inet.h>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

void TestHost::ackData(QByteArray word) { words << word; }

void TestHost::rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) { received << qMakePair(datatype, *datas); }

void TestHost::showConnection(QString ipstr) { connections << ipstr; }

void TestHost::showDisconnection(int connection)
{
    disconnections << connection;
    takenAddresses << ConnectionRegistry::take(connection);
}

int TestHost::send(const QByteArray& type, ItemTable table) { return LinkHost::send(makeRequest(type, &table)); }

int TestHost::request(const QByteArray& type) { return receive(type); }

SendRequest makeRequest(const QByteArray& type, const ItemTable* table, quint8 command, bool verify)
{
    SendRequest request;
    request.datatype = type;
    request.command = command;
    request.verify = verify;
    request.hasTable = table != nullptr;
    if (table)
        request.table = *table;
    return request;
}

SendRequest logoRequest(const QList<QByteArray>& chunks, quint8 number)
{
    ItemTable empty;
    SendRequest request = makeRequest("GRAPHICDATA", &empty);
    request.logoChunks = chunks;
    request.logoNumber = number;
    return request;
}

bool TestHost::waitForWord(const QByteArray& word, int timeoutMs, int times)
{
    QDeadlineTimer deadline(timeoutMs);
    while (count(word) < times && !deadline.hasExpired())
        QTest::qWait(5);
    return count(word) >= times;
}

QByteArray FakeRegister::read(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_buffer.size() < count && !deadline.hasExpired()) {
        if (m_device->bytesAvailable() == 0)
            m_device->waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 50)));
        m_buffer += m_device->readAll();
    }
    const QByteArray bytes = m_buffer.left(count);
    m_buffer.remove(0, bytes.size());
    return bytes;
}

void FakeRegister::write(const QByteArray& bytes)
{
    m_device->write(bytes);
    while (m_device->bytesToWrite() > 0 && m_device->waitForBytesWritten(1000)) {
    }
}

bool FakeRegister::quietFor(int ms)
{
    if (!m_buffer.isEmpty())
        return false;
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        m_device->waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 50)));
        if (m_device->bytesAvailable() > 0)
            return false;
    }
    return true;
}

QByteArray registerFrame(quint8 control, quint16 code, const QByteArray& record)
{
    return QByteArray(1, char(record.size() & 0xFF)) + dataFrame(control, code, record);
}

QByteArray deptRecord(const ItemRow& row)
{
    QByteArray record;
    Dept::instance()->encodeRow(row, &record);
    return record;
}

ItemTable departments(int count)
{
    ItemTable table;
    for (int i = 1; i <= count; ++i)
        table << ItemRow { QString::number(i), QStringLiteral("DEPT%1").arg(i), "1", "10000000", "00000001", "1",
            QStringLiteral("%1.25").arg(i), "99.00", "1" };
    return table;
}

PtyPair::PtyPair()
{
    static int serial = 0;
    const QString base = QDir::temp().filePath(QStringLiteral("tallvane-pty-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial));
    m_first = base + QStringLiteral("-a");
    m_second = base + QStringLiteral("-b");
    m_socat.start(QStringLiteral("socat"), { QStringLiteral("pty,raw,echo=0,link=") + m_first,
                                               QStringLiteral("pty,raw,echo=0,link=") + m_second });
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !(QFile::exists(m_first) && QFile::exists(m_second)))
        QTest::qWait(20);
    m_ok = QFile::exists(m_first) && QFile::exists(m_second);
}

PtyPair::~PtyPair()
{
    m_socat.terminate();
    m_socat.waitForFinished(3000);
}

Simulator::Simulator(const QStringList& arguments)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tallvane-ecrsim"), arguments);
}

Simulator::~Simulator()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool Simulator::waitReady(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!output().contains("register ready") && !deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(10);
    }
    return output().contains("register ready");
}

bool Simulator::waitFinished(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(10);
    output();
    return m_process.state() == QProcess::NotRunning;
}

std::unique_ptr<Simulator> connectSimulator(
    quint16 port, const QString& db, const QStringList& extra, const std::function<bool()>& connected)
{
    auto ecr = std::make_unique<Simulator>(QStringList { QStringLiteral("--connect"),
                                               QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("--db"), db }
        + extra);
    if (!ecr->waitReady() || !QTest::qWaitFor(connected, 5000))
        return nullptr;
    return ecr;
}

std::unique_ptr<Simulator> TcpBench::connect(const QString& db, const QStringList& extra)
{
    const int before = int(host.connections.size());
    return connectSimulator(server->serverPort(), db, extra, [&] { return host.connections.size() > before; });
}

StreamingPeer::StreamingPeer(int fd)
    : m_fd(fd)
{
}

int connectPeer(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void closePeer(int fd, bool reset)
{
    if (reset) {
        // Closing with a zero linger time sends RST instead of FIN.
        const linger abort { 1, 0 };
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    }
    ::close(fd);
}

StreamingPeer* StreamingPeer::tcp(quint16 port) { return new StreamingPeer(connectPeer(port)); }

StreamingPeer* StreamingPeer::device(const QString& path)
{
    return new StreamingPeer(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY));
}

StreamingPeer::~StreamingPeer()
{
    m_quit = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray StreamingPeer::pattern(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        const char byte = char((i * 37 + 11) & 0xFF);
        bytes[i] = byte == kAck ? char(0x07) : byte;
    }
    return bytes;
}

void StreamingPeer::start(qint64 bytes, int frameSize, const QByteArray& reply)
{
    m_thread = std::thread([this, bytes, frameSize, reply] { run(bytes, frameSize, reply); });
}

void StreamingPeer::run(qint64 bytes, int frameSize, QByteArray reply)
{
    // A whole number of 256-byte pattern periods, so that whole chunks continue the pattern.
    const QByteArray chunk = pattern(256 * 256);
    qint64 sent = 0;
    while (sent < bytes && !m_quit) {
        const ssize_t n = ::write(m_fd, chunk.constData(), size_t(qMin<qint64>(chunk.size(), bytes - sent)));
        if (n <= 0)
            return;
        sent += n;
    }
    m_streamed = true;
    int got = 0;
    char buffer[512];
    while (got < frameSize && !m_quit) {
        pollfd readable { m_fd, POLLIN, 0 };
        if (::poll(&readable, 1, 50) <= 0)
            continue;
        const ssize_t n = ::read(m_fd, buffer, size_t(qMin(frameSize - got, int(sizeof buffer))));
        if (n <= 0)
            return;
        got += int(n);
    }
    if (got == frameSize && ::write(m_fd, reply.constData(), size_t(reply.size())) == reply.size())
        m_answered = true;
}

FleetRegister::FleetRegister(quint16 port, const QList<QByteArray>* expected)
    : m_fd(connectPeer(port))
    , m_expected(expected)
{
    if (m_fd < 0)
        return;
    // Acknowledgements go out at once, as a register's do.
    const int one = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    m_thread = std::thread([this] { run(); });
}

FleetRegister::~FleetRegister()
{
    // Shutting the socket down wakes the register's blocking read, which ends its loop.
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RDWR);
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

// Reads as much as the socket holds and takes whole frames from the buffer, so that a frame
// costs one read and one write, as it does for the plain ping-pong of the link benchmark:
// the fleet then measures the sender, not the register.
void FleetRegister::run()
{
    std::vector<char> buffer(64 * 1024);
    size_t held = 0;
    int position = 0;
    bool sendGood = true;
    const char ack = kAck;
    for (;;) {
        // Control byte and record length, then the payload code, the record and the CRC.
        while (held < 2 || held < size_t(uchar(buffer[1])) + 6) {
            const ssize_t n = ::read(m_fd, buffer.data() + held, buffer.size() - held);
            if (n <= 0)
                return;
            held += size_t(n);
        }
        const int size = uchar(buffer[1]) + 6;
        const QByteArray& expected = position < m_expected->size() ? m_expected->at(position) : QByteArray();
        const bool good = expected.size() == size && std::memcmp(expected.constData(), buffer.data(), size_t(size)) == 0;
        if (good)
            ++m_matched;
        else
            ++m_wrong;
        sendGood = sendGood && good;
        ++position;
        // Counted before the acknowledgement, which lets the sender see the send's end.
        const quint8 control = quint8(buffer[0]);
        if (control == 0x04 || control == 0x06) {
            if (sendGood && position == m_expected->size())
                ++m_completeSends;
            position = 0;
            sendGood = true;
        }
        held -= size_t(size);
        std::memmove(buffer.data(), buffer.data() + size, held);
        if (::write(m_fd, &ack, 1) != 1)
            return;
    }
}

QList<QByteArray> sentFrames(const QByteArray& type, const ItemTable& table)
{
    QList<QByteArray> frames;
    for (int i = 0; i < table.size(); ++i) {
        const int sequence = table.size() == 1 ? 0 : (i == table.size() - 1 ? 2 : 1);
        QByteArray frame;
        packRecord(type, &table.at(i), sequence, &frame);
        frames << frame;
    }
    return frames;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

bool useTestLinkSettings(const QString& folder, const QString& extraPorts, const QByteArray& tcpLines)
{
    // A file of its own each time: QSettings keeps what it once read from a path.
    static int files = 0;
    const QString path = QDir(folder).filePath(QStringLiteral("tallvane-%1.ini").arg(++files));
    QByteArray text = "[tcp]\naddress=127.0.0.1\nport=0\n" + tcpLines + "\n";
    if (!extraPorts.isEmpty())
        text += "[serial]\nextraPorts=" + extraPorts.toUtf8() + "\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush())
        return false;
    LinkSettings::setFilePath(path);
    return true;
}
