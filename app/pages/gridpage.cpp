#include "app/pages/gridpage.h"

#include "app/applog.h"
#include "app/buttonpictures.h"
#include "app/databasestatus.h"
#include "app/grid/cellmarks.h"
#include "app/grid/fielddelegate.h"
#include "app/grid/filecommands.h"
#include "app/grid/gridclipboard.h"
#include "app/grid/gridview.h"
#include "app/grid/itemgrid.h"
#include "link/protocol.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "storage/configdb.h"

#include "ui_gridpage.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

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

    const struct {
        QPushButton* button;
        const char* file;
    } pictures[] = { { ui->btn_openfile, "openfile.png" }, { ui->btn_savefile, "savefile.png" },
        { ui->btn_add, "add.png" }, { ui->btn_update, "update.png" }, { ui->btn_delete, "delete.png" },
        { ui->btn_return, "return.png" } };
    for (const auto& picture : pictures)
        ButtonPictures::setBackground(picture.button, imageFolder, picture.file);
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
    showFlagged();
}

void GridPage::open(int category, const QString& statusText)
{
    m_category = category;
    m_statusText = statusText;
    // The item codes are the one column that sorts: no other page shows a sort order.
    ui->tableView->horizontalHeader()->setSortIndicatorShown(category == CategoryPlu);
    refresh();
}

void GridPage::refresh()
{
    // The stored rows replace the grid's in one go; an empty or unreadable table still
    // brings the category's columns, and an empty one shows the category's starting rows
    // (they are stored only when saved).
    ItemTable table;
    QList<QByteArray> records;
    const RecordCodec* codec = codecForCategory(m_category);
    if (codec && m_category != CategorySysParm)
        codec->loadShownTable(&table, &records);
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
    m_gridView->show(table, currentColumns(), m_category, records);
    m_marks->checkShown(table, m_category, records);
}

void GridPage::save()
{
    const RecordCodec* codec = codecForCategory(m_category);
    if (!codec || m_category == CategorySysParm || m_category == CategoryGraphic)
        return;
    // Rows the operator did not change go back as the records they came from.
    QList<QByteArray> records;
    const ItemTable rows = ItemGrid::collect(m_model, m_category, m_includeHeader, &records);
    if (!codec->saveTable(rows, records))
        DatabaseStatus::refuseSave(m_statusBar);
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
    m_statusBar->showMessage(
        GridClipboard::pasteMessage(GridClipboard::paste(ui->tableView, m_fieldDelegate, text)));
}

void GridPage::on_btn_savefile_clicked() { FileCommands::exportGrid(this, m_statusBar, m_model, m_category); }

void GridPage::on_btn_openfile_clicked()
{
    ItemTable rows;
    if (FileCommands::importFile(this, m_statusBar, m_model, m_category, &rows))
        fill(rows);
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
}

ItemTable GridPage::rowsToSend(QList<QByteArray>* records) const
{
    return ItemGrid::collect(m_model, m_category, m_includeHeader, records);
}

ItemTable GridPage::selectedRows(QList<QByteArray>* records, QList<int>* gridRows) const
{
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
            : cells == 1           ? QStringLiteral("1 cell will not reach the register as shown")
                                   : QStringLiteral("%1 cells will not reach the register as shown").arg(cells));
}

void GridPage::on_tableView_customContextMenuRequested(const QPoint& pos)
{
    const QModelIndex current = ui->tableView->currentIndex();
    const int row = current.row();
    const int column = current.column();
    const QString cell = current.data(Qt::EditRole).toString();
    m_contextMenu->clear();
    qCDebug(lcApp) << pos;
    qCDebug(lcApp).nospace() << "row = " << row << ", column = " << column;
    qCDebug(lcApp) << "itemdata = " << cell;
    if (!current.isValid())
        return;

    QStringList entries;
    QByteArray states;
    const RecordCodec* codec = codecForCategory(m_category);
    const bool offersMenu = m_category == CategoryDept || m_category == CategoryTax
        || (m_category == CategoryDisc && row <= 3) || m_category == CategoryClerk || m_category == CategoryNetParm;
    if (codec && offersMenu) {
        entries = codec->optionMenuEntries(column);
        states = codec->optionStates(cell, column);
    }
    if (entries.isEmpty())
        return;

    // Entries beyond the tenth are shown but do nothing.
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action = m_contextMenu->addAction(entries.at(i));
        action->setCheckable(true);
        action->setChecked(i < states.size() && states.at(i) != 0);
        if (i < 10)
            connect(action, &QAction::triggered, this, [this, entry = i + 1](bool flag) { chooseOption(entry, flag); });
    }
    m_contextMenu->exec(QCursor::pos());
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
