#include "app/grid/gridmodel.h"

#include "app/grid/columntips.h"
#include "app/grid/gridsteps.h"
#include "records/categories.h"
#include "records/columns.h"
#include "records/gridcells.h"
#include "records/recordcodec.h"

#include <QCoreApplication>
#include <QSet>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>

namespace {

constexpr int kUndoSteps = 100;

int markKey(int column, int role) { return (column << 16) | (role & 0xFFFF); }

bool sameValue(const QVariant& a, const QVariant& b) { return a.typeId() == b.typeId() && a == b; }

// The text of a cell as the grid shows it, for the filter: reals with two decimals.
bool cellContains(const QVariant& cell, const QString& text, bool numeric)
{
    switch (cell.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString*>(cell.constData())->contains(text, Qt::CaseInsensitive);
    case QMetaType::Double:
        return numeric && QString::number(cell.toDouble(), 'f', 2).contains(text);
    default:
        return numeric && cell.toString().contains(text);
    }
}

} // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_undo(new QUndoStack(this))
{
    // Each import step holds the table it replaced: the oldest steps go beyond this many.
    m_undo->setUndoLimit(kUndoSteps);
    connect(m_undo, &QUndoStack::indexChanged, this, &GridModel::announceModified);
    connect(m_undo, &QUndoStack::cleanChanged, this, &GridModel::announceModified);
}

GridModel::~GridModel()
{
    // The undo steps hold rows and call back into the model: they go first, untold.
    blockSignals(true);
    m_groupSignals.reset();
    delete std::exchange(m_undo, nullptr);
    delete std::exchange(m_group, nullptr);
    dispose(std::move(m_rows));
}

void GridModel::addToolTipSource(ToolTipSource source) { m_toolTipSources.push_back(std::move(source)); }

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_filtered ? int(m_shown.size()) : int(m_rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

int GridModel::toTableRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return m_filtered ? m_shown[size_t(row)] : row;
}

int GridModel::toViewRow(int tableRow) const
{
    if (!m_filtered)
        return tableRow >= 0 && tableRow < tableRowCount() ? tableRow : -1;
    const auto it = std::lower_bound(m_shown.begin(), m_shown.end(), tableRow);
    return it != m_shown.end() && *it == tableRow ? int(it - m_shown.begin()) : -1;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const int row = toTableRow(index.row());
    if (row < 0 || index.column() < 0 || index.column() >= m_columns)
        return QVariant();
    const Row& r = m_rows[size_t(row)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return r.cells.value(index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
    case kRecordRole:
        return index.column() == 0 && !r.record.isEmpty() ? QVariant(r.record) : QVariant();
    case Qt::ToolTipRole: {
        QStringList lines;
        for (const ToolTipSource& source : m_toolTipSources) {
            const QString line = source(index);
            if (!line.isEmpty())
                lines << line;
        }
        return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
    }
    default:
        return r.marks.isEmpty() ? QVariant() : r.marks.value(markKey(index.column(), role));
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int row = toTableRow(index.row());
    if (row < 0 || index.column() < 0 || index.column() >= m_columns)
        return false;
    if (role != Qt::EditRole && role != Qt::DisplayRole) {
        setMark(row, index.column(), role, value);
        emit dataChanged(index, index, { role });
        return true;
    }
    if (sameValue(m_rows[size_t(row)].cells.value(index.column()), value))
        return true;
    if (m_group) {
        if (!m_groupCells)
            m_groupCells = new GridCellsCommand(this, m_group);
        m_groupCells->add(row, index.column(), value, true);
        return true;
    }
    auto* command = new GridCellsCommand(this, nullptr);
    command->add(row, index.column(), value, false);
    //: An undo step (a cell typed in or set from a menu; %1 is its column), shown after "Undo" and "Redo"
    command->setText(tr("edit of %1").arg(headerData(index.column(), Qt::Horizontal).toString()));
    push(command);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    const int row = toTableRow(index.row());
    if (row < 0)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (!isLocked(row, index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridModel::isLocked(int tableRow, int column) const
{
    if (column >= 0 && size_t(column) < m_kinds.size() && (m_kinds[size_t(column)] & KindLocked)) {
        // A PLU added on the page takes the code the operator types; a stored or received
        // one keeps its code.
        const bool newCode = column == 0 && m_kinds.front() == (KindInt64 | KindLocked) && tableRow >= 0
            && tableRow < tableRowCount() && m_rows[size_t(tableRow)].byHand;
        return !newCode;
    }
    // The fifth tax's rate is fixed by the register: a real, never typed over.
    return isFixedTaxRate(m_category, tableRow, column);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // The headers are kept in English, as files and the register name the columns; only the
    // header on show is translated. Its tool tip says what the column holds.
    if (orientation == Qt::Horizontal && section < m_headers.size()) {
        const QString shown = QCoreApplication::translate("Columns", m_headers.at(section).toUtf8().constData());
        return role == Qt::ToolTipRole ? columnTip(m_category, section, shown) : shown;
    }
    if (role == Qt::ToolTipRole)
        return QVariant();
    return section + 1;
}

GridModel::Row GridModel::emptyRow() const
{
    Row row;
    row.cells.reserve(m_columns);
    const RecordCodec* codec = codecForCategory(m_category);
    for (int c = 0; c < m_columns; ++c) {
        const quint8 kind = size_t(c) < m_kinds.size() ? m_kinds[size_t(c)] : quint8(KindText);
        // A number the register takes only from a lowest value above 0 (a PLU's department)
        // starts there: a new row is one the register takes as it is.
        const FieldFit fit = codec && !(kind & KindLocked) ? codec->fieldFit(c) : FieldFit();
        if (fit.kind == FieldFit::Whole && fit.low > 0) {
            row.cells << gridCell(QString::number(fit.low), kind);
            continue;
        }
        // An option cell is a string of bits, every option off: as long as the column's first
        // cell, or a byte's eight on an empty page.
        if ((kind & 0x7F) == KindText && (kind & KindLocked)) {
            const int bits = m_rows.empty() ? 8 : int(m_rows.front().cells.value(c).toString().size());
            row.cells << QString(bits, QLatin1Char('0'));
            continue;
        }
        row.cells << gridCell(QString(), kind);
    }
    return row;
}

bool GridModel::isIndexed() const
{
    return m_columns > 0 && !m_kinds.empty()
        && (m_kinds.front() == (KindInt | KindLocked) || m_kinds.front() == (KindInt64 | KindLocked));
}

QString GridModel::cellText(int tableRow, int column) const
{
    return m_rows[size_t(tableRow)].cells.value(column).toString();
}

QByteArray GridModel::keptRecord(int tableRow) const
{
    return tableRow >= 0 && tableRow < tableRowCount() ? m_rows[size_t(tableRow)].record : QByteArray();
}

bool GridModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row > rowCount())
        return false;
    const int at = row < rowCount() ? toTableRow(row) : tableRowCount();
    Row blank = emptyRow();
    blank.byHand = true;
    Rows rows(size_t(count), blank);
    if (isIndexed() && !m_numberedByPlace) {
        // Each new row takes the next index that no row has, from the one of the row above;
        // rows numbered by their place are numbered when they are put in.
        QSet<qint64> used;
        for (const Row& r : m_rows)
            used.insert(r.cells.value(0).toLongLong());
        qint64 next = at > 0 ? m_rows[size_t(at - 1)].cells.value(0).toLongLong() + 1 : 1;
        for (Row& r : rows) {
            while (used.contains(next))
                ++next;
            used.insert(next);
            r.cells[0] = gridCell(QString::number(next), m_kinds.front());
        }
    }
    insertTableRows(at, std::move(rows));
    return true;
}

bool GridModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row + count > rowCount())
        return false;
    QList<int> rows;
    for (int r = row; r < row + count; ++r)
        rows << toTableRow(r);
    removeTableRows(rows);
    return true;
}

void GridModel::insertTableRows(int at, Rows rows)
{
    if (rows.empty())
        return;
    at = std::clamp(at, 0, tableRowCount());
    QList<int> where(int(rows.size()));
    std::iota(where.begin(), where.end(), at);
    auto* command = new GridRowsCommand(this, std::move(rows), where, false, m_group);
    //: An undo step, shown after "Undo" and "Redo" in the Edit menu
    command->setText(tr("insert rows"));
    push(command);
}

void GridModel::removeTableRows(QList<int> tableRows)
{
    std::sort(tableRows.begin(), tableRows.end());
    tableRows.erase(std::unique(tableRows.begin(), tableRows.end()), tableRows.end());
    tableRows.erase(std::remove_if(tableRows.begin(), tableRows.end(),
                        [this](int r) { return r < 0 || r >= tableRowCount(); }),
        tableRows.end());
    if (tableRows.isEmpty())
        return;
    auto* command = new GridRowsCommand(this, {}, tableRows, true, m_group);
    //: An undo step, shown after "Undo" and "Redo" in the Edit menu
    command->setText(tr("delete rows"));
    push(command);
}

void GridModel::replaceRows(Rows rows, const QString& what)
{
    auto* command = new GridTableCommand(this, std::move(rows), m_group);
    command->setText(what);
    push(command);
}

void GridModel::sort(int column, Qt::SortOrder order)
{
    const int rows = tableRowCount();
    if (column < 0 || column >= m_columns || rows < 2)
        return;
    std::vector<std::pair<qint64, int>> keys(size_t(rows), { 0, 0 });
    for (int r = 0; r < rows; ++r)
        keys[size_t(r)] = { m_rows[size_t(r)].cells.value(column).toLongLong(), r };
    if (order == Qt::AscendingOrder)
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    else
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> from(size_t(rows), 0);
    bool moves = false;
    for (int r = 0; r < rows; ++r) {
        from[size_t(r)] = keys[size_t(r)].second;
        moves = moves || from[size_t(r)] != r;
    }
    if (!moves)
        return;
    auto* command = new GridOrderCommand(this, std::move(from), m_group);
    //: An undo step, shown after "Undo" and "Redo" in the Edit menu
    command->setText(tr("sort"));
    push(command);
}

void GridModel::resetTable(const QStringList& headers, int columns, Rows rows, std::vector<quint8> kinds, int category)
{
    tellChangedCells();
    beginResetModel();
    // The steps hold rows of the table that goes: they go with it.
    m_undo->clear();
    m_headers = headers;
    m_columns = columns;
    m_kinds = std::move(kinds);
    m_category = category;
    const RecordCodec* codec = codecForCategory(category);
    m_numberedByPlace = codec && codec->numbersRowsByPlace() && isIndexed();
    std::swap(m_rows, rows);
    m_filter.clear();
    m_filtered = false;
    m_shown.clear();
    m_unstored = false;
    endResetModel();
    dispose(std::move(rows));
    announceModified();
}

void GridModel::setMark(int tableRow, int column, int role, const QVariant& value)
{
    if (tableRow < 0 || tableRow >= tableRowCount())
        return;
    QHash<int, QVariant>& marks = m_rows[size_t(tableRow)].marks;
    if (value.isValid())
        marks.insert(markKey(column, role), value);
    else if (!marks.isEmpty())
        marks.remove(markKey(column, role));
}

QVariant GridModel::mark(int tableRow, int column, int role) const
{
    if (tableRow < 0 || tableRow >= tableRowCount())
        return QVariant();
    const QHash<int, QVariant>& marks = m_rows[size_t(tableRow)].marks;
    return marks.isEmpty() ? QVariant() : marks.value(markKey(column, role));
}

int GridModel::clearMarks(int role)
{
    int cleared = 0;
    for (Row& row : m_rows) {
        if (row.marks.isEmpty())
            continue;
        for (int c = 0; c < m_columns; ++c)
            cleared += int(row.marks.remove(markKey(c, role)));
    }
    return cleared;
}

bool GridModel::rowMatches(const Row& row) const
{
    // Numbers are searched only for a text that could be part of one.
    static const QString numberCharacters = QStringLiteral("0123456789.-");
    const bool numeric = std::all_of(m_filter.begin(), m_filter.end(),
        [](QChar ch) { return numberCharacters.contains(ch); });
    for (const QVariant& cell : row.cells)
        if (cellContains(cell, m_filter, numeric))
            return true;
    return false;
}

void GridModel::rebuildShown(const QList<int>& keep)
{
    m_shown.clear();
    if (!m_filtered)
        return;
    for (int r = 0; r < tableRowCount(); ++r)
        if (keep.contains(r) || rowMatches(m_rows[size_t(r)]))
            m_shown.push_back(r);
}

void GridModel::setFilter(const QString& text)
{
    if (text == m_filter)
        return;
    const QString before = m_filter;
    tellChangedCells();
    m_refiltering = true;
    beginResetModel();
    m_filter = text;
    const bool narrowing = m_filtered && !before.isEmpty() && text.contains(before, Qt::CaseInsensitive);
    m_filtered = !text.isEmpty();
    if (narrowing) {
        // A longer text can only drop rows from those on show.
        std::vector<int> shown;
        for (const int r : m_shown)
            if (rowMatches(m_rows[size_t(r)]))
                shown.push_back(r);
        m_shown.swap(shown);
    } else {
        rebuildShown();
    }
    endResetModel();
    m_refiltering = false;
}

void GridModel::beginChange(const QString& what)
{
    if (m_groupDepth++ == 0) {
        m_group = new GridGroupCommand(what);
        m_groupSignals = std::make_unique<CellSignalsHeld>(this);
    }
}

void GridModel::endChange()
{
    if (m_groupDepth == 0 || --m_groupDepth > 0)
        return;
    QUndoCommand* group = std::exchange(m_group, nullptr);
    m_groupCells = nullptr;
    m_groupSignals.reset();
    // A change that changed nothing (every pasted text refused) is no step to undo.
    if (group->childCount() == 0)
        delete group;
    else
        m_undo->push(group);
}

bool GridModel::isModified() const { return m_unstored || !m_undo->isClean(); }

void GridModel::markSaved()
{
    m_undo->clear();
    m_unstored = false;
    announceModified();
}

void GridModel::markUnstored()
{
    m_undo->clear();
    m_unstored = true;
    announceModified();
}

void GridModel::announceModified()
{
    if (!m_undo)
        return;
    const bool modified = isModified();
    if (modified != m_lastModified) {
        m_lastModified = modified;
        emit modifiedChanged(modified);
    }
}

void GridModel::push(QUndoCommand* command)
{
    // Inside a group the command is a part of it (its parent) and is made at once; cells
    // changed after it go to a command of their own, so that an undo keeps the order.
    if (m_group) {
        m_groupCells = nullptr;
        command->redo();
    } else
        m_undo->push(command);
}
