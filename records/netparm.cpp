#include "records/netparm.h"

#include "base/language.h"
#include "records/currentrecord.h"
#include "records/recordslog.h"
#include "records/translation.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

enum Column {
    Indx,
    Option,
    IPAddress,
    ClientPort,
    ServerIP,
    ServerPort,
    GateWay,
    IPMask,
    PrimaryDNS,
    SecondDNS,
    ServerURL,
    APN,
    UserName,
    Password,
    PersonalCode,
    SecurityCode,
    ColumnCount
};

enum Field {
    FieldNone,
    FieldOption,
    FieldAddress,
    FieldPort,
    FieldClearedText, // zeroed, then text and NUL
    FieldText, // text and NUL over the old bytes
    FieldCode, // zeroed, no NUL when full
    FieldKey,
};

struct Layout {
    Field field;
    int offset;
    int size; // bytes of the record
    int limit; // longest text a cell takes
};

// Where each column lives in the record; byte 5 belongs to no column.
const Layout kLayout[ColumnCount] = {
    { FieldNone, 0, 0, 0 },
    { FieldOption, 0, 1, 0 },
    { FieldAddress, 1, 4, 15 },
    { FieldPort, 6, 2, 5 },
    { FieldAddress, 8, 4, 15 },
    { FieldPort, 12, 2, 5 },
    { FieldAddress, 14, 4, 15 },
    { FieldAddress, 18, 4, 15 },
    { FieldAddress, 22, 4, 15 },
    { FieldAddress, 26, 4, 15 },
    { FieldClearedText, 30, 128, 127 },
    { FieldText, 158, 8, 7 },
    { FieldText, 166, 16, 15 },
    { FieldText, 182, 16, 15 },
    { FieldCode, 198, 10, 10 },
    { FieldKey, 208, 32, 64 },
};

constexpr int kKeyDigits = 64;

CurrentRecord& current()
{
    static CurrentRecord record(NetParm::kRecordSize);
    return record;
}

quint16 portAt(const char* field)
{
    return quint16(uchar(field[0]) | uchar(field[1]) << 8);
}

// The row of a record, numbered `number`.
void rowFrom(const char* r, int number, ItemRow* row)
{
    row->clear();
    row->reserve(ColumnCount);
    row->append(translation::smallNumber(number));
    for (int c = Option; c < ColumnCount; ++c) {
        const Layout& f = kLayout[c];
        const char* p = r + f.offset;
        switch (f.field) {
        case FieldOption:
            row->append(translation::bitsToText(quint8(p[0])));
            break;
        case FieldAddress:
            row->append(translation::ipToText(p));
            break;
        case FieldPort:
            row->append(QString::number(portAt(p)));
            break;
        case FieldKey:
            // All 64 digits, so that a key with a zero byte goes back whole; no key is empty.
            row->append(QByteArray(p, f.size).count('\0') == f.size
                    ? QString()
                    : QString::fromLatin1(translation::bytesToHex(p, f.size)));
            break;
        default:
            row->append(fromLocal8Field(p, f.size));
            break;
        }
    }
}

bool allDigits(const QString& text)
{
    for (const QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

bool isAddress(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts)
        if (!allDigits(part) || part.size() > 3 || part.toInt() > 255)
            return false;
    return true;
}

QString keyProblem(const QString& text)
{
    if (text.isEmpty())
        return QString();
    for (const QChar ch : text) {
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('f'))
            return QCoreApplication::translate(
                "NetParm", "SecurityCode: the letters of the key must be upper-case (A to F)");
        const bool hex
            = (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'));
        if (!hex)
            return QCoreApplication::translate(
                "NetParm", "SecurityCode: the key holds only the digits 0 to 9 and the letters A to F");
    }
    if (text.size() != kKeyDigits)
        return QCoreApplication::translate("NetParm", "SecurityCode: the key is %1 hexadecimal digits or empty, not %2")
            .arg(kKeyDigits)
            .arg(text.size());
    return QString();
}

} // namespace

const OptionSet NetParm::kOptionSet = { 0x07,
    { QT_TRANSLATE_NOOP("Options", "NETENABLE"), QT_TRANSLATE_NOOP("Options", "DHCPENABLE"),
        QT_TRANSLATE_NOOP("Options", "MINISTRYENABLE") } };

NetParm::NetParm()
    : RecordCodec("NETPARMDATA",
        { { QT_TRANSLATE_NOOP("Columns", "Indx"), KindInt | KindLocked, FieldFit::unheld() },
            { QT_TRANSLATE_NOOP("Columns", "Option"), KindText | KindLocked, FieldFit::bits() },
            { QT_TRANSLATE_NOOP("Columns", "IPAddress"), KindText, FieldFit::address() },
            { QT_TRANSLATE_NOOP("Columns", "ClientPort"), KindInt, FieldFit::whole(0, 0xFFFF) },
            { QT_TRANSLATE_NOOP("Columns", "ServerIP"), KindText, FieldFit::address() },
            { QT_TRANSLATE_NOOP("Columns", "ServerPort"), KindInt, FieldFit::whole(0, 0xFFFF) },
            { QT_TRANSLATE_NOOP("Columns", "GateWay"), KindText, FieldFit::address() },
            { QT_TRANSLATE_NOOP("Columns", "IPMask"), KindText, FieldFit::address() },
            { QT_TRANSLATE_NOOP("Columns", "PrimaryDNS"), KindText, FieldFit::address() },
            { QT_TRANSLATE_NOOP("Columns", "SecondDNS"), KindText, FieldFit::address() },
            { QT_TRANSLATE_NOOP("Columns", "ServerURL"), KindText, FieldFit::text(kLayout[ServerURL].limit) },
            { QT_TRANSLATE_NOOP("Columns", "APN"), KindText, FieldFit::text(kLayout[APN].limit) },
            { QT_TRANSLATE_NOOP("Columns", "UserName"), KindText, FieldFit::text(kLayout[UserName].limit) },
            { QT_TRANSLATE_NOOP("Columns", "Password"), KindText, FieldFit::text(kLayout[Password].limit), kSecret },
            { QT_TRANSLATE_NOOP("Columns", "PersonalCode"), KindText, FieldFit::text(kLayout[PersonalCode].limit),
                kSecret },
            { QT_TRANSLATE_NOOP("Columns", "SecurityCode"), KindText, FieldFit::key(), kSecret } })
{
}

const NetParm* NetParm::instance()
{
    static const NetParm codec;
    return &codec;
}

QByteArray NetParm::record()
{
    return current().bytes();
}

void NetParm::setRecord(const QByteArray& record)
{
    current().set(record);
}

QByteArray NetParm::encodeRow(const ItemRow& row, QByteArray* record) const
{
    *record = current().bytes();
    char* r = record->data();
    const int cells = qMin(int(row.size()), int(ColumnCount));
    for (int c = Option; c < cells; ++c) {
        const Layout& f = kLayout[c];
        char* p = r + f.offset;
        const QString text = cellText(row, c);
        switch (f.field) {
        case FieldOption:
            p[0] = char(translation::bitsFromText(text));
            break;
        case FieldAddress:
            // A malformed address leaves the previous bytes.
            translation::textToIp(p, text);
            break;
        case FieldPort: {
            bool ok = false;
            const qint64 port = text.toLongLong(&ok, 10);
            p[0] = char(ok ? port & 0xFF : 0);
            p[1] = char(ok ? (port >> 8) & 0xFF : 0);
            break;
        }
        case FieldClearedText:
        case FieldText: {
            if (f.field == FieldClearedText)
                std::memset(p, 0, f.size);
            // Whole letters of a UTF-8 text (an English set), as the names keep them.
            const QByteArray bytes = registerCut(toLocal8(text), f.size - 1);
            std::memcpy(p, bytes.constData(), bytes.size());
            p[bytes.size()] = 0;
            break;
        }
        case FieldCode: {
            std::memset(p, 0, f.size);
            // The text as far as the field takes it. (In a one-byte code page that is as many
            // bytes as the text has letters; a UTF-8 letter takes more bytes than one, and the
            // text goes as far as whole letters fit rather than that many bytes.)
            const QByteArray kept = registerCut(toLocal8(text), f.size);
            std::memcpy(p, kept.constData(), kept.size());
            break;
        }
        case FieldKey:
            // A key that is not 64 upper-case digits (or empty) leaves the previous key.
            translation::hexKeyToBytes(p, text.toLatin1(), int(text.size()));
            break;
        case FieldNone:
            break;
        }
    }
    return QByteArrayLiteral("netparm");
}

QByteArray NetParm::decodeFields(const char* record, ItemRow* row, int index) const
{
    current().set(QByteArray(record, kRecordSize));
    rowFrom(record, index == kOwnIndex ? 1 : index, row);
    return QByteArrayLiteral("netparm");
}

QByteArray NetParm::readFields(const char* record, ItemRow* row, int index) const
{
    rowFrom(record, index == kOwnIndex ? 1 : index, row);
    return QByteArrayLiteral("netparm");
}

QByteArray NetParm::storageKey(int, const QByteArray&) const
{
    return QByteArrayLiteral("1");
}

QStringList NetParm::optionMenuEntries(int column) const
{
    return column == Option ? kOptionSet.menuEntries() : QStringList();
}

QByteArray NetParm::optionStates(const QString& cell, int) const
{
    qCDebug(lcRecords) << "get option = " << cell.toLongLong();
    QByteArray states(8, 0);
    for (int bit = 0; bit < 8; ++bit)
        states[bit] = optionDigit(cell, bit) == 1 ? 1 : 0;
    return states;
}

QString NetParm::applyOption(const QString& cell, int column, int entry, bool checked) const
{
    return column == Option ? kOptionSet.apply(cell, entry, checked) : cell;
}

bool NetParm::optionNames(int column, const QString& cell, QStringList* names) const
{
    if (column != Option)
        return false;
    *names = kOptionSet.setBitNames(cell);
    return true;
}

ItemTable NetParm::emptyTable() const
{
    const QByteArray bytes = current().bytes();
    ItemRow row;
    rowFrom(bytes.constData(), 1, &row);
    return { row };
}

int NetParm::textLimit(int column) const
{
    return column >= 0 && column < ColumnCount ? kLayout[column].limit : 0;
}

QString NetParm::cellProblem(int column, const QString& text) const
{
    if (column < 0 || column >= ColumnCount)
        return QString();
    // The column as its header reads in the grid.
    const QString header = QCoreApplication::translate("Columns", columns().at(column).header);
    switch (kLayout[column].field) {
    case FieldAddress:
        if (!isAddress(text))
            return QCoreApplication::translate(
                "NetParm", "%1: an address is four numbers from 0 to 255 joined by dots, like 192.168.1.10")
                .arg(header);
        break;
    case FieldPort:
        if (!allDigits(text) || text.size() > 5 || text.toInt() > 0xFFFF)
            return QCoreApplication::translate("NetParm", "%1: a port is a number from 0 to 65535").arg(header);
        break;
    case FieldKey:
        return keyProblem(text);
    default:
        break;
    }
    return QString();
}
