#pragma once

#include "base/itemtable.h"
#include "records/columns.h"

#include <QObject>

#include <functional>
#include <vector>

class GridModel;
class QLabel;
class QModelIndex;
class QTableView;
class QWidget;
class RecordCodec;

// How the grid presents a category's table: every column at least as wide as its header
// and its widest value, spread over the window; tool tips that name the set bits of option
// cells and show texts cut short; a note on an empty page saying how rows arrive; Enter to
// start editing (or the cell's own editor, see setCellOpener); the current cell kept when the
// same page is filled again. GUI thread only.
class GridView : public QObject {
    Q_OBJECT
public:
    using CodecSource = std::function<const RecordCodec*()>;
    // Opens an editor of its own for the cell; false when the cell has none.
    using CellOpener = std::function<bool(const QModelIndex&)>;

    GridView(QTableView* view, GridModel* model, CodecSource codec, QObject* parent = nullptr);

    // Replaces the grid's rows by `table` with their `records` (see ItemGrid::fill) and fits
    // the columns. Filled again with the same category, the grid keeps its current cell where
    // it still exists.
    void show(const ItemTable& table, ColumnDescription& columns, int category, const QList<QByteArray>& records = {});

    // Ends the typing in a cell of `view`: the text of its open editor goes into the model (or
    // is refused as typing it with Enter would be). Whatever reads the rows for saving,
    // sending, exporting or leaving calls this first, so that the value on screen is the one
    // used.
    static void finishEditing(QAbstractItemView* view);

    // What an empty page says: how to open a database, or how rows arrive.
    static QString noDatabaseText();
    static QString noRowsText();
    // Brings the note over an empty grid up to date (a database opened or created since).
    void updateNote();
    // Asked first on a double click or Enter on a cell: when it opens the cell, the grid's
    // own editing does not start.
    void setCellOpener(CellOpener opener) { m_opener = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rowsArrived();
    void fitColumns(int category);
    void measureColumns();
    void spreadColumns();
    int textWidth(const QString& text) const;
    QString optionTip(const QModelIndex& index) const;
    QString elidedTip(const QModelIndex& index) const;

    QTableView* m_view;
    QWidget* m_viewport;
    GridModel* m_model;
    CodecSource m_codec;
    CellOpener m_opener;
    QLabel* m_note;
    int m_category = -1;
    quint8 m_kinds[kMaxColumns] = {}; // of the columns shown
    // Per column: the width its values need, and whether its texts may be cut short.
    std::vector<int> m_needed;
    std::vector<int> m_floor;
    bool m_spreading = false;
    bool m_filling = false;
};
