#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QList>

struct TransferOutcome;

// Writes how one register's transfer ended to the journal (journal/journal.h): the data type
// as its category, the register with its link, the outcome's sentence as the summary, and
// the command, the rows, the result and the verify in the details. The window and
// tallvane-cli call it for every outcome. False when the journal could not be written.
bool journalTransfer(const TransferOutcome& outcome);

// Writes a save of the table of `category` to the journal: the rows added, changed (each
// field's old and new value, as the grid shows them) and deleted, from the records the set
// held before (`before`) to those it holds now (`after`), as the database keeps records.
bool journalSave(int category, const QList<QByteArray>& before, const QList<QByteArray>& after);

// Stores `table` of `category` in the open set (RecordCodec::saveTable, `records` the records
// kept as they are) and journals what the set held before with what it holds after, as
// journalSave does. The window's Save and tallvane-cli's import and download use it. False
// when nothing was stored.
bool saveTableJournaled(int category, const ItemTable& table, const QList<QByteArray>& records);

// Writes a save of a category kept as one record (the system parameters "SYSPARMDATA", the
// logo "GRAPHICDATA") to the journal: the bytes that changed, each with its old and new value.
bool journalRecordSave(const QByteArray& datatype, const QByteArray& before, const QByteArray& after);
