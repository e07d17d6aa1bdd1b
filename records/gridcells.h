#pragma once

#include "base/itemtable.h"
#include "records/columns.h"

#include <QVariant>

class RecordCodec;

// The grid keeps each cell as a value of its column's kind (whole numbers, reals, texts)
// and gives the values back as texts when it is collected. Whatever passes through the grid
// (a loaded table, an imported file, received rows) is saved, sent and exported as those
// texts; files and scripts that do without the grid convert alike.

// The value the grid keeps for `cell` in a column of `kind`.
QVariant gridCell(const QVariant& cell, quint8 kind);
// True for the cell whose value the register fixes: the fifth tax's rate, a real.
bool isFixedTaxRate(int category, int row, int column);
// The value the grid keeps at (`row`, `column`) of `table` in columns of `kinds`
// (kMaxColumns entries); a row shorter than the grid has empty texts in the columns it lacks.
QVariant gridCellAt(const ItemTable& table, int row, int column, const quint8* kinds, int category);

// The texts that the grid gives back for `table` shown with the columns of `codec`: the
// codec's columns (without a codec, as many as the first row has), every cell as the grid
// keeps it.
ItemTable gridTexts(const ItemTable& table, const RecordCodec* codec, int category);

// A cell of a file that a column of numbers cannot keep as written ("3,50", "2.50 EUR", "12.5"
// for a whole number): the grid would keep it as 0.
struct UnreadCell {
    int row; // in the table, from 0
    int column;
    QString text; // as the file has it
};
// The cells of `table`, shown with the columns of `codec`, that the grid keeps as 0 although
// they are neither empty nor 0: what an import would lose without a word.
QList<UnreadCell> unreadableCells(const ItemTable& table, const RecordCodec* codec, int category);

// Where each row of `imported` lands when it is added to `existing` rather than replacing
// it: the index of the row it replaces, or an index from existing.size() on for a row
// appended. PLUs go by item code, categories with an "Indx" column by that number (a row whose
// code or number is already present replaces that row, the last of equal ones in the file
// winning); other categories append every row.
QList<int> importPlaces(const ItemTable& existing, const ItemTable& imported, int category);
// `existing` with `imported` added by importPlaces(). `records`, when given, holds the record
// each existing row keeps: a replaced row drops its record, an appended row has none.
ItemTable addImportedRows(
    const ItemTable& existing, const ItemTable& imported, int category, QList<QByteArray>* records = nullptr);
