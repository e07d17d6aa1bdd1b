#include "app/grid/cellmarks.h"

#include "app/applog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "records/gridcells.h"
#include "records/recordcodec.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QPair>
#include <QRunnable>
#include <QSet>
#include <QStyleOptionViewItem>
#include <QThreadPool>
#include <QTimer>

#include <utility>

namespace {

// Above this many rows changed at once the whole table is checked again instead.
constexpr int kRowsCheckedOneByOne = 1000;
// Cells named in the question before a send; the rest are counted.
constexpr int kCellsNamed = 5;

const QColor kFitTint(255, 228, 168);
const QColor kVerifyTint(255, 190, 190);

bool changesCells(const QList<int>& roles)
{
    return roles.isEmpty() || roles.contains(Qt::EditRole) || roles.contains(Qt::DisplayRole);
}

// A fit's sentence as the window shows it: in a right-to-left window what the register keeps
// (Latin letters, digits and Hebrew mixed) is isolated, so that it reads as one run rather than
// reordering the sentence around it.
QString shownMessage(const CellFit& fit)
{
    if (QGuiApplication::layoutDirection() != Qt::RightToLeft || fit.held.isEmpty())
        return fit.message();
    CellFit isolated = fit;
    isolated.held = QChar(0x2068) + fit.held + QChar(0x2069);
    return isolated.message();
}

} // namespace

QString cellsText(int count)
{
    return count == 1 ? QCoreApplication::translate("CellMarks", "1 cell")
                      : QCoreApplication::translate("CellMarks", "%1 cells").arg(count);
}

QStringList namedCellLines(const QList<NamedCell>& cells, const RecordCodec* codec, int total)
{
    total = std::max(total, int(cells.size()));
    const QStringList headers = codec ? codec->headers() : QStringList();
    QStringList lines;
    for (int i = 0; i < cells.size() && i < kCellsNamed; ++i) {
        const NamedCell& cell = cells.at(i);
        const QByteArray header = headers.value(cell.column).toUtf8();
        lines << QCoreApplication::translate("CellMarks", "row %1, %2: %3")
                     .arg(cell.row)
                     .arg(QCoreApplication::translate("Columns", header.constData()), cell.text);
    }
    if (total > kCellsNamed)
        lines << QCoreApplication::translate("CellMarks", "... and %1 more").arg(cellsText(total - kCellsNamed));
    return lines;
}

// The check of a table on a worker thread: the texts the grid shows for it, encoded and
// decoded as for sending (codecs may do that on several threads at once). The task lives on
// the GUI thread, which deletes it once its result has been delivered there.
class ShownTableCheck : public QObject, public QRunnable {
    Q_OBJECT
public:
    ShownTableCheck(const ItemTable& table, const QList<QByteArray>& records, const RecordCodec* codec, int category)
        : m_table(table)
        , m_records(records)
        , m_codec(codec)
        , m_category(category)
    {
        setAutoDelete(false);
    }
    // The grid's own rows (a copy shares their values): their texts are taken here.
    ShownTableCheck(GridModel::Rows rows, int columns, const RecordCodec* codec)
        : m_rows(std::move(rows))
        , m_columns(columns)
        , m_codec(codec)
        , m_category(-1)
    {
        setAutoDelete(false);
    }
    void run() override
    {
        if (m_category >= 0) {
            emit done(m_codec->checkTable(gridTexts(m_table, m_codec, m_category), nullptr, &m_records));
            return;
        }
        m_table.reserve(qsizetype(m_rows.size()));
        m_records.reserve(qsizetype(m_rows.size()));
        for (const GridModel::Row& row : m_rows) {
            ItemRow texts;
            texts.reserve(m_columns);
            for (int c = 0; c < m_columns; ++c)
                texts.append(row.cells.value(c).toString());
            m_table.append(std::move(texts));
            m_records.append(row.record);
        }
        GridModel::Rows().swap(m_rows);
        emit done(m_codec->checkTable(m_table, nullptr, &m_records));
    }

signals:
    void done(QList<CellFit> fits);

private:
    ItemTable m_table;
    QList<QByteArray> m_records;
    GridModel::Rows m_rows;
    int m_columns = 0;
    const RecordCodec* m_codec;
    const int m_category;
};

CellMarks::CellMarks(GridModel* model, CodecSource codec, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_codec(std::move(codec))
{
    // A marked cell's tool tip ends in the marks' texts.
    model->addToolTipSource(&CellMarkView::markText);
    connect(model, &QAbstractItemModel::dataChanged, this, &CellMarks::onDataChanged);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        // Every item is new: no cell carries a mark any more.
        // A new filter shows the same rows, marks and all.
        if (m_model->refiltering())
            return;
        m_flagged = 0;
        m_verifyMarked = false;
        restartCheck();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, &CellMarks::restartCheck);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CellMarks::restartCheck);
    // Sorting moves the cells with their marks; only a worker's result would land on the
    // wrong rows.
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] {
        if (m_background)
            restartCheck();
    });
}

void CellMarks::restartCheck()
{
    ++m_generation;
    m_background = false;
    m_rowsEdited.clear();
    scheduleCheck();
}

void CellMarks::checkShown(const ItemTable& table, int category, const QList<QByteArray>& records)
{
    // The check of the model that the fill scheduled is not needed any more.
    m_checkPending = false;
    const int generation = ++m_generation;
    m_rowsEdited.clear();
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    if (!codec || table.isEmpty()) {
        m_background = false;
        applyFits({});
        return;
    }
    startCheck(new ShownTableCheck(table, records, codec, category), generation);
}

void CellMarks::startCheck(ShownTableCheck* task, int generation)
{
    m_background = true;
    connect(task, &ShownTableCheck::done, this,
        [this, generation](const QList<CellFit>& fits) { finishShown(generation, fits); });
    connect(task, &ShownTableCheck::done, task, &QObject::deleteLater);
    QThreadPool::globalInstance()->start(task);
}

void CellMarks::finishShown(int generation, const QList<CellFit>& fits)
{
    if (generation != m_generation)
        return;
    m_background = false;
    applyFits(fits);
    // Rows typed into meanwhile are checked as they are now.
    const QList<int> edited = std::exchange(m_rowsEdited, {});
    for (const int row : edited)
        checkRows(row, row);
}

void CellMarks::quietly(const std::function<void()>& setMarks)
{
    const bool wasBlocked = m_model->blockSignals(true);
    setMarks();
    m_model->blockSignals(wasBlocked);
    emit marksChanged();
}

void CellMarks::scheduleCheck()
{
    // Filling the grid may come in several steps; the check runs once they are done.
    if (m_checkPending)
        return;
    m_checkPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_checkPending)
            checkAll();
    });
}

ItemRow CellMarks::rowTexts(int row) const
{
    ItemRow cells;
    const int columns = m_model->columnCount();
    cells.reserve(columns);
    for (int c = 0; c < columns; ++c)
        cells.append(m_model->cellText(row, c));
    return cells;
}

void CellMarks::checkAll()
{
    m_checkPending = false;
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    if (!codec || m_model->tableRowCount() == 0) {
        applyFits({});
        return;
    }
    if (m_model->tableRowCount() > kRowsCheckedOneByOne) {
        // A large table (an import, its undo) is checked on a worker, as a table shown is.
        GridModel::Rows rows;
        rows.reserve(size_t(m_model->tableRowCount()));
        for (int r = 0; r < m_model->tableRowCount(); ++r)
            rows.push_back(m_model->tableRow(r));
        m_rowsEdited.clear();
        startCheck(new ShownTableCheck(std::move(rows), m_model->columnCount(), codec), ++m_generation);
        return;
    }
    QList<QByteArray> records;
    const ItemTable table = ItemGrid::collect(m_model, 0, false, &records);
    applyFits(codec->checkTable(table, nullptr, &records));
}

void CellMarks::applyFits(const QList<CellFit>& fits)
{
    quietly([&] {
        // Rows brought back by an undo may still carry marks of before.
        m_model->clearMarks(FitRole);
        for (const CellFit& fit : fits)
            m_model->setMark(fit.row, fit.column, FitRole, shownMessage(fit));
    });
    m_flagged = int(fits.size());
    qCDebug(lcApp) << "cells that do not fit:" << m_flagged;
    emit flaggedChanged(m_flagged);
}

void CellMarks::checkRows(int first, int last)
{
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    const int columns = m_model->columnCount();
    quietly([&] {
        for (int r = first; r <= last && r < m_model->tableRowCount(); ++r) {
            for (int c = 0; c < columns; ++c) {
                if (m_model->mark(r, c, FitRole).isValid()) {
                    m_model->setMark(r, c, FitRole, QVariant());
                    --m_flagged;
                }
            }
            if (!codec || !m_model->keptRecord(r).isEmpty())
                continue;
            for (const CellFit& fit : codec->checkRow(rowTexts(r), r)) {
                m_model->setMark(r, fit.column, FitRole, shownMessage(fit));
                ++m_flagged;
            }
        }
    });
    emit flaggedChanged(m_flagged);
}

void CellMarks::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    if (m_checkPending || !changesCells(roles))
        return;
    // A code or number typed may now be another row's (or no longer be): the row the register
    // loses is the earlier one, so the whole table is checked again.
    if (bottomRight.row() - topLeft.row() >= kRowsCheckedOneByOne || topLeft.column() == 0) {
        // The worker's result would not know of these changes.
        m_background ? restartCheck() : scheduleCheck();
        return;
    }
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const int tableRow = m_model->toTableRow(row);
        // While the worker checks, the rows changed are checked after it.
        if (m_background)
            m_rowsEdited << tableRow;
        else
            checkRows(tableRow, tableRow);
    }
}

void CellMarks::markVerified(const VerifyReport& report)
{
    if (!report.read || report.differences.isEmpty())
        return;
    const int columns = m_model->columnCount();
    quietly([&] {
        for (const RowDifference& difference : report.differences) {
            const int row = m_sentRows.isEmpty() ? difference.row : m_sentRows.value(difference.row, -1);
            if (row < 0 || row >= m_model->tableRowCount())
                continue;
            const QString text
                = (report.peer.isEmpty() ? QString() : report.peer + QStringLiteral(": ")) + difference.describe();
            for (int c = 0; c < columns; ++c) {
                // Two registers may both hold the row otherwise: each says how.
                const QString before = m_model->mark(row, c, VerifyRole).toString();
                m_model->setMark(row, c, VerifyRole, before.isEmpty() ? text : before + QLatin1Char('\n') + text);
            }
            m_verifyMarked = true;
        }
    });
}

void CellMarks::clearVerifyMarks()
{
    if (!m_verifyMarked)
        return;
    quietly([&] { m_model->clearMarks(VerifyRole); });
    m_verifyMarked = false;
}

namespace CellMarkView {

void tint(QStyleOptionViewItem* option, const QModelIndex& index)
{
    if (index.data(VerifyRole).isValid())
        option->backgroundBrush = kVerifyTint;
    else if (index.data(FitRole).isValid())
        option->backgroundBrush = kFitTint;
}

QString markText(const QModelIndex& index)
{
    // Each line reads in the display language's direction whatever letter it opens with (a
    // Hebrew letter that the code page lacks turned an English line around; a name or a number
    // at the start of an Arabic one turned that line around).
    const QChar direction(QGuiApplication::layoutDirection() == Qt::RightToLeft ? 0x200F : 0x200E);
    QStringList lines;
    for (const int role : { int(FitRole), int(VerifyRole) }) {
        const QString text = index.data(role).toString();
        if (!text.isEmpty())
            for (const QString& line : text.split(QLatin1Char('\n')))
                lines << direction + line;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace CellMarkView

QList<int> selectedGridRows(const QItemSelectionModel* selection)
{
    QList<int> rows;
    const auto* model = selection ? qobject_cast<const GridModel*>(selection->model()) : nullptr;
    if (selection)
        for (const QModelIndex& cell : selection->selectedIndexes())
            rows << (model ? model->toTableRow(cell.row()) : cell.row());
    return rows;
}

bool confirmSend(QWidget* parent, const RecordCodec* codec, const ItemTable& rows, const QList<int>& gridRows,
    const QList<QByteArray>& records, const QString& question, int* asked)
{
    // A row with several selected cells goes once per cell; its cells are asked about once,
    // as the grid counts them.
    QList<CellFit> fits;
    QSet<QPair<int, int>> seen;
    for (CellFit fit : codec ? codec->checkTable(rows, nullptr, &records) : QList<CellFit>()) {
        fit.row = gridRows.isEmpty() ? fit.row : gridRows.value(fit.row, fit.row);
        if (!seen.contains({ fit.row, fit.column })) {
            seen.insert({ fit.row, fit.column });
            fits << fit;
        }
    }
    if (asked)
        *asked = int(fits.size());
    if (fits.isEmpty())
        return true;
    QList<NamedCell> named;
    for (int i = 0; i < fits.size() && i < kCellsNamed; ++i)
        named.append({ fits.at(i).row + 1, fits.at(i).column, shownMessage(fits.at(i)) });
    QStringList lines { QCoreApplication::translate("CellMarks", "%1 will not reach the register as shown:")
                            .arg(cellsText(int(fits.size()))) };
    lines << namedCellLines(named, codec, int(fits.size()));
    lines << QString() << (question.isEmpty() ? QCoreApplication::translate("CellMarks", "Send anyway?") : question);
    const QMessageBox::StandardButton answer
        = MessageBox::warning(parent, QCoreApplication::translate("CellMarks", "warning"),
            lines.join(QLatin1Char('\n')), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    qCDebug(lcApp) << "send with cells that do not fit:" << (answer == QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

#include "cellmarks.moc"
