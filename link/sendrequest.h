#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QStringList>

// What a send command puts on the link for a category: the data type and the table to send
// (none for the system parameters and the clear command, which travel without one; an empty
// one for the logo, whose chunks travel apart). The window's commands and the command-line
// tool choose alike.
struct SendRequest {
    QByteArray datatype; // empty: nothing is to be sent
    bool hasTable = false;
    ItemTable table;
    // Per row of `table`, the record to send as kept (an empty one: the row is encoded).
    QList<QByteArray> records;
    // Why the register must not get the table (one text per row); nothing is sent then.
    QStringList refusals;

    bool sendable() const { return !datatype.isEmpty() && refusals.isEmpty(); }
    // The table to hand to signal_MsendData.
    ItemTable* tableToSend() { return hasTable ? &table : nullptr; }
    // The records to hand to signal_MsendRecords; null when no row keeps one (the table
    // goes through signal_MsendData then).
    QList<QByteArray>* recordsToSend();
};

// Install of `category` (a main window category number) with the rows its page shows;
// the logo and the system parameters send what their own records hold. `records` holds the
// record each row keeps (see ItemGrid::collect).
SendRequest installRequest(int category, const ItemTable& rows, const QList<QByteArray>& records = {});

// The PLU item commands (add, update, delete: `rows` on the PLU page, when there are any)
// and the clear command (on any other page, over the serial link only) under `command`.
// Added and updated rows go as the records they keep; a deleted one needs only its code.
SendRequest itemRequest(
    quint8 command, int category, const ItemTable& rows, bool serial, const QList<QByteArray>& records = {});
