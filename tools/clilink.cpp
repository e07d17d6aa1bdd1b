#include "tools/clilink.h"

#include "link/changes.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "link/statusline.h"
#include "link/tcpserver.h"
#include "link/transferjournal.h"
#include "tools/clicommands.h"
#include "tools/cliconsole.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t g_stopAsked = 0;

extern "C" void askToStop(int)
{
    g_stopAsked = 1;
}

// SIGINT and SIGTERM while transfers run stop them as the window's Cancel does, so that each
// register's sentence, journal entry and baseline say what it holds; a second signal ends the
// program at once.
class StopOnSignal {
public:
    StopOnSignal()
    {
        g_stopAsked = 0;
        struct sigaction action { };
        action.sa_handler = askToStop;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_int);
        sigaction(SIGTERM, &action, &m_term);
    }
    ~StopOnSignal()
    {
        sigaction(SIGINT, &m_int, nullptr);
        sigaction(SIGTERM, &m_term, nullptr);
    }
    StopOnSignal(const StopOnSignal&) = delete;
    StopOnSignal& operator=(const StopOnSignal&) = delete;
    bool asked() const { return g_stopAsked != 0; }

private:
    struct sigaction m_int { };
    struct sigaction m_term { };
};
const char kSerial[] = "serial";
const char kTcp[] = "tcp";
const char kListen[] = "listen";
const char kPort[] = "port";
const char kRegisters[] = "registers";
const char kWait[] = "wait";

// A whole number from `minimum` up, or -1.
int wholeNumber(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= minimum && value <= maximum ? value : -1;
}
} // namespace

QList<QCommandLineOption> LinkOptions::options()
{
    return { QCommandLineOption(QLatin1String(kSerial), QString(), QStringLiteral("PORT")),
        QCommandLineOption(QLatin1String(kTcp)),
        QCommandLineOption(QLatin1String(kListen), QString(), QStringLiteral("ADDRESS")),
        QCommandLineOption(QLatin1String(kPort), QString(), QStringLiteral("N")),
        QCommandLineOption(QLatin1String(kRegisters), QString(), QStringLiteral("N")),
        QCommandLineOption(QLatin1String(kWait), QString(), QStringLiteral("SECONDS")) };
}

int LinkOptions::read(const CommandContext& context, LinkOptions* out)
{
    const bool serial = context.isSet(QLatin1String(kSerial));
    const bool tcp = context.isSet(QLatin1String(kTcp));
    if (serial == tcp)
        return context.usageError(QStringLiteral("give one LINK: --serial PORT or --tcp"));
    out->serial = serial;
    if (serial) {
        for (const char* option : { kListen, kPort, kRegisters, kWait })
            if (context.isSet(QLatin1String(option)))
                return context.usageError(QStringLiteral("--%1 goes with --tcp only").arg(QLatin1String(option)));
        out->port = context.value(QLatin1String(kSerial));
        return Cli::ExitOk;
    }
    // Where the window listens, unless told otherwise.
    out->tcp = LinkSettings::load();
    if (context.isSet(QLatin1String(kListen)) && !out->tcp.tcpAddress.setAddress(context.value(QLatin1String(kListen))))
        return context.usageError(QStringLiteral("--listen takes an IP address"));
    if (context.isSet(QLatin1String(kPort))) {
        const int port = wholeNumber(context.value(QLatin1String(kPort)), 0, 65535);
        if (port < 0)
            return context.usageError(QStringLiteral("--port takes a number from 0 to 65535"));
        out->tcp.tcpPort = quint16(port);
    }
    if (context.isSet(QLatin1String(kRegisters))) {
        out->registers = wholeNumber(context.value(QLatin1String(kRegisters)), 1, 1000);
        if (out->registers < 0)
            return context.usageError(QStringLiteral("--registers takes a number from 1"));
    }
    if (context.isSet(QLatin1String(kWait))) {
        out->waitSeconds = wholeNumber(context.value(QLatin1String(kWait)), 0, 24 * 3600);
        if (out->waitSeconds < 0)
            return context.usageError(QStringLiteral("--wait takes a number of seconds"));
    }
    return Cli::ExitOk;
}

CliLink::CliLink(const LinkOptions& options)
    : m_options(options)
    , m_terminal(Cli::stderrIsTerminal())
{
}

CliLink::~CliLink()
{
    clearProgress();
    // The links' threads end before this host goes.
    m_tcp.reset();
    m_serial.reset();
}

int CliLink::open()
{
    if (m_options.serial) {
        m_serial = std::make_unique<SerialServer>(this, m_options.port);
        if (!m_serial->isOpen()) {
            Cli::printProblem(QStringLiteral("%1 could not be opened: %2").arg(m_options.port, m_serial->openError()));
            return Cli::ExitTransferFailed;
        }
        // The one register of the serial link reports through the link's thread.
        Register serial;
        serial.link = serialLinkId(m_options.port);
        m_registers.append(serial);
        return Cli::ExitOk;
    }

    m_tcp = std::make_unique<TcpServer>(this, m_options.tcp);
    if (!m_tcp->isListening()) {
        Cli::printProblem(m_tcp->listenFailure());
        return Cli::ExitTransferFailed;
    }
    // A peer turned away ([tcp] allow, maxConnections) is said, not only waited for.
    connect(m_tcp.get(), &TcpServer::connectionRefused, this, [](const QString& address, const QString& reason) {
        Cli::printProblem(QStringLiteral("%1 refused: %2").arg(address, reason));
    });
    const int wanted = m_options.registers;
    Cli::printProblem(QStringLiteral("listening on %1:%2 for %3 register%4")
                          .arg(m_tcp->serverAddress().toString())
                          .arg(m_tcp->serverPort())
                          .arg(wanted)
                          .arg(wanted == 1 ? QString() : QStringLiteral("s")));
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (connectedCount() >= wanted)
            loop.quit();
    });
    deadline.start(m_options.waitSeconds * 1000);
    poll.start(20);
    if (connectedCount() < wanted)
        loop.exec();
    // Registers that come later take no part.
    m_tcp->close();

    const int connected = connectedCount();
    if (connected == 0) {
        Cli::printProblem(QStringLiteral("no register connected within %1 s").arg(m_options.waitSeconds));
        return Cli::ExitTransferFailed;
    }
    m_missing = qMax(0, wanted - connected);
    if (connected < wanted)
        Cli::printProblem(QStringLiteral("%1 of %2 registers connected within %3 s")
                              .arg(connected)
                              .arg(wanted)
                              .arg(m_options.waitSeconds));
    return Cli::ExitOk;
}

QStringList CliLink::links(bool eachRegister) const
{
    QStringList links;
    for (const Register& entry : m_registers)
        if (entry.connected && (eachRegister || !links.contains(entry.link)))
            links << entry.link;
    return links;
}

int CliLink::runSend(int rows, const SendRequest& request)
{
    m_baselines.sending(request);
    return run(rows, [&] { return send(request); });
}

int CliLink::runEach(int rows, const QHash<QString, SendRequest>& requests)
{
    m_baselines.sending(requests);
    int status = run(rows, [&] { return sendEach(requests); });
    return status;
}

int CliLink::run(int rows, const std::function<int()>& request)
{
    m_rows = rows;
    for (Register& entry : m_registers)
        entry.involved = entry.connected && m_baselines.involves(entry.link);
    if (request() == 0) {
        Cli::printProblem(QStringLiteral("no register took the request"));
        return Cli::ExitTransferFailed;
    }
    drawProgress();
    if (runningTransfers() > 0) {
        const StopOnSignal stop;
        QEventLoop loop;
        connect(this, &LinkHost::signal_transfersEnded, &loop, &QEventLoop::quit);
        QTimer poll;
        bool cancelled = false;
        connect(&poll, &QTimer::timeout, &loop, [this, &stop, &cancelled] {
            if (stop.asked() && !cancelled) {
                cancelled = true;
                cancel();
            }
        });
        poll.start(50);
        loop.exec();
    }
    clearProgress();
    bool allEnded = true;
    for (const Register& entry : m_registers)
        allEnded = allEnded && (entry.ended || !entry.involved);
    // A register that never connected got nothing: the fleet is not done.
    return allEnded && m_missing == 0 ? Cli::ExitOk : Cli::ExitTransferFailed;
}

QList<ItemTable> CliLink::received() const
{
    QList<ItemTable> tables;
    for (const Register& entry : m_registers)
        if (!entry.rows.isEmpty())
            tables.append(entry.rows);
    return tables;
}

QList<QList<QByteArray>> CliLink::receivedRecords() const
{
    QList<QList<QByteArray>> tables;
    for (const Register& entry : m_registers)
        if (!entry.rows.isEmpty())
            tables.append(entry.records);
    return tables;
}

QList<QByteArray> CliLink::recordsOf(const QString& link) const
{
    for (const Register& entry : m_registers)
        if (entry.link == link && !entry.rows.isEmpty())
            return entry.records;
    return {};
}

bool CliLink::received(const QString& link) const
{
    // A table that came but could not be read over this link is not known: it is not empty.
    for (const Register& entry : m_registers)
        if (entry.link == link && entry.ended && !entry.dropped)
            return true;
    return false;
}

CliLink::Register& CliLink::registerOf(QObject* relay)
{
    if (m_options.serial && !m_registers.isEmpty())
        return m_registers.first();
    for (Register& entry : m_registers)
        if (entry.relay && entry.relay == relay)
            return entry;
    Register entry;
    entry.relay = relay;
    m_registers.append(entry);
    return m_registers.last();
}

int CliLink::connectedCount() const
{
    int count = 0;
    for (const Register& entry : m_registers)
        if (entry.connected)
            ++count;
    return count;
}

void CliLink::ackData(QByteArray word)
{
    Register& entry = registerOf(sender());
    const StatusLine line = statusLine(word);
    entry.ended = line.kind == StatusLine::End;
    if (line.kind == StatusLine::Row)
        ++entry.rowsDone;
    print(entry.address.isEmpty() ? line.text : entry.address + QLatin1Char(' ') + line.text);
    drawProgress();
}

void CliLink::verified(VerifyReport report)
{
    m_baselines.readBack(report);
    ++m_verified;
    m_heldAsSent = m_heldAsSent && report.identical();
    // The report names the register itself.
    for (const QString& line : report.lines())
        print(line);
    drawProgress();
}

void CliLink::outcome(TransferOutcome outcome)
{
    // The baseline of the register in the open set follows what it now holds.
    if (outcome.download) {
        Register& entry = registerOf(sender());
        entry.dropped = outcome.dropped > 0;
        if (outcome.result == TransferOutcome::Done && outcome.dropped == 0)
            outcome.baselineLost = !recordDownload(outcome.link, outcome.datatype, entry.records);
        m_unread = m_unread || outcome.dropped > 0;
    } else {
        outcome.baselineLost = !m_baselines.ended(outcome);
        m_uncertain = m_uncertain || (outcome.result == TransferOutcome::Done && outcome.uncertain());
    }
    clearProgress();
    Cli::printError(outcome.sentence());
    journalTransfer(outcome);
    drawProgress();
}

void CliLink::rcvData(QByteArray datatype, QList<QList<QVariant>>* datas) { rcvRecords(datatype, datas, nullptr); }

void CliLink::rcvRecords(QByteArray, QList<QList<QVariant>>* datas, QList<QByteArray>* records)
{
    if (!datas)
        return;
    Register& entry = registerOf(sender());
    entry.rows = *datas;
    entry.records = records ? *records : QList<QByteArray>();
}

void CliLink::showConnection(QString ipstr)
{
    Register& entry = registerOf(sender());
    entry.address = ipstr;
    entry.link = QStringLiteral("tcp:") + ipstr;
    entry.connected = true;
}

void CliLink::showDisconnection(int connection)
{
    ConnectionRegistry::take(connection);
    // The relay that reports the disconnection is the connection's own thread.
    for (Register& entry : m_registers)
        if (entry.relay && entry.relay == sender())
            entry.connected = false;
}

void CliLink::print(const QString& line)
{
    clearProgress();
    if (m_wordsToStderr)
        Cli::printError(line);
    else
        Cli::printLine(line);
}

void CliLink::drawProgress()
{
    if (!m_terminal)
        return;
    QStringList parts;
    for (const Register& entry : m_registers) {
        if (!entry.involved)
            continue;
        QString part = entry.address.isEmpty() ? QString() : entry.address + QLatin1Char(' ');
        if (m_rows < 0) {
            part += QStringLiteral("%1 rows received").arg(entry.rowsDone);
        } else {
            constexpr int kWidth = 20;
            const int done = qMin(entry.rowsDone, m_rows);
            const int filled = m_rows > 0 ? done * kWidth / m_rows : kWidth;
            part += QLatin1Char('[') + QString(filled, QLatin1Char('#')) + QString(kWidth - filled, QLatin1Char('.'))
                + QStringLiteral("] %1/%2").arg(done).arg(m_rows);
        }
        parts << part;
    }
    const QByteArray text = "\r\033[K" + parts.join(QStringLiteral("  ")).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
    m_progressShown = true;
}

void CliLink::clearProgress()
{
    if (!m_progressShown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_progressShown = false;
}
