#pragma once

#include "base/itemtable.h"

class QStatusBar;
class QWidget;
class GridModel;

// The grid's two file commands: export to CSV and import from CSV or .xlsx. The files
// themselves are read and written by the storage library; this adds the file dialogs and
// the status-bar messages. GUI thread only.
namespace FileCommands {

// Asks for a file name and writes the grid to it as CSV, the category's header row first.
void exportGrid(QWidget* parent, QStatusBar* status, const GridModel* model, int category);

struct ImportedFile {
    ItemTable rows; // below the file's header line
    QString path; // the file as chosen
    QString name; // the file's name, for the operator
    QString message; // what the status bar says once the rows are on the page
};

// Asks for a CSV or .xlsx file and reads it. True when there are rows for the grid;
// otherwise the status bar has said why and the grid is to stay as it is.
bool importFile(QWidget* parent, QStatusBar* status, const GridModel* model, int category, ImportedFile* file);

// Writes the import of `file` to the journal once its rows are on the page (`add`: added to
// the `shown` rows, else in their place).
void journalImport(int category, const ImportedFile& file, bool add, int shown);

} // namespace FileCommands
