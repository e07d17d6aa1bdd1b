#include "hostilerecords.h"

#include "testsupport.h"

#include "base/language.h"
#include "records/categories.h"
#include "records/recordcodec.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

#include <cstring>

TextField hostileTextField(const RecordCodec* codec)
{
    static const struct {
        const char* type;
        TextField field;
    } fields[] = {
        { "DEPTDATA", { 7, 25 } },
        { "PLUDATA", { 7, 25 } },
        { "TAXDATA", { 0, 13 } },
        { "DISCDATA", { 10, 13 } },
        { "GROUPDATA", { 2, 25 } },
        { "CLERKDATA", { 0, 13 } },
        { "HEADERDATA", { 1, 33 } },
        { "EXTHEADERDATA", { 1, 41 } },
        { "TRAILERDATA", { 1, 33 } },
        { "NETPARMDATA", { 30, 128 } }, // the server URL
    };
    for (const auto& entry : fields)
        if (qstrcmp(codec->category().typeName, entry.type) == 0)
            return entry.field;
    return {};
}

QByteArray hostileText(int language, int size, int variant)
{
    QByteArray text;
    switch (language) {
    case English:
        // A character cut at the field's end (two and three bytes long), a stray continuation byte.
        if (variant == 0)
            text = QByteArray(size - 1, 'A') + "\xC3";
        else if (variant == 1)
            text = QByteArray(size - 2, 'B') + "\xE2\x82";
        else
            text = "C\x80" "D";
        break;
    case Greek: // windows-1253 leaves 0xD2 and 0xFF undefined
        text = QByteArray(variant == 0 ? "\xC1\xD2\xC2" : variant == 1 ? "\xD2\xE1" : "\xC4\xFF");
        break;
    case Hebrew:
        // Letters in the code page where the register keeps its own letter codes, and bytes
        // windows-1255 leaves undefined.
        text = QByteArray(variant == 0 ? "\xE0\xE1\xE2" : variant == 1 ? "\x80\xFB\x81" : "\xF9\xFF");
        break;
    case Arabic:
        // Digits around letters, which the register walk reorders differently each way.
        text = QByteArray(variant == 0 ? "12\xC7" "3" : variant == 1 ? "5\xC8\xA0" "6" : "7 8\xC9 9");
        break;
    case Thailand:
        // Bytes CP874 leaves undefined (0xDB to 0xDE, 0xFC to 0xFF, most of 0x80 to 0x9F); the
        // code page reads them as private-use and control characters and gives them back.
        text = QByteArray(variant == 0 ? "\xA1\xDB\xA2" : variant == 1 ? "\xFC\xB5" : "\x81\xA1");
        break;
    default:
        break;
    }
    return text.leftJustified(size, '\0', true);
}

QList<QByteArray> hostileRecords(const RecordCodec* codec, int language, bool reserved, int count)
{
    const TextField field = hostileTextField(codec);
    QList<QByteArray> records;
    for (int i = 0; i < count; ++i) {
        QByteArray record(codec->storedSize(), 0);
        if (reserved || field.size == 0) {
            QRandomGenerator random(quint32(qHash(QByteArray(codec->category().typeName))) ^ quint32(language << 8) ^ quint32(i));
            for (char& byte : record)
                byte = char(random.bounded(256));
        } else {
            // What a record of zeros decodes to, encoded again: a plain row's record.
            ItemRow row;
            codec->decodeRecord(QByteArray(codec->recordSize(), 0), &row, i + 1);
            QByteArray plain;
            codec->encodeRow(row, &plain);
            record = plain.left(codec->storedSize());
            record.replace(field.offset, field.size, hostileText(language, field.size, i % 3));
        }
        records << record;
    }
    return records;
}

QStringList storedRows(const QString& path, const QString& table)
{
    QStringList rows;
    forEachRow(path, QStringLiteral("select itemRandom, hex(itemName), hex(itemData) from %1").arg(table),
        [&](const QSqlQuery& query) {
            rows << QStringLiteral("%1 | %2 | %3")
                        .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString());
        });
    return rows;
}

QList<QByteArray> storedData(const QString& path, const QString& table)
{
    QList<QByteArray> records;
    forEachRow(path, QStringLiteral("select itemData from %1").arg(table),
        [&](const QSqlQuery& query) { records << query.value(0).toByteArray(); });
    return records;
}

bool writeStoredRecords(const QString& path, const QString& table, const QList<QByteArray>& records)
{
    return withDatabaseFile(path, [&](QSqlQuery& query) {
        query.exec(
            QStringLiteral("create table if not exists %1 (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)")
                .arg(table));
        if (!query.exec(QStringLiteral("delete from %1").arg(table)))
            return false;
        for (int i = 0; i < records.size(); ++i) {
            query.prepare(QStringLiteral("insert into %1 values(?, 'x', ?)").arg(table));
            query.addBindValue(QString::number(i + 1));
            query.addBindValue(records.at(i));
            if (!query.exec())
                return false;
        }
        return true;
    });
}
