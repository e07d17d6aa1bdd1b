#include "app/grid/itemgrid.h"

#include "app/applog.h"
#include "app/displaylanguage.h"
#include "app/grid/cellmarks.h"
#include "base/slices.h"
#include "records/gridcells.h"
#include "records/headerrow.h"

#include <QItemSelectionModel>

QString GridDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    // Codes and counts are shown without thousands separators, as the register prints
    // them and as they are copied ("1001", not "1,001").
    switch (value.typeId()) {
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'f', 2);
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value.toString();
    default:
        return QStyledItemDelegate::displayText(value, locale);
    }
}

void AutoDirectionDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->direction = paragraphDirection(option->text, option->direction);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    AutoDirectionDelegate::initStyleOption(option, index);
    CellMarkView::tint(option, index);
}

namespace ItemGrid {

GridModel::Rows gridRows(
    const ItemTable& table, const quint8* kinds, int category, const QList<QByteArray>& records, int columns)
{
    const int rows = table.size();
    const int cols = columns >= 0 ? columns : rows ? table.first().size() : 0;
    GridModel::Rows out(static_cast<size_t>(rows));
    inSlices(rows, [&](int begin, int end) {
        for (int i = begin; i < end; ++i) {
            GridModel::Row& row = out[size_t(i)];
            row.cells.reserve(cols);
            for (int c = 0; c < cols; ++c)
                row.cells.append(gridCellAt(table, i, c, kinds, category));
            if (i < records.size())
                row.record = records.at(i);
        }
    });
    return out;
}

void fill(GridModel* model, const ItemTable& table, ColumnDescription& columns, int category,
    const QList<QByteArray>& records)
{
    const int rows = table.size();
    int cols = rows ? table.first().size() : 0;
    qCDebug(lcApp).nospace() << "rows = " << rows << ", columns = " << cols;
    QStringList headers = columns.headers;
    if (headers.isEmpty())
        qCDebug(lcApp) << "not header list";
    else
        qCDebug(lcApp) << "header list is " << headers;
    columns.headers.clear();
    // An empty table still shows its own columns, not those of the page before; without
    // new headers the grid keeps the ones it shows (kept in English; the model translates them
    // only for display).
    if (headers.isEmpty())
        for (int c = 0; c < model->columnCount(); ++c)
            headers << (c < model->headers().size() ? model->headers().at(c) : QString::number(c + 1));
    // As many columns as the page has headers: a short or long first row (a file's) changes
    // no column of the rows below it.
    if (rows == 0 || !headers.isEmpty())
        cols = int(headers.size());
    model->resetTable(headers, cols, gridRows(table, columns.kinds, category, records, cols),
        std::vector<quint8>(std::begin(columns.kinds), std::end(columns.kinds)), category);
}

QByteArray keptRecord(const GridModel* model, int row) { return model->keptRecord(model->toTableRow(row)); }

namespace {

ItemRow textRow(const GridModel* model, int tableRow)
{
    const int columns = model->columnCount();
    ItemRow cells;
    cells.reserve(columns);
    for (int c = 0; c < columns; ++c)
        cells.append(model->cellText(tableRow, c));
    return cells;
}

} // namespace

ItemTable collect(const GridModel* model, int category, bool includeHeader, QList<QByteArray>* records)
{
    const int rows = model->tableRowCount();
    ItemTable table;
    table.reserve(rows + 1);
    if (records) {
        records->clear();
        records->reserve(rows + 1);
    }
    if (includeHeader) {
        const ItemRow header = categoryHeaderRow(category);
        if (!header.isEmpty()) {
            table.append(header);
            if (records)
                records->append(QByteArray());
        }
    }
    const int first = int(table.size());
    table.resize(first + rows);
    ItemRow* out = table.data() + first;
    inSlices(rows, [&](int begin, int end) {
        for (int r = begin; r < end; ++r)
            out[r] = textRow(model, r);
    });
    if (records)
        for (int r = 0; r < rows; ++r)
            records->append(model->keptRecord(r));
    return table;
}

ItemTable collectSelected(const GridModel* model, const QItemSelectionModel* selection, QList<QByteArray>* records)
{
    ItemTable rows;
    if (records)
        records->clear();
    const QModelIndexList cells = selection ? selection->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty()) {
        qCDebug(lcApp) << "no data select";
        return rows;
    }
    for (const QModelIndex& cell : cells) {
        const int row = model->toTableRow(cell.row());
        rows.append(textRow(model, row));
        if (records)
            records->append(model->keptRecord(row));
    }
    return rows;
}

} // namespace ItemGrid
