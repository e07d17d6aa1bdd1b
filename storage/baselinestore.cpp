#include "storage/baselinestore.h"

#include "storage/configdb.h"
#include "storage/serverdb.h"
#include "storage/sqlitehandle.h"
#include "storage/storagelog.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

namespace {

const char* const kSchema[] = {
    "create table if not exists baseline_tables (register TEXT NOT NULL, category INTEGER NOT NULL, "
    "updated TEXT, PRIMARY KEY (register, category))",
    "create table if not exists baseline_records (register TEXT NOT NULL, category INTEGER NOT NULL, "
    "position INTEGER NOT NULL, record %1, PRIMARY KEY (register, category, position))",
    "create table if not exists register_names (register TEXT PRIMARY KEY, name TEXT)",
};

// The open set's connection; false when no set is open.
bool connection(QSqlDatabase* db)
{
    if (currentDatabasePath.isEmpty() || !QSqlDatabase::contains(currentDatabasePath))
        return false;
    *db = QSqlDatabase::database(currentDatabasePath, true);
    return db->isOpen();
}

bool hasTable(const QSqlDatabase& db, const char* table)
{
    return ServerDb::hasTable(db, QLatin1String(table));
}

bool ensureSchema(QSqlDatabase& db)
{
    QSqlQuery query(db);
    for (const char* statement : kSchema)
        if (!query.exec(QString::fromLatin1(statement).replace(QLatin1String("%1"), ServerDb::blobType(db)))) {
            qCWarning(lcStorage) << "baselines:" << query.lastError().text();
            return false;
        }
    return true;
}

} // namespace

namespace BaselineStore {

bool exists(const QString& reg, int category)
{
    QSqlDatabase db;
    if (!connection(&db) || !hasTable(db, "baseline_tables") || !hasTable(db, "baseline_records"))
        return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select count(*) from baseline_tables where register = ? and category = ?"));
    query.addBindValue(reg);
    query.addBindValue(category);
    return query.exec() && query.next() && query.value(0).toInt() > 0;
}

bool load(const QString& reg, int category, QList<QByteArray>* records)
{
    records->clear();
    QSqlDatabase db;
    if (!exists(reg, category) || !connection(&db))
        return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "select record from baseline_records where register = ? and category = ? order by position"));
    query.addBindValue(reg);
    query.addBindValue(category);
    query.setForwardOnly(true);
    if (!query.exec())
        return false;
    while (query.next())
        records->append(query.value(0).toByteArray());
    // Part of a baseline (the server gone halfway) would be taken for all the register holds.
    if (query.lastError().isValid()) {
        records->clear();
        return false;
    }
    return true;
}

bool store(const QString& reg, int category, const QList<QByteArray>& records)
{
    // Without an open set (a send from a file) there is nowhere to keep it, and nothing lost.
    if (currentDatabasePath.isEmpty())
        return true;
    QSqlDatabase db;
    if (!connection(&db) || !ensureSchema(db) || !db.transaction())
        return false;
    QSqlQuery query(db);
    bool ok = query.prepare(QStringLiteral("delete from baseline_records where register = ? and category = ?"));
    query.addBindValue(reg);
    query.addBindValue(category);
    ok = ok && query.exec();
    query.finish();
    // The records go in through SQLite or libpq itself: a baseline may hold 100,000 of them.
    const QByteArray name = reg.toUtf8();
    if (ok && ServerDb::isServer(db)) {
        ServerDb::CopyIn copy(db, QStringLiteral("baseline_records"),
            { QStringLiteral("register"), QStringLiteral("category"), QStringLiteral("position"), QStringLiteral("record") });
        for (int i = 0; i < records.size(); ++i) {
            copy.beginRow(4);
            copy.addBytes(name);
            copy.addInt32(category);
            copy.addInt32(i);
            copy.addBytes(records.at(i));
        }
        QString reason;
        ok = copy.finish(&reason);
    } else if (ok) {
        sqlite3* handle = sqliteHandle(db);
        sqlite3_stmt* insert = nullptr;
        ok = handle
            && sqlite3_prepare_v2(handle,
                   "insert into baseline_records (register, category, position, record) values (?, ?, ?, ?)", -1,
                   &insert, nullptr)
                == SQLITE_OK;
        for (int i = 0; ok && i < records.size(); ++i) {
            sqlite3_bind_text(insert, 1, name.constData(), int(name.size()), SQLITE_STATIC);
            sqlite3_bind_int(insert, 2, category);
            sqlite3_bind_int(insert, 3, i);
            sqlite3_bind_blob(insert, 4, records.at(i).constData(), int(records.at(i).size()), SQLITE_STATIC);
            ok = sqlite3_step(insert) == SQLITE_DONE;
            sqlite3_reset(insert);
        }
        if (insert)
            sqlite3_finalize(insert);
    }
    ok = ok
        && query.prepare(
            QStringLiteral("insert into baseline_tables (register, category, updated) values (?, ?, ?) "
                           "on conflict (register, category) do update set updated = excluded.updated"));
    query.addBindValue(reg);
    query.addBindValue(category);
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    ok = ok && query.exec();
    if (!ok) {
        qCWarning(lcStorage) << "baseline of" << reg << "not stored:" << query.lastError().text();
        db.rollback();
        return false;
    }
    return db.commit();
}

bool drop(const QString& reg, int category)
{
    if (currentDatabasePath.isEmpty())
        return true;
    QSqlDatabase db;
    if (!connection(&db))
        return false;
    if (!hasTable(db, "baseline_tables"))
        return true;
    QSqlQuery query(db);
    bool ok = true;
    for (const char* table : { "baseline_records", "baseline_tables" }) {
        ok = ok && query.prepare(QStringLiteral("delete from %1 where register = ? and category = ?").arg(QLatin1String(table)));
        query.addBindValue(reg);
        query.addBindValue(category);
        ok = ok && query.exec();
    }
    return ok;
}

QStringList registers()
{
    QStringList names;
    QSqlDatabase db;
    if (!connection(&db))
        return names;
    QSqlQuery query(db);
    for (const char* table : { "baseline_tables", "register_names" }) {
        if (!hasTable(db, table) || !query.exec(QStringLiteral("select distinct register from %1").arg(QLatin1String(table))))
            continue;
        while (query.next())
            if (!names.contains(query.value(0).toString()))
                names << query.value(0).toString();
    }
    names.sort();
    return names;
}

QString name(const QString& reg)
{
    QSqlDatabase db;
    if (!connection(&db) || !hasTable(db, "register_names"))
        return QString();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select name from register_names where register = ?"));
    query.addBindValue(reg);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool setName(const QString& reg, const QString& name)
{
    QSqlDatabase db;
    if (!connection(&db) || !ensureSchema(db))
        return false;
    QSqlQuery query(db);
    if (name.trimmed().isEmpty()) {
        query.prepare(QStringLiteral("delete from register_names where register = ?"));
        query.addBindValue(reg);
    } else {
        query.prepare(QStringLiteral("insert into register_names (register, name) values (?, ?) "
                                     "on conflict (register) do update set name = excluded.name"));
        query.addBindValue(reg);
        query.addBindValue(name.trimmed());
    }
    return query.exec();
}

} // namespace BaselineStore
