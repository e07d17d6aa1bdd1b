#include "records/recordcodec.h"

#include "base/language.h"
#include "base/slices.h"
#include "records/recordslog.h"
#include "records/translation.h"
#include "storage/configdb.h"

#include <QTextCodec>

#include <cstring>
#include <functional>

namespace {

// Runs work(begin, end) over the rows [0, count): in slices on several threads when the
// codec's rows stand alone, else (and while the records' debug log is on, whose lines keep
// the rows' order) on this thread in one go.
void overRows(int count, bool standAlone, const std::function<void(int, int)>& work)
{
    if (standAlone && !lcRecords().isDebugEnabled())
        inSlices(count, work);
    else
        work(0, count);
}

} // namespace

ColumnDescription& currentColumns()
{
    static ColumnDescription description;
    return description;
}

QStringList OptionSet::menuEntries() const
{
    QStringList entries;
    for (int i = 0; i < entryCount; ++i)
        if (offerMask & (1 << i))
            entries << QString::fromLatin1(names[i]);
    return entries;
}

int optionDigit(const QString& cell, int bit)
{
    qint64 number = cell.toLongLong();
    for (int i = 0; i < bit; ++i)
        number /= 10;
    return int(number % 10);
}

quint8 optionCellBits(const QString& cell)
{
    quint8 bits = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (optionDigit(cell, bit) == 1)
            bits |= quint8(1 << bit);
    return bits;
}

QByteArray OptionSet::offeredStates(quint16 entriesOn) const
{
    // Eight bytes, zero after the offered entries' states.
    QByteArray states(8, 0);
    int count = 0;
    for (int i = 0; i < entryCount; ++i) {
        if (!(offerMask & (1 << i)))
            continue;
        const char state = (entriesOn & (1 << i)) ? 1 : 0;
        if (count < states.size())
            states[count] = state;
        else
            states.append(state);
        ++count;
    }
    return states;
}

QByteArray OptionSet::states(const QString& cell) const { return offeredStates(optionCellBits(cell)); }

int OptionSet::bitOfEntry(int entry) const
{
    // Every entry that is not offered before the target moves the target up by one.
    int target = entry - 1;
    if (target < 0)
        return -1;
    for (int i = 0; i <= target && i < entryCount; ++i)
        if (!(offerMask & (1 << i)))
            ++target;
    return target < entryCount ? target : -1;
}

QString normalisedOptionText(const QString& cell)
{
    QString text = cell.isEmpty() ? QStringLiteral("00000000") : cell;
    if (text.size() < 8)
        text = QString(8 - text.size(), QLatin1Char('0')) + text;
    return text;
}

QString OptionSet::apply(const QString& cell, int entry, bool checked) const
{
    const int bit = bitOfEntry(entry);
    qCDebug(lcRecords) << "activeindex = " << bit;
    if (bit < 0)
        return cell;
    QString text = normalisedOptionText(cell);
    text[7 - bit] = checked ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QStringList OptionSet::namesOf(quint8 bits) const
{
    QStringList list;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(bits & (1 << bit)))
            continue;
        const char* name = bit < entryCount ? names[bit] : nullptr;
        list << (name && *name ? QString::fromLatin1(name) : QStringLiteral("BIT %1").arg(bit));
    }
    return list;
}

QStringList OptionSet::setBitNames(const QString& cell) const { return namesOf(translation::bitsFromText(cell)); }

RecordCodec::RecordCodec(const char* typeName, std::initializer_list<Column> columns)
    : m_category(categoryByType(typeName))
    , m_columns(columns)
{
    Q_ASSERT(m_category);
    Q_ASSERT(m_columns.size() <= size_t(kMaxColumns));
}

QStringList RecordCodec::headers() const
{
    QStringList list;
    for (const Column& column : m_columns)
        list << QString::fromLatin1(column.header);
    return list;
}

void RecordCodec::initColumns() const
{
    ColumnDescription& description = currentColumns();
    description.headers = headers();
    std::memset(description.kinds, 0, sizeof description.kinds);
    for (size_t i = 0; i < m_columns.size(); ++i)
        description.kinds[i] = m_columns[i].kind;
}

namespace {

// Runs `decode` on `record`, or on a zero-filled copy of full size when it is shorter.
template <class Decode> QByteArray onFullRecord(const QByteArray& record, int size, Decode decode)
{
    if (record.size() >= size)
        return decode(record.constData());
    // Every record fits the one length byte of a frame, so 256 bytes hold any of them.
    char full[256] = {};
    std::memcpy(full, record.constData(), qMin<int>(record.size(), size));
    return decode(full);
}

} // namespace

QByteArray RecordCodec::decodeRecord(const QByteArray& record, ItemRow* row, int index) const
{
    return onFullRecord(record, recordSize(), [&](const char* r) { return decodeFields(r, row, index); });
}

QByteArray RecordCodec::readRecord(const QByteArray& record, ItemRow* row, int index) const
{
    return onFullRecord(record, recordSize(), [&](const char* r) { return readFields(r, row, index); });
}

QByteArray RecordCodec::readFields(const char* record, ItemRow* row, int index) const
{
    return decodeFields(record, row, index);
}

int RecordCodec::recordKeySize() const { return 0; }

QByteArray RecordCodec::storageKey(int row, const QByteArray&) const { return QByteArray::number(row + 1); }

QByteArray RecordCodec::storageName(int, const QByteArray& encodedName, const QByteArray&) const
{
    return encodedName;
}

bool RecordCodec::saveTable(const ItemTable& table, const QList<QByteArray>& records) const
{
    qCDebug(lcRecords).nospace() << "rows = " << table.size() << ", colums = " << (table.isEmpty() ? 0 : table.first().size());
    QList<RecordEntry> entries(table.size());
    RecordEntry* entry = entries.data();
    overRows(int(table.size()), rowsStandAlone(), [&](int begin, int end) {
        QByteArray record;
        for (int i = begin; i < end; ++i) {
            // The row gives the key either way; a kept record also names itself, so that
            // neither its bytes nor its stored name change.
            const QByteArray name = encodeRow(table.at(i), &record);
            const QByteArray kept = i < records.size() ? records.at(i) : QByteArray();
            if (kept.isEmpty()) {
                entry[i]
                    = RecordEntry::make(storageKey(i, name), storageName(i, name, record), record.left(storedSize()));
                continue;
            }
            // Names are read from a full-size copy: a short stored record is kept short.
            const QByteArray full
                = kept.size() >= recordSize() ? kept : kept + QByteArray(recordSize() - kept.size(), 0);
            entry[i] = RecordEntry::make(storageKey(i, name), storageName(i, name, full), kept);
        }
    });
    return saveRecords(QString::fromLatin1(m_category->table), entries);
}

bool RecordCodec::loadTable(ItemTable* table, QList<QByteArray>* records) const
{
    initColumns();
    table->clear();
    if (records)
        records->clear();
    QList<QByteArray> stored;
    if (!loadRecords(QString::fromLatin1(m_category->table), &stored))
        return false;
    table->resize(stored.size());
    ItemRow* rows = table->data();
    overRows(int(stored.size()), rowsStandAlone(), [&](int begin, int end) {
        for (int i = begin; i < end; ++i)
            decodeRecord(stored.at(i), &rows[i], i + 1);
    });
    if (records)
        *records = stored;
    return true;
}

QByteArray RecordCodec::storedRecord(const QByteArray& received) const
{
    QByteArray record = received.left(storedSize());
    if (record.size() < storedSize())
        record.append(QByteArray(storedSize() - record.size(), 0));
    return record;
}

QStringList RecordCodec::optionMenuEntries(int) const { return {}; }

QByteArray RecordCodec::optionStates(const QString&, int) const { return QByteArray(8, 0); }

QString RecordCodec::applyOption(const QString& cell, int, int, bool) const { return cell; }

bool RecordCodec::optionNames(int, const QString&, QStringList*) const { return false; }

QStringList RecordCodec::sendRefusals(const ItemTable&) const { return {}; }

bool RecordCodec::loadShownTable(ItemTable* table, QList<QByteArray>* records) const
{
    if (!loadTable(table, records))
        return false;
    if (table->isEmpty())
        *table = emptyTable();
    return true;
}

ItemTable RecordCodec::emptyTable() const { return {}; }

int RecordCodec::textLimit(int) const { return 0; }

QString RecordCodec::cellProblem(int, const QString&) const { return QString(); }

QByteArray RecordCodec::cellBytes(const ItemRow& row, int column)
{
    if (column >= row.size())
        return QByteArray();
    return registerCut(toLocal8(row.at(column).toString()), 63);
}

QString RecordCodec::cellText(const ItemRow& row, int column)
{
    if (column >= row.size())
        return QString();
    // Most cells are texts already; converting them through the meta-type system is slow.
    const QVariant& cell = row.at(column);
    if (cell.typeId() == QMetaType::QString)
        return *static_cast<const QString*>(cell.constData());
    return cell.toString();
}

QByteArray RecordCodec::storedField(const QByteArray& record, int offset, int size)
{
    const char* field = record.constData() + offset;
    return QByteArray(field, int(qstrnlen(field, qBound(0, int(record.size()) - offset, size))));
}

QByteArray RecordCodec::registerBytes(const char* field, int size)
{
    char copy[256];
    const int n = qMin(size, int(sizeof copy));
    std::memcpy(copy, field, n);
    textFromRegister(copy, n);
    return QByteArray(copy, int(qstrnlen(copy, n)));
}

QByteArray RecordCodec::registerCut(const QByteArray& text, int size)
{
    int length = qMin(int(text.size()), size);
    // A UTF-8 text cut at the field's length keeps whole letters: the first bytes of a letter
    // are no letter on the register, and read back they became a replacement character.
    if (length < text.size() && registerCodec()->mibEnum() == 106)
        while (length > 0 && (uchar(text.at(length)) & 0xC0) == 0x80)
            --length;
    return text.left(length);
}

void RecordCodec::putRegisterText(char* field, int size, const QByteArray& text)
{
    const QByteArray kept = registerCut(text, size);
    std::memcpy(field, kept.constData(), kept.size());
    textToRegister(field, size);
}

IndexedRecordCodec::IndexedRecordCodec(
    const char* typeName, std::initializer_list<Column> columns, NameField name, OptionColumn menu)
    : RecordCodec(typeName, columns)
    , m_name(name)
    , m_menu(menu)
{
    Q_ASSERT(storedSize() == recordSize() - 1);
}

QString IndexedRecordCodec::indexText(const char* record, int index) const
{
    return translation::smallNumber(index == kOwnIndex ? int(qint8(record[recordSize() - 1])) : index);
}

QByteArray IndexedRecordCodec::indexKey(const ItemRow& row) { return cellText(row, 0).toLatin1(); }

void IndexedRecordCodec::putName(char* record, const ItemRow& row) const
{
    const QByteArray text = cellBytes(row, 1);
    if (m_name.registerText)
        putRegisterText(record + m_name.offset, m_name.size, text);
    else {
        const QByteArray kept = registerCut(text, m_name.size);
        std::memcpy(record + m_name.offset, kept.constData(), kept.size());
    }
}

QByteArray IndexedRecordCodec::nameBytes(const char* record) const
{
    const char* field = record + m_name.offset;
    if (m_name.registerText)
        return registerBytes(field, m_name.size);
    return QByteArray(field, int(qstrnlen(field, m_name.size)));
}

QByteArray IndexedRecordCodec::storageKey(int, const QByteArray& key) const { return key; }

QByteArray IndexedRecordCodec::storageName(int, const QByteArray&, const QByteArray& record) const
{
    return storedField(record, m_name.offset, m_name.size);
}

QStringList IndexedRecordCodec::optionMenuEntries(int column) const
{
    return m_menu.set && column == m_menu.column ? m_menu.set->menuEntries() : QStringList();
}

QByteArray IndexedRecordCodec::optionStates(const QString& cell, int column) const
{
    qCDebug(lcRecords) << "get option = " << cell;
    return m_menu.set && column == m_menu.column ? m_menu.set->states(cell) : QByteArray(8, 0);
}

QString IndexedRecordCodec::applyOption(const QString& cell, int column, int entry, bool checked) const
{
    return m_menu.set && column == m_menu.column ? m_menu.set->apply(cell, entry, checked) : cell;
}

bool IndexedRecordCodec::optionNames(int column, const QString& cell, QStringList* names) const
{
    if (!m_menu.set || column != m_menu.column)
        return false;
    *names = m_menu.set->setBitNames(cell);
    return true;
}
