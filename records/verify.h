#pragma once

#include "records/recordcodec.h"
#include "records/wording.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// Comparing what a send put on the register with what the register sends back when asked
// for the same category straight after. Records are compared by the bytes the configuration
// database keeps, so an index byte that the register fills in does not count.

// What a send must have left on the register.
enum class VerifyMode : quint8 {
    InOrder, // the table sent, record by record in the same order (install)
    Present, // every record sent, found by its key (PLU install, add, update)
    Absent, // none of the keys sent (PLU delete)
};

// The mode for a send of `category` under `command` (Command of link/protocol.h); false
// when such a send cannot be verified (the system parameters, the logo, the clear command,
// a category without a codec).
bool verifyModeFor(const Category& category, quint8 command, VerifyMode* mode);

struct FieldDifference {
    int column; // -1: bytes that no column shows
    QString name; // the column's header, or the bytes' offsets ("bytes 56-60")
    QString sent;
    QString held; // what the register holds instead
    bool secret = false; // a password or key (or bytes of a record that holds one)

    // The column's header as the grid shows it in `wording`.
    QString shownName(Wording wording) const;
};

struct RowDifference {
    enum Kind : quint8 { Differs, Missing, StillThere };
    int row; // in the table sent, from 0
    Kind kind;
    QString label; // "row 3", or the record's key ("987650001234")
    QList<FieldDifference> fields; // for Differs

    // What is wrong with the row: "not on the register", or its differing fields
    // ("Price sent "1.25", the register holds "1.50"").
    QString describe(Wording wording = Wording::Shown) const;
};

struct VerifyReport {
    QByteArray datatype;
    QString peer; // the register: its address over TCP, empty on a serial port
    QString link; // the register's link ("tcp:ADDRESS", "serial:PORT")
    VerifyMode mode = VerifyMode::InOrder;
    bool read = false; // the register sent the category back
    QString failure; // why it did not ("RCV ERR", "TIME OUT", a refusal byte in hex)
    int sent = 0;
    int received = 0;
    QList<RowDifference> differences;
    // What the register sent back, as the database keeps records (when it was read).
    QList<QByteArray> readBack;

    bool identical() const { return read && differences.isEmpty(); }
    // Lines for a transfer log: "verified: 1000 rows identical", or a count of the rows
    // that differ followed by one line per row; each opened by the peer when there is one.
    QStringList lines(Wording wording = Wording::Shown) const;
};

Q_DECLARE_METATYPE(VerifyReport)

// The bytes of `record` that the database keeps, zero-filled to the stored size.
QByteArray keptBytes(const RecordCodec& codec, const QByteArray& record);
// The columns in which two records differ as the codec shows them (`sent` and `held` named
// after a verify: the first record's value, then the second's); the differing bytes when no
// column shows them (reserved bytes, or bytes that no column covers).
QList<FieldDifference> fieldDifferences(const RecordCodec& codec, const QByteArray& sent, const QByteArray& held);

// Compares the records sent with those the register sent back.
VerifyReport compareRecords(
    const RecordCodec& codec, const QList<QByteArray>& sent, const QList<QByteArray>& received, VerifyMode mode);
