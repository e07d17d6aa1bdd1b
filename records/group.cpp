#include "records/group.h"

#include "base/language.h"
#include "records/translation.h"

#include <cmath>

namespace {

enum Column { Indx, Name, Max };

enum Offset { OffMax = 0, OffName = 2, NameSize = 25 };

// The maximum cell as a whole number (a real is truncated; 0 when it is no number), of
// which the record keeps the low 16 bits.
quint16 maximumOf(const QString& cell)
{
    bool ok = false;
    const double value = cell.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 9.2e18)
        return 0;
    return quint16(qint64(value) & 0xFFFF);
}

} // namespace

Group::Group()
    : IndexedRecordCodec("GROUPDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::unheld() },
            { QT_TRANSLATE_NOOP("Columns", "Name"), KindText, FieldFit::text(NameSize) },
            { QT_TRANSLATE_NOOP("Columns", "Max"), KindReal, FieldFit::whole(0, 0xFFFF) } },
        { OffName, NameSize, true })
{
}

const Group* Group::instance()
{
    static const Group codec;
    return &codec;
}

QByteArray Group::encodeRow(const ItemRow& row, QByteArray* record) const
{
    record->fill(0, recordSize());
    char* r = record->data();
    putName(r, row);
    const quint16 maximum = maximumOf(cellText(row, Max));
    r[OffMax] = char(maximum & 0xFF);
    r[OffMax + 1] = char(maximum >> 8);
    return indexKey(row);
}

QByteArray Group::decodeFields(const char* r, ItemRow* row, int index) const
{
    const QByteArray name = nameBytes(r);
    const int maximum = uchar(r[OffMax]) | uchar(r[OffMax + 1]) << 8;
    *row = { indexText(r, index), fromLocal8(name), translation::smallNumber(maximum) };
    return name;
}
