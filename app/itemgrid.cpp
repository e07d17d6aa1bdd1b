#include "app/itemgrid.h"

#include "app/applog.h"
#include "records/categories.h"
#include "records/headerrow.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>

#include <memory>
#include <vector>

void GridModel::rebuild(const std::function<void()>& build)
{
    beginResetModel();
    const bool wasBlocked = blockSignals(true);
    build();
    blockSignals(wasBlocked);
    endResetModel();
}

QString GridDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'f', 2);
    return QStyledItemDelegate::displayText(value, locale);
}

namespace ItemGrid {

namespace {

QVariant typedValue(const QVariant& cell, quint8 kind)
{
    switch (kind & 0x7F) {
    case KindInt:
        return cell.toInt();
    case KindReal:
        return cell.toDouble();
    case KindInt64:
        return cell.toLongLong();
    default:
        return cell.toString();
    }
}

QString rowText(const QStandardItemModel* model, int row, int column)
{
    const QStandardItem* item = model->item(row, column);
    return item ? item->text() : QString();
}

ItemRow textRow(const QStandardItemModel* model, int row, int columns)
{
    ItemRow cells;
    cells.reserve(columns);
    for (int c = 0; c < columns; ++c)
        cells.append(rowText(model, row, c));
    return cells;
}

} // namespace

void fill(GridModel* model, const ItemTable& table, ColumnDescription& columns, int category)
{
    const int rows = table.size();
    const int cols = rows ? table.first().size() : 0;
    qCDebug(lcApp).nospace() << "rows = " << rows << ", columns = " << cols;
    if (columns.headers.isEmpty()) {
        qCDebug(lcApp) << "not header list";
    } else {
        qCDebug(lcApp) << "header list is " << columns.headers;
        model->setHorizontalHeaderLabels(columns.headers);
        columns.headers.clear();
    }
    model->removeRows(0, model->rowCount());
    if (rows == 0)
        return;
    model->setColumnCount(cols);

    // One prototype item per column carries the alignment and the editable flag; cloning
    // it is much cheaper than setting them item by item on 100,000 rows.
    constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;
    std::vector<std::unique_ptr<QStandardItem>> prototypes;
    prototypes.reserve(cols + 1);
    auto prototype = [&](bool locked) {
        auto item = std::make_unique<QStandardItem>();
        item->setTextAlignment(kCentred);
        if (locked)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        prototypes.push_back(std::move(item));
        return prototypes.back().get();
    };
    std::vector<const QStandardItem*> columnPrototype(cols);
    for (int c = 0; c < cols; ++c)
        columnPrototype[c] = prototype(c < kMaxColumns && (columns.kinds[c] & KindLocked));
    // The fifth tax's rate is fixed by the register: a real, never typed over.
    const QStandardItem* fixedRate = prototype(true);

    model->rebuild([&] {
        for (int i = 0; i < rows; ++i) {
            const ItemRow& source = table.at(i);
            QList<QStandardItem*> items;
            items.reserve(cols);
            for (int c = 0; c < cols; ++c) {
                const QVariant cell = c < source.size() ? source.at(c) : QVariant(QString());
                const quint8 kind = c < kMaxColumns ? columns.kinds[c] : 0;
                const bool fixedTaxRate = category == CategoryTax && i == 4 && c == 2;
                QStandardItem* item = (fixedTaxRate ? fixedRate : columnPrototype[c])->clone();
                item->setData(fixedTaxRate ? QVariant(cell.toDouble()) : typedValue(cell, kind), Qt::EditRole);
                items.append(item);
            }
            model->appendRow(items);
        }
    });
}

ItemTable collect(const QStandardItemModel* model, int category, bool includeHeader)
{
    const int rows = model->rowCount();
    const int cols = model->columnCount();
    ItemTable table;
    table.reserve(rows + 1);
    if (includeHeader) {
        const ItemRow header = categoryHeaderRow(category);
        if (!header.isEmpty())
            table.append(header);
    }
    for (int r = 0; r < rows; ++r)
        table.append(textRow(model, r, cols));
    return table;
}

ItemTable collectSelected(const QStandardItemModel* model, const QItemSelectionModel* selection)
{
    ItemTable rows;
    const QModelIndexList cells = selection ? selection->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty()) {
        qCDebug(lcApp) << "no data select";
        return rows;
    }
    for (const QModelIndex& cell : cells)
        rows.append(textRow(model, cell.row(), model->columnCount()));
    return rows;
}

} // namespace ItemGrid
