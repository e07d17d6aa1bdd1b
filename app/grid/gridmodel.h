#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

#include <QRect>

#include <functional>
#include <memory>
#include <vector>

class QUndoStack;

// The grid's model: one category's table held as rows of values, shown through an optional
// filter, with every change an operator makes (a cell, a block of cells, rows added or
// removed, a whole table imported, a sort) kept as one step of an undo stack.
//
// Rows are addressed two ways: a view row is a row the views see (the filter's rows), a
// table row is a row of the whole table (what is saved, exported and sent). Without a filter
// they are the same. A row that came from the database or the register keeps its record
// (kRecordRole on its first cell) until any of its cells is changed; such a row is saved as
// that record, byte for byte. GUI thread only.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A line of a cell's tool tip, or an empty text; asked only when the tip is shown.
    using ToolTipSource = std::function<QString(const QModelIndex&)>;
    static constexpr int kRecordRole = Qt::UserRole + 40;

    struct Row {
        QList<QVariant> cells; // the values of the columns' kinds
        QByteArray record; // the record the row came from, until it is changed
        QHash<int, QVariant> marks; // other roles by column * 256 + role offset (rarely any)
        bool byHand = false; // added on the page: a PLU's code may be typed
    };
    using Rows = std::vector<Row>;

    explicit GridModel(QObject* parent = nullptr);
    ~GridModel() override;

    // Tool tips are composed here and nowhere else: the cell's own tool tip, then the text
    // of each source in the order they were added, one per line.
    void addToolTipSource(ToolTipSource source);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Edit and display values change the cell as one undo step (or one part of the step
    // begun with beginChange()); other roles are marks, which change nothing that is stored.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Horizontal: the column's header translated for the window.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The column headers as given to resetTable(), untranslated.
    const QStringList& headers() const { return m_headers; }
    // Adds `count` empty rows before view row `row` (at the end when `row` is the row count),
    // as one undo step; numbered when the table is indexed.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    // Orders the rows by the cells of `column` read as 64-bit numbers (the grid sorts only
    // item codes), keeping the order of equal ones, as one undo step. Current cell and
    // selection follow their rows.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the whole table (a page opened, a download): new headers, columns, rows and
    // the columns' kind bytes (records/columns.h). Clears the undo steps and the filter.
    void resetTable(const QStringList& headers, int columns, Rows rows, std::vector<quint8> kinds, int category);
    // Replaces every row by `rows` as one undo step named `what` (an import).
    void replaceRows(Rows rows, const QString& what);
    // Adds `rows` before table row `at` as one undo step; the filter, if any, shows them.
    void insertTableRows(int at, Rows rows);
    // Removes the given table rows as one undo step.
    void removeTableRows(QList<int> tableRows);

    // Table rows: the whole table, whatever the filter shows.
    int tableRowCount() const { return int(m_rows.size()); }
    const Row& tableRow(int row) const { return m_rows[size_t(row)]; }
    // A row of empty values of the columns' kinds; option cells all clear.
    Row emptyRow() const;
    QString cellText(int tableRow, int column) const;
    // Whether the first column numbers the rows (departments, taxes, lines, PLU codes): rows
    // added by insertRows() take the next free number.
    bool isIndexed() const;
    QByteArray keptRecord(int tableRow) const;
    // The table row of view row `row`, and back (-1 when the filter hides it).
    int toTableRow(int row) const;
    int toViewRow(int tableRow) const;
    int category() const { return m_category; }
    // The columns' kind bytes (kMaxColumns of them once a table is shown).
    const quint8* kinds() const { return m_kinds.data(); }
    bool isLocked(int tableRow, int column) const;

    // A mark on a table row's cell: changes no value and is not announced (see CellMarks).
    void setMark(int tableRow, int column, int role, const QVariant& value);
    QVariant mark(int tableRow, int column, int role) const;
    // Clears `role` from every cell; returns how many cells carried it.
    int clearMarks(int role);

    // Shows only the rows with a cell that contains `text` (case aside); empty shows all.
    void setFilter(const QString& text);
    QString filter() const { return m_filter; }
    // True while the views are told of a change of the filter (no row changed).
    bool refiltering() const { return m_refiltering; }

    // Groups the changes up to endChange() into one undo step named `what`.
    void beginChange(const QString& what);
    void endChange();
    QUndoStack* undoStack() const { return m_undo; }

    // Whether the table holds changes that are not stored: changes since it was opened or
    // saved that have not been undone, or rows that came from elsewhere (a download).
    bool isModified() const;
    // The table is what is stored now (opened or saved): no undo steps, nothing unsaved.
    void markSaved();
    // The table came from elsewhere (a download): nothing to undo, but it is not stored.
    void markUnstored();

signals:
    void modifiedChanged(bool modified);

private:
    friend class GridCellsCommand;
    friend class GridRowsCommand;
    friend class GridTableCommand;
    friend class GridOrderCommand;
    friend class GridGroupCommand;

    // While one is alive, the cells changed are told to the views once, as one range, when the
    // last one goes (or before rows are added, taken or moved): a step of thousands of cells
    // is one signal, not thousands.
    class CellSignalsHeld {
    public:
        explicit CellSignalsHeld(GridModel* model)
            : m_model(model)
        {
            ++m_model->m_cellSignalsHeld;
        }
        ~CellSignalsHeld()
        {
            if (--m_model->m_cellSignalsHeld == 0)
                m_model->tellChangedCells();
        }
        CellSignalsHeld(const CellSignalsHeld&) = delete;
        CellSignalsHeld& operator=(const CellSignalsHeld&) = delete;

    private:
        GridModel* m_model;
    };
    void tellChangedCells();

    // The primitives that the undo steps call. Each tells the views.
    void putCell(int tableRow, int column, const QVariant& value, const QByteArray& record);
    void putRows(Rows rows, const QList<int>& where);
    Rows takeRows(const QList<int>& tableRows);
    void swapRows(Rows& rows);
    void reorder(const std::vector<int>& from);

    // Rows numbered by their place get their numbers again from table row `from` on.
    void renumber(int from);
    void rebuildShown(const QList<int>& keep = {});
    bool rowMatches(const Row& row) const;
    void push(class QUndoCommand* command);
    void announceModified();
    // Deletes `rows` away from the GUI thread when there are many.
    static void dispose(Rows rows);

    Rows m_rows;
    QStringList m_headers;
    int m_columns = 0;
    std::vector<quint8> m_kinds = std::vector<quint8>(16, 0);
    int m_category = 0;
    bool m_numberedByPlace = false;
    QString m_filter;
    bool m_filtered = false;
    std::vector<int> m_shown; // table rows on show while filtered
    bool m_refiltering = false;
    QUndoStack* m_undo;
    class QUndoCommand* m_group = nullptr; // the step under way between beginChange() and endChange()
    int m_groupDepth = 0;
    class GridCellsCommand* m_groupCells = nullptr; // the step's cells since its last change of rows
    std::unique_ptr<CellSignalsHeld> m_groupSignals;
    int m_cellSignalsHeld = 0;
    QRect m_changedCells; // view rows and columns changed while the signals are held
    bool m_unstored = false;
    bool m_lastModified = false;
    std::vector<ToolTipSource> m_toolTipSources;
};
