#include "app/grid/filecommands.h"

#include "app/applog.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/displaylanguage.h"
#include "app/grid/cellmarks.h"
#include "app/grid/itemgrid.h"
#include "base/punctuation.h"
#include "journal/journal.h"
#include "records/categories.h"
#include "records/gridcells.h"
#include "records/headerrow.h"
#include "storage/configdb.h"
#include "storage/csvfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <QStatusBar>
#include <QStringList>

namespace {

// Cells of columns of numbers that the file fills with something else ("3,50", "2.50 EUR")
// would show as 0 on the page, and be saved so: asks first, No being the default. True when
// the rows may go onto the page.
bool acceptUnreadable(
    QWidget* parent, const ItemTable& rows, const QList<int>& fileRows, int category, const QString& name)
{
    const RecordCodec* codec = codecForCategory(category);
    const QList<UnreadCell> cells = unreadableCells(rows, codec, category);
    if (cells.isEmpty())
        return true;
    QList<NamedCell> named;
    for (const UnreadCell& cell : cells.mid(0, 10))
        named.append({ fileRows.value(cell.row, cell.row + 2), cell.column,
            QLatin1Char('"') + leftToRightRun(cell.text) + QLatin1Char('"') });
    //: %1 how many cells ("3 cells"), %2 the file
    QStringList lines { QCoreApplication::translate(
        "FileCommands", "%1 of %2 are not numbers: the page would show them as 0.")
                            .arg(cellsText(int(cells.size())), name) };
    lines << namedCellLines(named, codec, int(cells.size())) << QString()
          << QCoreApplication::translate("FileCommands", "Import anyway?");
    const QMessageBox::StandardButton answer
        = MessageBox::warning(parent, QCoreApplication::translate("FileCommands", "import"),
            lines.join(QLatin1Char('\n')), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    qCDebug(lcApp) << "import with cells that are not numbers:" << (answer == QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

} // namespace

namespace FileCommands {

void exportGrid(QWidget* parent, QStatusBar* status, const GridModel* model, int category)
{
    const QString path = FileDialog::getSaveFileName(parent, QCoreApplication::translate("FileCommands", "save file"),
        QStringLiteral("001"), QCoreApplication::translate("FileCommands", "csv file(*.csv)"));
    if (path.isEmpty())
        return;
    const ItemTable table = ItemGrid::collect(model, category, true);
    QString error;
    if (!writeCsvFile(path, table, &error)) {
        status->showMessage(
            QCoreApplication::translate("FileCommands", "Cannot write %1: %2").arg(shownPath(path), error));
        return;
    }
    //: %1 the rows by name and number ("3 departments", "1 PLU"), %2 the file
    status->showMessage(
        QCoreApplication::translate("FileCommands", "%1 written to %2")
            .arg(countText(category, model->tableRowCount()), leftToRightRun(QFileInfo(path).fileName())));
}

bool importFile(QWidget* parent, QStatusBar* status, const GridModel* model, int category, ImportedFile* imported)
{
    const QString path = FileDialog::getOpenFileName(parent, QString(), QString(),
        QCoreApplication::translate(
            "FileCommands", "all supported files (*.xlsx *.csv);;xlsx file(*.xlsx);;csv file(*.csv)"));
    if (path.isEmpty()) {
        qCDebug(lcApp).noquote() << QStringLiteral("\"%1\" is empty").arg(path);
        return false;
    }
    qCDebug(lcApp).noquote() << QStringLiteral("open file \"%1\"").arg(path);
    imported->path = path;
    imported->name = QFileInfo(path).fileName();
    // The file's name for the sentences below, in one piece in a right-to-left window.
    const QString name = leftToRightRun(imported->name);
    ItemTable* rows = &imported->rows;

    TableFile file;
    if (!readTableFile(path, &file)) {
        status->showMessage(QCoreApplication::translate("FileCommands", "Cannot import %1: %2. The grid is unchanged.")
                                .arg(name, file.error));
        return false;
    }
    QList<int> fileRows;
    if (!importRows(file, rows, &fileRows)) {
        status->showMessage(QCoreApplication::translate(
            "FileCommands", "%1 holds no rows below its header line. The grid is unchanged.")
                                .arg(name));
        return false;
    }

    if (!acceptUnreadable(parent->window(), *rows, fileRows, category, name)) {
        status->showMessage(QCoreApplication::translate("FileCommands", "Nothing imported: the page is unchanged"));
        return false;
    }

    const int headerColumns = int(categoryHeaderRow(category).size());
    QStringList message(
        //: %1 the rows by name and number ("3 departments", "1 PLU"), %2 the file
        QCoreApplication::translate("FileCommands", "%1 imported from %2")
            .arg(countText(category, int(rows->size())), name));
    message << importNotes(
        file, headerColumns > 0 ? headerColumns : model->columnCount(), categoryHeaderNames(category));
    imported->message = message.join(clauseSeparator());
    return true;
}

void journalImport(int category, const ImportedFile& file, bool add, int shown)
{
    const Category* entry = categoryByNumber(category);
    const int rows = int(file.rows.size());
    QString summary = QStringLiteral("%1 rows imported from %2 onto the ").arg(rows).arg(file.name);
    if (shown == 0)
        summary += QStringLiteral("empty page");
    else
        summary += QStringLiteral("page, %1 its %2 rows")
                       .arg(add ? QStringLiteral("added to") : QStringLiteral("in place of"))
                       .arg(shown);
    Journal::append(Journal::Import, entry ? QLatin1String(entry->typeName) : QString(), QString(), summary,
        QStringLiteral("file: %1\nrows: %2\nmode: %3\nset: %4")
            .arg(QDir::toNativeSeparators(file.path))
            .arg(rows)
            .arg(add ? QStringLiteral("add") : QStringLiteral("replace"),
                QDir::toNativeSeparators(currentDatabasePath)));
}

} // namespace FileCommands
