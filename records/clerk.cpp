#include "records/clerk.h"

#include "base/language.h"
#include "records/recordslog.h"
#include "records/translation.h"

namespace {

enum Column { Indx, Name, Passwd, Options };

enum Offset { OffName = 0, NameSize = 13, OffOptions = 13, OffPasswd = 14, PasswdSize = 3 };

} // namespace

// Bit 7 is offered without a name: the register gives it no text.
const OptionSet Clerk::kOptionsSet = { 0xFD,
    { QT_TRANSLATE_NOOP("Options", "VOID"), QT_TRANSLATE_NOOP("Options", "CORRECT"),
        QT_TRANSLATE_NOOP("Options", "CANCEL"), QT_TRANSLATE_NOOP("Options", "REFUND"),
        QT_TRANSLATE_NOOP("Options", "%DISCOUNT"), QT_TRANSLATE_NOOP("Options", "%SURCHARGE"),
        QT_TRANSLATE_NOOP("Options", "NET DIS/SURCH"), "" } };

Clerk::Clerk()
    : IndexedRecordCodec("CLERKDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::unheld() },
            { QT_TRANSLATE_NOOP("Columns", "Name"), KindText, FieldFit::text(NameSize) },
            { QT_TRANSLATE_NOOP("Columns", "Passwd"), KindText, FieldFit::amount(2 * PasswdSize, 0), kSecret },
            { QT_TRANSLATE_NOOP("Columns", "Options"), KindText | KindLocked, FieldFit::bits() } },
        { OffName, NameSize, false }, { Options, &kOptionsSet })
{
}

const Clerk* Clerk::instance()
{
    static const Clerk codec;
    return &codec;
}

QByteArray Clerk::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    char* r = record->data();
    putName(r, row);
    r[OffOptions] = char(translation::bitsFromText(cellText(row, Options)));
    qCDebug(lcRecords).noquote() << QString::asprintf("Clerk->Options = %02x", uchar(r[OffOptions]));
    // A six-digit number: only the last six digits fit.
    translation::unitsToBcd(r + OffPasswd, PasswdSize, translation::cellToUnits(cellText(row, Passwd), 0));
    return indexKey(row);
}

QByteArray Clerk::decodeFields(const char* r, ItemRow* row, int index) const
{
    const QByteArray name = nameBytes(r);
    *row = { indexText(r, index), fromLocal8(name),
        QString::fromLatin1(translation::bcdToDigits(r + OffPasswd, PasswdSize)),
        translation::bitsToText(quint8(r[OffOptions])) };
    return name;
}
