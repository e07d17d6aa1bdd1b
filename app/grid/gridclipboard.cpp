#include "app/grid/gridclipboard.h"

#include "app/applog.h"
#include "app/grid/fielddelegate.h"
#include "app/grid/gridmodel.h"
#include "base/punctuation.h"

#include <QCoreApplication>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

namespace GridClipboard {

namespace {

QString quoted(const QString& cell)
{
    const bool needsQuotes = cell.contains(QLatin1Char('\t')) || cell.contains(QLatin1Char('\n'))
        || cell.contains(QLatin1Char('\r')) || cell.startsWith(QLatin1Char('"'));
    if (!needsQuotes)
        return cell;
    QString text = cell;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The text a cell shows: reals with their two decimals, as the grid's delegate draws them.
QString shownText(const QTableView* view, const QModelIndex& index)
{
    const QVariant value = index.data(Qt::DisplayRole);
    if (const auto* delegate = qobject_cast<const QStyledItemDelegate*>(view->itemDelegateForIndex(index)))
        return delegate->displayText(value, view->locale());
    return value.toString();
}

// `message` followed by what was skipped and why, when anything was.
QString withSkipped(const QString& message, const PasteResult& result)
{
    if (result.skipped() == 0)
        return message;
    QStringList why;
    if (result.locked)
        why << QCoreApplication::translate("GridClipboard", "%1 locked").arg(result.locked);
    if (result.outside)
        why << QCoreApplication::translate("GridClipboard", "%1 outside the grid").arg(result.outside);
    if (result.filtered)
        why << QCoreApplication::translate("GridClipboard", "%1 below the rows the filter shows").arg(result.filtered);
    if (result.refused)
        why << QCoreApplication::translate("GridClipboard", "%1 not accepted: %2")
                   .arg(result.refused)
                   .arg(result.firstRefusal);
    return QCoreApplication::translate("GridClipboard", "%1, %2 skipped (%3)")
        .arg(message, QString::number(result.skipped()), why.join(clauseSeparator()));
}

} // namespace

QString toTabText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += QLatin1Char('\t');
            text += quoted(row.at(c));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QList<QStringList> fromTabText(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool rowOpen = false;
    const int n = int(text.size());
    int i = 0;
    auto endRow = [&] {
        row << cell;
        rows << row;
        row.clear();
        cell.clear();
        rowOpen = false;
    };
    while (i < n) {
        rowOpen = true;
        // A cell that starts with a quote runs to the quote that is not doubled.
        if (cell.isEmpty() && text.at(i) == QLatin1Char('"')) {
            int j = i + 1;
            QString inner;
            bool closed = false;
            while (j < n) {
                if (text.at(j) == QLatin1Char('"')) {
                    if (j + 1 < n && text.at(j + 1) == QLatin1Char('"')) {
                        inner += QLatin1Char('"');
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                inner += text.at(j++);
            }
            if (closed) {
                cell = inner;
                i = j;
                // Anything up to the next separator belongs to the cell as it stands.
                while (i < n && text.at(i) != QLatin1Char('\t') && text.at(i) != QLatin1Char('\n')
                    && text.at(i) != QLatin1Char('\r'))
                    cell += text.at(i++);
                continue;
            }
            // No closing quote: the quote is an ordinary character.
        }
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\t')) {
            row << cell;
            cell.clear();
            ++i;
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            i += (ch == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ? 2 : 1;
            endRow();
        } else {
            cell += ch;
            ++i;
        }
    }
    if (rowOpen)
        endRow();
    return rows;
}

QString copyText(const QTableView* view)
{
    const QItemSelectionModel* selection = view->selectionModel();
    if (!selection || !selection->hasSelection())
        return QString();
    const QItemSelection ranges = selection->selection();
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QItemSelectionRange& range : ranges) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    const QAbstractItemModel* model = view->model();
    QList<QStringList> rows;
    rows.reserve(bottom - top + 1);
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        cells.reserve(right - left + 1);
        for (int c = left; c <= right; ++c) {
            const QModelIndex index = model->index(r, c);
            cells << (ranges.contains(index) ? shownText(view, index) : QString());
        }
        rows << cells;
    }
    return toTabText(rows);
}

PasteResult paste(QTableView* view, const FieldDelegate* delegate, const QString& text)
{
    PasteResult result;
    QAbstractItemModel* model = view->model();
    const QList<QStringList> rows = fromTabText(text);
    const QModelIndex current = view->currentIndex();
    const int top = current.isValid() ? current.row() : 0;
    const int left = current.isValid() ? current.column() : 0;
    // Rows pasted below the last row are added to the table; under a filter the last row shown
    // is not the table's, and a row added there would be a nameless one among the others.
    const auto* grid = qobject_cast<const GridModel*>(model);
    const bool narrowed = grid && !grid->filter().isEmpty();
    const int shownRows = model->rowCount();
    const int missing = top + int(rows.size()) - shownRows;
    if (missing > 0 && !narrowed && model->insertRows(model->rowCount(), missing))
        result.added = missing;
    int lastRow = -1, lastColumn = -1;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList& cells = rows.at(r);
        for (int c = 0; c < cells.size(); ++c) {
            const QModelIndex index = model->index(top + r, left + c);
            if (!index.isValid()) {
                ++(narrowed && top + r >= shownRows ? result.filtered : result.outside);
                continue;
            }
            if (!(model->flags(index) & Qt::ItemIsEditable)) {
                ++result.locked;
                continue;
            }
            QVariant value;
            QString reason;
            bool cut = false;
            if (!delegate->valueForText(index, cells.at(c), &value, &reason, &cut)) {
                if (result.refused++ == 0)
                    result.firstRefusal = reason;
                continue;
            }
            model->setData(index, value, Qt::EditRole);
            ++result.pasted;
            result.cut += cut ? 1 : 0;
            lastRow = std::max(lastRow, index.row());
            lastColumn = std::max(lastColumn, index.column());
        }
    }
    if (result.pasted > 0) {
        view->selectionModel()->select(QItemSelection(model->index(top, left), model->index(lastRow, lastColumn)),
            QItemSelectionModel::ClearAndSelect);
    }
    qCDebug(lcApp) << "pasted" << result.pasted << "locked" << result.locked << "outside" << result.outside << "refused"
                   << result.refused;
    return result;
}

QString pasteMessage(const PasteResult& result)
{
    if (result.pasted == 0 && result.skipped() == 0)
        return QCoreApplication::translate("GridClipboard", "Nothing to paste");
    QString message = result.pasted == 1
        ? QCoreApplication::translate("GridClipboard", "1 cell pasted")
        : QCoreApplication::translate("GridClipboard", "%1 cells pasted").arg(result.pasted);
    if (result.cut > 0)
        //: %1 "3 cells pasted", %2 how many of them were cut
        message = QCoreApplication::translate("GridClipboard", "%1 (%2 cut to what the field takes)")
                      .arg(message)
                      .arg(result.cut);
    if (result.added > 0)
        message = result.added == 1
            ? QCoreApplication::translate("GridClipboard", "%1 (1 row added)").arg(message)
            : QCoreApplication::translate("GridClipboard", "%1 (%2 rows added)").arg(message).arg(result.added);
    return withSkipped(message, result);
}

PasteResult clear(QTableView* view, const FieldDelegate* delegate)
{
    PasteResult result;
    QAbstractItemModel* model = view->model();
    QModelIndexList cells = view->selectionModel()->selectedIndexes();
    if (cells.isEmpty() && view->currentIndex().isValid())
        cells << view->currentIndex();
    for (const QModelIndex& index : std::as_const(cells)) {
        if (!(model->flags(index) & Qt::ItemIsEditable)) {
            ++result.locked;
            continue;
        }
        const int type = index.data(Qt::EditRole).typeId();
        const bool number = type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::Double;
        QVariant value;
        QString reason;
        if (!delegate->valueForText(index, number ? QStringLiteral("0") : QString(), &value, &reason)) {
            if (result.refused++ == 0)
                result.firstRefusal = reason;
            continue;
        }
        if (index.data(Qt::EditRole) != value)
            model->setData(index, value, Qt::EditRole);
        ++result.pasted;
    }
    return result;
}

QString clearMessage(const PasteResult& result)
{
    if (result.pasted == 0 && result.skipped() == 0)
        return QCoreApplication::translate("GridClipboard", "Nothing to clear");
    return withSkipped(result.pasted == 1
            ? QCoreApplication::translate("GridClipboard", "1 cell cleared")
            : QCoreApplication::translate("GridClipboard", "%1 cells cleared").arg(result.pasted),
        result);
}

} // namespace GridClipboard
