#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QSharedPointer>


// The frames of the register protocol, shared by both carriers. All functions are
// reentrant and may run on any link thread.

constexpr char kAck = 0x06;

// What a send means: 1 install, 2 add, 3 update, 4 delete, 8 clear data. Each send request
// carries its own (SendRequest::command); the PLU payload code follows it.
enum Command : quint8 { CommandInstall = 1, CommandAdd = 2, CommandUpdate = 3, CommandDelete = 4, CommandClear = 8 };

// Downloaded rows travelling from a link thread to the GUI thread.
using SharedTable = QSharedPointer<const ItemTable>;
Q_DECLARE_METATYPE(SharedTable)

// Wraps one row into a data frame (or the system-parameter frame) of `typeName`, with the
// sequence flag 0 (only frame), 1 (more follow) or 2 (last of several). `row` null or empty
// means "no row". `kept`, when not empty, is the row's record as the database keeps it: the
// frame carries its bytes where the database keeps the record (RecordCodec::storedSize) and
// the encoded row's beyond (the index byte). Returns the record name that the category's
// codec gives; an empty frame and name for a type outside the category table or without a codec.
// `command` chooses the PLU payload code (see payloadCodeFor).
QByteArray packRecord(const QByteArray& typeName, const ItemRow* row, int sequence, QByteArray* frame,
    const QByteArray& kept = QByteArray(), quint8 command = CommandInstall);

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

// Payload code of a data frame of `typeName` sent under `command`: the category's own, but
// for PLUs, whose code says what the register does with the record (5 add or install,
// 7 update, 6 delete).
quint16 payloadCodeFor(const QByteArray& typeName, quint16 categoryCode, quint8 command);
