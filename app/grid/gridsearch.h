#pragma once

#include <QObject>
#include <QString>

#include <functional>

class GridModel;
class QLineEdit;
class QTableView;
class QToolButton;

// The grid's search bar: Find goes to the next (or previous) cell whose text contains what
// is typed, wrapping round at the ends; the filter shows only the rows with such a cell.
// GUI thread only.
class GridSearch : public QObject {
    Q_OBJECT
public:
    using Say = std::function<void(const QString&)>;

    GridSearch(QTableView* view, GridModel* model, QLineEdit* find, QToolButton* previous, QToolButton* next,
        QLineEdit* filter, Say say, QObject* parent = nullptr);

    // Puts the cursor into the find box (Ctrl+F).
    void focusFind();
    // Goes to the next or previous match of the find box's text; false when there is none.
    bool findNext(bool backwards = false);
    // Empties the filter box (the page was filled again: every row shows).
    void clearFilter();

private:
    QTableView* m_view;
    GridModel* m_model;
    QLineEdit* m_find;
    QLineEdit* m_filter;
    Say m_say;
};
