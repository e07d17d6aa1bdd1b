#pragma once

#include "base/itemtable.h"
#include "records/columns.h"

#include <QStandardItemModel>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

class QItemSelectionModel;

// A cell of the grid. Sorting moves the contents of cells, not the cells themselves: a
// standard item finds its own row again from where it last stood, so items moved by the
// standard sort cost a search through the whole table each when they are removed later
// (minutes for 100,000 rows).
class GridItem : public QStandardItem {
public:
    static constexpr int kType = QStandardItem::UserType + 1;
    GridItem() = default;
    QStandardItem* clone() const override { return new GridItem(*this); }
    int type() const override { return kType; }
    // Every cell is centred; the alignment is answered here rather than stored in each of
    // 100,000 rows.
    QVariant data(int role = Qt::UserRole + 1) const override;
    // Takes the values and flags of `other`; the model is not told (the caller is).
    void assign(const QStandardItem& other) { QStandardItem::operator=(other); }

protected:
    GridItem(const GridItem& other)
        : QStandardItem(other)
    {
    }
};

// The grid's model: a standard item model that can take a whole table in one reset, so
// that views see one change instead of 100,000 row insertions or removals. The first item of
// a row that came from the database or the register holds the row's record (kRecordRole)
// until any cell of the row is changed; such a row is saved as that record, byte for byte.
class GridModel : public QStandardItemModel {
public:
    // A line of a cell's tool tip, or an empty text; asked only when the tip is shown.
    using ToolTipSource = std::function<QString(const QModelIndex&)>;
    static constexpr int kRecordRole = Qt::UserRole + 40;

    explicit GridModel(QObject* parent = nullptr);
    // Tool tips are composed here and nowhere else: the cell's own tool tip, then the text
    // of each source in the order they were added, one per line.
    void addToolTipSource(ToolTipSource source);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Runs `build` (which changes rows and items) as one model reset.
    void rebuild(const std::function<void()>& build);
    // Inside rebuild(): takes every row out of the model. The items of a large table are
    // deleted on a worker thread, so that the window does not wait for 100,000 rows to go.
    void dropRows();
    // Orders the rows by the cells of `column` read as 64-bit numbers (the grid sorts only
    // item codes), keeping the order of equal ones. Current cell and selection follow
    // their rows.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    std::vector<ToolTipSource> m_toolTipSources;
};

// Shows real cells with two decimals (prices, rates, quantities), as the register prints
// them; the cell's value itself is left as it is.
// Tints the cells that carry a mark (see CellMarks).
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
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

// The record that row `row` keeps (see GridModel::kRecordRole); empty when it keeps none.
QByteArray keptRecord(const QStandardItemModel* model, int row);

// The model's rows as texts, optionally preceded by the category's header row. `records`,
// when given, receives the record each row keeps (empty for the header row and for rows
// without one), for RecordCodec::saveTable.
ItemTable collect(const QStandardItemModel* model, int category, bool includeHeader,
    QList<QByteArray>* records = nullptr);

// A copy of the whole row of every selected cell, in selection order (a row with several
// selected cells comes once per cell). `records`, when given, receives the record each of
// them keeps, as collect() does.
ItemTable collectSelected(
    const QStandardItemModel* model, const QItemSelectionModel* selection, QList<QByteArray>* records = nullptr);

} // namespace ItemGrid
