#include "storage/configdb.h"

#include "storage/notice.h"
#include "storage/storagelog.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextCodec>
#include <QVariant>

#include <cstring>

Q_LOGGING_CATEGORY(lcStorage, "tallvane.storage", QtInfoMsg)

QString currentDatabasePath;

namespace {

const char kCreateStatement[] = "create table %1 (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)";
const char kUser[] = "root";
const char kPassword[] = "604218";

void showNotConnected() { Notice::critical(QStringLiteral("Warnning!"), QStringLiteral("database is not connect.")); }

void showCannotOpen()
{
    Notice::critical(QStringLiteral("can not open database"),
        QStringLiteral("Unable to establish a database connection."));
}

// Drops the connection of the current database (if any) and registers a new one for `path`.
void replaceConnection(const QString& path)
{
    if (!currentDatabasePath.isEmpty() && QSqlDatabase::contains(currentDatabasePath)) {
        QSqlDatabase::removeDatabase(currentDatabasePath);
        qCDebug(lcStorage) << "remove db " << currentDatabasePath;
    }
    currentDatabasePath = path;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    db.setUserName(QString::fromLatin1(kUser));
    db.setPassword(QString::fromLatin1(kPassword));
}

// The current connection, opened; false (after telling the operator) when there is none.
bool currentConnection(QSqlDatabase* db)
{
    if (!QSqlDatabase::contains(currentDatabasePath)) {
        showNotConnected();
        return false;
    }
    *db = QSqlDatabase::database(currentDatabasePath, false);
    if (db->isOpen()) {
        qCDebug(lcStorage) << "--->db is opened";
        return true;
    }
    qCDebug(lcStorage) << "--->db is not opened";
    if (!db->open()) {
        showCannotOpen();
        return false;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(currentDatabasePath);
    return true;
}

void copyField(char* field, int size, const QByteArray& text)
{
    std::memset(field, 0, size);
    const int n = qMin(int(qstrnlen(text.constData(), text.size())), size - 1);
    std::memcpy(field, text.constData(), n);
}

} // namespace

RecordEntry RecordEntry::make(const QByteArray& key, const QByteArray& name, const QByteArray& data)
{
    RecordEntry entry;
    copyField(entry.key, sizeof entry.key, key);
    copyField(entry.name, sizeof entry.name, name);
    entry.length = data.size();
    entry.data = data;
    return entry;
}

const QStringList& configTableNames()
{
    static const QStringList names { "table_group", "table_dept", "table_plu", "table_tax", "table_disc",
        "table_clerk", "table_ht", "table_extht", "table_tr", "table_graphic", "table_net", "table_system" };
    return names;
}

void openDatabase(const QString& path)
{
    replaceConnection(path);
    QSqlDatabase db = QSqlDatabase::database(path, false);
    if (!db.open()) {
        showCannotOpen();
        return;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(path);
}

void createDatabase(const QString& path)
{
    if (QFile::exists(path)) {
        Notice::critical(QStringLiteral("Warnning!"), QStringLiteral("%1 is exist.").arg(path));
        return;
    }
    replaceConnection(path);
    if (!QSqlDatabase::contains(currentDatabasePath)) {
        showNotConnected();
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(currentDatabasePath, true);
    if (!db.isOpen()) {
        showCannotOpen();
        return;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(path);
    QSqlQuery query(db);
    db.transaction();
    qCDebug(lcStorage) << "init db";
    for (const QString& table : configTableNames())
        ensureTable(QString::fromLatin1(kCreateStatement).arg(table), table, query);
    db.commit();
}

bool ensureTable(const QString& statement, const QString& table, QSqlQuery& query)
{
    const QString check = QStringLiteral("select count(*) from sqlite_master where type='table' and name='%1'");
    if (!query.exec(check.arg(table))) {
        qCDebug(lcStorage).noquote() << QStringLiteral("Error: Fail to check %1 Table.").arg(table);
    } else if (query.next() && query.value(0).toInt() != 0) {
        qCDebug(lcStorage).noquote() << QStringLiteral("%1 Table exists.").arg(table);
        return true;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("%1 Table does not exist.").arg(table);
    qCDebug(lcStorage) << statement;
    if (query.exec(statement))
        qCDebug(lcStorage).noquote() << QStringLiteral("%1 Table created!").arg(table);
    else
        qCDebug(lcStorage).noquote() << QStringLiteral("Error: Fail to create %1 Table.").arg(table);
    return true;
}

bool saveRecords(const QString& table, const QList<RecordEntry>& entries)
{
    qCDebug(lcStorage) << "table row = " << entries.size();
    QSqlDatabase db;
    if (!currentConnection(&db))
        return false;

    // The old rows go and the new ones come in one transaction: a failure anywhere rolls
    // back to the rows the table held before.
    if (!db.transaction()) {
        qCDebug(lcStorage) << db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("delete from %1").arg(table))) {
        qCDebug(lcStorage) << query.lastError().text();
        db.rollback();
        return false;
    }
    qCDebug(lcStorage) << "clear db success!";

    const QTextCodec* codec = QTextCodec::codecForLocale();
    QVariantList keys, names, records;
    keys.reserve(entries.size());
    names.reserve(entries.size());
    records.reserve(entries.size());
    for (const RecordEntry& entry : entries) {
        keys << QString::fromLatin1(entry.key, int(qstrnlen(entry.key, sizeof entry.key)));
        // Names are in the display language's code page, as the codecs produced them.
        names << codec->toUnicode(entry.name, int(qstrnlen(entry.name, sizeof entry.name)));
        records << entry.data.left(qMax(0, entry.length));
    }
    bool ok = query.prepare(QStringLiteral("INSERT INTO %1 VALUES(?,?,?)").arg(table));
    if (ok) {
        query.addBindValue(keys);
        query.addBindValue(names);
        query.addBindValue(records);
        ok = query.execBatch();
    }
    if (!ok) {
        qCDebug(lcStorage) << query.lastError().text();
        query.finish();
        db.rollback();
        return false;
    }
    qCDebug(lcStorage) << "inserted success!";
    query.finish();
    if (!db.commit()) {
        qCDebug(lcStorage) << db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

bool loadRecords(const QString& table, QList<QByteArray>* out)
{
    const QString select = QStringLiteral("SELECT itemRandom, itemName, itemData FROM %1").arg(table);
    QSqlDatabase db;
    if (!currentConnection(&db))
        return false;
    out->clear();
    db.transaction();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const bool ok = query.exec(select);
    if (ok) {
        while (query.next())
            out->append(query.value(2).toByteArray());
    } else {
        qCDebug(lcStorage) << query.lastError().text();
    }
    query.finish();
    db.commit();
    return ok;
}
