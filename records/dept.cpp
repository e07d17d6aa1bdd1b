#include "records/dept.h"

#include "base/language.h"
#include "records/recordslog.h"
#include "records/translation.h"

#include <array>
#include <cstring>

namespace {

enum Column { Indx, Name, Group, Print, Options, Tax, Price, PriceMax, Kp, ColumnCount };

enum Offset {
    OffIndex = 0,
    OffName = 7,
    NameSize = 25,
    OffGroup = 32,
    OffPrint = 33,
    OffOptions = 34,
    OffTax = 35,
    OffKp = 36,
    OffPrice = 37,
    OffPriceMax = 42,
    PriceSize = 5,
};

void putPrice(char* field, qint64 units, const char* logFormat)
{
    translation::unitsToBcd(field, PriceSize, units);
    if (lcRecords().isDebugEnabled())
        for (int i = 0; i < PriceSize; ++i)
            qCDebug(lcRecords).noquote() << QString::asprintf(logFormat, i, uchar(field[i]));
}

quint8 optionByte(const QString& text, const char* name)
{
    const quint8 value = translation::bitsFromText(text);
    for (int bit = 0; bit < 8; ++bit)
        if (value & (1 << bit))
            qCDebug(lcRecords).noquote() << QString::asprintf("option[%d] = %d", bit, 1);
    qCDebug(lcRecords).noquote() << QStringLiteral("--->save %1 = %2").arg(QLatin1String(name), text);
    return value;
}

// The record number as "%02d", one shared text per value.
QString indexText(uchar index)
{
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> list;
        for (int i = 0; i < 256; ++i)
            list[i] = QString::asprintf("%02d", i);
        return list;
    }();
    return texts[index];
}

// Kitchen printer bits as the printer numbers, highest first (bits 0 and 2 give "31").
QString kitchenPrinters(uchar bits)
{
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> list;
        for (int v = 0; v < 256; ++v)
            for (int bit = 7; bit >= 0; --bit)
                if (v & (1 << bit))
                    list[v] += QChar(u'1' + bit);
        return list;
    }();
    return texts[bits];
}

} // namespace

const OptionSet Dept::kPrintSet = { 0x80,
    { QT_TRANSLATE_NOOP("Options", "DPOPTION1"), QT_TRANSLATE_NOOP("Options", "DPOPTION2"),
        QT_TRANSLATE_NOOP("Options", "DPOPTION3"), QT_TRANSLATE_NOOP("Options", "DPOPTION4"),
        QT_TRANSLATE_NOOP("Options", "DPOPTION5"), QT_TRANSLATE_NOOP("Options", "DPOPTION6"),
        QT_TRANSLATE_NOOP("Options", "DPOPTION7"), QT_TRANSLATE_NOOP("Options", "ACTIVE") } };
const OptionSet Dept::kOptionsSet = { 0x07,
    { QT_TRANSLATE_NOOP("Options", "PRICE NEGATIVE"), QT_TRANSLATE_NOOP("Options", "ZERO PRICE"),
        QT_TRANSLATE_NOOP("Options", "TICKET SIGNLE"), QT_TRANSLATE_NOOP("Options", "DOUBLE TICKET"),
        QT_TRANSLATE_NOOP("Options", "SEPARATRIX"), QT_TRANSLATE_NOOP("Options", "CLOSE RECEIPT"),
        QT_TRANSLATE_NOOP("Options", "DISC 1"), QT_TRANSLATE_NOOP("Options", "DISC 2") } };

Dept::Dept()
    : RecordCodec("DEPTDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::whole(0, 255) },
            { QT_TRANSLATE_NOOP("Columns", "Name"), KindText, FieldFit::text(NameSize) },
            { QT_TRANSLATE_NOOP("Columns", "Group"), KindInt, FieldFit::whole(1, 256) },
            { QT_TRANSLATE_NOOP("Columns", "Print"), KindText | KindLocked, FieldFit::bits() },
            { QT_TRANSLATE_NOOP("Columns", "Options"), KindText | KindLocked, FieldFit::bits() },
            { QT_TRANSLATE_NOOP("Columns", "Tax"), KindInt, FieldFit::whole(0, 6) },
            { QT_TRANSLATE_NOOP("Columns", "Price"), KindReal, FieldFit::amount(2 * PriceSize, 2) },
            { QT_TRANSLATE_NOOP("Columns", "PriceMax"), KindReal, FieldFit::amount(2 * PriceSize, 2) },
            { QT_TRANSLATE_NOOP("Columns", "Kp"), 0x00, FieldFit::digitSet(1, 8) } })
{
}

const Dept* Dept::instance()
{
    static const Dept codec;
    return &codec;
}

QByteArray Dept::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    char* r = record->data();
    const int cells = qMin(int(row.size()), int(ColumnCount));
    for (int c = 0; c < cells; ++c) {
        switch (c) {
        case Indx:
            r[OffIndex] = char(cellText(row, c).trimmed().toInt() & 0xFF);
            break;
        case Name:
            putRegisterText(r + OffName, NameSize, cellBytes(row, c));
            qCDebug(lcRecords).noquote() << "Dept->Name = " + fromLocal8Field(r + OffName, NameSize);
            break;
        case Group: {
            bool ok = false;
            const int group = cellText(row, c).trimmed().toInt(&ok);
            r[OffGroup] = char(((ok ? group : 0) - 1) & 0xFF);
            qCDebug(lcRecords).noquote() << QString::asprintf("Dept->Group = %d", uchar(r[OffGroup]));
            break;
        }
        case Print:
            r[OffPrint] = char(optionByte(cellText(row, c), "print"));
            qCDebug(lcRecords).noquote() << QString::asprintf("--->save data.Print = %02x", uchar(r[OffPrint]));
            qCDebug(lcRecords).noquote() << QString::asprintf("Dept->Print = %02x", uchar(r[OffPrint]));
            break;
        case Options:
            r[OffOptions] = char(optionByte(cellText(row, c), "option"));
            qCDebug(lcRecords).noquote() << QString::asprintf("--->save data.Options = %02x", uchar(r[OffOptions]));
            qCDebug(lcRecords).noquote() << QString::asprintf("Dept->Options = %02x", uchar(r[OffOptions]));
            break;
        case Tax: {
            const QString text = cellText(row, c);
            if (!text.isEmpty() && text.at(0) >= QLatin1Char('1') && text.at(0) <= QLatin1Char('6'))
                r[OffTax] = char(1 << (text.at(0).unicode() - '1'));
            qCDebug(lcRecords).noquote() << QString::asprintf("Dept->Tax = %d", uchar(r[OffTax]));
            break;
        }
        case Price:
            putPrice(r + OffPrice, translation::cellToUnits(cellText(row, c), 2), "Dept.Price[%d] = %02x");
            break;
        case PriceMax: {
            const qint64 units = translation::cellToUnits(cellText(row, c), 2);
            qCDebug(lcRecords) << "dd = " << QByteArray::number(units);
            putPrice(r + OffPriceMax, units, "Plu.PriceMax[%d] = %02x");
            break;
        }
        case Kp:
            for (const QChar ch : cellText(row, c))
                if (ch >= QLatin1Char('1') && ch <= QLatin1Char('8'))
                    r[OffKp] = char(uchar(r[OffKp]) | (1 << (ch.unicode() - '1')));
            qCDebug(lcRecords).noquote() << QString::asprintf("Dept->Kp = %02x", uchar(r[OffKp]));
            break;
        default:
            break;
        }
    }
    return QByteArray(r + OffName, int(qstrnlen(r + OffName, NameSize)));
}

QByteArray Dept::decodeFields(const char* r, ItemRow* row, int) const
{
    const uchar index = uchar(r[OffIndex]);
    const QByteArray name = registerBytes(r + OffName, NameSize);
    int tax = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (uchar(r[OffTax]) & (1 << bit)) {
            tax = bit + 1;
            break;
        }
    }
    row->clear();
    row->reserve(ColumnCount);
    row->append(indexText(index));
    row->append(fromLocal8(name));
    row->append(translation::smallNumber(uchar(r[OffGroup]) + 1));
    row->append(translation::bitsToText(quint8(r[OffPrint])));
    row->append(translation::bitsToText(quint8(r[OffOptions])));
    row->append(translation::smallNumber(tax));
    row->append(translation::unitsToText(translation::bcdToUnits(r + OffPrice, PriceSize), 2));
    row->append(translation::unitsToText(translation::bcdToUnits(r + OffPriceMax, PriceSize), 2));
    row->append(kitchenPrinters(uchar(r[OffKp])));
    if (lcRecords().isDebugEnabled()) {
        QStringList cells;
        for (const QVariant& cell : *row)
            cells << cell.toString();
        qCDebug(lcRecords).noquote() << "(" + cells.join(QStringLiteral(", ")) + ")";
    }
    return name;
}

QByteArray Dept::storageName(int, const QByteArray&, const QByteArray& record) const
{
    return storedField(record, OffName, NameSize);
}

QStringList Dept::optionMenuEntries(int column) const
{
    qCDebug(lcRecords) << "option column = " << column;
    if (column == Options)
        return kOptionsSet.menuEntries();
    if (column == Print)
        return kPrintSet.menuEntries();
    return {};
}

QByteArray Dept::optionStates(const QString& cell, int column) const
{
    qCDebug(lcRecords) << "get option = " << cell;
    if (column == Print) {
        qCDebug(lcRecords) << "--->column = 3";
        return kPrintSet.states(cell);
    }
    if (column == Options) {
        qCDebug(lcRecords) << "--->column = 4";
        return kOptionsSet.states(cell);
    }
    return QByteArray(8, 0);
}

QString Dept::applyOption(const QString& cell, int column, int entry, bool checked) const
{
    if (column == Print) {
        qCDebug(lcRecords) << "---->pmenu";
        return kPrintSet.apply(cell, entry, checked);
    }
    if (column == Options) {
        qCDebug(lcRecords) << "---->omenu";
        return kOptionsSet.apply(cell, entry, checked);
    }
    return cell;
}

bool Dept::optionNames(int column, const QString& cell, QStringList* names) const
{
    const OptionSet* set = column == Print ? &kPrintSet : column == Options ? &kOptionsSet : nullptr;
    if (!set)
        return false;
    *names = set->setBitNames(cell);
    return true;
}
