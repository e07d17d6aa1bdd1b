#pragma once

#include "link/outcome.h"
#include "link/protocol.h"
#include "link/sendrequest.h"
#include "records/verify.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>

#include <functional>
#include <memory>

// The points in which the TCP and the RS-232 carriers differ.
struct CarrierTraits {
    int ackTimeoutMs; // wait for the acknowledgement of one frame
    int attempts; // writes of one row frame before giving up
    bool numberedUpdates; // "UPDATE " + row number (else + record name)
    bool linkOnlyFrames; // own procedures for "SYSCLEARDATA" and "GRAPHICDATA"
    bool decodesExtHeader; // extended header rows are decoded on download
    bool countsPluDownloads; // "DOWNLOAD " + running PLU count (else + record name)
    int downloadTimeoutMs; // silence that ends a download

    static const CarrierTraits& tcp();
    static const CarrierTraits& serial();
};

// The engine's way to the bytes of its port: the port's QIODevice, each frame written and
// flushed at once. A carrier with a shorter way to its frames gives a subclass (the TCP
// socket's, see tcpserver.cpp). Runs on the port's thread.
class PortWire {
public:
    using Flush = std::function<void()>;

    PortWire(QIODevice* device, Flush flush);
    virtual ~PortWire() = default;

    // A transfer starts and ends: the engine writes and waits only in between.
    virtual void begin() {}
    virtual void end() {}
    virtual void write(const QByteArray& frame);
    // Bytes that can be read without waiting.
    virtual qint64 bytesAvailable() const;
    // Waits up to `ms` for input; false when none came or the port closed meanwhile.
    virtual bool waitForReadyRead(int ms);
    // At most `maxSize` of the bytes that can be read now; 0 (or -1) when there are none.
    virtual qint64 read(char* data, qint64 maxSize);
    QByteArray readAll();
    // False too for a serial port whose device went away (unplugged, the other end of a pair
    // closed): it stays open, but every wait on it returns at once and nothing comes.
    bool isOpen() const;

protected:
    QIODevice* m_device;
    Flush m_flush;
};

// The two transfer routines of the register protocol over one byte stream. An engine
// belongs to the port object of one carrier and runs on that port's worker thread; it
// blocks that thread while it waits. Results leave through the callbacks.
class TransferEngine {
public:
    using WordSink = std::function<void(const QByteArray& word)>;
    // The rows of a download and, one per row, the record each was decoded from as the
    // database keeps it (RecordCodec::storedRecord).
    using RowsSink
        = std::function<void(const QByteArray& datatype, const ItemTable& rows, const QList<QByteArray>& records)>;
    using Flush = PortWire::Flush;
    using Ended = std::function<void(const TransferOutcome& outcome)>;
    using VerifySink = std::function<void(const VerifyReport& report)>;

    // `ended` is called whenever sendData() or rcvData() returns, with how the transfer ended
    // (its peer left empty for the port to fill in).
    TransferEngine(
        QIODevice* device, const CarrierTraits& traits, Flush flush, WordSink words, RowsSink rows, Ended ended);
    // The same over a wire of the carrier's own.
    TransferEngine(
        std::unique_ptr<PortWire> wire, const CarrierTraits& traits, WordSink words, RowsSink rows, Ended ended);

    // Carries out `request` ("update"): its rows (none: one frame without a row) as its data
    // type under its command, each row as the record it keeps or else encoded, and with
    // `verify` the table read back afterwards. Once `cancel` is set no further frame goes out.
    void sendData(const SendRequest& request, const CancelToken& cancel = {});
    // Asks the register for `datatype` and collects its rows ("download"). Once `cancel` is
    // set the download stops and its rows are dropped.
    void rcvData(const QByteArray& datatype, const CancelToken& cancel = {});

    const CarrierTraits& traits() const { return m_traits; }
    // Where the comparison after a send goes (see SendRequest::verify); without a sink no
    // send is verified.
    void setVerifySink(VerifySink sink) { m_verified = std::move(sink); }
    // Called when a wait for the register has lasted a moment (what was reported so far
    // should be seen now).
    void setWaiting(std::function<void()> waiting) { m_waiting = std::move(waiting); }

    // Called when input arrives: outside a transfer it keeps the first bytes for the next
    // drain word and only counts the rest, so a peer that streams costs no memory.
    void takeIdleInput();

private:
    class Running;

    // Why the register's frames stopped coming: the status word (empty when the link closes or
    // the operator cancelled) and how the outcome reads it.
    struct FrameFailure {
        QByteArray word;
        TransferOutcome::Result result = TransferOutcome::Done;
        QByteArray refusal; // a lone reply byte where a frame was awaited
    };

    void keepPending();
    bool waitForInput(int timeoutMs);
    // Writes `frame` up to the carrier's attempts until the register acknowledges it; the
    // outcome learns about a failure, at the row called `label`.
    bool sendFrame(const QByteArray& frame, const std::function<QString(Wording)>& label);
    bool waitForAck();
    void writeFrame(const QByteArray& frame);
    void drain();
    bool interrupted() const;
    bool cancelled() const;
    // True when the transfer must stop now; the outcome says why.
    bool stopping();
    bool decodes(const QByteArray& datatype) const;
    void sendClear();
    void sendLogo(const QList<QByteArray>& chunks, quint8 number);
    // Reads the register's frames after a request, up to its end frame (not acknowledged):
    // `onRecord` gets every data frame's record followed by its two CRC bytes, and the
    // record's length. False when the table did not come whole, with why in `failure`.
    using RecordSink = std::function<void(const QByteArray& recordAndCrc, int length)>;
    bool readFrames(const RecordSink& onRecord, FrameFailure* failure);
    // Reads `datatype` back after a send and reports how it compares with what each send of
    // the request put there (its records and what they must have left on the register).
    void verify(const QByteArray& datatype, const QList<QPair<QList<QByteArray>, VerifyMode>>& sent);

    std::unique_ptr<PortWire> m_wire;
    CarrierTraits m_traits;
    WordSink m_words;
    RowsSink m_rows;
    Ended m_ended;
    VerifySink m_verified;
    std::function<void()> m_waiting;
    ItemTable m_received; // rows of the download in progress, one list per port
    QList<QByteArray> m_receivedRecords; // their records
    bool m_running = false;
    TransferOutcome m_outcome; // of the transfer in progress
    CancelToken m_cancel; // of the transfer in progress
    // A cancelled transfer may leave the register's late reply or frame behind: the next
    // drain drops what waits instead of reporting it.
    bool m_dropStale = false;
    QByteArray m_pendingHead; // the first bytes that arrived outside a transfer
    qint64 m_pendingCount = 0; // how many arrived in all
};

// What a port object buffers of its input at most; the transfers never need more. Not above
// the read buffer's own block size (16 KiB), so that the block is reused from read to read.
constexpr qint64 kPortReadBuffer = 16 * 1024;

// The status words of a port on their way to the GUI thread. A fast send produces a word per
// frame, thousands a second on each of many links; one event per word would keep the GUI
// thread's queue (and its lock) busy, so the words travel in batches: at most `kBatchWords`
// or `kBatchMs` old, and at once before anything else the port reports and while the link
// waits for the register.
class WordBatch {
public:
    static constexpr int kBatchWords = 256;
    static constexpr int kBatchMs = 25;

    template <class Port> void add(Port* port, const QByteArray& word)
    {
        if (m_words.isEmpty())
            m_since.start();
        m_words.append(word);
        if (m_words.size() >= kBatchWords || m_since.elapsed() >= kBatchMs)
            flush(port);
    }
    template <class Port> void flush(Port* port)
    {
        if (m_words.isEmpty())
            return;
        emit port->signal_ackWords(m_words);
        m_words.clear();
    }

private:
    QList<QByteArray> m_words;
    QElapsedTimer m_since;
};

// The engine of a port object (MySocket, myserial): it runs on the port and reports
// through the port's signal_ackWords (the status words, in batches), signal_rcvData,
// signal_verified (its registerName() naming the register) and signal_transferEnded (its
// linkName() naming the register in the outcome). The port bounds its read buffer and hands
// its readyRead to takeIdleInput() (see watchIdleInput()). Without a `wire` of the carrier's
// own the engine writes and reads through the port itself.
template <class Port>
TransferEngine portEngine(Port* port, const CarrierTraits& traits, std::unique_ptr<PortWire> wire = nullptr)
{
    if (!wire)
        wire = std::make_unique<PortWire>(port, [port] { port->flush(); });
    auto words = std::make_shared<WordBatch>();
    TransferEngine engine(
        std::move(wire), traits, [port, words](const QByteArray& word) { words->add(port, word); },
        [port, words](const QByteArray& datatype, const ItemTable& rows, const QList<QByteArray>& records) {
            words->flush(port);
            emit port->signal_rcvData(datatype, SharedTable(new ItemTable(rows)), records);
        },
        [port, words](const TransferOutcome& outcome) {
            words->flush(port);
            TransferOutcome named = outcome;
            named.peer = port->linkName();
            named.link = port->linkId();
            emit port->signal_transferEnded(named);
        });
    engine.setVerifySink([port, words](VerifyReport report) {
        words->flush(port);
        report.peer = port->registerName();
        report.link = port->linkId();
        emit port->signal_verified(report);
    });
    engine.setWaiting([port, words] { words->flush(port); });
    return engine;
}

// Bounds what `port` buffers and lets `engine` keep what arrives outside a transfer.
template <class Port> void watchIdleInput(Port* port, TransferEngine* engine)
{
    port->setReadBufferSize(kPortReadBuffer);
    QObject::connect(port, &QIODevice::readyRead, port, [engine] { engine->takeIdleInput(); });
}
