#include "records/system.h"

#include "records/currentrecord.h"
#include "records/recordslog.h"
#include "records/translation.h"
#include "storage/configdb.h"

namespace {

const uchar kDefaultRecord[System::kRecordSize] = {
    0x00, 0x01, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, //
    0x03, 0x03, 0x9A, 0x30, 0x02, 0x05, 0x00, 0x58, 0x42, 0x01, 0x18, 0x03, 0x00, 0x00, 0xD1, 0x00, //
    0x01, 0x00, 0x07, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, //
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x42, 0x00, 0x00, 0x2D, 0x01, 0x00, //
};

enum Byte { ByteDecimal = 0, ByteDaylight = 2, ByteBuzzer = 4, BytePrint = 5, ByteClerk = 9, ByteEcrNo = 15,
    ByteDensity = 17, ByteIdle = 21, ByteAmountMax = 54, ByteTax = 60, ByteCopy = 62 };

CurrentRecord& current()
{
    static CurrentRecord record(System::kRecordSize, System::defaultRecord());
    return record;
}

uchar byteAt(int index) { return current().at(index); }

void setByte(int index, uchar value)
{
    current().edit([&](uchar* bytes) { bytes[index] = value; });
}

// A check box bound to one bit; `inverted` bits are on when clear.
bool bit(int index, uchar mask, bool inverted)
{
    const bool set = byteAt(index) & mask;
    return inverted ? !set : set;
}

void setBit(int index, uchar mask, bool inverted, bool on)
{
    const bool set = inverted ? !on : on;
    current().edit([&](uchar* bytes) { bytes[index] = set ? uchar(bytes[index] | mask) : uchar(bytes[index] & ~mask); });
}

} // namespace

System::System()
    : RecordCodec("SYSPARMDATA", {})
{
}

const System* System::instance()
{
    static const System codec;
    return &codec;
}

QByteArray System::defaultRecord() { return QByteArray(reinterpret_cast<const char*>(kDefaultRecord), kRecordSize); }

QByteArray System::record() { return current().bytes(); }

void System::setRecord(const QByteArray& record) { current().set(record); }

QByteArray System::encodeRow(const ItemRow& row, QByteArray* record) const
{
    if (row.isEmpty()) {
        *record = System::record();
        return QByteArrayLiteral("sysparm");
    }
    record->fill(0, kRecordSize);
    for (int i = 0; i < qMin<int>(row.size(), kRecordSize); ++i) {
        const QByteArray cell = row.at(i).toByteArray();
        if (!cell.isEmpty())
            (*record)[i] = cell.at(0);
    }
    return QByteArrayLiteral("sysparm");
}

QByteArray System::decodeRecord(const QByteArray& payload, ItemRow* row, int) const
{
    if (payload.size() != kRecordSize + 2) {
        qCDebug(lcRecords) << "sys rcv data = " << translation::hexSpaced(payload);
        qCDebug(lcRecords) << "datalen = " << payload.size() << ", data = " << payload;
        qCDebug(lcRecords) << "data len is err!";
        return QByteArray();
    }
    const QByteArray received = storedRecord(payload);
    setRecord(received);
    decodeFields(received.constData(), row, kOwnIndex);
    return QByteArray();
}

QByteArray System::storedRecord(const QByteArray& payload) const
{
    if (payload.size() != kRecordSize + 2)
        return QByteArray();
    // The reply's record bytes after its two leading ones, then the frame's check bytes: those
    // two are no register setting, and the record's last two bytes keep what the program held
    // (read as settings they turned COPY RECEIPT and its neighbours on or off at random).
    return payload.mid(2, kRecordSize - 2) + record().mid(kRecordSize - 2, 2);
}

QByteArray System::decodeFields(const char* record, ItemRow* row, int) const
{
    row->clear();
    row->reserve(kRecordSize);
    for (int i = 0; i < kRecordSize; ++i)
        row->append(QByteArray(1, record[i]));
    qCDebug(lcRecords) << "itemcount = " << 1;
    return QByteArray();
}

bool System::loadSystemRecord()
{
    // A set without a stored record has the defaults, not what the last set (or a discarded
    // edit) left in memory, which a save would write into it.
    QList<QByteArray> items;
    const bool loaded = loadRecords(QStringLiteral("table_system"), &items);
    setRecord(loaded && !items.isEmpty() ? items.first().left(kRecordSize) : defaultRecord());
    return loaded;
}

bool System::saveSystemRecord()
{
    return saveRecords(QStringLiteral("table_system"), { RecordEntry::make("1", "sysparm", record()) });
}

int System::ecrNo() { return byteAt(ByteEcrNo); }
void System::setEcrNo(int value)
{
    qCDebug(lcRecords) << "ecrno value = " << value;
    setByte(ByteEcrNo, uchar(value));
}
int System::idleTime() { return byteAt(ByteIdle); }
void System::setIdleTime(int value) { setByte(ByteIdle, uchar(value)); }
int System::printDensity() { return byteAt(ByteDensity); }
void System::setPrintDensity(int value) { setByte(ByteDensity, uchar(value)); }

quint32 System::amountMax()
{
    const QByteArray record = current().bytes();
    const uchar* p = reinterpret_cast<const uchar*>(record.constData()) + ByteAmountMax;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

void System::setAmountMax(quint32 value)
{
    current().edit([&](uchar* bytes) {
        for (int i = 0; i < 4; ++i)
            bytes[ByteAmountMax + i] = uchar(value >> (8 * i));
    });
}

bool System::decimal() { return bit(ByteDecimal, 0x10, true); }
void System::setDecimal(bool on) { setBit(ByteDecimal, 0x10, true, on); }
bool System::daylightTime() { return bit(ByteDaylight, 0x80, false); }
void System::setDaylightTime(bool on) { setBit(ByteDaylight, 0x80, false, on); }
bool System::buzzer() { return bit(ByteBuzzer, 0x01, true); }
void System::setBuzzer(bool on) { setBit(ByteBuzzer, 0x01, true, on); }
bool System::printItems() { return bit(BytePrint, 0x01, false); }
void System::setPrintItems(bool on) { setBit(BytePrint, 0x01, false, on); }
bool System::customerCard() { return bit(BytePrint, 0x02, false); }
void System::setCustomerCard(bool on) { setBit(BytePrint, 0x02, false, on); }
bool System::operObl() { return bit(ByteClerk, 0x01, false); }
void System::setOperObl(bool on) { setBit(ByteClerk, 0x01, false, on); }
bool System::prnClerk() { return bit(ByteClerk, 0x08, false); }
void System::setPrnClerk(bool on) { setBit(ByteClerk, 0x08, false, on); }
bool System::clerkPwd() { return bit(ByteClerk, 0x20, false); }
void System::setClerkPwd(bool on) { setBit(ByteClerk, 0x20, false, on); }
bool System::subtotalObl() { return bit(ByteClerk, 0x80, false); }
void System::setSubtotalObl(bool on) { setBit(ByteClerk, 0x80, false, on); }
bool System::printTaxAmt() { return bit(ByteTax, 0x20, false); }
void System::setPrintTaxAmt(bool on) { setBit(ByteTax, 0x20, false, on); }
bool System::printDepartMon() { return bit(ByteTax, 0x40, false); }
void System::setPrintDepartMon(bool on) { setBit(ByteTax, 0x40, false, on); }
bool System::copyReceipt() { return bit(ByteCopy, 0x01, false); }
void System::setCopyReceipt(bool on) { setBit(ByteCopy, 0x01, false, on); }
