#include "app/grid/gridsearch.h"

#include "app/grid/gridmodel.h"

#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>

GridSearch::GridSearch(QTableView* view, GridModel* model, QLineEdit* find, QToolButton* previous,
    QToolButton* next, QLineEdit* filter, Say say, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
    , m_find(find)
    , m_filter(filter)
    , m_say(std::move(say))
{
    connect(find, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(next, &QToolButton::clicked, this, [this] { findNext(); });
    connect(previous, &QToolButton::clicked, this, [this] { findNext(true); });
    connect(filter, &QLineEdit::textChanged, model, &GridModel::setFilter);
    QWidget* page = view->parentWidget();
    auto* nextKey = new QShortcut(QKeySequence::FindNext, page, [this] { findNext(); });
    nextKey->setContext(Qt::WidgetWithChildrenShortcut);
    auto* previousKey = new QShortcut(QKeySequence::FindPrevious, page, [this] { findNext(true); });
    previousKey->setContext(Qt::WidgetWithChildrenShortcut);
}

void GridSearch::focusFind()
{
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

bool GridSearch::findNext(bool backwards)
{
    const QString text = m_find->text().trimmed();
    const int rows = m_model->rowCount();
    const int columns = m_model->columnCount();
    if (text.isEmpty() || rows == 0 || columns == 0)
        return false;
    // Cells are searched row by row, from the one after the current cell.
    const QModelIndex current = m_view->currentIndex();
    const int cells = rows * columns;
    int at = current.isValid() ? current.row() * columns + current.column() : (backwards ? cells : -1);
    for (int step = 0; step < cells; ++step) {
        at = (at + (backwards ? -1 : 1) + cells) % cells;
        const QModelIndex index = m_model->index(at / columns, at % columns);
        QString shown = index.data(Qt::DisplayRole).toString();
        if (index.data(Qt::DisplayRole).typeId() == QMetaType::Double)
            shown = QString::number(index.data(Qt::DisplayRole).toDouble(), 'f', 2);
        if (shown.contains(text, Qt::CaseInsensitive)) {
            m_view->setCurrentIndex(index);
            m_view->scrollTo(index);
            m_say(QString());
            return true;
        }
    }
    m_say(tr("\"%1\" is not on this page").arg(text));
    return false;
}

void GridSearch::clearFilter()
{
    if (!m_filter->text().isEmpty())
        m_filter->clear();
}
