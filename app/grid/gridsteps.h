#pragma once

#include "app/grid/gridmodel.h"

#include <QUndoCommand>

#include <utility>
#include <vector>

// The undo steps of the grid's model. Each holds what it needs to make its change and to take
// it back, and calls the model's primitives (GridModel::putCell() and the like), which tell
// the views.

// A cell changed by typing, a menu or a paste.
class GridCellsCommand : public QUndoCommand {
public:
    GridCellsCommand(GridModel* model, int row, int column, QVariant after, QUndoCommand* parent)
        : QUndoCommand(parent)
        , m_model(model)
        , m_row(row)
        , m_column(column)
        , m_before(model->m_rows[size_t(row)].cells.value(column))
        , m_after(std::move(after))
        , m_record(model->m_rows[size_t(row)].record)
    {
    }
    void redo() override { m_model->putCell(m_row, m_column, m_after, QByteArray()); }
    void undo() override { m_model->putCell(m_row, m_column, m_before, m_record); }

private:
    GridModel* m_model;
    const int m_row, m_column;
    const QVariant m_before, m_after;
    const QByteArray m_record;
};

// Rows added (or, `removing`, taken out) at the table rows `where`, in ascending order.
class GridRowsCommand : public QUndoCommand {
public:
    GridRowsCommand(GridModel* model, GridModel::Rows rows, QList<int> where, bool removing, QUndoCommand* parent)
        : QUndoCommand(parent)
        , m_model(model)
        , m_rows(std::move(rows))
        , m_where(std::move(where))
        , m_removing(removing)
    {
    }
    void redo() override { m_removing ? take() : put(); }
    void undo() override { m_removing ? put() : take(); }

private:
    void put() { m_model->putRows(std::exchange(m_rows, {}), m_where); }
    void take() { m_rows = m_model->takeRows(m_where); }

    GridModel* m_model;
    GridModel::Rows m_rows; // held while they are not in the table
    const QList<int> m_where;
    const bool m_removing;
};

// The whole table replaced (an import): the other table is held for the way back.
class GridTableCommand : public QUndoCommand {
public:
    GridTableCommand(GridModel* model, GridModel::Rows rows, QUndoCommand* parent)
        : QUndoCommand(parent)
        , m_model(model)
        , m_other(std::move(rows))
    {
    }
    ~GridTableCommand() override { GridModel::dispose(std::move(m_other)); }
    void redo() override { m_model->swapRows(m_other); }
    void undo() override { m_model->swapRows(m_other); }

private:
    GridModel* m_model;
    GridModel::Rows m_other;
};

// The rows put in another order: row r takes the row that stood at from[r].
class GridOrderCommand : public QUndoCommand {
public:
    GridOrderCommand(GridModel* model, std::vector<int> from, QUndoCommand* parent)
        : QUndoCommand(parent)
        , m_model(model)
        , m_from(std::move(from))
        , m_to(m_from.size())
    {
        for (size_t r = 0; r < m_from.size(); ++r)
            m_to[size_t(m_from[r])] = int(r);
    }
    void redo() override { m_model->reorder(m_from); }
    void undo() override { m_model->reorder(m_to); }

private:
    GridModel* m_model;
    const std::vector<int> m_from;
    std::vector<int> m_to;
};

// The changes between beginChange() and endChange(), made as they came: pushed, it does
// not make them a second time.
class GridGroupCommand : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    void redo() override
    {
        if (!std::exchange(m_made, false))
            QUndoCommand::redo();
    }

private:
    bool m_made = true;
};
