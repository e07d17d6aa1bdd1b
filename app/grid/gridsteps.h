#pragma once

#include "app/grid/gridmodel.h"

#include <QUndoCommand>

#include <utility>
#include <vector>

// The undo steps of the grid's model. Each holds what it needs to make its change and to take
// it back, and calls the model's primitives (GridModel::putCell() and the like), which tell
// the views.

// Cells changed by typing, a menu, a paste or a clearing: one command holds every cell of a
// step (a command per cell made a clearing of 100,000 rows hold 200 MB).
class GridCellsCommand : public QUndoCommand {
public:
    GridCellsCommand(GridModel* model, QUndoCommand* parent)
        : QUndoCommand(parent)
        , m_model(model)
    {
    }
    // Records the change of one cell; within a step it is made at once (the step is pushed made).
    void add(int row, int column, QVariant after, bool make)
    {
        const GridModel::Row& shown = m_model->m_rows[size_t(row)];
        m_cells.push_back({ row, column, shown.cells.value(column), std::move(after), shown.record });
        if (make)
            m_model->putCell(row, column, m_cells.back().after, QByteArray());
    }
    void redo() override
    {
        const GridModel::CellSignalsHeld held(m_model);
        for (const Cell& cell : m_cells)
            m_model->putCell(cell.row, cell.column, cell.after, QByteArray());
    }
    void undo() override
    {
        const GridModel::CellSignalsHeld held(m_model);
        for (auto cell = m_cells.rbegin(); cell != m_cells.rend(); ++cell)
            m_model->putCell(cell->row, cell->column, cell->before, cell->record);
    }

private:
    struct Cell {
        int row, column;
        QVariant before, after;
        QByteArray record; // the row's record before its first change
    };
    GridModel* m_model;
    std::vector<Cell> m_cells;
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
