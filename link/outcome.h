#pragma once

#include "link/protocol.h"
#include "records/wording.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QMetaType>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

#include <atomic>

// The operator's stop of the transfers of one request: set on the GUI thread, read by every
// link thread that carries the request between two frames and while it waits.
class CancelFlag {
public:
    void cancel() { m_set.store(true); }
    bool isSet() const { return m_set.load(); }

private:
    std::atomic<bool> m_set { false };
};
using CancelToken = QSharedPointer<CancelFlag>;
Q_DECLARE_METATYPE(CancelToken)

// How one register's transfer ended, told in a sentence for the operator besides the status
// words of the logs: "127.0.0.1: 20 PLUs installed and verified", "COM3: no answer from the
// register to PLU 1003 after 2 of 20 rows (4 attempts, 24 s)".
struct TransferOutcome {
    enum Result : quint8 {
        Done, // every row acknowledged ("UPDATE END"), or the table came whole ("DOWNLOAD END")
        Refused, // a reply byte other than 0x06
        NoAnswer, // nothing came in time
        BadFrame, // the register's frame failed its check, was too long or had no valid control
        Cancelled, // the operator stopped it
        Closed, // the link ended (the register went, the port closed)
    };

    QString peer; // the register: its address over TCP, the port's name over RS-232
    QString link; // and its link: "tcp:ADDRESS", "serial:PORT"
    QByteArray datatype;
    quint8 command = CommandInstall;
    bool download = false;
    Result result = Done;
    int total = 0; // rows of the send (a download's are unknown)
    // A send in parts (a changes-only send): each part's command and rows, in order.
    QList<QPair<quint8, int>> parts;
    int done = 0; // rows acknowledged, or received
    bool inFlight = false; // the row after them was written, but its reply never came
    QString failedRow; // the row the failure came at ("PLU 1003", "logo part 3 of 40")
    QString failedRowEnglish; // the same for the journal, when the window's language is another
    QByteArray word; // the refusal byte; the failure word of a download
    int attempts = 0; // writes of the frame that failed
    int retried = 0; // frames acknowledged only after a time-out and another write
    bool outOfStep = false; // a reply came that answered no frame: the replies after it may be late
    int dropped = 0; // a download's rows that this link cannot read (extended header lines over TCP)
    qint64 waitedMs = 0; // how long the register was waited for at that frame
    // After a send with verify: -1 not read back, 1 held as sent, 0 not (see verifyNote).
    int verified = -1;
    bool verifyCompared = false; // the table came back and was compared (else verifyNote says why not)
    QString verifyNote; // why not: "2 of 20 rows differ", "the table did not come back (RCV ERR)"
    QString verifyNoteEnglish; // the same for the journal, when the window's language is another
    // What the register holds now could not be stored in the set (its baseline is stale).
    bool baselineLost = false;

    bool succeeded() const { return result == Done && verified != 0; }
    // The register acknowledged, but what it holds is not known: replies came late or out of step.
    bool uncertain() const { return retried > 0 || outOfStep; }
    // The sentence for the window (Shown), or for the journal (English).
    QString sentence(Wording wording = Wording::Shown) const;
    // failedRow and verifyNote in `wording`; an outcome filled without the English forms
    // uses the others for both.
    QString failedRowIn(Wording wording) const;
    QString verifyNoteIn(Wording wording) const;
};
Q_DECLARE_METATYPE(TransferOutcome)

// What the operator calls row `row` of a send of `datatype` in a sentence: its category's
// name for one row and its code or number ("PLU 1003", "department 5").
QString rowLabel(const QByteArray& datatype, const QList<QVariant>& row, Wording wording = Wording::Shown);

// "the connected register (COM3)", "the 3 connected registers (127.0.0.1, 10.0.0.5, ...)";
// "the register(s)" when they are not known yet.
QString registersPhrase(const QStringList& registers);

// The question to ask before a send that cannot be undone on the register, or empty when
// the request needs none: a PLU delete names the PLUs ("Delete 2 PLUs (1001 COFFEE, 1002 TEA)
// from 3 connected registers?"), clear data what it erases. The window asks it (No as the
// default); tallvane-cli needs --yes instead.
struct SendRequest;
QString irreversibleQuestion(const SendRequest& request, const QStringList& registers);
// PLU rows as such questions name them: "2 PLUs (1001 COFFEE, 1002 TEA)", each PLU once.
QString pluPhrase(const ItemTable& table);
