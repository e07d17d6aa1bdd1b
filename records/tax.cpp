#include "records/tax.h"

#include "base/language.h"
#include "records/recordslog.h"
#include "records/translation.h"

namespace {

enum Column { Indx, Name, Rate, Options };

enum Offset { OffName = 0, NameSize = 13, OffRate = 13, RateSize = 3, OffOptions = 16 };

} // namespace

// The register defines three more bits without a name; the menu offers the named ones.
const OptionSet Tax::kOptionsSet = { 0x1F,
    { QT_TRANSLATE_NOOP("Options", "TAX ADD"), QT_TRANSLATE_NOOP("Options", "PRINT VAT"),
        QT_TRANSLATE_NOOP("Options", "PRINT ZERO"), QT_TRANSLATE_NOOP("Options", "GST TAX"),
        QT_TRANSLATE_NOOP("Options", "PRINT TAX"), "", "", "" } };

Tax::Tax()
    : IndexedRecordCodec("TAXDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::unheld() },
            { QT_TRANSLATE_NOOP("Columns", "Name"), KindText, FieldFit::text(NameSize) },
            { QT_TRANSLATE_NOOP("Columns", "Rate"), KindReal, FieldFit::amount(2 * RateSize, 2) },
            { QT_TRANSLATE_NOOP("Columns", "Options"), KindText | KindLocked, FieldFit::bits() } },
        { OffName, NameSize, true }, { Options, &kOptionsSet })
{
}

const Tax* Tax::instance()
{
    static const Tax codec;
    return &codec;
}

QByteArray Tax::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    char* r = record->data();
    putName(r, row);
    translation::unitsToBcd(r + OffRate, RateSize, translation::cellToUnits(cellText(row, Rate), 2));
    r[OffOptions] = char(translation::bitsFromText(cellText(row, Options)));
    qCDebug(lcRecords).noquote() << QString::asprintf("Tax->Options = %02x", uchar(r[OffOptions]));
    return indexKey(row);
}

QByteArray Tax::decodeFields(const char* r, ItemRow* row, int index) const
{
    const QByteArray name = nameBytes(r);
    *row = { indexText(r, index), fromLocal8(name),
        translation::unitsToText(translation::bcdToUnits(r + OffRate, RateSize), 2),
        translation::bitsToText(quint8(r[OffOptions])) };
    return name;
}
