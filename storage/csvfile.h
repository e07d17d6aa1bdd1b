#pragma once

#include "base/itemtable.h"
#include "storage/importlimits.h"

#include <QString>
#include <QStringList>

class QIODevice;

// Item tables in files as operators make them with spreadsheet programs: CSV in UTF-8
// (with or without a byte-order mark) or in the register language's code page, with "," or
// ";" between fields, and .xlsx workbooks, whose first worksheet is read through a
// temporary CSV file. Used by the main window and by command-line tools alike.

struct TableFile {
    enum class Encoding { Utf8WithMark, Utf8, CodePage };

    ItemTable rows; // every line of the file, its header line first
    Encoding encoding = Encoding::Utf8;
    QString codePage; // the code page a file that is not UTF-8 was read in
    // Bytes that belong to no UTF-8 letter in a file that otherwise is UTF-8 (each read as
    // U+FFFD), and the line (from 1) of the first.
    int strayBytes = 0;
    int firstStrayLine = 0;
    // Cells of a workbook that hold the error of a formula ("#N/A"), and the first ("D7").
    int errorCells = 0;
    QString firstErrorCell;
    QChar separator = QLatin1Char(',');
    bool fromWorkbook = false;
    // Fields turned into integers from scientific notation (digits may have been lost),
    // with the line and field (from 1) of the first.
    int scientificCount = 0;
    int firstScientificLine = 0;
    int firstScientificColumn = 0;
    QString error; // why the file could not be read; empty when it was
};

// True for a file name that is read as a workbook (".xlsx" in any case).
bool isWorkbookName(const QString& path);

// Reads the CSV file or the workbook at `path` (opened read-only). False, with the reason
// in out->error and no rows, when it cannot be read or holds more than `maxRows` rows (its
// header line counted); a workbook part that would unpack to more than
// kMaxWorkbookPartBytes is refused before it is unpacked.
bool readTableFile(const QString& path, TableFile* out, int maxRows = kMaxImportRows);

// Reads CSV text. A text that is not valid UTF-8 is read through the code page of the
// register language (windows-1252 for English, whose own code page is UTF-8), unless it
// holds more UTF-8 letters than stray bytes: then it is UTF-8 with a few bytes damaged. The
// separator is ";" when the first line holds no "," but a ";", unless `detectSeparator`
// is false; numbers in such a file may have a decimal comma ("2,50"), which becomes a
// point. False, with the reason in out->error and no rows, when the text holds more than
// `maxRows` rows; no row beyond them is held on the way.
bool readCsvText(const QByteArray& bytes, TableFile* out, bool detectSeparator = true, int maxRows = kMaxImportRows);

// The rows that an import takes from `file`: every line below its header line (its first line
// that is not blank) that is not blank. A first line that opens with a whole number is no
// header line but the first row. False, with `rows` untouched, when there are none: the
// table is then to stay as it is. `fileRows`, when given, receives each row's line in the file
// (from 1; a spreadsheet's row number).
bool importRows(const TableFile& file, ItemTable* rows, QList<int>* fileRows = nullptr);
// What the operator should check after importing `file` into a table of `pageColumns`
// columns (0: any number) headed `pageHeaders` (none: not compared): columns that differ in
// number or name, rows longer than the header line, codes read from scientific notation.
QStringList importNotes(const TableFile& file, int pageColumns, const QStringList& pageHeaders = {});

// Writes `table` to `device` as UTF-8 CSV with a byte-order mark; false when the device
// failed.
bool writeCsv(QIODevice* device, const ItemTable& table);

// Writes `table` to `path` as UTF-8 CSV with a byte-order mark, replacing what the file
// held; on failure the file keeps its old contents and `error` says why.
bool writeCsvFile(const QString& path, const ItemTable& table, QString* error);
