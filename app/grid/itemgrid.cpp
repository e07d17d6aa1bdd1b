#include "app/grid/itemgrid.h"

#include "app/applog.h"
#include "app/grid/cellmarks.h"
#include "records/gridcells.h"
#include "records/headerrow.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QThreadPool>

#include <algorithm>
#include <memory>
#include <vector>

QVariant GridItem::data(int role) const
{
    if (role == Qt::TextAlignmentRole) {
        const QVariant own = QStandardItem::data(role);
        return own.isValid() ? own : QVariant(int(Qt::AlignHCenter | Qt::AlignVCenter));
    }
    return QStandardItem::data(role);
}

GridModel::GridModel(QObject* parent)
    : QStandardItemModel(parent)
{
    setItemPrototype(new GridItem);
    // A changed value (typed, chosen from a menu, pasted) makes its row one to encode; other
    // roles (marks, tips, the record itself) change nothing of what is stored.
    connect(this, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
            if (!roles.isEmpty() && !roles.contains(Qt::EditRole) && !roles.contains(Qt::DisplayRole))
                return;
            for (int r = topLeft.row(); r <= bottomRight.row(); ++r) {
                QStandardItem* first = item(r, 0);
                if (first && first->data(kRecordRole).isValid())
                    first->setData(QVariant(), kRecordRole);
            }
        });
}

void GridModel::addToolTipSource(ToolTipSource source)
{
    m_toolTipSources.push_back(std::move(source));
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::ToolTipRole || m_toolTipSources.empty())
        return QStandardItemModel::data(index, role);
    QStringList lines;
    const QString own = QStandardItemModel::data(index, role).toString();
    if (!own.isEmpty())
        lines << own;
    for (const ToolTipSource& source : m_toolTipSources) {
        const QString line = source(index);
        if (!line.isEmpty())
            lines << line;
    }
    return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
}

void GridModel::rebuild(const std::function<void()>& build)
{
    beginResetModel();
    const bool wasBlocked = blockSignals(true);
    build();
    blockSignals(wasBlocked);
    endResetModel();
}

void GridModel::dropRows()
{
    constexpr int kDeletedHere = 10000;
    std::vector<QStandardItem*> items;
    items.reserve(size_t(rowCount()) * size_t(columnCount()));
    // From the last row: each one leaves without moving the others.
    for (int r = rowCount() - 1; r >= 0; --r)
        for (QStandardItem* item : takeRow(r))
            items.push_back(item);
    if (items.size() < size_t(kDeletedHere)) {
        qDeleteAll(items);
        return;
    }
    // Taken items belong to no model: deleting them touches nothing the window uses.
    QThreadPool::globalInstance()->start([items = std::move(items)] { qDeleteAll(items); });
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    const int rows = rowCount();
    const int cols = columnCount();
    if (column < 0 || column >= cols || rows < 2)
        return;
    std::vector<std::pair<qint64, int>> keys(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QStandardItem* cell = item(r, c);
            if (!cell || cell->type() != GridItem::kType) {
                QStandardItemModel::sort(column, order);
                return;
            }
        }
        keys[r] = { item(r, column)->data(Qt::EditRole).toLongLong(), r };
    }
    if (order == Qt::AscendingOrder)
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    else
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    // Row r takes the contents of row from[r]; an old row r goes to row to[r].
    std::vector<int> from(rows), to(rows);
    for (int r = 0; r < rows; ++r) {
        from[r] = keys[r].second;
        to[keys[r].second] = r;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(index.isValid() ? this->index(to[index.row()], index.column()) : index);

    // Each cycle of the permutation moves through one spare cell.
    GridItem spare;
    std::vector<bool> moved(rows);
    for (int c = 0; c < cols; ++c) {
        std::fill(moved.begin(), moved.end(), false);
        for (int start = 0; start < rows; ++start) {
            if (moved[start] || from[start] == start)
                continue;
            spare.assign(*item(start, c));
            for (int r = start;; r = from[r]) {
                moved[r] = true;
                auto* target = static_cast<GridItem*>(item(r, c));
                if (from[r] == start) {
                    target->assign(spare);
                    break;
                }
                target->assign(*item(from[r], c));
            }
        }
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString GridDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'f', 2);
    return QStyledItemDelegate::displayText(value, locale);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    CellMarkView::tint(option, index);
}

namespace ItemGrid {

namespace {

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

void fill(GridModel* model, const ItemTable& table, ColumnDescription& columns, int category,
    const QList<QByteArray>& records)
{
    const int rows = table.size();
    const int cols = rows ? table.first().size() : 0;
    qCDebug(lcApp).nospace() << "rows = " << rows << ", columns = " << cols;
    const QStringList headers = columns.headers;
    if (headers.isEmpty())
        qCDebug(lcApp) << "not header list";
    else
        qCDebug(lcApp) << "header list is " << headers;
    columns.headers.clear();
    // One prototype item per column carries the editable flag; cloning it is much cheaper
    // than setting it item by item on 100,000 rows.
    std::vector<std::unique_ptr<QStandardItem>> prototypes;
    prototypes.reserve(cols + 1);
    auto prototype = [&](bool locked) {
        auto item = std::make_unique<GridItem>();
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

    // The old rows go, the headers change and the new rows come in one reset: a view sees
    // one change, whatever the grid held before.
    model->rebuild([&] {
        model->dropRows();
        if (!headers.isEmpty()) {
            model->setHorizontalHeaderLabels(headers);
            // An empty table still shows its own columns, not those of the page before.
            if (rows == 0)
                model->setColumnCount(int(headers.size()));
        }
        if (rows == 0)
            return;
        model->setColumnCount(cols);
        for (int i = 0; i < rows; ++i) {
            QList<QStandardItem*> items;
            items.reserve(cols);
            for (int c = 0; c < cols; ++c) {
                QStandardItem* item = (isFixedTaxRate(category, i, c) ? fixedRate : columnPrototype[c])->clone();
                item->setData(gridCellAt(table, i, c, columns.kinds, category), Qt::EditRole);
                items.append(item);
            }
            if (cols > 0 && i < records.size() && !records.at(i).isEmpty())
                items.first()->setData(records.at(i), GridModel::kRecordRole);
            model->appendRow(items);
        }
    });
}

QByteArray keptRecord(const QStandardItemModel* model, int row)
{
    const QStandardItem* first = model->item(row, 0);
    return first ? first->data(GridModel::kRecordRole).toByteArray() : QByteArray();
}

ItemTable collect(const QStandardItemModel* model, int category, bool includeHeader, QList<QByteArray>* records)
{
    const int rows = model->rowCount();
    const int cols = model->columnCount();
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
    for (int r = 0; r < rows; ++r) {
        table.append(textRow(model, r, cols));
        if (records)
            records->append(keptRecord(model, r));
    }
    return table;
}

ItemTable collectSelected(
    const QStandardItemModel* model, const QItemSelectionModel* selection, QList<QByteArray>* records)
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
        rows.append(textRow(model, cell.row(), model->columnCount()));
        if (records)
            records->append(keptRecord(model, cell.row()));
    }
    return rows;
}

} // namespace ItemGrid
