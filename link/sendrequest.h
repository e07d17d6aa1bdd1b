#pragma once

#include "base/itemtable.h"
#include "link/protocol.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QSharedPointer>
#include <QStringList>

#include <functional>
#include <mutex>

// A data frame as a link writes it, and the status word that reports it once acknowledged.
struct EncodedFrame {
    QByteArray bytes;
    QByteArray status;
};

// The frames of one request, encoded once however many links send it: the first link to
// ask encodes them while the others wait, and then every link reads the same list.
class SharedFrames {
public:
    const QList<EncodedFrame>& get(const std::function<QList<EncodedFrame>()>& encode)
    {
        std::call_once(m_once, [&] { m_frames = encode(); });
        return m_frames;
    }

private:
    std::once_flag m_once;
    QList<EncodedFrame> m_frames;
};

// One send of rows under one command, a part of a request that sends several in a row.
struct SendPart {
    quint8 command = CommandInstall;
    ItemTable table;
    QList<QByteArray> records; // per row, the record to send as kept (see SendRequest::records)
};

// One send to the registers, with everything the link thread needs to carry it out: the
// data type and the table to send (none for the system parameters and the clear command,
// which travel without one; an empty one for the logo, whose chunks travel apart), what the
// send means, whether the table is read back afterwards, and the logo's chunks and number.
// The window's commands and the command-line tool build it alike and hand it to
// LinkHost::send(); every link thread reads the same copy, which nothing changes afterwards.
struct SendRequest {
    QByteArray datatype; // empty: nothing is to be sent
    quint8 command = CommandInstall; // Command: the PLU payload code and the verify mode follow it
    // After "UPDATE END", read the category back and compare it with what was sent (for the
    // tables the register can send back: install, and PLU add, update and delete).
    bool verify = false;
    bool hasTable = false;
    ItemTable table;
    // Per row of `table`, the record to send as kept (an empty one, or none: the row is encoded).
    QList<QByteArray> records;
    // "GRAPHICDATA" over RS-232: the packed logo's chunks in sending order (start block, the
    // picture in pieces, end block) and the number of the logo they replace.
    QList<QByteArray> logoChunks;
    quint8 logoNumber = 0;
    // Why the register must not get the table (one text per row); nothing is sent then.
    QStringList refusals;
    // When not empty, the request is these sends one after the other, each a send of its own
    // on the wire (a PLU change: the deleted codes, then the changed rows, then the new ones);
    // `command`, `table` and `records` are not used then. A failed part ends the request.
    QList<SendPart> parts;
    // Where the links that share the request find its frames (LinkHost::send() gives the
    // request one); without it each link encodes the rows itself.
    QSharedPointer<SharedFrames> frames;

    bool sendable() const { return !datatype.isEmpty() && refusals.isEmpty(); }
    // The rows to send (null when the request carries no table).
    const ItemTable* rows() const { return hasTable ? &table : nullptr; }
    // The rows the request sends: its table's, or all its parts'.
    int rowCount() const
    {
        if (parts.isEmpty())
            return int(table.size());
        int rows = 0;
        for (const SendPart& part : parts)
            rows += int(part.table.size());
        return rows;
    }
    // The kept record of row `row`, empty when the row is to be encoded.
    QByteArray keptRecord(int row) const { return records.value(row); }
};

using SharedRequest = QSharedPointer<const SendRequest>;
Q_DECLARE_METATYPE(SharedRequest)

// Requests for particular registers, by link ("tcp:127.0.0.1", "serial:/dev/ttyUSB0"): each
// register gets its own and a register without one gets none.
using SharedRoutes = QSharedPointer<const QHash<QString, SharedRequest>>;
Q_DECLARE_METATYPE(SharedRoutes)

// Install of `category` (a main window category number) with the rows its page shows;
// the logo and the system parameters send what their own records hold (the caller adds the
// logo's chunks and number). `records` holds the record each row keeps (see ItemGrid::collect).
SendRequest installRequest(int category, const ItemTable& rows, const QList<QByteArray>& records = {});

// The PLU item commands (add, update, delete: `rows` on the PLU page, when there are any)
// and the clear command (on any other page, over the serial link only) under `command`.
// Added and updated rows go as the records they keep; a deleted one needs only its code.
SendRequest itemRequest(
    quint8 command, int category, const ItemTable& rows, bool serial, const QList<QByteArray>& records = {});
