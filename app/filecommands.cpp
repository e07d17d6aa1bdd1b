#include "app/filecommands.h"

#include "app/applog.h"
#include "app/filedialog.h"
#include "app/itemgrid.h"
#include "records/headerrow.h"
#include "storage/csvfile.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStringList>

namespace FileCommands {

namespace {

// What the operator should check after an import, beyond the row count.
QStringList importNotes(const TableFile& file, int pageColumns)
{
    QStringList notes;
    const int fileColumns = int(file.rows.first().size());
    if (pageColumns > 0 && fileColumns != pageColumns)
        notes << QStringLiteral("the file has %1 columns, the page %2").arg(fileColumns).arg(pageColumns);
    if (file.scientificCount > 0)
        notes << QStringLiteral("%1 in scientific notation %2 converted, first: row %3, column %4: check the codes")
                     .arg(file.scientificCount == 1 ? QStringLiteral("1 cell")
                                                    : QStringLiteral("%1 cells").arg(file.scientificCount),
                         file.scientificCount == 1 ? QStringLiteral("was") : QStringLiteral("were"))
                     .arg(file.firstScientificLine)
                     .arg(file.firstScientificColumn);
    return notes;
}

} // namespace

void exportGrid(QMainWindow* window, const QStandardItemModel* model, int category)
{
    const QString path = FileDialog::getSaveFileName(
        window, QStringLiteral("save file"), QStringLiteral("001"), QStringLiteral("csv file(*.csv)"));
    if (path.isEmpty())
        return;
    const ItemTable table = ItemGrid::collect(model, category, true);
    QString error;
    if (!writeCsvFile(path, table, &error)) {
        window->statusBar()->showMessage(QStringLiteral("Cannot write %1: %2").arg(path, error));
        return;
    }
    window->statusBar()->showMessage(
        QStringLiteral("%1 rows written to %2").arg(model->rowCount()).arg(QFileInfo(path).fileName()));
}

bool importFile(QMainWindow* window, const QStandardItemModel* model, int category, ItemTable* rows)
{
    const QString path = FileDialog::getOpenFileName(
        window, QString(), QString(), QStringLiteral("xlsx file(*.xlsx);;csv file(*.csv)"));
    if (path.isEmpty()) {
        qCDebug(lcApp).noquote() << QStringLiteral("\"%1\" is empty").arg(path);
        return false;
    }
    qCDebug(lcApp).noquote() << QStringLiteral("open file \"%1\"").arg(path);
    const QString name = QFileInfo(path).fileName();
    QStatusBar* status = window->statusBar();

    TableFile file;
    if (!readTableFile(path, &file)) {
        status->showMessage(QStringLiteral("Cannot import %1: %2. The grid is unchanged.").arg(name, file.error));
        return false;
    }
    // The first line is the header; a file without lines below it changes nothing.
    if (file.rows.size() < 2 || file.rows.first().isEmpty()) {
        status->showMessage(QStringLiteral("%1 holds no rows below its header line. The grid is unchanged.").arg(name));
        return false;
    }
    *rows = file.rows.mid(1);

    const int headerColumns = int(categoryHeaderRow(category).size());
    QStringList message(QStringLiteral("%1 rows imported from %2").arg(rows->size()).arg(name));
    message << importNotes(file, headerColumns > 0 ? headerColumns : model->columnCount());
    status->showMessage(message.join(QStringLiteral("; ")));
    return true;
}

} // namespace FileCommands
