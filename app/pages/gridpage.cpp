#include "app/pages/gridpage.h"

#include "app/applog.h"
#include "app/buttonpictures.h"
#include "app/databasestatus.h"
#include "app/dialogs/messagebox.h"
#include "app/dialogs/optionbitsdialog.h"
#include "app/displaylanguage.h"
#include "app/grid/cellmarks.h"
#include "app/grid/fielddelegate.h"
#include "app/grid/filecommands.h"
#include "app/grid/gridclipboard.h"
#include "app/grid/gridsearch.h"
#include "app/grid/gridview.h"
#include "app/grid/itemgrid.h"
#include "base/punctuation.h"
#include "link/protocol.h"
#include "link/transferjournal.h"
#include "records/categories.h"
#include "records/gridcells.h"
#include "records/headerrow.h"
#include "records/recordcodec.h"
#include "records/verify.h"
#include "storage/configdb.h"

#include "ui_gridpage.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

GridPage::GridPage(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::GridPage)
    , m_statusBar(statusBar)
{
    ui->setupUi(this);
    auto codec = [this] { return codecForCategory(m_category); };
    m_model = new GridModel(this);
    ui->tableView->setModel(m_model);
    // A refused cell text says why in the status bar; the page's own text comes back after.
    m_fieldDelegate = new FieldDelegate(codec,
        [this](const QString& reason) { m_statusBar->showMessage(reason.isEmpty() ? m_statusText : reason); },
        ui->tableView);
    ui->tableView->setItemDelegate(m_fieldDelegate);
    m_gridView = new GridView(ui->tableView, m_model, codec, this);
    // Option cells open the dialog of their bits on a double click or Enter.
    m_gridView->setCellOpener([this](const QModelIndex& index) { return editOptions(index); });
    // Cells that the register would not hold as shown are marked and counted.
    m_marks = new CellMarks(m_model, codec, this);
    m_fitLabel = new QLabel(this);
    m_fitLabel->setObjectName(QStringLiteral("label_fit"));
    connect(m_marks, &CellMarks::flaggedChanged, this, &GridPage::showFlagged);
    connect(m_marks, &CellMarks::marksChanged, ui->tableView->viewport(), qOverload<>(&QWidget::update));

    ui->tableView->verticalHeader()->hide();
    QHeaderView* header = ui->tableView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(0, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &GridPage::sortBy);
    // A click on a header sorts the PLU codes or does nothing; it does not select the whole
    // column, which the item commands would then send (or delete) row by row.
    disconnect(header, &QHeaderView::sectionPressed, ui->tableView, nullptr);
    disconnect(header, &QHeaderView::sectionEntered, ui->tableView, nullptr);
    m_contextMenu = new QMenu(ui->tableView);
    m_search = new GridSearch(ui->tableView, m_model, ui->lineEdit_find, ui->btn_find_previous, ui->btn_find_next,
        ui->lineEdit_filter, [this](const QString& text) { m_statusBar->showMessage(text.isEmpty() ? m_statusText : text); },
        this);
    // While a filter narrows the page (GridSearch has applied it by now), the status bar says
    // how many of the page's rows are on show.
    connect(ui->lineEdit_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_statusBar->showMessage(text.isEmpty()
                ? m_statusText
                : tr("%1 of %2 shown")
                      .arg(groupedNumber(m_model->rowCount()), countText(m_category, m_model->tableRowCount())));
    });
    connect(m_model, &GridModel::modifiedChanged, this, &GridPage::modifiedChanged);

    const struct {
        QPushButton* button;
        const char* file;
    } pictures[] = { { ui->btn_openfile, "openfile.png" }, { ui->btn_savefile, "savefile.png" },
        { ui->btn_add, "add.png" }, { ui->btn_update, "update.png" }, { ui->btn_delete, "delete.png" },
        { ui->btn_return, "return.png" } };
    for (const auto& picture : pictures)
        ButtonPictures::setBackground(picture.button, imageFolder, picture.file);
    ButtonPictures::pressOnEnter(this);
}

GridPage::~GridPage()
{
    // The grid outlives this destructor and may still ask its delegate about the page.
    m_fieldDelegate->detach();
    delete ui;
}

QTableView* GridPage::view() const { return ui->tableView; }

void GridPage::setOnShow(bool onShow)
{
    m_onShow = onShow;
    // A page left is saved or as it was loaded: no step of it is taken back from elsewhere.
    if (!onShow)
        m_model->undoStack()->clear();
    showFlagged();
}

void GridPage::open(int category, const QString& statusText)
{
    m_category = category;
    m_statusText = statusText;
    // The item codes are the one column that sorts: no other page shows a sort order.
    ui->tableView->horizontalHeader()->setSortIndicatorShown(category == CategoryPlu);
    refresh();
    // Typing goes to the grid, not to the search bar above it.
    ui->tableView->setFocus(Qt::OtherFocusReason);
}

void GridPage::refresh()
{
    // The stored rows replace the grid's in one go; an empty or unreadable table still
    // brings the category's columns, and an empty one shows the category's starting rows
    // (they are stored only when saved).
    ItemTable table;
    QList<QByteArray> records;
    const RecordCodec* codec = codecForCategory(m_category);
    if (codec && m_category != CategorySysParm && codec->loadShownTable(&table, &records))
        // The page works from what it just read: a save finds out whether someone else
        // saved the table since.
        adoptLoadedVersion(QLatin1String(codec->category().table));
    fill(table, records);
    showStatus();
}

void GridPage::showDatabaseState()
{
    m_gridView->updateNote();
    showStatus();
}

void GridPage::showStatus()
{
    // Without a database the status bar says how to get one; with one, it names the page.
    if (currentDatabasePath.isEmpty())
        m_statusBar->showMessage(GridView::noDatabaseText());
    else if (!m_statusText.isEmpty() && m_statusBar->currentMessage() == GridView::noDatabaseText())
        m_statusBar->showMessage(m_statusText);
}

void GridPage::fill(const ItemTable& table, const QList<QByteArray>& records)
{
    // A page filled again shows every row: the filter of the page before does not apply.
    m_search->clearFilter();
    m_gridView->show(table, currentColumns(), m_category, records);
    m_marks->checkShown(table, m_category, records);
}

bool GridPage::isModified() const { return m_model->isModified(); }

QUndoStack* GridPage::undoStack() const { return m_model->undoStack(); }

bool GridPage::save()
{
    const RecordCodec* codec = codecForCategory(m_category);
    if (!codec || m_category == CategorySysParm || m_category == CategoryGraphic)
        return true;
    GridView::finishEditing(ui->tableView);
    // Rows the operator did not change go back as the records they came from.
    QList<QByteArray> records;
    const ItemTable rows = ItemGrid::collect(m_model, m_category, false, &records);
    // Storing encodes the rows as install does: a cell cut on the way is asked about first.
    int cut = 0;
    if (!::confirmSend(window(), codec, rows, {}, records, tr("Save anyway?"), &cut)) {
        m_statusBar->showMessage(tr("Not saved: the page keeps its rows as they are"));
        return false;
    }
    const ItemTable table = m_includeHeader ? ItemGrid::collect(m_model, m_category, true, &records) : rows;
    if (!saveTableJournaled(m_category, table, records)) {
        DatabaseStatus::refuseSave(m_statusBar);
        return false;
    }
    m_model->markSaved();
    // Cells cut on the way are shown as they were stored, not as they were typed.
    if (cut > 0)
        refresh();
    QString saved
        = tr("Saved %1 to %2").arg(countText(m_category, m_model->tableRowCount()), shownSet(currentDatabasePath));
    if (cut > 0)
        saved += QLatin1Char(' ')
            + (cut == 1 ? tr("(1 cell shown as stored)") : tr("(%1 cells shown as stored)").arg(cut));
    m_statusBar->showMessage(saved);
    return true;
}

void GridPage::insertRow()
{
    if (m_model->columnCount() == 0)
        return;
    const int most = codecForCategory(m_category) ? codecForCategory(m_category)->mostRows() : 0;
    if (most > 0 && m_model->tableRowCount() >= most) {
        m_statusBar->showMessage(tr("The register holds %1: the page has every one").arg(countText(m_category, most)));
        return;
    }
    const QModelIndex current = ui->tableView->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : m_model->rowCount();
    m_model->insertRows(row, 1);
    // The cursor goes to the new row's first cell that typing can change.
    int column = 0;
    while (column + 1 < m_model->columnCount() && !(m_model->flags(m_model->index(row, column)) & Qt::ItemIsEditable))
        ++column;
    // The new row alone is selected, whatever keys are still held (Ctrl of Ctrl++ would add it
    // to the selection, and the next Delete would take the row before as well).
    ui->tableView->selectionModel()->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::ClearAndSelect);
    ui->tableView->scrollTo(m_model->index(row, column));
    ui->tableView->setFocus(Qt::OtherFocusReason);
}

void GridPage::deleteRows()
{
    QList<int> rows = selectedGridRows(ui->tableView->selectionModel());
    if (rows.isEmpty() && ui->tableView->currentIndex().isValid())
        rows << m_model->toTableRow(ui->tableView->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;
    m_model->removeTableRows(rows);
    m_statusBar->showMessage(
        tr("%1 deleted from the page (not from the register)").arg(countText(m_category, int(rows.size()))));
}

void GridPage::find() { m_search->focusFind(); }

void GridPage::sayStep(bool undone)
{
    const QUndoStack* steps = m_model->undoStack();
    //: %1 is an undo step as the Edit menu names it ("paste", "import")
    m_statusBar->showMessage(
        undone ? tr("Undone: %1").arg(steps->redoText()) : tr("Redone: %1").arg(steps->undoText()));
}

void GridPage::copyCells()
{
    const QString text = GridClipboard::copyText(ui->tableView);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void GridPage::pasteCells()
{
    const QString text = QGuiApplication::clipboard()->text();
    //: An undo step, shown after "Undo" and "Redo" in the Edit menu
    m_model->beginChange(tr("paste"));
    const GridClipboard::PasteResult result = GridClipboard::paste(ui->tableView, m_fieldDelegate, text);
    m_model->endChange();
    m_statusBar->showMessage(GridClipboard::pasteMessage(result));
}

void GridPage::clearCells()
{
    //: An undo step, shown after "Undo" and "Redo" in the Edit menu
    emptySelectedCells(tr("clear"));
}

void GridPage::cutCells()
{
    copyCells();
    //: An undo step, shown after "Undo" and "Redo" in the Edit menu
    emptySelectedCells(tr("cut"));
}

void GridPage::emptySelectedCells(const QString& step)
{
    m_model->beginChange(step);
    const GridClipboard::PasteResult result = GridClipboard::clear(ui->tableView, m_fieldDelegate);
    m_model->endChange();
    m_statusBar->showMessage(GridClipboard::clearMessage(result));
}

void GridPage::on_btn_savefile_clicked()
{
    GridView::finishEditing(ui->tableView);
    FileCommands::exportGrid(this, m_statusBar, m_model, m_category);
}

void GridPage::on_btn_openfile_clicked()
{
    // The file is chosen and read first: a cancelled choice leaves unsaved edits as they are.
    FileCommands::ImportedFile file;
    if (!FileCommands::importFile(this, m_statusBar, m_model, m_category, &file) || (m_leaveCheck && !m_leaveCheck()))
        return;
    bool add = false;
    const int shown = m_model->tableRowCount();
    if (shown > 0) {
        //: %1 and %2 the rows by name and number ("3 departments", "1 PLU"), %3 the file
        QString text = tr("Replace the %1 on this page with the %2 from %3, or add them?")
                           .arg(countText(m_category, shown), countText(m_category, int(file.rows.size())),
                               leftToRightRun(file.name));
        // PLUs are added by item code, numbered rows by number: say so, since "add" reads as
        // rows appended.
        if (m_category == CategoryPlu)
            text += QStringLiteral("\n\n") + tr("An added PLU replaces the one with the same item code on the page.");
        else if (isNumberedCategory(m_category))
            text += QStringLiteral("\n\n") + tr("An added row replaces the one with the same number on the page.");
        //: Title of the question before rows read from a file go onto the page
        const QMessageBox::StandardButton answer = MessageBox::question(window(), tr("import"), text,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
            //: Buttons: replace the page's rows by the file's, or add the file's rows to them
            { { QMessageBox::Yes, tr("Replace") }, { QMessageBox::No, tr("Add") } });
        if (answer != QMessageBox::Yes && answer != QMessageBox::No) {
            m_statusBar->showMessage(tr("Nothing imported: the page is unchanged"));
            return;
        }
        add = answer == QMessageBox::No;
    }
    takeImport(file.rows, add);
    m_statusBar->showMessage(file.message);
    FileCommands::journalImport(m_category, file, add, shown);
}

void GridPage::takeImport(const ItemTable& rows, bool add)
{
    GridModel::Rows imported
        = ItemGrid::gridRows(rows, m_model->kinds(), m_category, {}, m_model->columnCount());
    if (!add) {
        m_search->clearFilter();
        //: An undo step (rows read from a file), shown after "Undo" and "Redo" in the Edit menu
        m_model->replaceRows(std::move(imported), tr("import"));
        return;
    }
    // Added rows take the places the import rule gives them; the rows they do not touch
    // keep their records.
    GridModel::Rows merged;
    merged.reserve(size_t(m_model->tableRowCount()) + imported.size());
    for (int r = 0; r < m_model->tableRowCount(); ++r)
        merged.push_back(m_model->tableRow(r));
    const QList<int> places = importPlaces(ItemGrid::collect(m_model, m_category, false), rows, m_category);
    for (int i = 0; i < places.size(); ++i) {
        if (size_t(places.at(i)) < merged.size())
            merged[size_t(places.at(i))] = std::move(imported[size_t(i)]);
        else
            merged.push_back(std::move(imported[size_t(i)]));
    }
    m_search->clearFilter();
    //: An undo step (rows read from a file), shown after "Undo" and "Redo" in the Edit menu
    m_model->replaceRows(std::move(merged), tr("import"));
}

void GridPage::on_btn_add_clicked() { emit itemCommandRequested(CommandAdd); }
void GridPage::on_btn_update_clicked() { emit itemCommandRequested(CommandUpdate); }
void GridPage::on_btn_delete_clicked() { emit itemCommandRequested(CommandDelete); }
void GridPage::on_btn_return_clicked() { emit backRequested(); }

void GridPage::showReceived(const QByteArray& datatype, const ItemTable& rows, const QList<QByteArray>* records)
{
    static const char* const withColumns[] = { "DEPTDATA", "PLUDATA", "TAXDATA", "DISCDATA", "GROUPDATA",
        "CLERKDATA", "HEADERDATA", "TRAILERDATA", "NETPARMDATA" };
    for (const char* name : withColumns) {
        if (datatype == name) {
            if (const RecordCodec* codec = codecForType(datatype))
                codec->initColumns();
            break;
        }
    }
    // Records are kept only for rows of the page's own category, which its save stores.
    const Category* category = categoryByType(datatype);
    const bool own = records && category && category->number == m_category;
    fill(rows, own ? *records : QList<QByteArray>());
    // The page now shows what the register holds, which the set does not store yet; unless the
    // set holds just those records (nothing changed on the register: nothing to save).
    const RecordCodec* codec = own ? codecForCategory(m_category) : nullptr;
    QList<QByteArray> stored;
    bool same = codec && loadRecords(QLatin1String(category->table), &stored) && stored.size() == records->size();
    for (int i = 0; same && i < stored.size(); ++i)
        same = keptBytes(*codec, stored.at(i)) == keptBytes(*codec, records->at(i));
    if (!same)
        m_model->markUnstored();
}

ItemTable GridPage::rowsToSend(QList<QByteArray>* records)
{
    GridView::finishEditing(ui->tableView);
    return ItemGrid::collect(m_model, m_category, m_includeHeader, records);
}

ItemTable GridPage::selectedRows(QList<QByteArray>* records, QList<int>* gridRows)
{
    GridView::finishEditing(ui->tableView);
    *gridRows = selectedGridRows(ui->tableView->selectionModel());
    return ItemGrid::collectSelected(m_model, ui->tableView->selectionModel(), records);
}

bool GridPage::confirmSend(const ItemTable& rows, const QList<int>& gridRows, const QList<QByteArray>& records)
{
    return ::confirmSend(window(), codecForCategory(m_category), rows, gridRows, records);
}

void GridPage::showFlagged()
{
    const int cells = m_onShow ? m_marks->flaggedCells() : 0;
    m_fitLabel->setText(cells == 0 ? QString()
            : cells == 1           ? tr("1 cell will not reach the register as shown")
                                   : tr("%1 cells will not reach the register as shown").arg(cells));
}

void GridPage::on_tableView_customContextMenuRequested(const QPoint& pos)
{
    const QModelIndex current = ui->tableView->currentIndex();
    const int row = current.row();
    const int column = current.column();
    const QString cell = current.data(Qt::EditRole).toString();
    m_contextMenu->clear();
    qCDebug(lcApp).nospace() << pos << " row = " << row << ", column = " << column << ", itemdata = " << cell;
    const QStringList entries = current.isValid() ? optionEntries(current) : QStringList();
    const QByteArray states = entries.isEmpty() ? QByteArray() : codecForCategory(m_category)->optionStates(cell, column);
    if (entries.isEmpty()) {
        // A cell without options offers the page's row commands; an empty page a first row.
        //: Insert an empty row in the grid
        connect(m_contextMenu->addAction(tr("Insert row")), &QAction::triggered, this, &GridPage::insertRow);
        if (current.isValid())
            connect(m_contextMenu->addAction(tr("Delete row(s)")), &QAction::triggered, this, &GridPage::deleteRows);
        m_contextMenu->exec(QCursor::pos());
        return;
    }

    // Entries beyond the tenth are shown but do nothing. They are named as the dialog of the
    // cell's bits names them.
    const RecordCodec* codec = codecForCategory(m_category);
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action = m_contextMenu->addAction(OptionBitsDialog::entryLabel(codec, current.column(), i));
        action->setCheckable(true);
        action->setChecked(i < states.size() && states.at(i) != 0);
        if (i < 10)
            connect(action, &QAction::triggered, this, [this, entry = i + 1](bool flag) { chooseOption(entry, flag); });
    }
    m_contextMenu->exec(QCursor::pos());
}

QStringList GridPage::optionEntries(const QModelIndex& index) const
{
    const RecordCodec* codec = codecForCategory(m_category);
    const bool offersMenu = m_category == CategoryDept || m_category == CategoryTax
        || (m_category == CategoryDisc && index.row() <= 3) || m_category == CategoryClerk
        || m_category == CategoryNetParm;
    return codec && offersMenu && index.isValid() ? codec->optionMenuEntries(index.column()) : QStringList();
}

bool GridPage::editOptions(const QModelIndex& index)
{
    if (optionEntries(index).isEmpty())
        return false;
    const QPersistentModelIndex cell(index);
    OptionBitsDialog dialog(codecForCategory(m_category), index.column(), index.data(Qt::EditRole).toString(), this);
    dialog.setWindowTitle(m_model->headerData(index.column(), Qt::Horizontal).toString());
    // One undo step, and none when nothing changed.
    if (dialog.exec() == QDialog::Accepted && cell.isValid())
        m_model->setData(cell, dialog.cell(), Qt::EditRole);
    return true;
}

void GridPage::chooseOption(int entry, bool flag)
{
    const QModelIndex current = ui->tableView->currentIndex();
    if (current.isValid()) {
        const int column = current.column();
        QString value = current.data(Qt::EditRole).toString();
        if (const RecordCodec* codec = codecForCategory(m_category)) {
            value = codec->applyOption(value, column, entry, flag);
            qCDebug(lcApp) << "item data = " << value;
        }
        m_model->setData(m_model->index(current.row(), column), value, Qt::EditRole);
    }
    qCDebug(lcApp).noquote() << QStringLiteral("click %1 %2").arg(entry).arg(flag ? "true" : "false");
}

void GridPage::sortBy(int column)
{
    if (m_category != CategoryPlu)
        return;
    QHeaderView* header = ui->tableView->horizontalHeader();
    if (column != 0) {
        // Only the item code sorts; its indicator stays where it was.
        header->setSortIndicator(0, header->sortIndicatorOrder());
        return;
    }
    m_model->sort(0, header->sortIndicatorOrder());
}
