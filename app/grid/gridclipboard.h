#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class FieldDelegate;
class QTableView;

// Copying blocks of grid cells as tab-separated text, the form spreadsheets copy and paste,
// and pasting such text back into the grid. GUI thread only.
namespace GridClipboard {

// Cells as tab-separated lines. A cell holding a tab, a line break or a leading quote is
// quoted the spreadsheet way ("a""b").
QString toTabText(const QList<QStringList>& rows);
// The rows of tab-separated text, reading quoted cells as spreadsheets write them; the
// line break after the last row ends it rather than starting an empty one.
QList<QStringList> fromTabText(const QString& text);

// The selected cells of `view` as tab-separated text: the rectangle from the first selected
// row and column to the last, with cells outside the selection left empty and every cell as
// the grid shows it. Empty when nothing is selected.
QString copyText(const QTableView* view);

// What a paste or a clear did; for a clear, `pasted` counts the cells emptied.
struct PasteResult {
    int pasted = 0;
    int added = 0; // rows added below the last one
    int cut = 0; // texts pasted as far as their fields take them
    int locked = 0; // cells that typing cannot change either
    int outside = 0; // rows or columns beyond the grid's
    int filtered = 0; // rows below the last one a filter shows (no row is added under a filter)
    int refused = 0; // texts that the cell's editor would not take
    QString firstRefusal; // why the first of them was refused
    int skipped() const { return locked + outside + filtered + refused; }
};

// Pastes `text` into the grid from its current cell to the right and down. Each text is
// stored as typing it would store it (`delegate` decides), and only into editable cells;
// rows the text reaches below the last one are added first (numbered on indexed pages), unless
// a filter narrows the grid: its last row is not the table's, and the rest is left out.
// The pasted cells become the selection.
PasteResult paste(QTableView* view, const FieldDelegate* delegate, const QString& text);
// What the status bar says about a paste.
QString pasteMessage(const PasteResult& result);

// Empties the selected cells (the current one when none is selected) as typing an empty cell
// would: a text becomes empty, a number 0; locked cells are left alone.
PasteResult clear(QTableView* view, const FieldDelegate* delegate);
// What the status bar says about a clear.
QString clearMessage(const PasteResult& result);

} // namespace GridClipboard
