#include "records/plu.h"

#include "base/language.h"
#include "records/recordslog.h"
#include "records/translation.h"

#include <cstring>

namespace {

enum Column { Random, Name, Dept, Price, Stock, ColumnCount };

enum Offset {
    OffCode = 0,
    CodeSize = 7,
    OffName = 7,
    NameSize = 25,
    OffDept = 34,
    OffPrice = 36,
    PriceSize = 5,
    OffStockDecimals = 63,
    OffStock = 64,
    StockSize = 8,
};

constexpr int kStockDecimals = 2;

// The last 14 digit characters of a code text as a number; other characters are skipped.
qint64 codeNumber(const QByteArray& text)
{
    qint64 code = 0;
    qint64 scale = 1;
    int digits = 0;
    for (int i = text.size() - 1; i >= 0 && digits < 2 * CodeSize; --i) {
        const char ch = text.at(i);
        if (ch < '0' || ch > '9')
            continue;
        code += (ch - '0') * scale;
        scale *= 10;
        ++digits;
    }
    return code;
}

// A quantity of `decimals` decimals in hundredths, rounded half up like a printed "%0.2f".
qint64 toHundredths(qint64 units, int decimals)
{
    for (int i = decimals; i < kStockDecimals; ++i)
        units *= 10;
    if (decimals <= kStockDecimals)
        return units;
    const int drop = decimals - kStockDecimals;
    // A packed field holds fewer than 18 digits: dropping more leaves nothing.
    if (drop > 17)
        return 0;
    qint64 divisor = 1;
    for (int i = 0; i < drop; ++i)
        divisor *= 10;
    return (units + divisor / 2) / divisor;
}

} // namespace

Plu::Plu()
    : RecordCodec("PLUDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Random"), KindInt64 | KindLocked, FieldFit::amount(2 * CodeSize, 0) },
            { QT_TRANSLATE_NOOP("Columns", "Name"), KindText, FieldFit::text(NameSize) },
            { QT_TRANSLATE_NOOP("Columns", "Dept"), KindInt, FieldFit::whole(1, 256) },
            { QT_TRANSLATE_NOOP("Columns", "Price"), KindReal, FieldFit::amount(2 * PriceSize, 2) },
            { QT_TRANSLATE_NOOP("Columns", "Stock+"), KindReal, FieldFit::amount(2 * StockSize, kStockDecimals) } })
{
}

const Plu* Plu::instance()
{
    static const Plu codec;
    return &codec;
}

ItemRow Plu::headerRow()
{
    ItemRow row;
    for (const QString& header : instance()->headers())
        row.append(header);
    return row;
}

QByteArray Plu::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    char* r = record->data();
    QByteArray code;
    const int cells = qMin(int(row.size()), int(ColumnCount));
    for (int c = 0; c < cells; ++c) {
        switch (c) {
        case Random:
            code = cellBytes(row, c);
            translation::unitsToBcd(r + OffCode, CodeSize, codeNumber(code));
            break;
        case Name:
            putRegisterText(r + OffName, NameSize, cellBytes(row, c));
            break;
        case Dept: {
            bool ok = false;
            const int dept = cellText(row, c).trimmed().toInt(&ok);
            r[OffDept] = char(((ok ? dept : 0) - 1) & 0xFF);
            break;
        }
        case Price:
            translation::unitsToBcd(r + OffPrice, PriceSize, translation::cellToUnits(cellText(row, c), 2));
            break;
        case Stock: {
            r[OffStockDecimals] = char(kStockDecimals);
            const QString text = cellText(row, c);
            qCDebug(lcRecords) << "plu Inventory = " << text;
            translation::unitsToBcd(r + OffStock, StockSize, translation::cellToUnits(text, kStockDecimals));
            break;
        }
        default:
            break;
        }
    }
    return code;
}

QByteArray Plu::decodeFields(const char* r, ItemRow* row, int) const
{
    qCDebug(lcRecords).noquote() << "plu rcv data = \"" + translation::hexSpaced(QByteArray(r, recordSize())) + '"';
    const QByteArray name = registerBytes(r + OffName, NameSize);
    const qint64 stock = toHundredths(translation::bcdToUnits(r + OffStock, StockSize), uchar(r[OffStockDecimals]));
    row->clear();
    row->reserve(ColumnCount);
    row->append(QString::fromLatin1(translation::bcdToDigits(r + OffCode, CodeSize)));
    row->append(fromLocal8(name));
    row->append(translation::smallNumber(uchar(r[OffDept]) + 1));
    row->append(translation::unitsToText(translation::bcdToUnits(r + OffPrice, PriceSize), 2));
    row->append(translation::unitsToText(stock, kStockDecimals));
    return name;
}

QByteArray Plu::storageKey(int, const QByteArray& code) const { return code; }

int Plu::recordKeySize() const { return CodeSize; }

QByteArray Plu::storageName(int, const QByteArray&, const QByteArray& record) const
{
    return storedField(record, OffName, NameSize);
}
