#include "records/disc.h"

#include "base/language.h"
#include "records/recordslog.h"
#include "records/translation.h"

namespace {

enum Column { Indx, Name, Fixed, Max, Tax, Print, Options };

enum Offset {
    OffPrint = 0,
    OffOptions = 1,
    OffFixed = 2,
    FixedSize = 3,
    OffTax = 5,
    OffMax = 6,
    MaxSize = 4,
    OffName = 10,
    NameSize = 13,
};

// Entries of the options menu: the three types, then bits 2 to 7 of the options byte.
enum OptionsEntry { EntryFixed = 0, EntryFree = 1, EntryFixFree = 2, FirstBitEntry = 3 };

quint8 optionByte(const QString& text, const char* format)
{
    const quint8 value = translation::bitsFromText(text);
    qCDebug(lcRecords).noquote() << QString::asprintf(format, value);
    return value;
}

} // namespace

const OptionSet Disc::kTaxSet = { 0x1F,
    { QT_TRANSLATE_NOOP("Options", "TAX A"), QT_TRANSLATE_NOOP("Options", "TAX B"),
        QT_TRANSLATE_NOOP("Options", "TAX C"), QT_TRANSLATE_NOOP("Options", "TAX D"),
        QT_TRANSLATE_NOOP("Options", "TAX E"), QT_TRANSLATE_NOOP("Options", "TAX F"),
        QT_TRANSLATE_NOOP("Options", "TAX G"), QT_TRANSLATE_NOOP("Options", "TAX H") } };
const OptionSet Disc::kOptionsMenu = { 0xFFC7,
    { QT_TRANSLATE_NOOP("Options", "FIXED"), QT_TRANSLATE_NOOP("Options", "FREE"),
        QT_TRANSLATE_NOOP("Options", "FIX/FREE"), QT_TRANSLATE_NOOP("Options", "AMOUNT"),
        QT_TRANSLATE_NOOP("Options", "INCREASE"), QT_TRANSLATE_NOOP("Options", "NO SUB"),
        QT_TRANSLATE_NOOP("Options", "PRINT DISC"), QT_TRANSLATE_NOOP("Options", "DISC 1"),
        QT_TRANSLATE_NOOP("Options", "DISC 2") },
    9 };

Disc::Disc()
    : IndexedRecordCodec("DISCDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::unheld() },
            { QT_TRANSLATE_NOOP("Columns", "Name"), KindText, FieldFit::text(NameSize) },
            { QT_TRANSLATE_NOOP("Columns", "Fixed"), KindReal, FieldFit::amount(2 * FixedSize, 2) },
            { QT_TRANSLATE_NOOP("Columns", "Max"), KindReal, FieldFit::amount(2 * MaxSize, 2) },
            { QT_TRANSLATE_NOOP("Columns", "Tax"), KindText | KindLocked, FieldFit::bits() },
            { QT_TRANSLATE_NOOP("Columns", "Print"), KindText | KindLocked, FieldFit::bits() },
            { QT_TRANSLATE_NOOP("Columns", "Options"), KindText | KindLocked, FieldFit::bits() } },
        { OffName, NameSize, true })
{
}

const Disc* Disc::instance()
{
    static const Disc codec;
    return &codec;
}

QByteArray Disc::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    char* r = record->data();
    putName(r, row);
    translation::unitsToBcd(r + OffFixed, FixedSize, translation::cellToUnits(cellText(row, Fixed), 2));
    translation::unitsToBcd(r + OffMax, MaxSize, translation::cellToUnits(cellText(row, Max), 2));
    r[OffTax] = char(optionByte(cellText(row, Tax), "Disc->Tax = %02x"));
    r[OffPrint] = char(optionByte(cellText(row, Print), "Disc->Print = %02x"));
    r[OffOptions] = char(optionByte(cellText(row, Options), "Disc->Options = %02x"));
    return indexKey(row);
}

QByteArray Disc::decodeFields(const char* r, ItemRow* row, int index) const
{
    if (index == kOwnIndex)
        qCDebug(lcRecords) << "disc rcv data = " << translation::hexSpaced(QByteArray(r, recordSize()));
    const QByteArray name = nameBytes(r);
    *row = { indexText(r, index), fromLocal8(name),
        translation::unitsToText(translation::bcdToUnits(r + OffFixed, FixedSize), 2),
        translation::unitsToText(translation::bcdToUnits(r + OffMax, MaxSize), 2),
        translation::bitsToText(quint8(r[OffTax])), translation::bitsToText(quint8(r[OffPrint])),
        translation::bitsToText(quint8(r[OffOptions])) };
    return name;
}

bool Disc::loadTable(ItemTable* table, QList<QByteArray>* records) const
{
    qCDebug(lcRecords) << "Disc::data_read";
    return IndexedRecordCodec::loadTable(table, records);
}

QStringList Disc::optionMenuEntries(int column) const
{
    if (column == Options)
        return kOptionsMenu.menuEntries();
    if (column == Tax)
        return kTaxSet.menuEntries();
    return {};
}

QByteArray Disc::optionStates(const QString& cell, int column) const
{
    qCDebug(lcRecords) << ">>>>>>>>>>disc get option";
    qCDebug(lcRecords) << "get option = " << cell;
    if (column == Tax)
        return kTaxSet.states(cell);
    if (column != Options)
        return QByteArray(8, 0);
    // Bit 0 means "FREE" whatever bit 1 holds; with both clear the type is "FIXED".
    const quint8 bits = optionCellBits(cell);
    const int type = (bits & 0x01) ? EntryFree : (bits & 0x02) ? EntryFixFree : EntryFixed;
    qCDebug(lcRecords) << "disc type entry = " << type;
    return kOptionsMenu.offeredStates(quint16((1 << type) | ((bits >> 2) << FirstBitEntry)));
}

QString Disc::applyOption(const QString& cell, int column, int entry, bool checked) const
{
    qCDebug(lcRecords) << ">>>>>>>>>>disc set option";
    if (column == Tax) {
        // One tax at most: choosing a tax clears the others.
        if (!checked || kTaxSet.bitOfEntry(entry) < 0)
            return kTaxSet.apply(cell, entry, checked);
        return kTaxSet.apply(QStringLiteral("00000000"), entry, true);
    }
    if (column != Options)
        return cell;
    qCDebug(lcRecords) << ">>>>>>>>>>disc d_OMENU_FLAG set option";
    const int index = kOptionsMenu.bitOfEntry(entry);
    qCDebug(lcRecords) << "activeindex = " << index;
    if (index < 0)
        return cell;
    QString text = normalisedOptionText(cell);
    if (index >= FirstBitEntry) {
        text[8 - index] = checked ? QLatin1Char('1') : QLatin1Char('0');
        return text;
    }
    // The type changes only by choosing another one.
    if (!checked)
        return text;
    static const char* const typeBits[] = { "00", "01", "10" }; // bits 1, 0 for each type
    text[6] = QLatin1Char(typeBits[index][0]);
    text[7] = QLatin1Char(typeBits[index][1]);
    return text;
}

bool Disc::optionNames(int column, const QString& cell, QStringList* names) const
{
    if (column == Tax) {
        *names = kTaxSet.setBitNames(cell);
        return true;
    }
    if (column != Options)
        return false;
    // The type (bits 0 and 1, as the menu reads them), then the flags of bits 2 to 7.
    const quint8 bits = translation::bitsFromText(cell);
    const int type = (bits & 0x01) ? EntryFree : (bits & 0x02) ? EntryFixFree : EntryFixed;
    names->clear();
    *names << QString::fromLatin1(kOptionsMenu.names[type]);
    for (int bit = 2; bit < 8; ++bit)
        if (bits & (1 << bit))
            *names << QString::fromLatin1(kOptionsMenu.names[FirstBitEntry + bit - 2]);
    return true;
}
