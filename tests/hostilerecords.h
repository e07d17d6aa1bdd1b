#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class RecordCodec;

// Stored records that decoding and encoding again would change: names that the display
// language cannot give back (a UTF-8 character cut at the field's end, bytes the code page
// leaves undefined, text the Hebrew or Arabic register walk does not invert), and bytes that
// no column covers.

// Where a category's hostile names go: the name field, the line text or the server URL.
struct TextField {
    int offset = 0;
    int size = 0; // 0: the category has no text field (system parameters)
};
TextField hostileTextField(const RecordCodec* codec);

// Bytes for a text field of `size` bytes that do not survive a round trip in `language`;
// `variant` picks one of several.
QByteArray hostileText(int language, int size, int variant);

// `count` stored records of `codec` in `language`. With `reserved`, every byte is random
// (seeded, so every run sees the same): uncovered bytes, BCD nibbles above 9, extra bits.
// Otherwise the record of a plain row with a hostile text in its text field.
QList<QByteArray> hostileRecords(const RecordCodec* codec, int language, bool reserved, int count = 3);

// The rows of `table` in the database file `path` (read through a connection of its own), in
// stored order, each as "key | name | record" with name and record in hexadecimal.
QStringList storedRows(const QString& path, const QString& table);
// The records alone.
QList<QByteArray> storedData(const QString& path, const QString& table);
// Replaces the rows of `table` in the database file `path` by `records`, keyed "1", "2", ...
// and named "x": a file another program (or a register) left.
bool writeStoredRecords(const QString& path, const QString& table, const QList<QByteArray>& records);
