#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Hand-made .xlsx files for tests and benchmarks: zip archives of the XML parts that
// spreadsheet programs write, built piece by piece so that each case shows one feature.
namespace WorkbookBuilder {

using Parts = QList<QPair<QString, QByteArray>>; // part name, contents; written in this order

// One worksheet: the file name under xl/worksheets/ and the XML inside <sheetData>.
struct Sheet {
    QString file;
    QByteArray rows;
    QByteArray state = QByteArray(); // "hidden", "veryHidden"; empty: shown
};

// The parts of a workbook whose sheets come in the given order (the workbook's sheet list
// names them in that order). The sheet parts are written sorted by file name, so their
// order in the archive says nothing. `sharedStrings` is the XML inside <sst>, or empty for
// a workbook without a shared strings part.
Parts workbook(const QList<Sheet>& sheets, const QByteArray& sharedStrings = QByteArray());

// Writes the parts as a zip archive.
bool writeZip(const QString& path, const Parts& parts);

// Adds the part `name` to the zip archive at `path`: `head`, `body` `count` times, then
// `tail`, deflated as it is written, so that a part of gigabytes (a zip bomb) is made
// without holding it.
bool addRepeatedPart(const QString& path, const QString& name, const QByteArray& head, const QByteArray& body,
    int count, const QByteArray& tail);

// XML text with &, < and > escaped.
QByteArray escaped(const QString& text);

} // namespace WorkbookBuilder
