#include "records/lines.h"

#include "base/language.h"
#include "records/recordslog.h"
#include "records/translation.h"

#include <QCoreApplication>

namespace {

enum Column { Indx, Text };

const LineBlock kHeader = { "HEADERDATA", QT_TRANSLATE_NOOP("Columns", "Header"), 32, "header%d", "herder", "header",
    "Header::DataConvert", "lines is > HLINES" };
const LineBlock kExtHeader = { "EXTHEADERDATA", QT_TRANSLATE_NOOP("Columns", "EXTHeader"), 40, "extheader%d",
    "extherder", "extheader", "EXTHeader::DataConvert", "lines is > HLINES" };
const LineBlock kTrailer = { "TRAILERDATA", QT_TRANSLATE_NOOP("Columns", "Trailer"), 32, "trailer%d", "trailer%d",
    "trailer%d", nullptr, "lines is > TLINES" };

QByteArray nameWithLine(const char* pattern, qint64 line)
{
    return QByteArray(pattern).replace("%d", QByteArray::number(line));
}

// The line number of a row's first cell (a 32-bit integer); false when it does not convert.
bool lineNumber(const ItemRow& row, qint64* number)
{
    if (row.isEmpty())
        return false;
    bool ok = false;
    *number = row.first().toString().trimmed().toInt(&ok);
    return ok;
}

} // namespace

LineCodec::LineCodec(const LineBlock& block)
    : RecordCodec(block.typeName,
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::whole(1, kLines) },
            { block.textHeader, KindText, FieldFit::text(block.longestText) } })
    , m_block(block)
{
}

QByteArray LineCodec::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    qint64 number = 0;
    const qint64 index = lineNumber(row, &number) ? number - 1 : -1;
    const QByteArray name = nameWithLine(m_block.encodeName, index + 1);
    if (index > kLines - 1) {
        qCDebug(lcRecords) << m_block.rangeMessage;
        return name;
    }
    if (row.size() <= Text)
        return name;
    char* r = record->data();
    r[0] = char(index & 0xFF);
    // A text shorter than the longest one keeps its NUL; a full one has none in the field.
    putRegisterText(r + 1, textSize(), registerCut(toLocal8(cellText(row, Text)), m_block.longestText));
    return name;
}

QByteArray LineCodec::decodeFields(const char* r, ItemRow* row, int) const
{
    if (m_block.decodeLog)
        qCDebug(lcRecords) << m_block.decodeLog;
    const int line = uchar(r[0]) + 1;
    row->clear();
    row->append(translation::smallNumber(line));
    row->append(fromLocal8(registerBytes(r + 1, textSize())));
    return nameWithLine(m_block.decodeName, line);
}

QByteArray LineCodec::storageName(int row, const QByteArray&, const QByteArray&) const
{
    return nameWithLine(m_block.itemName, row + 1);
}

QStringList LineCodec::sendRefusals(const ItemTable& table) const
{
    QStringList refusals;
    for (int i = 0; i < table.size(); ++i) {
        qint64 number = 0;
        if (!lineNumber(table.at(i), &number) || number < 1 || number > kLines)
            refusals << QCoreApplication::translate("LineCodec", "row %1: line number must be 1 to %2")
                            .arg(i + 1)
                            .arg(kLines);
    }
    return refusals;
}

ItemTable LineCodec::emptyTable() const
{
    ItemTable table;
    for (int line = 1; line <= kLines; ++line)
        table.append(ItemRow { translation::smallNumber(line), QString() });
    return table;
}

int LineCodec::textLimit(int column) const
{
    return column == Text ? m_block.longestText : 0;
}

Header::Header()
    : LineCodec(kHeader)
{
}

const Header* Header::instance()
{
    static const Header codec;
    return &codec;
}

EXTHeader::EXTHeader()
    : LineCodec(kExtHeader)
{
}

const EXTHeader* EXTHeader::instance()
{
    static const EXTHeader codec;
    return &codec;
}

Trailer::Trailer()
    : LineCodec(kTrailer)
{
}

const Trailer* Trailer::instance()
{
    static const Trailer codec;
    return &codec;
}
