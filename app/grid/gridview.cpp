#include "app/grid/gridview.h"

#include "app/grid/itemgrid.h"
#include "base/punctuation.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "storage/configdb.h"

#include <QAbstractItemDelegate>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>
#include <iterator>
#include <numeric>

namespace {

// Rows whose cells are measured: the first ones, the ones in view and some spread over the
// rest, so that a table of 100,000 rows costs no more than one of a few hundred.
constexpr int kHeadRows = 64;
constexpr int kSpreadRows = 128;
// A name column cut short for lack of room keeps at least this many characters.
constexpr int kShortestName = 12;

// Widest form of a kind of cell, measured when a column's sample holds nothing wider.
const char* widestForm(quint8 kind, bool optionColumn)
{
    if (optionColumn)
        return "00000000";
    switch (kind & ~KindLocked) {
    case KindReal:
        return "00000000.00"; // a ten-digit price
    case KindInt64:
        return "00000000000000"; // a fourteen-digit item code
    default:
        return "";
    }
}

} // namespace

GridView::GridView(QTableView* view, GridModel* model, CodecSource codec, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_viewport(view->viewport())
    , m_model(model)
    , m_codec(std::move(codec))
{
    m_note = new QLabel(view->viewport());
    m_note->setObjectName(QStringLiteral("label_emptyGrid"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_note->setForegroundRole(QPalette::PlaceholderText);
    m_note->hide();
    // Rows that come or go by other ways than a fill (an import, undo, rows by hand, the
    // filter) bring the note up to date too, and the rows that come are given room as a
    // fill's are: a name imported onto an empty page is not left cut to its header's width.
    connect(model, &QAbstractItemModel::modelReset, this, &GridView::rowsArrived);
    connect(model, &QAbstractItemModel::rowsInserted, this, &GridView::rowsArrived);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &GridView::updateNote);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    model->addToolTipSource([this](const QModelIndex& index) { return optionTip(index); });
    model->addToolTipSource([this](const QModelIndex& index) { return elidedTip(index); });
}

void GridView::finishEditing(QAbstractItemView* view)
{
    // The open editor is the current cell's; the delegate's signals are what Enter sends.
    const QModelIndex current = view->currentIndex();
    QWidget* editor = current.isValid() ? view->indexWidget(current) : nullptr;
    QAbstractItemDelegate* delegate = editor ? view->itemDelegateForIndex(current) : nullptr;
    if (!delegate)
        return;
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QString GridView::noDatabaseText()
{
    return tr("Open or create a configuration database (File > open / new)");
}

QString GridView::noRowsText()
{
    return tr("No rows yet: download from the register, import a file, or add a row (Edit > Insert row)");
}

void GridView::show(const ItemTable& table, ColumnDescription& columns, int category, const QList<QByteArray>& records)
{
    const QModelIndex was = m_view->currentIndex();
    const int row = was.row();
    const int column = was.column();
    const bool samePage = category == m_category;
    std::copy(std::begin(columns.kinds), std::end(columns.kinds), std::begin(m_kinds));
    m_filling = true;
    ItemGrid::fill(m_model, table, columns, category, records);
    m_filling = false;
    m_category = category;
    if (samePage && was.isValid() && row < m_model->rowCount() && column < m_model->columnCount()) {
        // The current cell only: a selection would make the item commands send its row.
        const QModelIndex again = m_model->index(row, column);
        m_view->selectionModel()->setCurrentIndex(again, QItemSelectionModel::NoUpdate);
        m_view->scrollTo(again);
    }
    fitColumns(category);
    updateNote();
}

void GridView::fitColumns(int category)
{
    QHeaderView* header = m_view->horizontalHeader();
    m_needed.clear();
    m_floor.clear();
    if (category == CategoryNetParm) {
        // One record of many short fields: each column as wide as its contents, the window
        // scrolling sideways when they do not fit.
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        return;
    }
    header->setSectionResizeMode(QHeaderView::Interactive);
    measureColumns();
    spreadColumns();
}

void GridView::rowsArrived()
{
    updateNote();
    // A fill fits the columns itself, once its rows are all there; the network page's
    // columns follow their contents on their own; a filter shows fewer of the same rows, and
    // the columns keep still while it is typed.
    if (m_filling || m_model->refiltering() || m_category <= 0 || m_category == CategoryNetParm)
        return;
    measureColumns();
    spreadColumns();
}

int GridView::textWidth(const QString& text) const
{
    // As the style sizes an item's text: a margin on each side, and the grid line.
    const int margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    return m_view->fontMetrics().horizontalAdvance(text) + 2 * margin + (m_view->showGrid() ? 1 : 0);
}

void GridView::measureColumns()
{
    const int rows = m_model->rowCount();
    const int columns = m_model->columnCount();
    std::vector<int> sample;
    for (int r = 0; r < std::min(rows, kHeadRows); ++r)
        sample.push_back(r);
    const int firstShown = std::max(0, m_view->rowAt(0));
    for (int r = firstShown; r < std::min(rows, firstShown + kHeadRows); ++r)
        sample.push_back(r);
    if (rows > kHeadRows)
        for (int i = 0; i < kSpreadRows; ++i)
            sample.push_back(int(qint64(rows - 1) * i / (kSpreadRows - 1)));
    std::sort(sample.begin(), sample.end());
    sample.erase(std::unique(sample.begin(), sample.end()), sample.end());

    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.widget = m_view;
    option.font = m_view->font();
    option.fontMetrics = m_view->fontMetrics();
    option.state &= ~QStyle::State_HasFocus;
    const int gridLine = m_view->showGrid() ? 1 : 0;
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    QHeaderView* header = m_view->horizontalHeader();
    const QString shortestName(kShortestName, QLatin1Char('X'));

    m_needed.assign(columns, 0);
    m_floor.assign(columns, 0);
    for (int c = 0; c < columns; ++c) {
        int widest = header->sectionSizeHint(c);
        const int headerWidth = widest;
        for (const int r : sample) {
            const QModelIndex index = m_model->index(r, c);
            QAbstractItemDelegate* delegate = m_view->itemDelegateForIndex(index);
            widest = std::max(widest, delegate->sizeHint(option, index).width() + gridLine);
        }
        QStringList names;
        const bool optionColumn = codec && codec->optionNames(c, QStringLiteral("00000000"), &names);
        const quint8 kind = c < kMaxColumns ? m_kinds[c] : 0;
        const QString form = QLatin1String(widestForm(kind, optionColumn));
        if (!form.isEmpty())
            widest = std::max(widest, textWidth(form));
        // A text column has room for a name before one is typed (a header may be two letters).
        if ((kind & ~KindLocked) == KindText && !optionColumn)
            widest = std::max(widest, textWidth(shortestName));
        m_needed[c] = widest;
        // Free texts (names) may be cut short when room is scarce; their tool tip shows them whole.
        const bool number
            = (kind & ~KindLocked) == KindInt || (kind & ~KindLocked) == KindReal || (kind & ~KindLocked) == KindInt64;
        const bool freeText = !number && !optionColumn && !(codec && codec->textLimit(c) > 0);
        m_floor[c] = freeText ? std::min(widest, std::max(headerWidth, textWidth(shortestName))) : widest;
    }
}

void GridView::spreadColumns()
{
    const int columns = int(m_needed.size());
    if (columns == 0 || columns != m_model->columnCount() || m_spreading)
        return;
    m_spreading = true;
    const int room = m_view->viewport()->width();
    const qint64 needed = std::accumulate(m_needed.begin(), m_needed.end(), qint64(0));
    std::vector<int> widths = m_needed;
    if (needed < room) {
        // Spare room goes to the columns in proportion to their widths, as a stretched grid.
        const qint64 spare = room - needed;
        qint64 given = 0;
        for (int c = 0; c < columns; ++c) {
            const qint64 share = c == columns - 1 ? spare - given : spare * m_needed[c] / needed;
            widths[c] += int(share);
            given += share;
        }
    } else if (needed > room) {
        // Names give up room down to their floor; numbers and options never do.
        const qint64 excess = needed - room;
        qint64 yielding = 0;
        for (int c = 0; c < columns; ++c)
            yielding += m_needed[c] - m_floor[c];
        const qint64 taken = std::min(excess, yielding);
        for (int c = 0; c < columns && yielding > 0; ++c)
            widths[c] -= int(taken * (m_needed[c] - m_floor[c]) / yielding);
    }
    QHeaderView* header = m_view->horizontalHeader();
    for (int c = 0; c < columns; ++c)
        header->resizeSection(c, widths[c]);
    m_spreading = false;
}

QString GridView::optionTip(const QModelIndex& index) const
{
    const RecordCodec* codec = m_codec ? m_codec() : nullptr;
    QStringList names;
    if (!codec || !codec->optionNames(index.column(), index.data(Qt::EditRole).toString(), &names))
        return QString();
    // The option names stay English in the cell's files; the tool tip shows them translated,
    // and in English spelt right where the menu entry keeps its misspelling.
    for (QString& name : names) {
        name = QCoreApplication::translate("Options", name.toUtf8().constData());
        if (name == QLatin1String("TICKET SIGNLE"))
            name = QStringLiteral("TICKET SINGLE");
    }
    //: The tool tip of an option cell with no option set
    return names.isEmpty() ? tr("none") : names.join(listSeparator());
}

QString GridView::elidedTip(const QModelIndex& index) const
{
    const QVariant value = index.data(Qt::DisplayRole);
    if (value.typeId() != QMetaType::QString)
        return QString();
    const QString text = value.toString();
    if (text.isEmpty() || textWidth(text) <= m_view->columnWidth(index.column()))
        return QString();
    return text;
}

void GridView::updateNote()
{
    const bool empty = m_model->rowCount() == 0 && m_category > 0;
    if (currentDatabasePath.isEmpty())
        m_note->setText(noDatabaseText());
    else if (m_model->tableRowCount() > 0)
        m_note->setText(tr("No row contains \"%1\"").arg(m_model->filter()));
    else
        m_note->setText(noRowsText());
    m_note->setGeometry(m_view->viewport()->rect());
    m_note->setVisible(empty);
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    // Only the two events are read: the view sends others while it is being destroyed.
    if (event->type() == QEvent::Resize && watched == m_viewport) {
        m_note->setGeometry(m_viewport->rect());
        spreadColumns();
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_viewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = m_view->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid() && m_opener && m_opener(index))
            return true;
    } else if (event->type() == QEvent::KeyPress && watched == m_view) {
        // Enter opens the current cell's own editor or starts editing it (the view alone only
        // reports it activated); while an editor has the focus, the key is the editor's.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QModelIndex current = m_view->currentIndex();
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && m_view->hasFocus()
            && current.isValid()) {
            if (m_opener && m_opener(current))
                return true;
            if (m_model->flags(current) & Qt::ItemIsEditable) {
                m_view->edit(current);
                return true;
            }
        }
        // Letters typed on a cell that takes no typing (option bits, an index, the fixed tax
        // rate) would be the view's search for a row beginning so: the cursor jumped to another
        // row and the next keys edited that one. They are dropped instead.
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            && current.isValid() && !(m_model->flags(current) & Qt::ItemIsEditable))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
