#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class CellMarks;
class FieldDelegate;
class GridModel;
class GridSearch;
class GridView;
class QLabel;
class QMenu;
class QModelIndex;
class QStatusBar;
class QTableView;
class QUndoStack;

namespace Ui {
class GridPage;
}

// The item page (page_Form): one category's table in the grid, with the option menus and the
// option bits dialog of its bit columns, the sort of the PLU codes, copy, cut, paste and clear, saving, CSV export and
// file import, the marks of cells the register would not hold as shown and of rows a verified send found otherwise,
// rows added and deleted by hand, undo, find and filter, and the command bar. The page's Add, Update and Delete and its
// Back button are the window's commands: the page only announces them. GUI thread only.
class GridPage : public QWidget {
    Q_OBJECT
public:
    GridPage(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent = nullptr);
    ~GridPage() override;

    GridModel* model() const { return m_model; }
    QTableView* view() const;
    CellMarks* marks() const { return m_marks; }
    int category() const { return m_category; }
    // Export and save write the category's header row before the rows (tests).
    void setIncludeHeader(bool on) { m_includeHeader = on; }
    // The status bar's count of the cells that will not reach the register as shown.
    QLabel* fitLabel() const { return m_fitLabel; }
    // Whether the page is on show: the count is shown only then.
    void setOnShow(bool onShow);

    // Shows `category`'s stored table (the category's starting rows while none are stored);
    // `statusText` names the page in the status bar.
    void open(int category, const QString& statusText);
    // Shows the stored table of the category on show again (another database was opened).
    void refresh();
    // Brings the status bar and the note over an empty grid up to date after a new database.
    void showDatabaseState();
    // Whether the page holds changes that are not stored (see GridModel::isModified()).
    bool isModified() const;
    QUndoStack* undoStack() const;
    // Stores the grid's rows. Cells that would be cut are named first with the question
    // that install asks (No: nothing is stored). The status bar says what was stored, or
    // why nothing was. True when the rows are stored.
    bool save();
    // Adds an empty row after the current one (at the end without one); on an indexed page
    // it takes the next free number.
    void insertRow();
    // Takes the rows of the selected cells (or the current row) out of the page.
    void deleteRows();
    // Ctrl+F: the cursor goes to the find box.
    void find();
    // Asked before an import replaces or joins the rows: whether the page may change (the
    // window asks about unsaved changes).
    void setLeaveCheck(std::function<bool()> check) { m_leaveCheck = std::move(check); }
    void copyCells();
    void pasteCells();
    // Empties the selected cells (Delete), as one step; cut copies them first.
    void clearCells();
    void cutCells();
    // After Edit > Undo (`undone`) or Redo: the status bar names the step taken back or made
    // again, so that the step's own message ("3 PLUs deleted ...") does not stand as if still so.
    void sayStep(bool undone);
    // Applies entry `entry` (from 1) of the option menu to the current cell, ticked or not.
    void chooseOption(int entry, bool flag);
    // Opens the dialog of the option bits of the cell at `index` and stores what it gives;
    // false, with nothing shown, for a cell without an option menu.
    bool editOptions(const QModelIndex& index);
    // Sorts the PLU codes by a click on the header of `column` (the item code column only).
    void sortBy(int column);
    // Rows a download brought, with the records they were decoded from (may be null).
    void showReceived(const QByteArray& datatype, const ItemTable& rows, const QList<QByteArray>* records);

    // The rows an install sends, and the record each of them keeps (a cell still being typed
    // is taken first, as for the two below).
    ItemTable rowsToSend(QList<QByteArray>* records);
    // The rows of the selected cells, the record each keeps, and their places in the grid.
    ItemTable selectedRows(QList<QByteArray>* records, QList<int>* gridRows);
    // Asks before `rows` go when cells of them would not reach the register as shown.
    bool confirmSend(const ItemTable& rows, const QList<int>& gridRows, const QList<QByteArray>& records);

signals:
    // Add (2), update (3) or delete (4) the selected PLUs on the registers.
    void itemCommandRequested(quint8 command);
    void backRequested();
    void modifiedChanged(bool modified);

private slots:
    void on_tableView_customContextMenuRequested(const QPoint& pos);
    void on_btn_openfile_clicked();
    void on_btn_savefile_clicked();
    void on_btn_add_clicked();
    void on_btn_update_clicked();
    void on_btn_delete_clicked();
    void on_btn_return_clicked();

private:
    void fill(const ItemTable& table, const QList<QByteArray>& records = {});
    // Puts imported rows in place of the page's or beside them, as one undo step.
    void takeImport(const ItemTable& rows, bool add);
    // Empties the selected cells as the undo step `step`, and says so.
    void emptySelectedCells(const QString& step);
    void showFlagged();
    void showStatus();
    // The option menu's entries for the cell at `index`; empty for a cell without one.
    QStringList optionEntries(const QModelIndex& index) const;

    Ui::GridPage* ui;
    QStatusBar* m_statusBar;
    int m_category = 0;
    QString m_statusText;
    bool m_includeHeader = false;
    bool m_onShow = false;
    GridModel* m_model = nullptr;
    FieldDelegate* m_fieldDelegate = nullptr; // owned by the grid
    GridView* m_gridView = nullptr;
    GridSearch* m_search = nullptr;
    CellMarks* m_marks = nullptr;
    QLabel* m_fitLabel = nullptr;
    QMenu* m_contextMenu = nullptr;
    std::function<bool()> m_leaveCheck;
};
