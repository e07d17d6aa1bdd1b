#include "storage/xlsx.h"

#include "base/punctuation.h"
#include "storage/csv.h"
#include "storage/storagelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

namespace {

constexpr int kMaxColumns = 16384; // the widest sheet a spreadsheet program makes (XFD)
constexpr int kKeptDigits = 15; // significant digits a spreadsheet keeps of a fraction

// Parts of the package are named by relationships: id and type to the part's path.
struct Relationship {
    QString id;
    QString type;
    QString target;
};

QString resolveTarget(const QString& folder, const QString& target)
{
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target.mid(1));
    return QDir::cleanPath(folder.isEmpty() ? target : folder + QLatin1Char('/') + target);
}

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash);
}

// The relationships part that belongs to `part` ("xl/workbook.xml" -> "xl/_rels/workbook.xml.rels").
QString relationshipsOf(const QString& part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/") + name
        + QStringLiteral(".rels");
}

bool isStart(const QXmlStreamReader& xml, QLatin1String name)
{
    return xml.isStartElement() && xml.name() == name;
}

bool isEnd(const QXmlStreamReader& xml, QLatin1String name)
{
    return xml.isEndElement() && xml.name() == name;
}

// The relationship id of a <sheet> element (r:id in the relationships namespace).
QString relationshipIdOf(const QXmlStreamReader& xml)
{
    for (const QXmlStreamAttribute& attribute : xml.attributes())
        if (attribute.name() == QLatin1String("id") && !attribute.namespaceUri().isEmpty())
            return attribute.value().toString();
    return QString();
}

QString xmlError(const QXmlStreamReader& xml, const QString& part)
{
    return QCoreApplication::translate("TableFile", "%1 is damaged (%2, line %3)")
        .arg(part, xml.errorString())
        .arg(xml.lineNumber());
}

// The text of a string item (<si>, <is>): its <t> elements, rich-text runs included,
// phonetic guides (<rPh>) left out. The reader stands on the item's start element.
QString itemText(QXmlStreamReader& xml)
{
    const QString element = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("t"))
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml.name() == QLatin1String("rPh"))
                xml.skipCurrentElement();
        } else if (xml.isEndElement() && xml.name() == element) {
            break;
        }
    }
    return text;
}

// Column index (from 0) and row number (from 1) of a cell reference such as "AB12";
// -1 for a part that is missing or out of range.
void parseReference(QStringView reference, int* column, int* row)
{
    qsizetype i = 0;
    int letters = 0;
    while (i < reference.size() && reference.at(i).isLetter() && letters <= kMaxColumns) {
        letters = letters * 26 + (reference.at(i).toUpper().unicode() - 'A' + 1);
        ++i;
    }
    *column = (i > 0 && letters >= 1 && letters <= kMaxColumns) ? letters - 1 : -1;
    bool ok = false;
    const int number = reference.mid(i).toInt(&ok);
    *row = ok && number >= 1 ? number : -1;
}

// The name of the cell at `column` (from 0) and `row` (from 1): "AB12".
QString cellName(int column, int row)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(row);
}

class Package {
public:
    explicit Package(const QString& path)
        : m_zip(path)
    {
    }

    bool open() { return m_zip.open(QuaZip::mdUnzip); }

    bool has(const QString& part) { return m_zip.setCurrentFile(part, QuaZip::csInsensitive); }

    // The whole of `part`, read to its end and checked: a missing part or a damaged deflate
    // stream gives false. So does a part that the archive's directory says unpacks to more
    // than kMaxWorkbookPartBytes, before anything is inflated; `tooBig` then says so. The
    // directory's size also bounds the inflating: a stream that runs on beyond it is damaged.
    bool read(const QString& part, QByteArray* data, QString* tooBig)
    {
        if (!has(part))
            return false;
        QuaZipFileInfo64 info;
        if (!m_zip.getCurrentFileInfo(&info))
            return false;
        if (info.uncompressedSize > quint64(kMaxWorkbookPartBytes)) {
            constexpr quint64 mebibyte = 1024 * 1024;
            *tooBig = QCoreApplication::translate(
                "TableFile", "%1 would unpack to %2 MiB, more than the %3 MiB allowed for one part of a workbook")
                          .arg(part, groupedNumber(qint64((info.uncompressedSize + mebibyte - 1) / mebibyte)),
                              groupedNumber(kMaxWorkbookPartBytes / qint64(mebibyte)));
            return false;
        }
        QuaZipFile file(&m_zip);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        data->clear();
        data->reserve(qsizetype(info.uncompressedSize));
        char chunk[64 * 1024];
        qint64 n;
        while ((n = file.read(chunk, sizeof chunk)) > 0) {
            if (quint64(data->size() + n) > info.uncompressedSize)
                return false;
            data->append(chunk, n);
        }
        file.close();
        return n == 0 && file.getZipError() == UNZ_OK;
    }

    bool relationships(const QString& part, QList<Relationship>* out, QString* error)
    {
        QByteArray data;
        const QString name = relationshipsOf(part);
        QString tooBig;
        if (!read(name, &data, &tooBig)) {
            *error = tooBig;
            return tooBig.isEmpty(); // a part without relationships
        }
        QXmlStreamReader xml(data);
        const QString folder = folderOf(part);
        while (!xml.atEnd()) {
            xml.readNext();
            if (isStart(xml, QLatin1String("Relationship"))) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (attributes.value(QLatin1String("TargetMode")) == QLatin1String("External"))
                    continue;
                out->append({ attributes.value(QLatin1String("Id")).toString(),
                    attributes.value(QLatin1String("Type")).toString(),
                    resolveTarget(folder, attributes.value(QLatin1String("Target")).toString()) });
            }
        }
        if (xml.hasError()) {
            *error = xmlError(xml, name);
            return false;
        }
        return true;
    }

private:
    QuaZip m_zip;
};

QString targetOfType(const QList<Relationship>& relationships, QLatin1String typeEnd)
{
    for (const Relationship& relationship : relationships)
        if (relationship.type.endsWith(typeEnd))
            return relationship.target;
    return QString();
}

bool readSharedStrings(Package& package, const QString& part, QStringList* strings, QString* error)
{
    QByteArray data;
    QString tooBig;
    if (part.isEmpty() || !package.read(part, &data, &tooBig)) {
        *error = tooBig;
        return tooBig.isEmpty(); // a workbook without shared strings
    }
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (isStart(xml, QLatin1String("si")))
            strings->append(itemText(xml));
    }
    if (xml.hasError()) {
        *error = xmlError(xml, part);
        return false;
    }
    return true;
}

// The first sheet in the workbook's order, as the path of its part.
bool firstSheetPart(Package& package, const QString& workbookPart, QString* sheetPart, QString* error)
{
    QByteArray data;
    QString tooBig;
    if (!package.read(workbookPart, &data, &tooBig)) {
        *error = tooBig.isEmpty() ? QCoreApplication::translate("TableFile", "the file holds no workbook") : tooBig;
        return false;
    }
    // The first sheet that the spreadsheet shows: a hidden one before it (a list of codes the
    // others look up) is not what the operator sees as the table. All hidden: the first.
    QString sheetId, firstId;
    QXmlStreamReader xml(data);
    while (!xml.atEnd() && sheetId.isEmpty()) {
        xml.readNext();
        if (!isStart(xml, QLatin1String("sheet")))
            continue;
        const QString id = relationshipIdOf(xml);
        if (firstId.isEmpty())
            firstId = id;
        const QStringView state = xml.attributes().value(QLatin1String("state"));
        if (state != QLatin1String("hidden") && state != QLatin1String("veryHidden"))
            sheetId = id;
    }
    if (sheetId.isEmpty())
        sheetId = firstId;
    if (xml.hasError()) {
        *error = xmlError(xml, workbookPart);
        return false;
    }
    if (sheetId.isEmpty()) {
        *error = QCoreApplication::translate("TableFile", "the workbook has no worksheet");
        return false;
    }
    QList<Relationship> relationships;
    if (!package.relationships(workbookPart, &relationships, error))
        return false;
    for (const Relationship& relationship : relationships) {
        if (relationship.id == sheetId) {
            *sheetPart = relationship.target;
            return true;
        }
    }
    *error = QCoreApplication::translate("TableFile", "the workbook names no part for its first sheet");
    return false;
}

class SheetWriter {
public:
    SheetWriter(QIODevice* out, const QStringList& strings, int maxRows)
        : m_strings(strings)
        , m_maxRows(maxRows)
    {
        m_csv.setDevice(out);
    }

    int errorCells() const { return m_errorCells; }
    QString firstErrorCell() const { return m_firstErrorCell; }

    bool write(QXmlStreamReader& xml, const QString& part, QString* error)
    {
        while (!xml.atEnd()) {
            xml.readNext();
            if (isStart(xml, QLatin1String("row")) && !readRow(xml)) {
                if (!m_unreadable.isEmpty()) {
                    *error = m_unreadable;
                    return false;
                }
                *error = m_tooLarge ? QCoreApplication::translate("TableFile",
                             "the first worksheet unpacks to more than the %1 MiB an import takes (at row %2)")
                                          .arg(groupedNumber(kMaxCsvBytes / (1024 * 1024)), groupedNumber(m_lastRow))
                                    : QCoreApplication::translate("TableFile",
                                        "the first worksheet has text in row %1, more than the %2 rows an import takes")
                                          .arg(groupedNumber(m_lastRow), groupedNumber(m_maxRows));
                return false;
            }
        }
        if (xml.hasError()) {
            *error = xmlError(xml, part);
            return false;
        }
        return true;
    }

private:
    // Writes the row as a line, after empty lines for the rows skipped before it. False for a
    // row with text beyond the last one an import takes: nothing more is written.
    bool readRow(QXmlStreamReader& xml)
    {
        bool ok = false;
        const int number = xml.attributes().value(QLatin1String("r")).toInt(&ok);
        const int row = ok && number > m_lastRow ? number : m_lastRow + 1;
        m_lastRow = row;
        QStringList cells;
        int nextColumn = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (isStart(xml, QLatin1String("c"))) {
                int column = -1, unusedRow = -1;
                const QXmlStreamAttributes attributes = xml.attributes();
                const QStringView reference = attributes.value(QLatin1String("r"));
                if (!reference.isEmpty())
                    parseReference(reference, &column, &unusedRow);
                if (column < 0)
                    column = nextColumn;
                const QStringView type = attributes.value(QLatin1String("t"));
                const QString text = readCell(xml, type);
                // An error a formula gave ("#N/A") is kept as its text, and said.
                if (type == QLatin1String("e") && !text.isEmpty() && m_errorCells++ == 0)
                    m_firstErrorCell = cellName(column, row);
                if (!m_unreadable.isEmpty()) {
                    // Read as empty, the cell would store a price of 0 or a name of nothing.
                    m_unreadable = m_unreadable.arg(cellName(column, row));
                    return false;
                }
                if (column >= kMaxColumns)
                    continue;
                nextColumn = column + 1;
                if (text.isEmpty())
                    continue;
                while (cells.size() <= column)
                    cells.append(QString());
                cells[column] = text;
            } else if (isEnd(xml, QLatin1String("row"))) {
                break;
            }
        }
        // Rows without any text (formatting only) become lines only when a later row has text.
        if (cells.isEmpty())
            return true;
        if (row > m_maxRows)
            return false;
        // A small workbook may name one long shared string in many cells: what the sheet
        // unpacks to is bounded as a CSV file is (counted in characters, each at least a byte).
        for (const QString& cell : cells)
            m_unpacked += cell.size() + 1;
        if (m_unpacked > kMaxCsvBytes) {
            m_tooLarge = true;
            return false;
        }
        for (; m_writtenRows < row - 1; ++m_writtenRows)
            m_csv.endLine();
        for (const QString& cell : cells)
            m_csv.writeField(cell);
        m_csv.endLine();
        m_writtenRows = row;
        return true;
    }

    QString readCell(QXmlStreamReader& xml, QStringView type)
    {
        QString value;
        bool hasInline = false;
        bool hasValue = false;
        bool hasFormula = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (isStart(xml, QLatin1String("v"))) {
                value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                hasValue = true;
            } else if (isStart(xml, QLatin1String("f"))) {
                hasFormula = true;
                xml.skipCurrentElement();
            } else if (isStart(xml, QLatin1String("is"))) {
                value = itemText(xml);
                hasInline = true;
            } else if (xml.isStartElement()) {
                xml.skipCurrentElement();
            } else if (isEnd(xml, QLatin1String("c"))) {
                break;
            }
        }
        // A formula the program that wrote the file never worked out has no value to read.
        if (hasFormula && !hasValue && !hasInline) {
            m_unreadable = QCoreApplication::translate("TableFile",
                "cell %1 holds a formula without its value: open the file in a spreadsheet and save it again");
            return QString();
        }
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.trimmed().toInt(&ok);
            if (!ok || index < 0 || index >= m_strings.size()) {
                m_unreadable
                    = QCoreApplication::translate("TableFile", "cell %1 names a shared text the file does not hold");
                return QString();
            }
            return m_strings.at(index);
        }
        if (type == QLatin1String("inlineStr") || hasInline)
            return value;
        if (type == QLatin1String("b"))
            return value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == QLatin1String("str") || type == QLatin1String("e") || type == QLatin1String("d"))
            return value;
        return value.isEmpty() ? value : workbookNumberText(value.trimmed());
    }

    const QStringList& m_strings;
    const int m_maxRows;
    csv m_csv;
    int m_lastRow = 0;
    int m_writtenRows = 0;
    qint64 m_unpacked = 0; // characters written so far
    bool m_tooLarge = false;
    QString m_unreadable; // why a cell cannot be read ("%1" for its name, then the name)
    int m_errorCells = 0; // cells holding an error of a formula ("#N/A", "#DIV/0!")
    QString m_firstErrorCell; // "D7"
};

} // namespace

// True for the plain form that needs no change: digits, at most one point with at most
// 15 significant digits, no superfluous zeros.
static bool isPlainNumber(const QString& text)
{
    const QChar* c = text.constData();
    const QChar* end = c + text.size();
    if (c != end && *c == QLatin1Char('-'))
        ++c;
    const QChar* first = c;
    if (first != text.constData() && first != end && *first == QLatin1Char('0'))
        return false; // "-0", "-0.5": the long way
    const QChar* point = nullptr;
    for (; c != end; ++c) {
        if (*c == QLatin1Char('.') && !point)
            point = c;
        else if (*c < QLatin1Char('0') || *c > QLatin1Char('9'))
            return false;
    }
    if (first == end || (*first == QLatin1Char('0') && end - first > 1 && first + 1 != point))
        return false;
    if (!point)
        return true;
    return point != first && point + 1 != end && end[-1] != QLatin1Char('0') && end - first - 1 <= kKeptDigits;
}

QString workbookNumberText(const QString& stored)
{
    if (isPlainNumber(stored))
        return stored;
    // Split into sign, digits and the position of the decimal point among them.
    const QString text = stored.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    QString digits;
    qsizetype point = -1;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
        else if (c == QLatin1Char('.') && point < 0)
            point = digits.size();
        else
            break;
    }
    if (digits.isEmpty())
        return stored;
    if (point < 0)
        point = digits.size();
    if (i < text.size()) {
        if (text.at(i) != QLatin1Char('E') && text.at(i) != QLatin1Char('e'))
            return stored;
        bool ok = false;
        const int exponent = text.mid(i + 1).toInt(&ok);
        if (!ok || exponent > 400 || exponent < -400)
            return stored;
        point += exponent;
    }
    while (!digits.isEmpty() && digits.at(0) == QLatin1Char('0')) {
        digits.remove(0, 1);
        --point;
    }
    // Fractions beyond a spreadsheet's precision are binary noise (2.4500000000000002).
    const qsizetype kept = qMax<qsizetype>(kKeptDigits, point);
    if (digits.size() > kept) {
        const bool roundUp = digits.at(kept) >= QLatin1Char('5');
        digits.truncate(kept);
        for (qsizetype d = kept - 1; roundUp && d >= 0; --d) {
            if (digits.at(d) != QLatin1Char('9')) {
                digits[d] = QChar(digits.at(d).unicode() + 1);
                break;
            }
            digits[d] = QLatin1Char('0');
            if (d == 0) {
                digits.prepend(QLatin1Char('1'));
                ++point;
            }
        }
    }
    while (digits.size() > qMax<qsizetype>(point, 0) && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    if (digits.isEmpty())
        return QStringLiteral("0");
    QString result;
    if (point <= 0)
        result = QStringLiteral("0.") + QString(-point, QLatin1Char('0')) + digits;
    else if (point >= digits.size())
        result = digits + QString(point - digits.size(), QLatin1Char('0'));
    else
        result = digits.left(point) + QLatin1Char('.') + digits.mid(point);
    return negative ? QLatin1Char('-') + result : result;
}

bool convertWorkbook(const QString& path, QIODevice* out, QString* error, int maxRows, WorkbookErrors* errors)
{
    if (!QFileInfo::exists(path)) {
        qCDebug(lcStorage).noquote() << QStringLiteral("excelFileName \"%1\" exist").arg(path);
        *error = QCoreApplication::translate("TableFile", "the file does not exist");
        return false;
    }
    Package package(path);
    if (!package.open()) {
        *error = QCoreApplication::translate(
            "TableFile", "not an .xlsx workbook (the file is no zip archive, or a damaged one)");
        return false;
    }
    QList<Relationship> packageRelationships;
    if (!package.relationships(QString(), &packageRelationships, error))
        return false;
    QString workbookPart = targetOfType(packageRelationships, QLatin1String("/officeDocument"));
    if (workbookPart.isEmpty())
        workbookPart = QStringLiteral("xl/workbook.xml");

    QString sheetPart;
    if (!firstSheetPart(package, workbookPart, &sheetPart, error))
        return false;
    QList<Relationship> workbookRelationships;
    if (!package.relationships(workbookPart, &workbookRelationships, error))
        return false;
    QString stringsPart = targetOfType(workbookRelationships, QLatin1String("/sharedStrings"));
    if (stringsPart.isEmpty() && package.has(QStringLiteral("xl/sharedStrings.xml")))
        stringsPart = QStringLiteral("xl/sharedStrings.xml");
    QStringList strings;
    if (!readSharedStrings(package, stringsPart, &strings, error))
        return false;

    // The sheet is unpacked whole before it is parsed: a damaged part must not leave the XML
    // reader waiting for data that never comes.
    if (!package.has(sheetPart)) {
        *error = QCoreApplication::translate("TableFile", "the first worksheet (%1) is missing").arg(sheetPart);
        return false;
    }
    QByteArray sheet;
    QString tooBig;
    if (!package.read(sheetPart, &sheet, &tooBig)) {
        *error = tooBig.isEmpty()
            ? QCoreApplication::translate("TableFile", "the first worksheet (%1) is damaged").arg(sheetPart)
            : tooBig;
        return false;
    }
    QXmlStreamReader xml(sheet);
    SheetWriter writer(out, strings, maxRows);
    if (!writer.write(xml, sheetPart, error))
        return false;
    if (errors)
        *errors = { writer.errorCells(), writer.firstErrorCell() };
    qCDebug(lcStorage) << "save as sucess";
    return true;
}
