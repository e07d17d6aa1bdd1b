#include "storage/csvfile.h"

#include "base/language.h"
#include "base/punctuation.h"
#include "storage/csv.h"
#include "storage/storagelog.h"
#include "storage/xlsx.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextCodec>

#include <algorithm>

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// Text that is not UTF-8 comes from a spreadsheet program saving in the desktop's code
// page: the register language's one (the texts go into the set in it), or windows-1252
// where that is UTF-8 (English).
const QTextCodec* readingCodec()
{
    const QTextCodec* codec = registerCodec();
    if (codec->mibEnum() == 106)
        if (const QTextCodec* western = QTextCodec::codecForName("windows-1252"))
            return western;
    return codec;
}

// Counts the UTF-8 sequences of two bytes or more in `bytes`, and the bytes that belong to
// none (`stray`, the line of the first in `firstLine`).
void scanUtf8(const QByteArray& bytes, int* sequences, int* stray, int* firstLine)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    int line = 1;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            line += c == '\n';
            ++i;
            continue;
        }
        const int length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        bool valid = length > 0 && i + length <= n;
        for (int k = 1; valid && k < length; ++k)
            valid = (p[i + k] & 0xC0) == 0x80;
        if (valid) {
            ++*sequences;
            i += length;
            continue;
        }
        if ((*stray)++ == 0)
            *firstLine = line;
        ++i;
    }
}

// True when the zero bytes of the file's start stand at every other place, as the high bytes
// of UTF-16 text in Latin letters and digits do.
bool looksUtf16(const QByteArray& bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 256) & ~qsizetype(1);
    int even = 0, odd = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        even += bytes.at(i) == '\0';
        odd += bytes.at(i + 1) == '\0';
    }
    const qsizetype pairs = n / 2;
    return pairs > 0 && (even * 10 >= pairs * 9 || odd * 10 >= pairs * 9);
}

// The separator of the header line: the first line with more than blanks (and separators).
QChar separatorOf(const QByteArray& bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(start, end - start);
        if (std::any_of(
                line.cbegin(), line.cend(), [](char c) { return !QByteArrayView(" \t\r,;\xEF\xBB\xBF").contains(c); }))
            return !line.contains(',') && line.contains(';') ? QLatin1Char(';') : QLatin1Char(',');
        start = end + 1;
    }
    return QLatin1Char(',');
}

} // namespace

bool isWorkbookName(const QString& path)
{
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

bool readCsvText(const QByteArray& bytes, TableFile* out, bool detectSeparator, int maxRows)
{
    // Read as a code page, every cell of a UTF-16 file came out as letters and zero bytes; no
    // table text holds a zero byte. Zero bytes elsewhere than every other byte are no UTF-16
    // text but a binary or damaged file, which the advice to save as UTF-8 would not mend.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.contains('\0')) {
        out->error = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || looksUtf16(bytes)
            ? QCoreApplication::translate("TableFile", "the file is in UTF-16: save it as UTF-8 CSV")
            : QCoreApplication::translate(
                "TableFile", "the file holds zero bytes: it is no text table (a binary or damaged file)");
        return false;
    }
    QByteArray text = bytes;
    const bool utf8 = bytes.isValidUtf8();
    int sequences = 0;
    if (!utf8)
        scanUtf8(bytes, &sequences, &out->strayBytes, &out->firstStrayLine);
    // A UTF-8 file with a stray byte or two (a name pasted from elsewhere) stays UTF-8: read in
    // the code page, every other letter of it would turn into two wrong ones.
    if (!utf8 && sequences <= out->strayBytes) {
        out->strayBytes = 0;
        out->firstStrayLine = 0;
        out->encoding = TableFile::Encoding::CodePage;
        out->codePage = QString::fromLatin1(readingCodec()->name());
        text = readingCodec()->toUnicode(bytes).toUtf8();
    } else {
        if (out->strayBytes > 0)
            text = QString::fromUtf8(bytes).toUtf8();
        out->encoding
            = bytes.startsWith(kByteOrderMark) ? TableFile::Encoding::Utf8WithMark : TableFile::Encoding::Utf8;
    }

    // A file of the classic Mac OS ends its lines in "\r" alone: where no "\n" follows any of
    // them, each ends a line (else the whole file is one header line, and nothing is imported).
    if (text.contains('\r') && !text.contains('\n'))
        text.replace('\r', '\n');

    out->separator = detectSeparator ? separatorOf(text) : QLatin1Char(',');
    const QString tooMany
        = QCoreApplication::translate("TableFile", "the file has more than %1 rows, more than an import takes")
              .arg(groupedNumber(maxRows));
    csv::Conversions conversions;
    if (!csv::readText(text, out->separator, maxRows, &out->rows, &conversions)) {
        out->error = tooMany;
        return false;
    }
    // Read as written, the field would take every line after it into one cell.
    if (conversions.unclosedQuoteLine > 0) {
        out->rows.clear();
        out->error = QCoreApplication::translate(
            "TableFile", "the quotation mark that opens a field in line %1 is never closed")
                         .arg(conversions.unclosedQuoteLine);
        return false;
    }
    out->scientificCount = conversions.count;
    out->firstScientificLine = conversions.firstLine;
    out->firstScientificColumn = conversions.firstColumn;
    return true;
}

bool readTableFile(const QString& path, TableFile* out, int maxRows)
{
    *out = TableFile();
    // A device or a named pipe is no table: one reads without end, the other may wait for a
    // writer for ever (whatever its name ends with).
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile() && !QFileInfo(path).isDir()) {
        out->error = QCoreApplication::translate("TableFile", "not a file but a device or a pipe");
        return false;
    }
    if (isWorkbookName(path)) {
        QTemporaryFile converted(QDir::tempPath() + QStringLiteral("/tallvane-XXXXXX.csv"));
        if (!converted.open()) {
            out->error = QCoreApplication::translate("TableFile", "no temporary file for the conversion: %1")
                             .arg(converted.errorString());
            return false;
        }
        WorkbookErrors errors;
        if (!convertWorkbook(path, &converted, &out->error, maxRows, &errors))
            return false;
        if (converted.error() != QFileDevice::NoError) {
            out->error = QCoreApplication::translate("TableFile", "the temporary file could not be written: %1")
                             .arg(converted.errorString());
            return false;
        }
        converted.seek(0);
        out->fromWorkbook = true;
        const bool read = readCsvText(converted.readAll(), out, false, maxRows);
        out->errorCells = errors.cells;
        out->firstErrorCell = errors.first;
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out->error = file.errorString();
        return false;
    }
    if (file.size() > kMaxCsvBytes) {
        constexpr qint64 mebibyte = 1024 * 1024;
        out->error
            = QCoreApplication::translate("TableFile", "the file has %1 MiB, more than the %2 MiB an import takes")
                  .arg(groupedNumber((file.size() + mebibyte - 1) / mebibyte), groupedNumber(kMaxCsvBytes / mebibyte));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        out->error = file.errorString();
        return false;
    }
    return readCsvText(bytes, out, true, maxRows);
}

namespace {

bool blank(const ItemRow& row)
{
    // Blanks alone are nothing either: a row of them became PLU 0.
    return std::none_of(
        row.cbegin(), row.cend(), [](const QVariant& cell) { return !cell.toString().trimmed().isEmpty(); });
}

// The first line that is not blank (a sheet may begin a row or two down).
int firstLine(const TableFile& file)
{
    int line = 0;
    while (line < file.rows.size() && blank(file.rows.at(line)))
        ++line;
    return line;
}

// True when the first line is a row rather than a header line: a header names its first
// column, and a line that opens with a number is a table's row (a file written without a
// header line, as exports of some tables once were).
bool firstLineIsRow(const TableFile& file)
{
    const int line = firstLine(file);
    if (line >= file.rows.size() || file.rows.at(line).isEmpty())
        return false;
    const QString first = file.rows.at(line).first().toString().trimmed();
    return !first.isEmpty() && std::all_of(first.cbegin(), first.cend(), [](QChar c) { return c.isDigit(); });
}

// The header line, or the line before the first row where the file has none.
int headerLine(const TableFile& file)
{
    return firstLineIsRow(file) ? firstLine(file) - 1 : firstLine(file);
}

} // namespace

bool importRows(const TableFile& file, ItemTable* rows, QList<int>* fileRows)
{
    // A file without lines below its header changes nothing. Blank lines (a spreadsheet's
    // trailing ones, an empty sheet row) are no rows: taken as rows they became PLU 0 and the
    // like.
    const int header = headerLine(file);
    ItemTable taken;
    QList<int> lines;
    for (int line = header + 1; line < file.rows.size(); ++line) {
        if (blank(file.rows.at(line)))
            continue;
        taken.append(file.rows.at(line));
        lines.append(line + 1);
    }
    if (taken.isEmpty())
        return false;
    *rows = std::move(taken);
    if (fileRows)
        *fileRows = std::move(lines);
    return true;
}

QStringList importNotes(const TableFile& file, int pageColumns, const QStringList& pageHeaders)
{
    QStringList notes;
    const bool headerless = firstLineIsRow(file);
    // A file without a header line is measured by its first row.
    const int header = firstLine(file);
    const int fileColumns = header < file.rows.size() ? int(file.rows.at(header).size()) : 0;
    if (headerless)
        notes << QCoreApplication::translate("TableFile", "it has no header line: its first line is imported as a row");
    if (file.encoding == TableFile::Encoding::CodePage)
        notes << QCoreApplication::translate("TableFile", "it is not UTF-8 and was read as %1").arg(file.codePage);
    if (file.errorCells > 0)
        notes << QCoreApplication::translate(
            "TableFile", "%1 cell(s) hold the error of a formula (#N/A and the like), first: %2: imported as that text")
                     .arg(file.errorCells)
                     .arg(file.firstErrorCell);
    if (file.strayBytes > 0)
        notes << QCoreApplication::translate(
            "TableFile", "%1 byte(s) are no UTF-8 letter, first in line %2: they show as %3")
                     .arg(file.strayBytes)
                     .arg(file.firstStrayLine)
                     .arg(QChar(0xFFFD));
    if (pageColumns > 0 && fileColumns != pageColumns)
        notes << QCoreApplication::translate("TableFile", "the file has %1 columns, the page %2")
                     .arg(fileColumns)
                     .arg(pageColumns);
    // Columns are read by their place: a file of another table, or with its columns in
    // another order, is said to be one.
    for (int c = 0; !headerless && c < qMin(fileColumns, int(pageHeaders.size())); ++c) {
        if (file.rows.at(header).at(c).toString().trimmed().compare(pageHeaders.at(c), Qt::CaseInsensitive) != 0) {
            notes << QCoreApplication::translate("TableFile",
                "its header line names other columns than the page's (%1): the columns are read by their place")
                         .arg(pageHeaders.join(QLatin1Char(',')));
            break;
        }
    }
    // A row longer than the header line: a comma in an unquoted number or name moved its cells.
    int longer = 0;
    int firstLonger = 0;
    for (int line = header + 1; line < file.rows.size(); ++line) {
        const ItemRow& row = file.rows.at(line);
        // Empty cells after the last column (a sheet's trailing separators) move nothing.
        if (row.size() > fileColumns && !blank(row.mid(fileColumns)) && longer++ == 0)
            firstLonger = line + 1;
    }
    if (longer > 0)
        notes << QCoreApplication::translate("TableFile",
            "%1 row(s) hold more cells than the header line, first: row %2: check for a comma in a number or name")
                     .arg(longer)
                     .arg(firstLonger);
    if (file.scientificCount > 0)
        notes << (file.scientificCount == 1
                ? QCoreApplication::translate("TableFile",
                    "1 cell in scientific notation was converted, first: row %1, column %2: check the codes")
                : QCoreApplication::translate("TableFile",
                    "%1 cells in scientific notation were converted, first: row %2, column %3: check the codes")
                      .arg(file.scientificCount))
                     .arg(file.firstScientificLine)
                     .arg(file.firstScientificColumn);
    return notes;
}

bool writeCsv(QIODevice* device, const ItemTable& table)
{
    if (device->write(kByteOrderMark, 3) != 3)
        return false;
    csv writer;
    writer.setDevice(device);
    return writer.writeTable(table);
}

bool writeCsvFile(const QString& path, const ItemTable& table, QString* error)
{
    // A device or a named pipe is written as it is: a file put in its place would replace it.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly) || !writeCsv(&device, table) || !device.flush()) {
            *error = device.errorString();
            return false;
        }
        return true;
    }
    // A database (a set, the report store, the journal, the users) is never written over with a
    // table: a slip of a file name would lose all it holds.
    if (target.isFile()) {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.read(16) == QByteArray("SQLite format 3\0", 16)) {
            *error = QCoreApplication::translate("CsvFile", "it is a database, not a table file: nothing was written");
            return false;
        }
    }
    QSaveFile file(path);
    // Where no file can be made beside it, the file is overwritten in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        qCWarning(lcStorage) << "csv not written" << path << *error;
        return false;
    }
    // A write that failed on the way (a full disk) leaves the old file as it was: QSaveFile
    // itself misses a failure of its last buffered write, and gives no reason for it.
    if (!writeCsv(&file, table) || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        //: Why an export failed when the system gives no reason of its own
        *error = QCoreApplication::translate("CsvFile", "not every byte could be written (is the disk full?)");
        qCWarning(lcStorage) << "csv not written" << path << *error;
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        qCWarning(lcStorage) << "csv not written" << path << *error;
        return false;
    }
    return true;
}
