#pragma once

#include "records/itemtable.h"

#include <QStandardItemModel>
#include <QStyledItemDelegate>

#include <functional>

class QItemSelectionModel;

// The grid's model: a standard item model that can take a whole table in one reset, so
// that views see one change instead of 100,000 row insertions.
class GridModel : public QStandardItemModel {
public:
    using QStandardItemModel::QStandardItemModel;
    // Runs `build` (which changes rows and items) as one model reset.
    void rebuild(const std::function<void()>& build);
};

// Putting an item table into the grid's model and reading it back.
// Shows real cells with two decimals (prices, rates, quantities), as the register prints
// them; the cell's value itself is left as it is.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

namespace ItemGrid {

// Replaces the model's rows by `table`, typed and locked by the column kinds; takes (and
// empties) the published header list.
void fill(GridModel* model, const ItemTable& table, ColumnDescription& columns, int category);

// The model's rows as texts, optionally preceded by the category's header row.
ItemTable collect(const QStandardItemModel* model, int category, bool includeHeader);

// A copy of the whole row of every selected cell, in selection order (a row with several
// selected cells comes once per cell).
ItemTable collectSelected(const QStandardItemModel* model, const QItemSelectionModel* selection);

} // namespace ItemGrid
