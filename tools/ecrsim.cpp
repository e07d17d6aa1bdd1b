// tallvane-ecrsim: plays a cash register for Tallvane, over TCP or a serial device, with
// a configuration database as its memory and a set of faults to inject. See --help.

#include "base/programinfo.h"
#include "link/protocol.h"
#include "link/serialserver.h"
#include "logo/graphic.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/system.h"
#include "records/translation.h"
#include "storage/configdb.h"
#include "storage/notice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSet>
#include <QSocketNotifier>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTimer>
#include <QVariant>

#include <csignal>
#include <cstdio>
#include <map>
#include <memory>

#include <unistd.h>

namespace {

// A register switched off (SIGTERM, Ctrl+C) keeps what it acknowledged, as a real one does:
// the signal only writes to a pipe, whose reader ends the event loop, and the register saves
// its table on the way out.
int g_quitPipe[2] = { -1, -1 };

void quitOnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_quitPipe[1], &byte, 1);
}

void quitOnSignals(QCoreApplication* app)
{
    if (::pipe(g_quitPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_quitPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [] { QCoreApplication::exit(0); });
    struct sigaction action = {};
    action.sa_handler = quitOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

struct Options {
    bool pluSendReplaces = false; // a PLU send with code 5 is an install of the whole table
    QString logoOut; // PNG file for each logo received
};

struct Faults {
    QHash<int, quint8> refuse; // received data frame -> reply byte
    QSet<int> silent; // received data frames left unanswered
    bool silentAll = false; // nothing is answered at all: a register that hangs
    QSet<int> badCrc; // sent register frames with a corrupted CRC
    QSet<int> badControl; // sent register frames with control 0x04
    QSet<int> overlong; // sent register frames longer than 256 bytes
    QSet<int> alter; // received data frames stored with one field changed
    bool refuseRequests = false; // answer read requests with 0x15 instead of the table
    int chunk = 0; // write replies in pieces of this many bytes
    int delayMs = 0; // wait before every reply
};

struct StoredRecord {
    QByteArray key;
    QByteArray name;
    QByteArray data;
};

void say(const char* direction, const QByteArray& bytes)
{
    std::printf("%s %s\n", direction, translation::hexSpaced(bytes).constData());
    std::fflush(stdout);
}

// The item code of a PLU record, by which the register keeps its PLUs.
qint64 pluCode(const QByteArray& record) { return translation::bcdToUnits(record.constData(), qMin<int>(7, record.size())); }

class Register : public QObject {
public:
    Register(QIODevice* device, const Options& options, const Faults& faults)
        : m_device(device)
        , m_options(options)
        , m_faults(faults)
    {
        connect(device, &QIODevice::readyRead, this, [this] { onReadyRead(); });
        m_writer.setSingleShot(true);
        connect(&m_writer, &QTimer::timeout, this, [this] { writeNext(); });
        m_ackTimer.setSingleShot(true);
        connect(&m_ackTimer, &QTimer::timeout, this, [this] {
            std::printf("no acknowledgement: the download is abandoned\n");
            std::fflush(stdout);
            m_awaitingAck = false;
            m_outgoing.clear();
        });
    }

    // A send that ended without its last frame (refused, cut off) leaves the rows the register
    // acknowledged stored, as a register keeps them.
    ~Register() override { saveUnsaved(); }

    void saveUnsaved()
    {
        if (!m_unsavedTable.isEmpty())
            save(m_unsavedTable);
        m_unsavedTable.clear();
    }

    // A new connection: nothing half-received or half-sent of the last one goes on; what
    // the register stores stays.
    void restart()
    {
        saveUnsaved();
        m_ackTimer.stop();
        m_writer.stop();
        m_in.clear();
        m_outgoing.clear();
        m_awaitingAck = false;
        m_replies.clear();
        m_pending.clear();
        m_sendStarted = false;
        m_logo.clear();
        m_logoOpen = false;
    }

private:
    // Received bytes: while records go out, each 0x06 releases the next one; any other
    // byte ends the download and starts a frame of the program.
    void onReadyRead()
    {
        m_in += m_device->readAll();
        while (!m_in.isEmpty()) {
            if (m_awaitingAck) {
                m_ackTimer.stop();
                m_awaitingAck = false;
                if (m_in.at(0) == kAck) {
                    m_in.remove(0, 1);
                    say("recv", QByteArray(1, kAck));
                    sendNextRecord();
                    continue;
                }
                // Anything else ends the download; the bytes are read as the next frame.
                std::printf("not acknowledged: the download is abandoned\n");
                std::fflush(stdout);
                m_outgoing.clear();
            }
            const int size = frameSize();
            if (size < 0) {
                std::printf("skip %02X\n", uchar(m_in.at(0)));
                m_in.remove(0, 1);
                continue;
            }
            if (size == 0 || m_in.size() < size)
                return;
            const QByteArray frame = m_in.left(size);
            m_in.remove(0, size);
            say("recv", frame);
            handleFrame(frame);
        }
    }

    // Length of the frame at the start of the input: 0 while unknown, -1 for no frame.
    int frameSize() const
    {
        if (m_in.size() < 2)
            return 0;
        const uchar first = uchar(m_in.at(0));
        const uchar second = uchar(m_in.at(1));
        if (first == 0x08 && second == 0x00)
            return 6;
        if (first == 0x03 && second == 0x44)
            return 5;
        if (second == 0x55 && first >= 3)
            return first + 2;
        if (first >= 0x04 && first <= 0x06)
            return second + 6;
        return -1;
    }

    static bool crcGood(const QByteArray& frame)
    {
        const quint16 crc = translation::crc16(frame.constData(), frame.size() - 2);
        return uchar(frame.at(frame.size() - 2)) == (crc & 0xFF) && uchar(frame.at(frame.size() - 1)) == (crc >> 8);
    }

    void handleFrame(const QByteArray& frame)
    {
        if (m_faults.silentAll)
            return;
        const uchar first = uchar(frame.at(0));
        if (first == 0x08) {
            if (crcGood(frame))
                answerRequest(quint16(uchar(frame.at(2)) | uchar(frame.at(3)) << 8));
            return;
        }
        if (first == 0x03 && uchar(frame.at(1)) == 0x44) {
            answerSystemRequest();
            return;
        }
        const int number = ++m_receivedFrames;
        if (m_faults.silent.contains(number))
            return;
        if (m_faults.refuse.contains(number)) {
            reply(QByteArray(1, char(m_faults.refuse.value(number))));
            return;
        }
        if (uchar(frame.at(1)) == 0x55 && first != 0x04 && first != 0x05 && first != 0x06) {
            quint8 sum = 0;
            for (const char byte : frame)
                sum = quint8(sum + quint8(byte));
            if (sum != 0) {
                reply(QByteArray(1, char(0x15)));
                return;
            }
            m_tables[QStringLiteral("table_system")] = { { "1", "sysparm", frame.mid(4, frame.size() - 5) } };
            save(QStringLiteral("table_system"));
            reply(QByteArray(1, kAck));
            return;
        }
        if (!crcGood(frame)) {
            reply(QByteArray(1, char(0x15)));
            return;
        }
        if (uchar(frame.at(2)) == 0x20) {
            m_sendStarted = false;
            reply(QByteArray(1, receiveLogoChunk(frame) ? kAck : char(0x15)));
            return;
        }
        storeDataFrame(m_faults.alter.contains(number) ? alteredFrame(frame) : frame);
        reply(QByteArray(1, kAck));
    }

    // The category whose data frames carry `code`, or null.
    static const Category* categoryOfPayload(quint16 code)
    {
        if (code >= 5 && code <= 7)
            return categoryByType("PLUDATA");
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c)
            if (c->payloadCode == code && c->number != CategorySysParm)
                return c;
        return nullptr;
    }

    // The frame with the first byte of its record's second column changed: the field is
    // found by encoding the record's row twice with two different texts in that column.
    static QByteArray alteredFrame(const QByteArray& frame)
    {
        const Category* category = categoryOfPayload(quint16(uchar(frame.at(2)) | uchar(frame.at(3)) << 8));
        if (!category || !category->codec)
            return frame;
        const RecordCodec* codec = category->codec();
        ItemRow row;
        codec->decodeRecord(frame.mid(4, uchar(frame.at(1))), &row, 1);
        if (row.size() < 2)
            return frame;
        QByteArray first, second;
        row[1] = QStringLiteral("00000000");
        codec->encodeRow(row, &first);
        row[1] = QStringLiteral("10000000");
        codec->encodeRow(row, &second);
        int offset = 0;
        while (offset < first.size() && first.at(offset) == second.at(offset))
            ++offset;
        if (offset >= first.size() || 4 + offset >= frame.size() - 2)
            return frame;
        QByteArray altered = frame;
        char& byte = altered[4 + offset];
        byte = byte == '#' ? '*' : '#';
        std::printf("frame stored with record byte %d changed\n", offset);
        std::fflush(stdout);
        return altered;
    }

    void storeDataFrame(const QByteArray& frame)
    {
        const quint8 control = quint8(frame.at(0));
        const quint16 code = quint16(uchar(frame.at(2)) | uchar(frame.at(3)) << 8);
        const QByteArray record = frame.mid(4, uchar(frame.at(1)));
        const bool lastOfSend = control == 0x04 || control == 0x06;
        if (code == 0x0021) {
            for (const QString& table : configTableNames()) {
                m_tables[table].clear();
                if (table == QLatin1String(pluTable()))
                    plus().clear();
                save(table);
            }
            m_sendStarted = false;
            return;
        }
        const Category* category = categoryOfPayload(code);
        if (!category) {
            m_sendStarted = !lastOfSend;
            return;
        }
        const QString table = QString::fromLatin1(category->table);
        if (category->number == CategoryPlu) {
            std::map<qint64, StoredRecord>& stored = plus();
            if (code == 5 && m_options.pluSendReplaces && !m_sendStarted)
                stored.clear();
            // Delete (6) removes the code's row; add, update and install (5, 7) put the row
            // under its code.
            if (code == 6)
                stored.erase(pluCode(record));
            else
                stored[pluCode(record)] = { translation::bcdToDigits(record.constData(), qMin<int>(7, record.size())),
                    nameOf(*category, record, 0), record.left(category->storedSize) };
        } else {
            QList<StoredRecord>& rows = records(table);
            // The first frame of a send starts the category's table anew.
            if (!m_sendStarted)
                rows.clear();
            const QByteArray key = category->number == CategoryNetParm ? QByteArray("1") : QByteArray::number(rows.size() + 1);
            rows.append({ key, nameOf(*category, record, rows.size()), record.left(category->storedSize) });
        }
        m_sendStarted = !lastOfSend;
        // Saved at the send's end; a send that never ends is saved when the link does.
        m_unsavedTable = lastOfSend ? QString() : table;
        if (lastOfSend)
            save(table);
    }

    // One logo frame: "UCO" starts a logo, "UCA" ends it, the chunks between are the packed
    // logo. False (refused) for a chunk outside a logo and for a logo whose header does not
    // describe its bitmap.
    bool receiveLogoChunk(const QByteArray& frame)
    {
        const QByteArray chunk = frame.mid(4, uchar(frame.at(1)));
        const int number = uchar(frame.at(3));
        if (chunk == "UCO") {
            m_logo.clear();
            m_logoOpen = true;
            return true;
        }
        if (!m_logoOpen) {
            std::printf("logo chunk outside UCO ... UCA: refused\n");
            std::fflush(stdout);
            return false;
        }
        if (chunk != "UCA") {
            m_logo += chunk;
            return true;
        }
        m_logoOpen = false;
        const QImage logo = Graphic::unpackLogo(m_logo);
        if (logo.isNull()) {
            std::printf("logo refused: its header does not describe its %d bitmap bytes\n",
                int(m_logo.size()) - Graphic::kHeaderSize);
            std::fflush(stdout);
            return false;
        }
        // The frame carries the number from 0; the register's keys and the window say logo 1 and 2.
        std::printf(
            "logo %d received: %d x %d, %d bytes\n", number + 1, logo.width(), logo.height(), int(m_logo.size()));
        if (!m_options.logoOut.isEmpty()) {
            if (logo.save(m_options.logoOut, "PNG"))
                std::printf("logo written to %s\n", qPrintable(m_options.logoOut));
            else
                std::printf("logo not written: cannot write %s\n", qPrintable(m_options.logoOut));
        }
        std::fflush(stdout);
        return true;
    }

    static QByteArray nameOf(const Category& category, const QByteArray& record, int row)
    {
        switch (category.number) {
        case CategoryHeader:
            return "header" + QByteArray::number(row + 1);
        case CategoryTrailer:
            return "trailer" + QByteArray::number(row + 1);
        case CategoryExtHeader:
            return "extheader" + QByteArray::number(row + 1);
        case CategoryNetParm:
            return "netparm";
        default:
            break;
        }
        if (!category.codec)
            return QByteArray();
        ItemRow decoded;
        return category.codec()->decodeRecord(record, &decoded, row + 1);
    }

    QList<StoredRecord>& records(const QString& table)
    {
        if (!m_tables.contains(table)) {
            QList<StoredRecord> rows;
            QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
            if (query.exec(QStringLiteral("SELECT itemRandom, itemName, itemData FROM %1").arg(table)))
                while (query.next())
                    rows.append({ query.value(0).toString().toUtf8(), query.value(1).toString().toUtf8(),
                        query.value(2).toByteArray() });
            m_tables.insert(table, rows);
        }
        return m_tables[table];
    }

    static const char* pluTable() { return categoryByNumber(CategoryPlu)->table; }

    // The register's PLUs, one per item code, in code order (a table written by Tallvane
    // keeps the grid's order; the first row of a code counts).
    std::map<qint64, StoredRecord>& plus()
    {
        if (!m_plusLoaded) {
            m_plusLoaded = true;
            const QString table = QString::fromLatin1(pluTable());
            for (const StoredRecord& row : records(table))
                m_plus.insert({ pluCode(row.data),
                    { translation::bcdToDigits(row.data.constData(), qMin<int>(7, row.data.size())), row.name, row.data } });
            m_tables.remove(table);
        }
        return m_plus;
    }

    // The rows of a table in the order the register keeps them.
    QList<StoredRecord> rowsOf(const QString& table)
    {
        if (table != QLatin1String(pluTable()))
            return records(table);
        QList<StoredRecord> rows;
        rows.reserve(int(plus().size()));
        for (const auto& entry : plus())
            rows.append(entry.second);
        return rows;
    }

    void save(const QString& table)
    {
        QList<RecordEntry> entries;
        for (const StoredRecord& record : rowsOf(table))
            entries.append(RecordEntry::make(record.key, record.name, record.data));
        saveRecords(table, entries);
    }

    void answerRequest(quint16 requestCode)
    {
        if (m_faults.refuseRequests) {
            reply(QByteArray(1, char(0x15)));
            return;
        }
        const Category* category = categoryByRequest(requestCode);
        if (!category) {
            std::printf("unknown request %04X\n", requestCode);
            return;
        }
        const bool numbered = category->storedSize < category->recordSize;
        const QList<StoredRecord> rows = rowsOf(QString::fromLatin1(category->table));
        for (int i = 0; i < rows.size(); ++i) {
            QByteArray record = rows.at(i).data.leftJustified(category->recordSize, '\0', true);
            // The register numbers the records of categories that carry an index byte.
            if (numbered)
                record[category->recordSize - 1] = char(i + 1);
            m_outgoing.append(registerFrame(0x05, category->payloadCode, record));
        }
        m_outgoing.append(registerFrame(0x06, category->payloadCode, QByteArray()));
        sendNextRecord();
    }

    void answerSystemRequest()
    {
        if (m_faults.refuseRequests) {
            reply(QByteArray(1, char(0x15)));
            return;
        }
        const QList<StoredRecord>& rows = records(QStringLiteral("table_system"));
        const QByteArray stored = rows.isEmpty() ? System::defaultRecord() : rows.first().data.leftJustified(64, '\0', true);
        // Tallvane reads the system record from the reply's record bytes 2 on (followed by the
        // CRC), so the reply carries the table word 02 00 first.
        const QByteArray record = QByteArray::fromHex("0200") + stored.left(62);
        m_outgoing.append(registerFrame(0x05, 0x0002, record));
        m_outgoing.append(registerFrame(0x06, 0x0002, QByteArray()));
        sendNextRecord();
    }

    // A register frame: the length prefix, then a data frame.
    static QByteArray registerFrame(quint8 control, quint16 code, const QByteArray& record)
    {
        QByteArray frame;
        frame.append(char(record.size() & 0xFF));
        frame.append(dataFrame(control, code, record));
        return frame;
    }

    void sendNextRecord()
    {
        if (m_outgoing.isEmpty()) {
            m_awaitingAck = false;
            return;
        }
        QByteArray frame = m_outgoing.takeFirst();
        const int number = ++m_sentFrames;
        if (m_faults.badControl.contains(number)) {
            frame = frame.left(1) + dataFrame(0x04, quint16(uchar(frame.at(3)) | uchar(frame.at(4)) << 8),
                                    frame.mid(5, uchar(frame.at(0))));
        }
        if (m_faults.badCrc.contains(number))
            frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x5A);
        if (m_faults.overlong.contains(number))
            frame.append(QByteArray(300, char(0x33)));
        m_awaitingAck = true;
        m_ackTimer.start(10000);
        reply(frame);
    }

    void reply(const QByteArray& bytes)
    {
        m_replies.append(bytes);
        if (!m_writer.isActive() && m_pending.isEmpty())
            m_writer.start(m_faults.delayMs);
    }

    // Writes the queued replies, each after the delay, in pieces of the chunk size.
    void writeNext()
    {
        if (m_pending.isEmpty()) {
            if (m_replies.isEmpty())
                return;
            m_pending = m_replies.takeFirst();
            say("send", m_pending);
        }
        const int piece = m_faults.chunk > 0 ? m_faults.chunk : int(m_pending.size());
        m_device->write(m_pending.left(piece));
        m_pending.remove(0, piece);
        if (auto* socket = qobject_cast<QAbstractSocket*>(m_device))
            socket->flush();
        else if (auto* port = qobject_cast<QSerialPort*>(m_device))
            port->flush();
        if (!m_pending.isEmpty())
            m_writer.start(10);
        else if (!m_replies.isEmpty())
            m_writer.start(m_faults.delayMs);
    }

    QIODevice* m_device;
    Options m_options;
    Faults m_faults;
    QByteArray m_in;
    QList<QByteArray> m_outgoing; // register frames of the download in progress
    bool m_awaitingAck = false;
    QTimer m_ackTimer;
    QList<QByteArray> m_replies;
    QByteArray m_pending;
    QTimer m_writer;
    int m_receivedFrames = 0;
    int m_sentFrames = 0;
    bool m_sendStarted = false;
    QString m_unsavedTable; // the table of a send under way, stored but not yet saved
    QHash<QString, QList<StoredRecord>> m_tables;
    QByteArray m_logo; // the packed logo being received
    bool m_logoOpen = false;
    std::map<qint64, StoredRecord> m_plus;
    bool m_plusLoaded = false;
};

bool numberList(const QStringList& values, QSet<int>* out)
{
    for (const QString& value : values) {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1)
            return false;
        out->insert(n);
    }
    return true;
}

// How long a register waits before it dials again.
constexpr int kRedialMs = 1000;

// Dials `target` ("HOST:PORT") from `from` (any address when empty) until Tallvane answers,
// and again whenever the connection ends, as a register does. "register ready" is printed on
// each connection, "dialling again" when one ends.
void redial(QTcpSocket& socket, const QString& target, const QString& from, Register& ecr)
{
    const int colon = target.lastIndexOf(QLatin1Char(':'));
    const QString host = target.left(colon);
    const quint16 port = quint16(target.mid(colon + 1).toInt());
    auto* again = new QTimer(&socket);
    again->setSingleShot(true);
    again->setInterval(kRedialMs);
    QObject::connect(again, &QTimer::timeout, &socket, [&socket, host, port, from] {
        socket.abort();
        if (!from.isEmpty())
            socket.bind(QHostAddress(from));
        socket.connectToHost(host, port);
    });
    QObject::connect(&socket, &QAbstractSocket::connected, &socket, [&socket] {
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        std::printf("register ready\n");
        std::fflush(stdout);
    });
    QObject::connect(&socket, &QAbstractSocket::disconnected, &socket, [again, &ecr] {
        std::printf("connection closed: dialling again\n");
        std::fflush(stdout);
        ecr.restart();
        again->start();
    });
    // A refused or failed dial is tried again; a connection that ends says so above.
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &socket, [&socket, again] {
        if (socket.state() != QAbstractSocket::ConnectedState && !again->isActive())
            again->start();
    });
    socket.connectToHost(host, port);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallvane-ecrsim"));
    quitOnSignals(&app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a cash register for Tallvane.\n"
                       "Requests are answered with the stored records of their category, one register frame each,\n"
                       "then an end frame. Data frames are answered 0x06 and stored: a send replaces its category's\n"
                       "table, except for PLUs, which are kept one per item code and served in code order: update\n"
                       "(payload code 7) frames put the row under its code, delete (6) frames remove the code's row,\n"
                       "and code 5 frames put the row under its code too. Install and add both send code 5, so the\n"
                       "register cannot tell them apart: by default a code 5 send adds to the PLUs it holds; with\n"
                       "--plu-send-replaces every code 5 send is taken for an install and replaces the PLU table.\n"
                       "System parameters and the clear command are answered 0x06 (clear empties every table).\n"
                       "Logo frames are answered 0x06 and collected from \"UCO\" to \"UCA\"; a logo whose header does\n"
                       "not match its bitmap, or a chunk outside a logo, is answered 0x15.\n"
                       "One line is printed per frame received and sent. The program ends with status 0 when its\n"
                       "peer closes the connection (with --reconnect it dials again instead). Frame numbers count\n"
                       "from 1 since the start."));
    parser.addHelpOption();
    const QCommandLineOption versionOption(QStringLiteral("version"), QStringLiteral("Print the version and licence."));
    const QCommandLineOption manualOption(
        QStringLiteral("help-man"), QStringLiteral("Print this help as a manual page (roff)."));
    const QCommandLineOption connectOption(QStringLiteral("connect"),
        QStringLiteral("Connect to Tallvane over TCP, as a register does."), QStringLiteral("HOST:PORT"));
    const QCommandLineOption fromOption(QStringLiteral("from"),
        QStringLiteral("Connect from ADDRESS of this machine (for example 127.0.0.2), so that several simulated "
                       "registers have addresses of their own."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption serialOption(QStringLiteral("serial"),
        QStringLiteral("Use a serial device (for example one end of a pseudo-terminal pair)."), QStringLiteral("DEVICE"));
    const QCommandLineOption dbOption(QStringLiteral("db"),
        QStringLiteral("Memory of the register: a Tallvane configuration database, created when missing."),
        QStringLiteral("FILE"));
    const QCommandLineOption refuseOption(QStringLiteral("refuse"),
        QStringLiteral("Answer received data frame N with BYTE (hexadecimal) instead of 06."), QStringLiteral("N:BYTE"));
    const QCommandLineOption silentOption(QStringLiteral("silent"),
        QStringLiteral("Do not answer received data frame N; with \"all\", answer nothing at all (a register that hangs)."),
        QStringLiteral("N|all"));
    const QCommandLineOption badCrcOption(QStringLiteral("bad-crc"), QStringLiteral("Corrupt the CRC of sent register frame N."),
        QStringLiteral("N"));
    const QCommandLineOption badControlOption(QStringLiteral("bad-control"),
        QStringLiteral("Send register frame N with control 04."), QStringLiteral("N"));
    const QCommandLineOption overlongOption(QStringLiteral("overlong"),
        QStringLiteral("Make sent register frame N longer than 256 bytes."), QStringLiteral("N"));
    const QCommandLineOption alterOption(QStringLiteral("alter"),
        QStringLiteral("Store received data frame N with one field changed: the first byte of its record's second "
                       "column (a name, a line's text, the network options) becomes '#', or '*' where it is '#'."),
        QStringLiteral("N"));
    const QCommandLineOption refuseRequestsOption(QStringLiteral("refuse-requests"),
        QStringLiteral("Answer every read request with 15 instead of the table."));
    const QCommandLineOption chunkOption(QStringLiteral("chunk"),
        QStringLiteral("Write every reply in pieces of K bytes, with a short pause between them."), QStringLiteral("K"));
    const QCommandLineOption delayOption(QStringLiteral("delay"), QStringLiteral("Wait MS milliseconds before every reply."),
        QStringLiteral("MS"));
    const QCommandLineOption logoOutOption(QStringLiteral("logo-out"),
        QStringLiteral("Write each logo received to FILE as a PNG picture, one pixel per printed dot."),
        QStringLiteral("FILE.png"));
    const QCommandLineOption reconnectOption(QStringLiteral("reconnect"),
        QStringLiteral("With --connect: dial Tallvane until it answers, and again whenever the connection ends, as "
                       "a register does, instead of ending; stop the program with Ctrl+C."));
    const QCommandLineOption pluReplaceOption(QStringLiteral("plu-send-replaces"),
        QStringLiteral("Take every PLU send of payload code 5 for an install: it replaces the PLU table."));
    parser.addOptions({ connectOption, reconnectOption, fromOption, serialOption, dbOption, pluReplaceOption,
        logoOutOption, refuseOption, silentOption, badCrcOption, badControlOption, overlongOption, alterOption,
        refuseRequestsOption, chunkOption, delayOption, versionOption, manualOption });
    parser.process(app);
    if (parser.isSet(versionOption)) {
        std::fputs(qPrintable(versionText(QStringLiteral("tallvane-ecrsim"))), stdout);
        return 0;
    }
    if (parser.isSet(manualOption)) {
        ManualPage page;
        page.program = QStringLiteral("tallvane-ecrsim");
        page.summary = QStringLiteral("play a cash register for Tallvane");
        // The usage names the program as it was started; the page names it as installed.
        page.help = parser.helpText().replace(
            QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: tallvane-ecrsim"));
        page.seeAlso = QStringList { QStringLiteral("tallvane"), QStringLiteral("tallvane-cli") };
        std::fputs(manualPage(page).toUtf8().constData(), stdout);
        return 0;
    }

    auto fail = [](const QString& message) {
        std::fprintf(stderr, "tallvane-ecrsim: %s\n", qPrintable(message));
        return 2;
    };
    if (parser.isSet(connectOption) == parser.isSet(serialOption))
        return fail(QStringLiteral("give exactly one of --connect HOST:PORT and --serial DEVICE (see --help)"));
    if (parser.isSet(reconnectOption) && !parser.isSet(connectOption))
        return fail(QStringLiteral("--reconnect goes with --connect"));

    Options options;
    options.pluSendReplaces = parser.isSet(pluReplaceOption);
    options.logoOut = parser.value(logoOutOption);
    Faults faults;
    for (const QString& value : parser.values(refuseOption)) {
        const QStringList parts = value.split(QLatin1Char(':'));
        bool okNumber = false, okByte = false;
        const int n = parts.value(0).toInt(&okNumber);
        const int byte = parts.value(1).toInt(&okByte, 16);
        if (parts.size() != 2 || !okNumber || !okByte || n < 1 || byte < 0 || byte > 255)
            return fail(QStringLiteral("--refuse takes N:BYTE, for example 1:15"));
        faults.refuse.insert(n, quint8(byte));
    }
    QStringList silentFrames = parser.values(silentOption);
    faults.silentAll = silentFrames.removeAll(QStringLiteral("all")) > 0;
    if (!numberList(silentFrames, &faults.silent) || !numberList(parser.values(badCrcOption), &faults.badCrc)
        || !numberList(parser.values(badControlOption), &faults.badControl)
        || !numberList(parser.values(overlongOption), &faults.overlong)
        || !numberList(parser.values(alterOption), &faults.alter))
        return fail(QStringLiteral("frame numbers count from 1"));
    faults.refuseRequests = parser.isSet(refuseRequestsOption);
    if (parser.isSet(chunkOption)) {
        bool ok = false;
        faults.chunk = parser.value(chunkOption).toInt(&ok);
        if (!ok || faults.chunk < 1)
            return fail(QStringLiteral("--chunk takes a number of bytes from 1"));
    }
    if (parser.isSet(delayOption)) {
        bool ok = false;
        faults.delayMs = parser.value(delayOption).toInt(&ok);
        if (!ok || faults.delayMs < 0)
            return fail(QStringLiteral("--delay takes milliseconds"));
    }

    Notice::setHandler([](Notice::Kind, const QString& title, const QString& text) {
        std::fprintf(stderr, "tallvane-ecrsim: %s: %s\n", qPrintable(title), qPrintable(text));
    });
    const QString db = parser.isSet(dbOption) ? parser.value(dbOption) : QStringLiteral(":memory:");
    if (db != QLatin1String(":memory:") && QFile::exists(db))
        openDatabase(db);
    else
        createDatabase(db);

    QTcpSocket socket;
    QSerialPort port;
    QIODevice* device = nullptr;
    std::unique_ptr<Register> ecr;
    if (parser.isSet(connectOption)) {
        const QString target = parser.value(connectOption);
        const int colon = target.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const int tcpPort = target.mid(colon + 1).toInt(&ok);
        if (colon <= 0 || !ok || tcpPort <= 0 || tcpPort > 65535)
            return fail(QStringLiteral("--connect takes HOST:PORT"));
        if (parser.isSet(fromOption) && !socket.bind(QHostAddress(parser.value(fromOption))))
            return fail(QStringLiteral("cannot connect from %1: %2").arg(parser.value(fromOption), socket.errorString()));
        device = &socket;
        if (parser.isSet(reconnectOption)) {
            ecr = std::make_unique<Register>(device, options, faults);
            redial(socket, target, parser.value(fromOption), *ecr);
            return app.exec();
        }
        socket.connectToHost(target.left(colon), quint16(tcpPort));
        if (!socket.waitForConnected(10000))
            return fail(QStringLiteral("cannot connect to %1: %2").arg(target, socket.errorString()));
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(&socket, &QTcpSocket::disconnected, &app, [] { QCoreApplication::exit(0); });
    } else {
        port.setPortName(parser.value(serialOption));
        if (!port.open(QIODevice::ReadWrite))
            return fail(QStringLiteral("cannot open %1: %2").arg(parser.value(serialOption), serialOpenError(port)));
        port.setBaudRate(QSerialPort::Baud115200);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        QObject::connect(&port, &QSerialPort::errorOccurred, &app, [](QSerialPort::SerialPortError error) {
            if (error == QSerialPort::ResourceError)
                QCoreApplication::exit(0);
        });
        device = &port;
    }
    std::printf("register ready\n");
    std::fflush(stdout);
    ecr = std::make_unique<Register>(device, options, faults);
    return app.exec();
}
