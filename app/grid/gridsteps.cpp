#include "app/grid/gridmodel.h"

#include "records/gridcells.h"

#include <QThreadPool>

#include <algorithm>
#include <memory>
#include <utility>

// The primitives of GridModel that its undo steps (app/grid/gridsteps.h) call.

namespace {
constexpr int kDisposedElsewhere = 10000; // rows; fewer are deleted on the spot
constexpr int kRowsOneByOne = 100; // rows added or removed apart; more reset the views
} // namespace

void GridModel::putCell(int tableRow, int column, const QVariant& value, const QByteArray& record)
{
    Row& row = m_rows[size_t(tableRow)];
    if (column >= row.cells.size())
        row.cells.resize(m_columns);
    row.cells[column] = value;
    row.record = record;
    const int viewRow = toViewRow(tableRow);
    if (viewRow < 0)
        return;
    if (m_cellSignalsHeld > 0)
        m_changedCells |= QRect(column, viewRow, 1, 1);
    else
        emit dataChanged(index(viewRow, column), index(viewRow, column), { Qt::DisplayRole, Qt::EditRole });
}

void GridModel::tellChangedCells()
{
    const QRect changed = std::exchange(m_changedCells, QRect());
    if (changed.isValid())
        emit dataChanged(index(changed.top(), changed.left()), index(changed.bottom(), changed.right()),
            { Qt::DisplayRole, Qt::EditRole });
}

void GridModel::putRows(Rows rows, const QList<int>& where)
{
    tellChangedCells(); // in view rows as they stand before the rows come
    const bool oneBlock = !where.isEmpty() && where.last() - where.first() + 1 == where.size();
    const bool apart = m_filtered || (!oneBlock && where.size() > kRowsOneByOne);
    if (apart)
        beginResetModel();
    if (oneBlock && !apart) {
        beginInsertRows(QModelIndex(), where.first(), where.last());
        m_rows.insert(m_rows.begin() + where.first(), std::make_move_iterator(rows.begin()),
            std::make_move_iterator(rows.end()));
        endInsertRows();
        renumber(where.first());
        return;
    }
    if (apart) {
        // One pass that places each row at its final index: inserting them one by one moved the
        // table's tail each time (minutes for an undo of thousands of scattered rows).
        Rows merged;
        merged.reserve(m_rows.size() + rows.size());
        size_t old = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            while (merged.size() < size_t(where.at(int(i))) && old < m_rows.size())
                merged.push_back(std::move(m_rows[old++]));
            merged.push_back(std::move(rows[i]));
        }
        std::move(m_rows.begin() + qint64(old), m_rows.end(), std::back_inserter(merged));
        m_rows.swap(merged);
    } else {
        for (int i = 0; i < where.size(); ++i) {
            beginInsertRows(QModelIndex(), where.at(i), where.at(i));
            m_rows.insert(m_rows.begin() + where.at(i), std::move(rows[size_t(i)]));
            endInsertRows();
        }
    }
    if (apart) {
        // The filter keeps the rows on show that were before, and shows the rows added.
        std::vector<int> shown;
        size_t w = 0;
        int shift = 0;
        for (const int r : m_shown) {
            while (w < size_t(where.size()) && where.at(int(w)) <= r + shift) {
                shown.push_back(where.at(int(w++)));
                ++shift;
            }
            shown.push_back(r + shift);
        }
        while (w < size_t(where.size()))
            shown.push_back(where.at(int(w++)));
        m_shown.swap(shown);
        endResetModel();
    }
    if (!where.isEmpty())
        renumber(where.first());
}

GridModel::Rows GridModel::takeRows(const QList<int>& tableRows)
{
    tellChangedCells();
    Rows taken(static_cast<size_t>(tableRows.size()));
    const bool oneBlock = !tableRows.isEmpty() && tableRows.last() - tableRows.first() + 1 == tableRows.size();
    const bool apart = m_filtered || (!oneBlock && tableRows.size() > kRowsOneByOne);
    if (apart)
        beginResetModel();
    if (oneBlock && !apart) {
        beginRemoveRows(QModelIndex(), tableRows.first(), tableRows.last());
        const auto first = m_rows.begin() + tableRows.first();
        std::move(first, first + tableRows.size(), taken.begin());
        m_rows.erase(first, first + tableRows.size());
        endRemoveRows();
        renumber(tableRows.first());
        return taken;
    }
    if (apart) {
        // One pass that keeps the other rows in order (erasing one by one was quadratic).
        Rows kept;
        kept.reserve(m_rows.size() - taken.size());
        size_t next = 0;
        for (size_t r = 0; r < m_rows.size(); ++r) {
            if (next < taken.size() && size_t(tableRows.at(int(next))) == r)
                taken[next++] = std::move(m_rows[r]);
            else
                kept.push_back(std::move(m_rows[r]));
        }
        m_rows.swap(kept);
    } else {
        for (int i = int(tableRows.size()) - 1; i >= 0; --i) {
            const int r = tableRows.at(i);
            beginRemoveRows(QModelIndex(), r, r);
            taken[size_t(i)] = std::move(m_rows[size_t(r)]);
            m_rows.erase(m_rows.begin() + r);
            endRemoveRows();
        }
    }
    if (apart) {
        std::vector<int> shown;
        for (const int r : m_shown) {
            const auto below = std::lower_bound(tableRows.begin(), tableRows.end(), r);
            if (below != tableRows.end() && *below == r)
                continue;
            shown.push_back(r - int(below - tableRows.begin()));
        }
        m_shown.swap(shown);
        endResetModel();
    }
    if (!tableRows.isEmpty())
        renumber(tableRows.first());
    return taken;
}

void GridModel::renumber(int from)
{
    if (!m_numberedByPlace)
        return;
    int first = -1;
    int last = -1;
    for (int r = qMax(0, from); r < tableRowCount(); ++r) {
        Row& row = m_rows[size_t(r)];
        if (row.cells.isEmpty())
            continue;
        QVariant& cell = row.cells[0];
        const QVariant number = gridCell(QString::number(r + 1), m_kinds.front());
        if (cell == number)
            continue;
        cell = number;
        const int viewRow = toViewRow(r);
        if (viewRow >= 0) {
            first = first < 0 ? viewRow : qMin(first, viewRow);
            last = qMax(last, viewRow);
        }
    }
    if (first >= 0)
        emit dataChanged(index(first, 0), index(last, 0), { Qt::DisplayRole, Qt::EditRole });
}

void GridModel::swapRows(Rows& rows)
{
    tellChangedCells();
    beginResetModel();
    std::swap(m_rows, rows);
    rebuildShown();
    endResetModel();
    renumber(0);
}

void GridModel::reorder(const std::vector<int>& from)
{
    tellChangedCells();
    const int rows = tableRowCount();
    std::vector<int> to(size_t(rows), 0);
    for (int r = 0; r < rows; ++r)
        to[size_t(from[size_t(r)])] = r;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> oldShown = m_shown;
    Rows reordered(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r)
        reordered[size_t(r)] = std::move(m_rows[size_t(from[size_t(r)])]);
    m_rows.swap(reordered);
    if (m_filtered) {
        for (int& r : m_shown)
            r = to[size_t(r)];
        std::sort(m_shown.begin(), m_shown.end());
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        if (!index.isValid()) {
            after.append(index);
            continue;
        }
        const int oldTable = m_filtered ? oldShown[size_t(index.row())] : index.row();
        after.append(this->index(toViewRow(to[size_t(oldTable)]), index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    dispose(std::move(reordered));
    renumber(0);
}

void GridModel::dispose(Rows rows)
{
    if (rows.size() < size_t(kDisposedElsewhere))
        return;
    // Rows that left the model belong to nothing the window uses.
    auto held = std::make_shared<Rows>(std::move(rows));
    QThreadPool::globalInstance()->start([held = std::move(held)]() mutable { held.reset(); });
}
