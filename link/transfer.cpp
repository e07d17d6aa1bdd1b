#include "link/transfer.h"

#include "link/linklog.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/translation.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QIODevice>
#include <QSerialPort>
#include <QThread>

#include <poll.h>

namespace {
constexpr int kMaxBuffered = 256;
// After a cancel, the reply to the frame already written is still waited for this long, so
// that it is counted and does not reach the next transfer.
constexpr int kCancelGraceMs = 200;

// One send of a request: the request itself, or one of its parts.
struct Step {
    quint8 command;
    const ItemTable* rows; // none: one frame without a row
    const QList<QByteArray>* records;

    int count() const { return rows ? int(rows->size()) : 1; }
    const ItemRow& row(int i) const
    {
        static const ItemRow none;
        return rows ? rows->at(i) : none;
    }
};

// The frames of `steps` in sending order: each row as the record it keeps or else encoded,
// with the sequence flag of its place in its send.
QList<EncodedFrame> encodeSteps(const QByteArray& datatype, const QList<Step>& steps)
{
    QList<EncodedFrame> frames;
    for (const Step& step : steps) {
        const int count = step.count();
        for (int i = 0; i < count; ++i) {
            const ItemRow& row = step.row(i);
            int sequence = 0;
            if (!row.isEmpty() && count > 1)
                sequence = (i == count - 1) ? 2 : 1;
            EncodedFrame frame;
            frame.status = QByteArrayLiteral(QT_TRANSLATE_NOOP("StatusWord", "UPDATE "));
            frame.status += packRecord(datatype, row.isEmpty() ? nullptr : &row, sequence, &frame.bytes,
                row.isEmpty() ? QByteArray() : step.records->value(i), step.command);
            frames.append(frame);
        }
    }
    return frames;
}
} // namespace

// Marks a transfer as running; afterwards whatever it left unread counts as waiting input,
// and the end is reported.
class TransferEngine::Running {
public:
    explicit Running(TransferEngine* engine)
        : m_engine(engine)
    {
        m_engine->m_running = true;
        m_engine->m_wire->begin();
    }
    ~Running()
    {
        m_engine->m_wire->end();
        m_engine->m_running = false;
        m_engine->keepPending();
        m_engine->m_cancel.reset();
        m_engine->m_ended(m_engine->m_outcome);
    }

private:
    TransferEngine* m_engine;
};

const CarrierTraits& CarrierTraits::tcp()
{
    static const CarrierTraits traits { 3000, 1, false, false, false, false, 3000 };
    return traits;
}

const CarrierTraits& CarrierTraits::serial()
{
    static const CarrierTraits traits { 6000, 4, true, true, true, true, 3000 };
    return traits;
}

PortWire::PortWire(QIODevice* device, Flush flush)
    : m_device(device)
    , m_flush(std::move(flush))
{
}

void PortWire::write(const QByteArray& frame)
{
    m_device->write(frame);
    m_flush();
}

bool PortWire::isOpen() const
{
    const auto* serial = qobject_cast<const QSerialPort*>(m_device);
    if (!m_device->isOpen() || !serial)
        return m_device->isOpen();
    if (serial->error() == QSerialPort::ResourceError)
        return false;
    // The device hung up: Qt reports it only at the next write.
    pollfd port { int(serial->handle()), POLLIN, 0 };
    return !(::poll(&port, 1, 0) > 0 && (port.revents & (POLLHUP | POLLERR | POLLNVAL)));
}

qint64 PortWire::bytesAvailable() const { return m_device->bytesAvailable(); }

bool PortWire::waitForReadyRead(int ms) { return m_device->waitForReadyRead(ms); }

qint64 PortWire::read(char* data, qint64 maxSize) { return m_device->read(data, maxSize); }

QByteArray PortWire::readAll()
{
    QByteArray all;
    char chunk[4096];
    qint64 n;
    while ((n = read(chunk, sizeof chunk)) > 0)
        all.append(chunk, n);
    return all;
}

TransferEngine::TransferEngine(
    QIODevice* device, const CarrierTraits& traits, Flush flush, WordSink words, RowsSink rows, Ended ended)
    : TransferEngine(std::make_unique<PortWire>(device, std::move(flush)), traits, std::move(words), std::move(rows),
        std::move(ended))
{
}

TransferEngine::TransferEngine(
    std::unique_ptr<PortWire> wire, const CarrierTraits& traits, WordSink words, RowsSink rows, Ended ended)
    : m_wire(std::move(wire))
    , m_traits(traits)
    , m_words(std::move(words))
    , m_rows(std::move(rows))
    , m_ended(std::move(ended))
{
}

bool TransferEngine::interrupted() const
{
    QThread* thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested();
}

bool TransferEngine::cancelled() const { return m_cancel && m_cancel->isSet(); }

bool TransferEngine::stopping()
{
    if (interrupted())
        m_outcome.result = TransferOutcome::Closed;
    else if (cancelled())
        m_outcome.result = TransferOutcome::Cancelled;
    else
        return false;
    return true;
}

bool TransferEngine::waitForInput(int timeoutMs)
{
    // waitForReadyRead() waits for new data only, so bytes already buffered count first.
    QDeadlineTimer deadline(timeoutMs);
    bool graceTaken = false;
    while (m_wire->bytesAvailable() == 0) {
        if (deadline.hasExpired() || interrupted())
            return false;
        // A cancel shortens the wait to the grace for a reply already on its way.
        if (!graceTaken && cancelled()) {
            graceTaken = true;
            if (deadline.remainingTime() > kCancelGraceMs)
                deadline.setRemainingTime(kCancelGraceMs);
        }
        const qint64 slice = qMin<qint64>(deadline.remainingTime(), 100);
        if (!m_wire->waitForReadyRead(int(slice))) {
            if (!m_wire->isOpen())
                return false;
            if (m_waiting)
                m_waiting();
        }
    }
    return true;
}

bool TransferEngine::waitForAck()
{
    if (!waitForInput(m_traits.ackTimeoutMs)) {
        // A wait cut short by the operator is no time-out of the register; the reply may
        // still come and is dropped then.
        if (stopping() && m_outcome.result == TransferOutcome::Cancelled) {
            m_dropStale = true;
            return false;
        }
        if (m_outcome.result != TransferOutcome::Closed)
            m_outcome.result = m_wire->isOpen() ? TransferOutcome::NoAnswer : TransferOutcome::Closed;
        m_words(QT_TRANSLATE_NOOP("StatusWord", "TIME OUT"));
        return false;
    }
    char reply = 0;
    m_wire->read(&reply, 1);
    if (reply == kAck)
        return true;
    m_outcome.result = TransferOutcome::Refused;
    m_outcome.word = QByteArray(1, reply);
    m_words(QByteArray(1, reply));
    return false;
}

bool TransferEngine::sendFrame(const QByteArray& frame, const std::function<QString(Wording)>& label)
{
    QElapsedTimer waited;
    waited.start();
    int attempts = 0;
    bool acknowledged = false;
    bool timedOut = false;
    // A reply waiting before the frame goes answers none of this send's frames (a register
    // that answered twice, a refusal after its acknowledgement): each reply from here on may
    // answer the frame before it, so what the register holds is not known.
    if (m_wire->bytesAvailable() > 0 || m_wire->waitForReadyRead(0)) {
        m_outcome.outOfStep = true;
        drain();
    }
    while (attempts < m_traits.attempts && !acknowledged && !stopping()) {
        writeFrame(frame);
        ++attempts;
        acknowledged = waitForAck();
        timedOut = timedOut || (!acknowledged && m_outcome.result == TransferOutcome::NoAnswer);
        // Stopped by the operator or by the link's end: no further attempt.
        if (!acknowledged && m_outcome.result != TransferOutcome::NoAnswer && m_outcome.result != TransferOutcome::Refused)
            break;
    }
    if (!acknowledged) {
        m_outcome.failedRow = label(Wording::Shown);
        m_outcome.failedRowEnglish = label(Wording::English);
        m_outcome.attempts = attempts;
        m_outcome.waitedMs = waited.elapsed();
        // Written, but no reply came: the register may have taken it.
        m_outcome.inFlight = attempts > 0 && m_outcome.result != TransferOutcome::Refused;
        return false;
    }
    // A frame acknowledged after a time-out leaves no failure behind, but the count: the late
    // reply may have answered the first write. One refused and then taken was taken once.
    if (timedOut)
        ++m_outcome.retried;
    m_outcome.result = TransferOutcome::Done;
    m_outcome.word.clear();
    ++m_outcome.done;
    return true;
}

void TransferEngine::writeFrame(const QByteArray& frame)
{
    m_wire->write(frame);
}

void TransferEngine::takeIdleInput()
{
    if (!m_running)
        keepPending();
}

void TransferEngine::keepPending()
{
    if (!m_wire->isOpen())
        return;
    char chunk[4096];
    qint64 n;
    while ((n = m_wire->read(chunk, sizeof chunk)) > 0) {
        const qint64 room = kShownPendingBytes - m_pendingHead.size();
        if (room > 0)
            m_pendingHead.append(chunk, int(qMin(room, n)));
        m_pendingCount += n;
    }
}

void TransferEngine::drain()
{
    keepPending();
    if (m_dropStale) {
        m_dropStale = false;
        if (m_pendingCount > 0)
            qCDebug(lcLink) << "dropped" << m_pendingCount << "bytes left by a cancelled transfer";
        m_pendingHead.clear();
        m_pendingCount = 0;
    }
    if (m_pendingCount == 0)
        return;
    qCDebug(lcLink) << "pending bytes:" << m_pendingCount;
    m_words(pendingWord(m_pendingHead, m_pendingCount));
    m_pendingHead.clear();
    m_pendingCount = 0;
}

bool TransferEngine::decodes(const QByteArray& datatype) const
{
    const Category* category = categoryByType(datatype);
    if (!category || !category->codec)
        return false;
    return category->number != CategoryExtHeader || m_traits.decodesExtHeader;
}

void TransferEngine::sendData(const SendRequest& request, const CancelToken& cancel)
{
    const QByteArray& datatype = request.datatype;
    const ItemTable* datas = request.rows();
    m_cancel = cancel;
    m_outcome = TransferOutcome();
    m_outcome.datatype = datatype;
    m_outcome.command = request.command;
    Running running(this);
    qCDebug(lcLink) << "write datatype : " << datatype;
    drain();
    const int rows = datas ? int(datas->size()) : 1;
    qCDebug(lcLink) << "rows = " << rows;
    m_outcome.total = rows;

    if (m_traits.linkOnlyFrames && datatype == "SYSCLEARDATA") {
        sendClear();
        return;
    }
    if (m_traits.linkOnlyFrames && datatype == "GRAPHICDATA") {
        sendLogo(request.logoChunks, request.logoNumber);
        return;
    }

    // The sends of the request: itself, or its parts one after the other.
    QList<Step> steps;
    if (request.parts.isEmpty()) {
        steps.append({ request.command, datas, &request.records });
    } else {
        m_outcome.total = 0;
        for (const SendPart& part : request.parts) {
            steps.append({ part.command, &part.table, &part.records });
            m_outcome.total += int(part.table.size());
            if (!part.table.isEmpty())
                m_outcome.parts.append({ part.command, int(part.table.size()) });
        }
    }

    // A table that the register can send back is read back afterwards when asked for; the
    // records are kept as they went out, each with what it must have left on the register.
    const Category* category = categoryByType(datatype);
    bool verifying = m_verified && datas && category && request.verify;
    QList<QPair<QList<QByteArray>, VerifyMode>> sent;
    for (const Step& step : steps) {
        VerifyMode mode = VerifyMode::InOrder;
        verifying = verifying && verifyModeFor(*category, step.command, &mode);
        sent.append({ {}, mode });
    }

    // Encoded before the first frame goes out; a request that several links send is encoded
    // once for all of them.
    const auto encode = [&datatype, &steps] { return encodeSteps(datatype, steps); };
    const QList<EncodedFrame> frames = request.frames ? request.frames->get(encode) : encode();
    int next = 0;
    int done = 0;
    for (int s = 0; s < steps.size(); ++s) {
        const Step& step = steps.at(s);
        const int count = step.count();
        if (!request.parts.isEmpty() && count == 0)
            continue;
        for (int i = 0; i < count; ++i) {
            if (stopping())
                return;
            const ItemRow& row = step.row(i);
            const QByteArray& frame = frames.at(next).bytes;
            const QByteArray& status = frames.at(next).status;
            ++next;
            qCDebug(lcLink) << ">>>snd data = " << translation::hexSpaced(frame);
            if (verifying)
                sent[s].first.append(frame.mid(4, uchar(frame.at(1))));

            // The failed wait has already reported "TIME OUT" or the refusal byte. The row is
            // named only then.
            const auto label = [&](Wording wording) {
                return row.isEmpty()
                    ? worded(wording, "TransferOutcome", QT_TRANSLATE_NOOP("TransferOutcome", "the system parameters"))
                    : rowLabel(datatype, row, wording);
            };
            if (!sendFrame(frame, label))
                return;
            ++done;
            m_words(m_traits.numberedUpdates
                    ? QByteArrayLiteral(QT_TRANSLATE_NOOP("StatusWord", "UPDATE ")) + QByteArray::number(done)
                    : status);
        }
        m_words(QT_TRANSLATE_NOOP("StatusWord", "UPDATE END"));
    }
    // Parts that were all empty still end as a send does.
    if (done == 0 && !request.parts.isEmpty())
        m_words(QT_TRANSLATE_NOOP("StatusWord", "UPDATE END"));
    // Nothing went out: the register holds what it held, and there is nothing to read back.
    if (verifying && done > 0)
        verify(datatype, sent);
}

void TransferEngine::verify(const QByteArray& datatype, const QList<QPair<QList<QByteArray>, VerifyMode>>& sent)
{
    qCDebug(lcLink) << "verify" << datatype << sent.size() << "sends";
    drain();
    writeFrame(readRequest(datatype));
    QList<QByteArray> received;
    FrameFailure frameFailure;
    // The read-back stopped (by the operator, by the link's end) leaves the send's own result.
    const TransferOutcome::Result sendResult = m_outcome.result;
    const bool read = readFrames(
        [&](const QByteArray& recordAndCrc, int length) { received.append(recordAndCrc.left(length)); }, &frameFailure);
    m_outcome.result = sendResult;
    m_outcome.verifyCompared = read;
    const QByteArray& failure = frameFailure.word;
    if (!read && failure.isEmpty()) {
        // The link is closing, or the operator stopped the read-back.
        m_outcome.verified = 0;
        const char* note = frameFailure.result == TransferOutcome::Cancelled
            ? QT_TRANSLATE_NOOP("TransferOutcome", "the verify was cancelled by the operator")
            : QT_TRANSLATE_NOOP("TransferOutcome", "the link ended before the table came back");
        m_outcome.verifyNote = worded(Wording::Shown, "TransferOutcome", note);
        m_outcome.verifyNoteEnglish = QString::fromUtf8(note);
        return;
    }
    VerifyReport report;
    // A send of several parts is reported as "present" unless it only deleted.
    VerifyMode mode = sent.isEmpty() ? VerifyMode::InOrder : sent.first().second;
    for (const auto& part : sent)
        if (part.second == VerifyMode::Present && !part.first.isEmpty())
            mode = VerifyMode::Present;
    if (read) {
        writeFrame(QByteArray(1, kAck));
        // Each send of the request against the one table that came back.
        const RecordCodec* codec = categoryByType(datatype)->codec();
        for (const auto& part : sent) {
            const VerifyReport partReport = compareRecords(*codec, part.first, received, part.second);
            if (report.datatype.isEmpty())
                report = partReport;
            else {
                report.sent += partReport.sent;
                report.differences += partReport.differences;
            }
        }
        if (report.datatype.isEmpty())
            report = compareRecords(*codec, {}, received, mode);
        report.mode = mode;
        report.readBack.reserve(received.size());
        for (const QByteArray& record : received)
            report.readBack.append(codec->storedRecord(record));
    } else {
        report.datatype = datatype;
        report.mode = mode;
        for (const auto& part : sent)
            report.sent += int(part.first.size());
        // English: VerifyReport::lines() translates the two fixed sentences for the window.
        report.failure = failure == "BCC ERR"
            ? QStringLiteral(QT_TRANSLATE_NOOP("VerifyReport", "a frame of the table failed its check (BCC ERR)"))
            : !frameFailure.refusal.isEmpty()
            ? QStringLiteral("the register refused to send the table back (%1)")
                  .arg(QString::fromLatin1(translation::hexSpaced(frameFailure.refusal)))
            : failure == "RCV ERR"
            ? QStringLiteral(QT_TRANSLATE_NOOP("VerifyReport", "the table did not come back (RCV ERR)"))
            : QStringLiteral("the table did not come back (%1)")
                  .arg(QString::fromLatin1(translation::hexSpaced(failure)));
    }
    qCDebug(lcLink) << "verified:" << report.lines();
    m_outcome.verified = report.identical() ? 1 : 0;
    if (!report.identical()) {
        m_outcome.verifyNote = report.lines(Wording::Shown).value(0);
        m_outcome.verifyNoteEnglish = report.lines(Wording::English).value(0);
    }
    m_verified(report);
}

void TransferEngine::sendClear()
{
    const QByteArray frame = clearFrame();
    qCDebug(lcLink) << ">>>snd data = " << translation::hexSpaced(frame);
    if (stopping())
        return;
    // One attempt: a clear that the register did not answer is not sent again.
    QElapsedTimer waited;
    waited.start();
    writeFrame(frame);
    if (waitForAck()) {
        m_outcome.done = 1;
        m_words(QT_TRANSLATE_NOOP("StatusWord", "UPDATE END"));
        return;
    }
    const char* clear = QT_TRANSLATE_NOOP("TransferOutcome", "the clear command");
    m_outcome.failedRow = worded(Wording::Shown, "TransferOutcome", clear);
    m_outcome.failedRowEnglish = QString::fromUtf8(clear);
    m_outcome.attempts = 1;
    m_outcome.waitedMs = waited.elapsed();
}

void TransferEngine::sendLogo(const QList<QByteArray>& chunks, quint8 number)
{
    m_outcome.total = int(chunks.size());
    for (int i = 0; i < chunks.size(); ++i) {
        if (stopping())
            return;
        qCDebug(lcLink).noquote() << QString::asprintf("data_type = %04x", 0x20 | (number << 8));
        const QByteArray frame = logoFrame(chunks.at(i), number);
        qCDebug(lcLink) << ">>>snd data = " << translation::hexSpaced(frame);
        QElapsedTimer waited;
        waited.start();
        writeFrame(frame);
        if (!waitForAck()) {
            const char* part = QT_TRANSLATE_NOOP("TransferOutcome", "logo part %1 of %2");
            m_outcome.failedRow = worded(Wording::Shown, "TransferOutcome", part).arg(i + 1).arg(chunks.size());
            m_outcome.failedRowEnglish = QString::fromUtf8(part).arg(i + 1).arg(chunks.size());
            m_outcome.attempts = 1;
            m_outcome.waitedMs = waited.elapsed();
            return;
        }
        ++m_outcome.done;
    }
    m_words(QT_TRANSLATE_NOOP("StatusWord", "UPDATE END"));
}

void TransferEngine::rcvData(const QByteArray& datatype, const CancelToken& cancel)
{
    m_cancel = cancel;
    m_outcome = TransferOutcome();
    m_outcome.datatype = datatype;
    m_outcome.download = true;
    Running running(this);
    qCDebug(lcLink) << "myserial rcvData";
    drain();
    const QByteArray request = readRequest(datatype);
    qCDebug(lcLink) << "snd data = " << translation::hexSpaced(request);
    writeFrame(request);

    m_received.clear();
    m_receivedRecords.clear();
    int pluFrames = 0;
    const Category* category = categoryByType(datatype);
    const bool decoded = decodes(datatype);
    FrameFailure failure;
    const bool complete = readFrames(
        [&](const QByteArray& recordAndCrc, int length) {
            if (!decoded) {
                ++m_outcome.dropped;
                return;
            }
            // The system record's decoder takes the record with its CRC bytes; every other
            // decoder gets exactly the record, so a short one is read from a zero-filled copy.
            const QByteArray payload = category->number == CategorySysParm ? recordAndCrc : recordAndCrc.left(length);
            ItemRow row;
            QByteArray status = QByteArrayLiteral(QT_TRANSLATE_NOOP("StatusWord", "DOWNLOAD "));
            const RecordCodec* codec = category->codec();
            status += codec->decodeRecord(payload, &row);
            m_received.append(row);
            m_receivedRecords.append(codec->storedRecord(payload));
            ++m_outcome.done;
            if (m_traits.countsPluDownloads && category->number == CategoryPlu)
                status
                    = QByteArrayLiteral(QT_TRANSLATE_NOOP("StatusWord", "DOWNLOAD ")) + QByteArray::number(++pluFrames);
            m_words(status);
        },
        &failure);
    if (!complete) {
        m_outcome.result = failure.result;
        m_outcome.word = failure.refusal.isEmpty() ? failure.word : failure.refusal;
        if (failure.result == TransferOutcome::NoAnswer)
            m_outcome.waitedMs = m_traits.downloadTimeoutMs;
        if (!failure.word.isEmpty())
            m_words(failure.word);
        return;
    }
    if (!m_received.isEmpty())
        m_rows(datatype, m_received, m_receivedRecords);
    m_words(QT_TRANSLATE_NOOP("StatusWord", "DOWNLOAD END"));
    writeFrame(QByteArray(1, kAck));
}

bool TransferEngine::readFrames(const RecordSink& onRecord, FrameFailure* failure)
{
    QByteArray buffer;
    int frames = 0;
    for (;;) {
        // Assemble one register frame: a length prefix, then the record length + 6 bytes.
        int length = -1;
        buffer.clear();
        while (length < 0 || buffer.size() != length + 6) {
            if (!waitForInput(m_traits.downloadTimeoutMs)) {
                if (cancelled() && stopping() && m_outcome.result == TransferOutcome::Cancelled) {
                    // Whatever the register sends on is dropped by the next transfer.
                    m_dropStale = true;
                    failure->result = TransferOutcome::Cancelled;
                    return false;
                }
                qCDebug(lcLink) << "rcv len:" << buffer.size();
                qCDebug(lcLink) << "data len:" << (buffer.isEmpty() ? 0 : int(uchar(buffer.at(0))));
                qCDebug(lcLink) << "rcv data = " << translation::hexSpaced(buffer);
                failure->word = QT_TRANSLATE_NOOP("StatusWord", "RCV ERR");
                failure->result = m_wire->isOpen() && !interrupted() ? TransferOutcome::NoAnswer : TransferOutcome::Closed;
                // One byte instead of the first frame: the register refused the request.
                if (frames == 0 && length < 0 && buffer.size() == 1 && buffer.at(0) != kAck) {
                    failure->result = TransferOutcome::Refused;
                    failure->refusal = buffer;
                }
                return false;
            }
            buffer += m_wire->readAll();
            if (length < 0 && buffer.size() > 2) {
                length = uchar(buffer.at(0));
                buffer.remove(0, 1);
                qCDebug(lcLink) << "data len = " << length;
                qCDebug(lcLink) << "rcv len = " << buffer.size();
            }
            if (buffer.size() > kMaxBuffered) {
                qCDebug(lcLink) << "rcv data len > 256";
                qCDebug(lcLink) << "rcv data = " << translation::hexSpaced(buffer);
                // Said, so that the window does not wait for an end that never comes.
                failure->word = QT_TRANSLATE_NOOP("StatusWord", "RCV ERR");
                failure->result = TransferOutcome::BadFrame;
                return false;
            }
        }

        qCDebug(lcLink) << "3rcv data = " << translation::hexSpaced(buffer);
        const quint16 crc = translation::crc16(buffer.constData(), buffer.size() - 2);
        if (uchar(buffer.at(buffer.size() - 2)) != (crc & 0xFF) || uchar(buffer.at(buffer.size() - 1)) != (crc >> 8)) {
            failure->word = QT_TRANSLATE_NOOP("StatusWord", "BCC ERR");
            failure->result = TransferOutcome::BadFrame;
            return false;
        }
        ++frames;
        qCDebug(lcLink).nospace() << "itemcount = " << frames << ",bcc is ok";

        const quint8 control = quint8(buffer.at(0));
        if (control & 0x02) {
            qCDebug(lcLink) << "rcv end";
            return true;
        }
        if (!(control & 0x01)) {
            qCDebug(lcLink) << "rcv err!";
            qCDebug(lcLink) << "3rcv data = " << translation::hexSpaced(buffer);
            failure->word = QT_TRANSLATE_NOOP("StatusWord", "RCV ERR");
            failure->result = TransferOutcome::BadFrame;
            return false;
        }

        buffer.remove(0, 4); // the record and its two CRC bytes remain
        onRecord(buffer, length);
        if (stopping()) {
            // The frame is left unacknowledged: the register stops sending.
            failure->result = m_outcome.result;
            return false;
        }
        writeFrame(QByteArray(1, kAck));
    }
}
