#include "storage/configdb.h"

#include "base/language.h"
#include "storage/datafolder.h"
#include "storage/notice.h"
#include "storage/sqlitehandle.h"
#include "storage/storagelog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
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

// Records why a save or load failed, for the window to say.
bool fail(const QString& reason)
{
    g_lastError = reason;
    qCDebug(lcStorage) << reason;
    return false;
}

const char kCreateStatement[] = "create table %1 (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)";
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
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    db.setUserName(QString::fromLatin1(kUser));
    db.setPassword(QString::fromLatin1(kPassword));
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
    if (!QFile::exists(currentDatabasePath) || !db->open()) {
        showCannotOpen();
        return fail(QCoreApplication::translate("ConfigDb", "Unable to establish a database connection."));
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(currentDatabasePath);
    g_check = inspect(*db, currentDatabasePath);
    return true;
}

// Records `language` as that of the set's register texts; inside the caller's transaction.
bool recordLanguage(sqlite3* db, int language)
{
    const QString sql = QStringLiteral("create table if not exists %1 (key TEXT PRIMARY KEY, value TEXT);"
                                       "insert or replace into %1 values('language', '%2');"
                                       "insert or replace into %1 values('codePage', '%3');")
                            .arg(QLatin1String(kSetInfoTable))
                            .arg(language)
                            .arg(QLatin1String(languageCodecName(language)));
    const bool ok = db && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        qCDebug(lcStorage) << "cannot record the language:" << (db ? sqlite3_errmsg(db) : "no connection");
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

bool insertAll(sqlite3* db, const QString& table, const QList<RecordEntry>& entries)
{
    const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES(?,?,?)").arg(table).toUtf8();
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr) != SQLITE_OK)
        return fail(QString::fromUtf8(sqlite3_errmsg(db)));
    // Names are in the register language's code page, as the codecs produced them.
    const QTextCodec* codec = registerCodec();
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
            ok = fail(QString::fromUtf8(sqlite3_errmsg(db)));
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
    replaceConnection(path);
    g_check = DatabaseCheck();
    g_check.path = path;
    applySetLanguage();
    QSqlDatabase db = QSqlDatabase::database(path, false);
    // SQLite would create a missing file, and an empty one in its place would hide the loss.
    if (!QFile::exists(path)) {
        g_check.openError = QCoreApplication::translate("ConfigDb", "no such file");
        showCannotOpen();
        return;
    }
    if (!db.open()) {
        g_check.openError = databaseReason(db.lastError());
        showCannotOpen();
        return;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(path);
    g_check = inspect(db, path);
    applySetLanguage();
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
    const QString file = QFileInfo(check.path).fileName();
    if (!check.opened)
        return QCoreApplication::translate("ConfigDb", "%1 cannot be opened: %2.").arg(file, check.openError);
    if (!check.damage.isEmpty())
        return QCoreApplication::translate(
            "ConfigDb", "%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.")
            .arg(file, check.damage);
    QStringList problems;
    if (!check.missingTables.isEmpty())
        problems << QCoreApplication::translate("ConfigDb", "no such table: %1")
                        .arg(check.missingTables.join(QStringLiteral(", ")));
    for (auto it = check.badTables.cbegin(); it != check.badTables.cend(); ++it)
        problems << QStringLiteral("%1: %2").arg(it.key(), it.value());
    QString text;
    if (!problems.isEmpty())
        text = QCoreApplication::translate(
            "ConfigDb", "%1: %2. Nothing was changed; those categories show empty and are not saved.")
                   .arg(file, problems.join(QStringLiteral("; ")));
    if (check.readOnly)
        text += text.isEmpty()
            ? QCoreApplication::translate("ConfigDb", "%1 is read-only: saves are refused.").arg(file)
            : QCoreApplication::translate("ConfigDb", " It is read-only: saves are refused.");
    return text;
}

QString describeSetLanguage()
{
    if (currentDatabaseCheck().path.isEmpty())
        return QString();
    const int set = registerLanguage;
    const int display = currentLanguage;
    if (set == display || !languageName(set) || !languageName(display))
        return QString();
    return QCoreApplication::translate("ConfigDb", "%1 holds %2 register texts (%3); the window shows %4")
        .arg(QFileInfo(currentDatabasePath).fileName(), QLatin1String(languageName(set)),
            QLatin1String(languageCodecName(set)), QLatin1String(languageName(display)));
}

QString lastDatabaseError() { return g_lastError; }

QString databaseReason(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

void createDatabase(const QString& path)
{
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
    QSqlDatabase db = QSqlDatabase::database(currentDatabasePath, true);
    if (!db.isOpen()) {
        g_check.openError = databaseReason(db.lastError());
        showCannotOpen();
        return;
    }
    qCDebug(lcStorage).noquote() << QStringLiteral("open database \"%1\" ok!").arg(path);
    QSqlQuery query(db);
    db.transaction();
    qCDebug(lcStorage) << "init db";
    for (const QString& table : configTableNames())
        ensureTable(QString::fromLatin1(kCreateStatement).arg(table), table, query);
    recordLanguage(sqliteHandle(db), currentLanguage);
    db.commit();
    query.finish();
    g_check = inspect(db, path);
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
    g_lastError.clear();
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
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("delete from %1").arg(table))) {
        fail(databaseReason(query.lastError()));
        query.finish();
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
    // The texts just stored are in the register language; a set without a record gets it
    // (when it cannot, the records are saved all the same and the next save tries again).
    const int language = registerLanguage;
    const bool recorded = check.language == 0 && recordLanguage(handle, language);
    if (!db.commit()) {
        fail(databaseReason(db.lastError()));
        db.rollback();
        return false;
    }
    if (recorded && g_check.path == currentDatabasePath)
        g_check.language = language;
    return true;
}

bool loadRecords(const QString& table, QList<QByteArray>* out)
{
    const QString select = QStringLiteral("SELECT itemRandom, itemName, itemData FROM %1").arg(table);
    g_lastError.clear();
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
