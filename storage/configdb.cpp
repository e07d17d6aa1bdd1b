#include "storage/configdb.h"

#include "storage/notice.h"
#include "storage/storagelog.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextCodec>
#include <QVariant>

#include <sqlite3.h>

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

// The SQLite connection behind a Qt connection. Bulk inserts and reads go through it
// directly: Qt's per-row binding costs several times the work of SQLite itself on tables of
// 100,000 records.
sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool insertAll(sqlite3* db, const QString& table, const QList<RecordEntry>& entries)
{
    const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES(?,?,?)").arg(table).toUtf8();
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr) != SQLITE_OK) {
        qCDebug(lcStorage) << sqlite3_errmsg(db);
        return false;
    }
    // Names are in the display language's code page, as the codecs produced them.
    const QTextCodec* codec = QTextCodec::codecForLocale();
    const bool utf8 = codec->mibEnum() == 106;
    bool ok = true;
    QByteArray name;
    for (const RecordEntry& entry : entries) {
        const int nameLength = int(qstrnlen(entry.name, sizeof entry.name));
        const int length = qBound(0, int(entry.length), int(entry.data.size()));
        sqlite3_bind_text(insert, 1, entry.key, int(qstrnlen(entry.key, sizeof entry.key)), SQLITE_STATIC);
        if (utf8) {
            sqlite3_bind_text(insert, 2, entry.name, nameLength, SQLITE_STATIC);
        } else {
            name = codec->toUnicode(entry.name, nameLength).toUtf8();
            sqlite3_bind_text(insert, 2, name.constData(), name.size(), SQLITE_STATIC);
        }
        sqlite3_bind_blob(insert, 3, entry.data.constData(), length, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE) {
            qCDebug(lcStorage) << sqlite3_errmsg(db);
            ok = false;
            break;
        }
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return ok;
}

bool selectAll(sqlite3* db, const QString& select, QList<QByteArray>* out)
{
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, select.toUtf8().constData(), -1, &query, nullptr) != SQLITE_OK) {
        qCDebug(lcStorage) << sqlite3_errmsg(db);
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW)
        out->append(QByteArray(static_cast<const char*>(sqlite3_column_blob(query, 2)), sqlite3_column_bytes(query, 2)));
    if (rc != SQLITE_DONE)
        qCDebug(lcStorage) << sqlite3_errmsg(db);
    sqlite3_finalize(query);
    return rc == SQLITE_DONE;
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
    query.finish();
    qCDebug(lcStorage) << "clear db success!";

    sqlite3* handle = sqliteHandle(db);
    if (!handle || !insertAll(handle, table, entries)) {
        db.rollback();
        return false;
    }
    qCDebug(lcStorage) << "inserted success!";
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
    sqlite3* handle = sqliteHandle(db);
    db.transaction();
    const bool ok = handle && selectAll(handle, select, out);
    db.commit();
    return ok;
}
