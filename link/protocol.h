#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QSharedPointer>

#include <atomic>

// The frames of the register protocol, shared by both carriers. All functions are
// reentrant and may run on any link thread.

constexpr char kAck = 0x06;

// What the next send means: 1 install, 2 add, 3 update, 4 delete, 8 clear data. Set by the
// main window before it starts a transfer; the PLU payload code follows it.
enum Command : quint8 { CommandInstall = 1, CommandAdd = 2, CommandUpdate = 3, CommandDelete = 4, CommandClear = 8 };
extern std::atomic<quint8> currentCommand;
// Logo number that the serial carrier puts into logo frames.
extern std::atomic<quint8> logoNumber;
// Whether a send of a table that the register can send back, once it has ended with
// "UPDATE END", is followed by reading the category back and comparing it with what was
// sent (install, and PLU add, update and delete). Set by the host before it sends.
extern std::atomic<bool> verifyAfterInstall;

// The chunks of the packed logo, in sending order (the logo start block, the picture in
// pieces, the end block). Set by whoever packs the logo; read by the serial logo transfer.
QList<QByteArray> logoDataList();
void setLogoDataList(const QList<QByteArray>& chunks);

// A table travelling to a link thread: every request owns its copy until its transfer ends.
using SharedTable = QSharedPointer<const ItemTable>;
Q_DECLARE_METATYPE(SharedTable)
// The records kept with such a table's rows (see packRecord), shared the same way.
using SharedRecords = QSharedPointer<const QList<QByteArray>>;
Q_DECLARE_METATYPE(SharedRecords)

// Wraps one row into a data frame (or the system-parameter frame) of `typeName`, with the
// sequence flag 0 (only frame), 1 (more follow) or 2 (last of several). `row` null or empty
// means "no row". `kept`, when not empty, is the row's record as the database keeps it: the
// frame carries its bytes where the database keeps the record (RecordCodec::storedSize) and
// the encoded row's beyond (the index byte). Returns the record name that the category's
// codec gives; an empty frame and name for a type outside the category table or without a codec.
QByteArray packRecord(const QByteArray& typeName, const ItemRow* row, int sequence, QByteArray* frame,
    const QByteArray& kept = QByteArray());

// The request frame that opens a download of `typeName`; empty for a type without one.
QByteArray readRequest(const QByteArray& typeName);

// The drain step shows at most this many of the bytes found waiting before a transfer.
constexpr int kShownPendingBytes = 64;
// The status word for `total` waiting bytes that began with `head`: the bytes themselves when
// there are at most kShownPendingBytes of them, else the first of them followed by
// " (64 of N bytes shown)".
QByteArray pendingWord(const QByteArray& head, qint64 total);
// Splits a pendingWord() that shows only part of the waiting bytes into the bytes shown and
// the count of all of them; false for any other word.
bool splitPendingWord(const QByteArray& word, QByteArray* shown, qint64* total);

// Link-only frames of the serial carrier.
QByteArray clearFrame();
QByteArray logoFrame(const QByteArray& chunk, quint8 number);

// A data frame around `record` with the given control byte and payload code.
QByteArray dataFrame(quint8 control, quint16 payloadCode, const QByteArray& record);

// Payload code of a data frame of `category` under the current command.
quint16 payloadCodeFor(const QByteArray& typeName, quint16 categoryCode);
