#include "storage/configdb.h"

#include "base/language.h"
#include "base/punctuation.h"
#include "storage/datafolder.h"
#include "storage/notice.h"
#include "storage/serverdb.h"
#include "storage/setlocation.h"
#include "storage/setschema.h"
#include "storage/sqlitehandle.h"
#include "storage/storagelog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTextCodec>
#include <QVariant>

#include <sqlite3.h>

#include <cstring>
#include <functional>

Q_LOGGING_CATEGORY(lcStorage, "tallvane.storage", QtInfoMsg)

QString currentDatabasePath;

namespace {

DatabaseCheck g_check;
QString g_lastError;
bool g_conflict = false;
SaveConflict g_conflictWith;
QString g_operator;

// The change counter of each table as the pages show it ("base"), and as the last load of the
// table read it; both of the current set only.
QHash<QString, qint64> g_baseVersions;
QHash<QString, qint64> g_loadedVersions;

// Records why a save or load failed, for the window to say.
bool fail(const QString& reason)
{
    g_lastError = reason;
    qCDebug(lcStorage) << reason;
    return false;
}

const char kCreateStatement[] = "create table %1 (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)";
// On a server CHAR would pad the texts with blanks, and rows have no order of their own: the
// texts are VARCHAR, and itemOrder keeps the rows in the order they were saved (no index: a
// save replaces the whole table, and keeping an index up costs it more than the sort costs a
// load; see the session's work_mem in serverdb.cpp).
const char kServerCreateStatement[] = "create table %1 (itemRandom VARCHAR(16), itemName VARCHAR(32), "
                                      "itemData BYTEA NOT NULL, itemOrder INTEGER NOT NULL)";
// Every save of a table counts up its version, so that a save can tell whether someone else
// saved the table since this program loaded it.
const char kVersionsTable[] = "set_versions";
const char kVersionsStatement[] = "create table if not exists set_versions (tableName TEXT PRIMARY KEY, "
                                  "version BIGINT NOT NULL, changedBy TEXT, changedAt TEXT)";
// The set's own facts, as key/value rows: "language" (the register language's number) and
// "codePage" (its code page's name, for whoever reads the file without Tallvane).
const char kSetInfoTable[] = "set_info";
const char kUser[] = "root";
const char kPassword[] = "604218";

void showNotConnected()
{
    Notice::critical(QCoreApplication::translate("ConfigDb", "Warnning!"),
        QCoreApplication::translate("ConfigDb", "database is not connect."));
}

void showCannotOpen()
{
    Notice::critical(QCoreApplication::translate("ConfigDb", "can not open database"),
        QCoreApplication::translate("ConfigDb", "Unable to establish a database connection."));
}

// Drops the connection of the current database (if any) and registers a new one for `path`.
void replaceConnection(const QString& path)
{
    if (!currentDatabasePath.isEmpty() && QSqlDatabase::contains(currentDatabasePath)) {
        QSqlDatabase::removeDatabase(currentDatabasePath);
        qCDebug(lcStorage) << "remove db " << currentDatabasePath;
    }
    currentDatabasePath = path;
    g_baseVersions.clear();
    g_loadedVersions.clear();
    // A server connection is registered when it is opened (see openConnection).
    if (isServerLocation(path))
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    db.setUserName(QString::fromLatin1(kUser));
    db.setPassword(QString::fromLatin1(kPassword));
}

// Opens the connection of the current set: a file that exists (SQLite would create a missing
// one, and an empty file in its place would hide the loss), or the set's schema on its server.
bool openConnection(QSqlDatabase* db, QString* reason, bool mustExist = true)
{
    SetLocation location;
    if (!SetLocation::parse(currentDatabasePath, &location, reason))
        return false;
    if (!location.server) {
        *db = QSqlDatabase::database(currentDatabasePath, false);
        if (mustExist && !QFile::exists(currentDatabasePath)) {
            *reason = QCoreApplication::translate("ConfigDb", "no such file");
            return false;
        }
        if (!db->open()) {
            *reason = databaseReason(db->lastError());
            return false;
        }
        return true;
    }
    if (!ServerDb::open(location, currentDatabasePath, reason))
        return false;
    *db = QSqlDatabase::database(currentDatabasePath, false);
    bool exists = false;
    if (!ServerDb::schemaExists(*db, location.set, &exists, reason))
        return false;
    if (mustExist && !exists) {
        *reason = QCoreApplication::translate("ConfigDb", "no such set on the server");
        return false;
    }
    return true;
}

// The version of `table` stored in the set (0 when it was never counted), with who saved it.
qint64 storedVersion(const QSqlDatabase& db, const QString& table, QString* changedBy = nullptr,
    QString* changedAt = nullptr)
{
    if (!ServerDb::hasTable(db, QLatin1String(kVersionsTable)))
        return 0;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select version, changedBy, changedAt from set_versions where tableName = ?"));
    query.addBindValue(table);
    if (!query.exec() || !query.next())
        return 0;
    if (changedBy)
        *changedBy = query.value(1).toString();
    if (changedAt)
        *changedAt = query.value(2).toString();
    return query.value(0).toLongLong();
}

// Counts up the version of `table` inside the caller's transaction and returns the new one;
// -1 when the counter could not be written. The update comes first, so that it holds the
// write lock (SQLite) or the row lock (server) before the new value is read.
qint64 countUpVersion(QSqlDatabase& db, const QString& table, QString* reason = nullptr)
{
    QSqlQuery query(db);
    const auto failed = [&query, reason] {
        if (reason)
            *reason = databaseReason(query.lastError());
        return qint64(-1);
    };
    if (!ServerDb::hasTable(db, QLatin1String(kVersionsTable)) && !query.exec(QLatin1String(kVersionsStatement)))
        return failed();
    query.prepare(QStringLiteral("insert into set_versions (tableName, version, changedBy, changedAt) "
                                 "values (?, 0, '', '') on conflict (tableName) do nothing"));
    query.addBindValue(table);
    if (!query.exec())
        return failed();
    query.prepare(QStringLiteral(
        "update set_versions set version = version + 1, changedBy = ?, changedAt = ? where tableName = ?"));
    // Who saved, as every operator reads it whatever their display language: "anna@shop-pc".
    const QString by = g_operator.isEmpty() ? QSysInfo::machineHostName()
                                            : QStringLiteral("%1@%2").arg(g_operator, QSysInfo::machineHostName());
    query.addBindValue(by);
    query.addBindValue(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    query.addBindValue(table);
    if (!query.exec())
        return failed();
    // Read back here, not with storedVersion(): a read that fails is a failure with its reason,
    // not a version 0 that a save would take for another operator's.
    query.prepare(QStringLiteral("select version from set_versions where tableName = ?"));
    query.addBindValue(table);
    if (!query.exec())
        return failed();
    if (!query.next()) {
        if (reason)
            *reason = QCoreApplication::translate("ConfigDb", "the version of %1 could not be read").arg(table);
        return -1;
    }
    return query.value(0).toLongLong();
}

// Runs `sql` and hands each row's first column to `row`; on failure returns SQLite's reason
// and sets `damaged` when the reason is that the file is not a sound database.
QString readRows(sqlite3* db, const QString& sql, bool* damaged, const std::function<void(sqlite3_stmt*)>& row = {})
{
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            if (row)
                row(statement);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    const QString reason = rc == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    const int primary = rc & 0xff;
    *damaged = primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
    return reason;
}

// Reads the schema and every page of every configuration table without writing anything:
// SQLite itself finds a file that is not a database or is cut short.
DatabaseCheck inspect(const QSqlDatabase& connection, const QString& path)
{
    DatabaseCheck check;
    check.path = path;
    check.opened = true;
    sqlite3* db = sqliteHandle(connection);
    if (!db)
        return check;
    bool damaged = false;
    QStringList tables;
    check.damage = readRows(db, QStringLiteral("select name from sqlite_master where type='table'"), &damaged,
        [&tables](sqlite3_stmt* row) {
            tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)));
        });
    if (!check.damage.isEmpty()) {
        qCDebug(lcStorage) << path << "cannot be read:" << check.damage;
        return check;
    }
    for (const QString& table : configTableNames()) {
        if (!tables.contains(table, Qt::CaseInsensitive)) {
            check.missingTables << table;
            continue;
        }
        // The columns that loading reads, then a count that visits every page of the table.
        QString reason = readRows(db, QStringLiteral("SELECT itemRandom, itemName, itemData FROM %1 LIMIT 0").arg(table), &damaged);
        if (reason.isEmpty())
            reason = readRows(db, QStringLiteral("select count(*) from %1").arg(table), &damaged);
        if (damaged) {
            check.damage = reason;
            break;
        }
        if (!reason.isEmpty())
            check.badTables.insert(table, reason);
    }
    if (tables.contains(QLatin1String(kSetInfoTable), Qt::CaseInsensitive)) {
        // An unreadable or unknown record counts as none: the set is read in the login language.
        readRows(db, QStringLiteral("select value from %1 where key='language'").arg(QLatin1String(kSetInfoTable)),
            &damaged, [&check](sqlite3_stmt* row) {
                const int language = sqlite3_column_int(row, 0);
                check.language = languageName(language) ? language : 0;
            });
    }
    check.readOnly = sqlite3_db_readonly(db, "main") == 1 || !folderIsWritable(QFileInfo(path).absolutePath());
    qCDebug(lcStorage) << path << "damage:" << check.damage << "missing:" << check.missingTables
                       << "unreadable:" << check.badTables << "read-only:" << check.readOnly
                       << "language:" << check.language;
    return check;
}

// The server's counterpart of inspect(): which configuration tables the set's schema holds and
// whether this account may write them.
DatabaseCheck inspectServer(const QSqlDatabase& db, const QString& path)
{
    DatabaseCheck check;
    check.path = path;
    check.opened = true;
    const QStringList tables = ServerDb::tables(db, &check.damage);
    if (!check.damage.isEmpty())
        return check;
    QSqlQuery query(db);
    // The record bytes and the order are read in binary: a column of another type (a table
    // altered by hand) would be read as whatever its bytes are.
    QHash<QString, QString> types;
    if (query.exec(
            QStringLiteral("select table_name, column_name, data_type from information_schema.columns "
                           "where table_schema = current_schema() and column_name in ('itemdata', 'itemorder')")))
        while (query.next())
            types.insert(
                query.value(0).toString() + QLatin1Char('.') + query.value(1).toString(), query.value(2).toString());
    for (const QString& table : configTableNames()) {
        const QString data = types.value(table + QStringLiteral(".itemdata"));
        const QString order = types.value(table + QStringLiteral(".itemorder"));
        if (!tables.contains(table, Qt::CaseInsensitive))
            check.missingTables << table;
        else if (!query.exec(QStringLiteral("SELECT itemRandom, itemName, itemData, itemOrder FROM %1 LIMIT 0").arg(table)))
            check.badTables.insert(table, databaseReason(query.lastError()));
        else if (data != QLatin1String("bytea") || order != QLatin1String("integer"))
            check.badTables.insert(table,
                QCoreApplication::translate(
                    "ConfigDb", "its columns itemData and itemOrder are of types %1 and %2, not bytea and integer")
                    .arg(data, order));
    }
    if (tables.contains(QLatin1String(kSetInfoTable), Qt::CaseInsensitive)
        && query.exec(QStringLiteral("select value from %1 where key='language'").arg(QLatin1String(kSetInfoTable)))
        && query.next()) {
        const int language = query.value(0).toInt();
        check.language = languageName(language) ? language : 0;
    }
    check.readOnly = query.exec(QStringLiteral("select has_table_privilege('table_plu', 'INSERT,DELETE')"))
        && query.next() && !query.value(0).toBool();
    return check;
}

DatabaseCheck inspectAny(const QSqlDatabase& db, const QString& path)
{
    return ServerDb::isServer(db) ? inspectServer(db, path) : inspect(db, path);
}

// The current connection, opened; false (after telling the operator) when there is none.
bool currentConnection(QSqlDatabase* db)
{
    if (!QSqlDatabase::contains(currentDatabasePath)) {
        showNotConnected();
        return fail(QCoreApplication::translate("ConfigDb", "database is not connect."));
    }
    *db = QSqlDatabase::database(currentDatabasePath, false);
    if (db->isOpen()) {
        qCDebug(lcStorage) << "--->db is opened";
        return true;
    }
    qCDebug(lcStorage) << "--->db is not opened";
    QString reason;
    if (!openConnection(db, &reason)) {
        showCannotOpen();
        // What the caller says next ("Not saved (...)") gives the reason the box cannot: the
        // file is gone, the server is down. A server's reason may take two lines.
        reason = reason.simplified();
        return fail(reason.isEmpty()
                ? QCoreApplication::translate("ConfigDb", "Unable to establish a database connection.")
                : reason);
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(currentDatabasePath);
    g_check = inspectAny(*db, currentDatabasePath);
    return true;
}

// Records `language` as that of the set's register texts; inside the caller's transaction.
bool recordLanguage(const QSqlDatabase& db, int language, QString* reason = nullptr)
{
    QSqlQuery query(db);
    bool ok = query.exec(QStringLiteral("create table if not exists %1 (key TEXT PRIMARY KEY, value TEXT)")
                             .arg(QLatin1String(kSetInfoTable)));
    const QString upsert = QStringLiteral("insert into %1 (key, value) values (?, ?) "
                                          "on conflict (key) do update set value = excluded.value")
                               .arg(QLatin1String(kSetInfoTable));
    const QList<QPair<QString, QString>> facts { { QStringLiteral("language"), QString::number(language) },
        { QStringLiteral("codePage"), QLatin1String(languageCodecName(language)) } };
    for (const auto& fact : facts) {
        ok = ok && query.prepare(upsert);
        query.addBindValue(fact.first);
        query.addBindValue(fact.second);
        ok = ok && query.exec();
    }
    if (!ok)
        qCDebug(lcStorage) << "cannot record the language:" << query.lastError().text();
    if (!ok && reason)
        *reason = databaseReason(query.lastError());
    return ok;
}

// The register language of the current set: its recorded one, else the one chosen at login.
void applySetLanguage()
{
    if (g_check.language == 0 || !setRegisterLanguage(g_check.language))
        setRegisterLanguage(currentLanguage);
}

void copyField(char* field, int size, const QByteArray& text)
{
    std::memset(field, 0, size);
    const int n = qMin(int(qstrnlen(text.constData(), text.size())), size - 1);
    std::memcpy(field, text.constData(), n);
}

// The name as the database keeps it: UTF-8 text, from the register language's code page in
// which the codecs produced it.
struct NameText {
    const QTextCodec* codec = registerCodec();
    bool utf8 = codec->mibEnum() == 106;
    QByteArray converted;

    // The column is text (a server refuses anything else): a UTF-8 name cut at its field's
    // length may end in half a letter, which goes; anything else broken is replaced.
    QByteArray operator()(const RecordEntry& entry)
    {
        int length = int(qstrnlen(entry.name, sizeof entry.name));
        if (!utf8) {
            converted = codec->toUnicode(entry.name, length).toUtf8();
            return converted;
        }
        for (int cut = 0; cut < 4 && length >= 0; ++cut, --length)
            if (QUtf8StringView(entry.name, length).isValidUtf8())
                return QByteArray::fromRawData(entry.name, length);
        converted = QString::fromUtf8(entry.name, int(qstrnlen(entry.name, sizeof entry.name))).toUtf8();
        return converted;
    }
};

int recordLength(const RecordEntry& entry)
{
    return qBound(0, int(entry.length), int(entry.data.size()));
}

bool insertAll(sqlite3* db, const QString& table, const QList<RecordEntry>& entries)
{
    const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES(?,?,?)").arg(table).toUtf8();
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr) != SQLITE_OK)
        return fail(QString::fromUtf8(sqlite3_errmsg(db)));
    NameText nameText;
    bool ok = true;
    for (const RecordEntry& entry : entries) {
        const QByteArray name = nameText(entry);
        sqlite3_bind_text(insert, 1, entry.key, int(qstrnlen(entry.key, sizeof entry.key)), SQLITE_STATIC);
        sqlite3_bind_text(insert, 2, name.constData(), int(name.size()), SQLITE_STATIC);
        sqlite3_bind_blob(insert, 3, entry.data.constData(), recordLength(entry), SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE) {
            ok = fail(QString::fromUtf8(sqlite3_errmsg(db)));
            break;
        }
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return ok;
}

bool insertAllServer(const QSqlDatabase& db, const QString& table, const QList<RecordEntry>& entries)
{
    ServerDb::CopyIn copy(db, table,
        { QStringLiteral("itemRandom"), QStringLiteral("itemName"), QStringLiteral("itemData"),
            QStringLiteral("itemOrder") });
    NameText nameText;
    qint32 order = 0;
    for (const RecordEntry& entry : entries) {
        copy.beginRow(4);
        copy.addBytes(entry.key, int(qstrnlen(entry.key, sizeof entry.key)));
        copy.addBytes(nameText(entry));
        copy.addBytes(entry.data.constData(), recordLength(entry));
        copy.addInt32(order++);
    }
    QString reason;
    return copy.finish(&reason) || fail(reason);
}

bool selectAll(sqlite3* db, const QString& select, QList<QByteArray>* out)
{
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, select.toUtf8().constData(), -1, &query, nullptr) != SQLITE_OK)
        return fail(QString::fromUtf8(sqlite3_errmsg(db)));
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW)
        out->append(QByteArray(static_cast<const char*>(sqlite3_column_blob(query, 2)), sqlite3_column_bytes(query, 2)));
    if (rc != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(query);
    return rc == SQLITE_DONE;
}

} // namespace

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

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
    replaceConnection(canonicalLocation(path));
    g_check = DatabaseCheck();
    g_check.path = currentDatabasePath;
    applySetLanguage();
    QSqlDatabase db;
    if (!openConnection(&db, &g_check.openError)) {
        showCannotOpen();
        return;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(currentDatabasePath);
    g_check = inspectAny(db, currentDatabasePath);
    applySetLanguage();
}

DatabaseCheck inspectDatabase(const QSqlDatabase& db, const QString& path)
{
    return inspectAny(db, path);
}

DatabaseCheck currentDatabaseCheck()
{
    if (g_check.path != currentDatabasePath)
        return DatabaseCheck();
    return g_check;
}

QString describeDatabaseProblem()
{
    const DatabaseCheck check = currentDatabaseCheck();
    if (check.path.isEmpty())
        return QString();
    const QString file = shownSetName(check.path);
    if (!check.opened)
        return QCoreApplication::translate("ConfigDb", "%1 cannot be opened: %2.").arg(file, check.openError);
    if (!check.damage.isEmpty())
        return QCoreApplication::translate(
            "ConfigDb", "%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.")
            .arg(file, check.damage);
    QStringList problems;
    if (!check.missingTables.isEmpty())
        problems << QCoreApplication::translate("ConfigDb", "no such table: %1")
                        .arg(check.missingTables.join(listSeparator()));
    for (auto it = check.badTables.cbegin(); it != check.badTables.cend(); ++it)
        problems << QStringLiteral("%1: %2").arg(it.key(), it.value());
    QString text;
    if (!problems.isEmpty())
        text = QCoreApplication::translate(
            "ConfigDb", "%1: %2. Nothing was changed; those categories show empty and are not saved.")
                   .arg(file, problems.join(clauseSeparator()));
    if (check.readOnly)
        text += text.isEmpty()
            ? QCoreApplication::translate("ConfigDb", "%1 is read-only: saves are refused.").arg(file)
            : QCoreApplication::translate("ConfigDb", " It is read-only: saves are refused.");
    return text;
}

QString describeSetLanguage(LanguageReader reader)
{
    if (currentDatabaseCheck().path.isEmpty())
        return QString();
    const int set = registerLanguage;
    const int display = currentLanguage;
    if (set == display || !languageName(set) || !languageName(display))
        return QString();
    const char* sentence = reader == LanguageReader::Window
        ? QT_TRANSLATE_NOOP("ConfigDb", "%1 holds %2 register texts (%3); the window shows %4")
        : QT_TRANSLATE_NOOP("ConfigDb", "%1 holds %2 register texts (%3); the tool's --language is %4");
    return QCoreApplication::translate("ConfigDb", sentence)
        .arg(shownSetName(currentDatabasePath), QCoreApplication::translate("Language", languageName(set)),
            QLatin1String(languageCodecName(set)), QCoreApplication::translate("Language", languageName(display)));
}

QString lastDatabaseError() { return g_lastError; }

QString databaseReason(const QSqlError& error)
{
    return ServerDb::sentence(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

void createDatabase(const QString& path)
{
    SetLocation location;
    QString reason;
    if (!SetLocation::parse(path, &location, &reason)) {
        replaceConnection(path);
        g_check = DatabaseCheck();
        g_check.path = path;
        g_check.openError = reason;
        showCannotOpen();
        return;
    }
    QSqlDatabase db;
    if (location.server) {
        // The set's schema is looked for on a connection of its own: the current set stays
        // current when the new one cannot be made.
        const QString probe = QStringLiteral("tallvane_new_set");
        bool exists = false;
        const bool known = ServerDb::open(location, probe, &reason)
            && ServerDb::schemaExists(QSqlDatabase::database(probe, false), location.set, &exists, &reason);
        QSqlDatabase::removeDatabase(probe);
        if (known && exists) {
            Notice::critical(QCoreApplication::translate("ConfigDb", "Warnning!"),
                QCoreApplication::translate("ConfigDb", "%1 is exist.").arg(location.text()));
            return;
        }
        replaceConnection(location.text());
        g_check = DatabaseCheck();
        g_check.path = currentDatabasePath;
        applySetLanguage();
        // Why the server could not be asked; else opening or making the schema says why.
        g_check.openError = reason;
        if (!known || !openConnection(&db, &g_check.openError, false)
            || !ServerDb::createSchema(db, location.set, &g_check.openError)) {
            showCannotOpen();
            return;
        }
    } else {
        if (QFile::exists(path)) {
            Notice::critical(QCoreApplication::translate("ConfigDb", "Warnning!"),
                QCoreApplication::translate("ConfigDb", "%1 is exist.").arg(path));
            return;
        }
        replaceConnection(path);
        g_check = DatabaseCheck();
        g_check.path = path;
        applySetLanguage();
        if (!QSqlDatabase::contains(currentDatabasePath)) {
            showNotConnected();
            return;
        }
        db = QSqlDatabase::database(currentDatabasePath, true);
        if (!db.isOpen()) {
            g_check.openError = databaseReason(db.lastError());
            showCannotOpen();
            return;
        }
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(currentDatabasePath);
    QSqlQuery query(db);
    db.transaction();
    qCDebug(lcStorage) << "init db";
    createSetTables(db, currentLanguage);
    db.commit();
    query.finish();
    g_check = inspectAny(db, currentDatabasePath);
}

bool ensureTable(const QString& statement, const QString& table, QSqlQuery& query)
{
    const QString check = query.driver() && query.driver()->dbmsType() == QSqlDriver::PostgreSQL
        ? QStringLiteral("select count(*) from information_schema.tables where table_schema = current_schema() and "
                         "table_name = '%1'")
        : QStringLiteral("select count(*) from sqlite_master where type='table' and name='%1'");
    if (!query.exec(check.arg(table))) {
        qCDebug(lcStorage).noquote() << QStringLiteral("Error: Fail to check %1 Table.").arg(table);
    } else if (query.next() && query.value(0).toInt() != 0) {
        qCDebug(lcStorage).noquote() << QStringLiteral("%1 Table exists.").arg(table);
        return true;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("%1 Table does not exist.").arg(table);
    qCDebug(lcStorage) << statement;
    if (query.exec(statement)) {
        qCDebug(lcStorage).noquote() << QStringLiteral("%1 Table created!").arg(table);
        return true;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("Error: Fail to create %1 Table.").arg(table);
    return false;
}

bool saveRecords(const QString& table, const QList<RecordEntry>& entries)
{
    qCDebug(lcStorage) << "table row = " << entries.size();
    g_lastError.clear();
    g_conflict = false;
    QSqlDatabase db;
    if (!currentConnection(&db))
        return false;
    // Writing into a damaged file could only make it worse, and into a foreign table would
    // overwrite what it holds.
    const DatabaseCheck check = currentDatabaseCheck();
    if (!check.damage.isEmpty())
        return fail(check.damage);
    if (check.badTables.contains(table))
        return fail(QStringLiteral("%1: %2").arg(table, check.badTables.value(table)));

    // The old rows go and the new ones come in one transaction: a failure anywhere rolls
    // back to the rows the table held before.
    if (!db.transaction())
        return fail(databaseReason(db.lastError()));
    auto rollBack = [&db](const QString& reason) {
        fail(reason);
        db.rollback();
        return false;
    };
    // Someone else's save since this program loaded the table is not overwritten unasked.
    QString reason;
    const qint64 version = countUpVersion(db, table, &reason);
    if (version < 0)
        return rollBack(reason);
    if (g_baseVersions.contains(table) && version != g_baseVersions.value(table) + 1) {
        // Who saved it is read once this save's own count is undone.
        db.rollback();
        QString by, at;
        storedVersion(db, table, &by, &at);
        g_conflict = true;
        g_conflictWith = { table, by, at };
        return fail(QCoreApplication::translate("ConfigDb", "%1 was saved into %2 by %3 at %4, after this program loaded it")
                        .arg(table, shownSetName(currentDatabasePath), by, at));
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("delete from %1").arg(table)))
        return rollBack(databaseReason(query.lastError()));
    query.finish();
    qCDebug(lcStorage) << "clear db success!";

    if (ServerDb::isServer(db) ? !insertAllServer(db, table, entries)
                               : !sqliteHandle(db) || !insertAll(sqliteHandle(db), table, entries)) {
        db.rollback();
        return false;
    }
    qCDebug(lcStorage) << "inserted success!";
    // The texts just stored are in the register language; a set without a record gets it
    // (when it cannot, the records are saved all the same and the next save tries again: the
    // savepoint keeps a failure there from undoing the records on a server).
    const int language = registerLanguage;
    bool recorded = false;
    if (check.language == 0 && query.exec(QStringLiteral("SAVEPOINT set_language"))) {
        recorded = recordLanguage(db, language);
        query.exec(recorded ? QStringLiteral("RELEASE SAVEPOINT set_language")
                            : QStringLiteral("ROLLBACK TO SAVEPOINT set_language"));
    }
    if (!db.commit())
        return rollBack(databaseReason(db.lastError()));
    g_baseVersions.insert(table, version);
    g_loadedVersions.insert(table, version);
    if (recorded && g_check.path == currentDatabasePath)
        g_check.language = language;
    return true;
}

// One read of `table` on the current connection.
static bool loadRecordsOnce(const QString& table, QList<QByteArray>* out, bool* connectionLost)
{
    g_lastError.clear();
    QSqlDatabase db;
    if (!currentConnection(&db))
        return false;
    out->clear();
    // The rows and the version they belong to are read in one transaction; on a server it is
    // one snapshot, since a save committed between the two reads would otherwise pair the old
    // rows with the new version, and this program's next save would undo the other one unasked.
    db.transaction();
    bool ok = false;
    if (ServerDb::isServer(db)) {
        QString reason;
        QSqlQuery snapshot(db);
        if (!snapshot.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ")))
            reason = databaseReason(snapshot.lastError());
        ok = (reason.isEmpty()
                 && ServerDb::selectColumn(
                     db, QStringLiteral("SELECT itemData FROM %1 ORDER BY itemOrder").arg(table), 0, out, &reason))
            || fail(reason);
    } else {
        sqlite3* handle = sqliteHandle(db);
        ok = handle && selectAll(handle, QStringLiteral("SELECT itemRandom, itemName, itemData FROM %1").arg(table), out);
    }
    const qint64 version = ok ? storedVersion(db, table) : 0;
    db.commit();
    *connectionLost = !ok && ServerDb::connectionLost(db);
    if (*connectionLost)
        db.close();
    if (ok) {
        g_loadedVersions.insert(table, version);
        // The first load of a table is what the pages start from.
        if (!g_baseVersions.contains(table))
            g_baseVersions.insert(table, version);
    }
    return ok;
}

bool loadRecords(const QString& table, QList<QByteArray>* out)
{
    // After a server restart the first statement on the old connection fails: the table is
    // read again on a new one.
    bool connectionLost = false;
    return loadRecordsOnce(table, out, &connectionLost)
        || (connectionLost && loadRecordsOnce(table, out, &connectionLost));
}

bool createSetTables(const QSqlDatabase& db, int language, QString* reason)
{
    QSqlQuery query(db);
    const QString statement = QString::fromLatin1(ServerDb::isServer(db) ? kServerCreateStatement : kCreateStatement);
    bool ok = true;
    for (int i = 0; ok && i < configTableNames().size(); ++i)
        ok = ensureTable(statement.arg(configTableNames().at(i)), configTableNames().at(i), query);
    QString languageReason;
    const bool tables = ok;
    ok = ok && recordLanguage(db, language, &languageReason) && query.exec(QLatin1String(kVersionsStatement));
    // The first refusal says why (on a server the statements after it fail only because the
    // transaction is aborted).
    if (!ok && reason)
        *reason = tables && !languageReason.isEmpty()
            ? languageReason
            : databaseReason(query.lastError().isValid() ? query.lastError() : db.lastError());
    return ok;
}

bool recordSetLanguage(const QSqlDatabase& db, int language) { return recordLanguage(db, language); }

qint64 countUpTableVersion(QSqlDatabase& db, const QString& table, QString* reason)
{
    return countUpVersion(db, table, reason);
}

bool lastSaveConflicted() { return g_conflict; }

SaveConflict lastSaveConflict()
{
    return g_conflict ? g_conflictWith : SaveConflict();
}

void adoptLoadedVersion(const QString& table)
{
    if (g_loadedVersions.contains(table))
        g_baseVersions.insert(table, g_loadedVersions.value(table));
}

void adoptStoredVersion(const QString& table)
{
    QSqlDatabase db;
    if (QSqlDatabase::contains(currentDatabasePath) && (db = QSqlDatabase::database(currentDatabasePath, false)).isOpen())
        g_baseVersions.insert(table, storedVersion(db, table));
}

void setDatabaseOperator(const QString& name) { g_operator = name; }
