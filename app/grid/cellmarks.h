#pragma once

#include "base/itemtable.h"
#include "records/recordcodec.h"
#include "records/verify.h"

#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QString>

#include <functional>

class GridModel;
class QItemSelectionModel;
class QStyleOptionViewItem;

// Roles of the grid's items that mark them. The delegate tints a marked cell and adds the
// mark's text to whatever tool tip the cell has of its own.
enum CellMarkRole {
    FitRole = Qt::UserRole + 16, // why the register would not hold the cell as shown
    VerifyRole, // how the register held the cell's row after a verified send
};

// Marks the grid's cells that the register would not hold as shown, re-checking a row
// whenever one of its cells changes, and the rows that a verified send found otherwise on
// the register. GUI thread.
class CellMarks : public QObject {
    Q_OBJECT
public:
    using CodecSource = std::function<const RecordCodec*()>;

    CellMarks(GridModel* model, CodecSource codec, QObject* parent = nullptr);

    // Checks `table`, which the grid has just been filled with for `category`, on a worker
    // thread, so that a large table shows at once; its marks follow when the check is done.
    // A row that keeps its record (`records`, as the grid was filled) goes to the register as
    // that record: it is not checked until one of its cells changes.
    void checkShown(const ItemTable& table, int category, const QList<QByteArray>& records = {});
    // Checks every row of the grid now (otherwise done once the model has settled after a
    // change of rows that checkShown() does not cover).
    void checkAll();
    // True while a check of the whole grid is still to come.
    bool checking() const { return m_checkPending || m_background; }
    int flaggedCells() const { return m_flagged; }

    // The grid rows that the next send takes, in the order sent; empty: all rows in order.
    void setSentRows(const QList<int>& rows) { m_sentRows = rows; }
    // Marks the rows of the last send that `report` found otherwise on the register.
    void markVerified(const VerifyReport& report);
    void clearVerifyMarks();

signals:
    void flaggedChanged(int cells);
    // Marks were set or cleared. The model does not announce them itself: a change of data
    // makes a view reload the editor open on that cell, and typing would be lost.
    void marksChanged();

private:
    // Runs `setMarks` with the model's signals blocked, then says that marks changed.
    void quietly(const std::function<void()>& setMarks);
    void scheduleCheck();
    // Drops the worker's check under way and checks the grid as it is instead.
    void restartCheck();
    void applyFits(const QList<CellFit>& fits);
    void finishShown(int generation, const QList<CellFit>& fits);
    void checkRows(int first, int last);
    void startCheck(class ShownTableCheck* task, int generation);
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);
    ItemRow rowTexts(int row) const;

    GridModel* m_model;
    CodecSource m_codec;
    int m_flagged = 0;
    bool m_checkPending = false;
    bool m_background = false; // a worker checks the table the grid was filled with
    int m_generation = 0; // of the worker's check; a result of an older one is dropped
    QList<int> m_rowsEdited; // rows changed while the worker checked
    QList<int> m_sentRows;
    bool m_verifyMarked = false; // rows are marked after a send
};

namespace CellMarkView {
// Tints `option` when the cell carries a mark.
void tint(QStyleOptionViewItem* option, const QModelIndex& index);
// The texts of the cell's marks, a line each; empty when it has none.
QString markText(const QModelIndex& index);
} // namespace CellMarkView

// The table rows of the selected cells, in the order ItemGrid::collectSelected takes them.
QList<int> selectedGridRows(const QItemSelectionModel* selection);

// "1 cell", "3 cells".
QString cellsText(int count);

// A cell named in a question: its row as the operator counts them, its column, what is said of it.
struct NamedCell {
    int row;
    int column;
    QString text;
};
// "row 3, Name: ..." for the first few of `cells` (columns named by `codec`'s headers in the
// display language), then how many more of the `total` there are (-1: as many as `cells`).
QStringList namedCellLines(const QList<NamedCell>& cells, const RecordCodec* codec, int total = -1);

// Before a send (or a save, with its own `question`; empty asks "Send anyway?"): when cells of `rows` would not reach
// the register as shown, asks whether to send anyway (No is the default). `gridRows` gives each row's place in the grid
// for the question's text (empty: the rows in order); `records` the record each row keeps, which goes as it is and is
// not checked. True when the rows may go; `asked` (if given) tells how many cells the question named.
bool confirmSend(QWidget* parent, const RecordCodec* codec, const ItemTable& rows, const QList<int>& gridRows = {},
    const QList<QByteArray>& records = {}, const QString& question = QString(), int* asked = nullptr);
