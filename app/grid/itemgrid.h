#pragma once

#include "app/grid/gridmodel.h"
#include "base/itemtable.h"
#include "records/columns.h"

#include <QStyledItemDelegate>

class QItemSelectionModel;

// Lays each cell's text out in the direction of its first letter that has one, as a web
// page's dir="auto" does, and keeps the view's direction for cells without letters (numbers,
// codes). In a right-to-left window "5 PLUs saved" would otherwise read "PLUs saved 5", and
// "6 PACK COLA" "PACK COLA 6"; in a left-to-right one a Hebrew name ending in a number
// reads right as well.
class AutoDirectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Shows real cells with two decimals (prices, rates, quantities), as the register prints
// them; the cell's value itself is left as it is.
// Tints the cells that carry a mark (see CellMarks).
class GridDelegate : public AutoDirectionDelegate {
public:
    using AutoDirectionDelegate::AutoDirectionDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Putting an item table into the grid's model and reading it back.
namespace ItemGrid {

// Replaces the model's rows by `table`, typed and locked by the column kinds; takes (and
// empties) the published header list. Row i keeps `records`[i] when there is one.
void fill(GridModel* model, const ItemTable& table, ColumnDescription& columns, int category,
    const QList<QByteArray>& records = {});

// The record that view row `row` keeps (see GridModel::kRecordRole); empty when it keeps none.
QByteArray keptRecord(const GridModel* model, int row);

// `table`'s rows as the grid keeps them, in columns of `kinds` (kMaxColumns entries), with
// `records`: `columns` cells a row (-1: as many as the first row has).
GridModel::Rows gridRows(const ItemTable& table, const quint8* kinds, int category,
    const QList<QByteArray>& records = {}, int columns = -1);

// The model's rows (the whole table, whatever the filter shows) as texts, optionally preceded by the category's header row. `records`,
// when given, receives the record each row keeps (empty for the header row and for rows
// without one), for RecordCodec::saveTable.
ItemTable collect(const GridModel* model, int category, bool includeHeader,
    QList<QByteArray>* records = nullptr);

// A copy of the whole row of every selected cell, in selection order (a row with several
// selected cells comes once per cell). `records`, when given, receives the record each of
// them keeps, as collect() does.
ItemTable collectSelected(
    const GridModel* model, const QItemSelectionModel* selection, QList<QByteArray>* records = nullptr);

} // namespace ItemGrid
