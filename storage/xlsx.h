#pragma once

#include "storage/importlimits.h"

#include <QString>

class QIODevice;

// Spreadsheet files without a spreadsheet application: the first worksheet of an .xlsx
// workbook (first in the workbook's sheet order) written as CSV text to `out`. Shared and
// inline strings give their text, formulas their last result, numbers their full digits
// without exponent; a skipped cell gives an empty field and a skipped row an empty line.
// False, with the reason in `error`, when the file is not a readable workbook, when a part
// of it would unpack to more than kMaxWorkbookPartBytes (found in the archive's directory,
// before it is unpacked), or when the sheet has text below row `maxRows`; `out` may then
// hold part of the text.
// `errors`, when given, receives the cells that hold the error of a formula ("#N/A"), which
// are written as that text.
struct WorkbookErrors {
    int cells = 0;
    QString first; // "D7"
};
bool convertWorkbook(const QString& path, QIODevice* out, QString* error, int maxRows = kMaxImportRows,
    WorkbookErrors* errors = nullptr);

// A stored number cell ("1.23456789012E+11", "2.4500000000000002") as the plain decimal
// a spreadsheet shows ("123456789012", "2.45"): no exponent, integer digits kept whole,
// fractions rounded to the 15 significant digits that spreadsheets keep.
QString workbookNumberText(const QString& stored);
