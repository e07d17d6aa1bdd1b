#include "storage/setcopy.h"

#include "base/language.h"
#include "storage/configdb.h"
#include "storage/serverdb.h"
#include "storage/setlocation.h"
#include "storage/setschema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

struct StoredRow {
    QString key;
    QString name;
    QByteArray data;
};

const char kFromConnection[] = "tallvane_copy_from";
const char kToConnection[] = "tallvane_copy_to";

// Opens the set at `text` on the connection `name`. `exists` says whether the set was there
// before; a missing one is made (an empty file or schema) only when `create` is set.
bool openSet(const QString& text, const QString& name, bool create, bool* exists, QString* error)
{
    SetLocation location;
    if (!SetLocation::parse(text, &location, error))
        return false;
    if (!location.server) {
        *exists = QFile::exists(text);
        if (!*exists && !create) {
            *error = QCoreApplication::translate("ConfigDb", "no such file");
            return false;
        }
        // A device, a pipe or a folder is no set (SQLite would leave a journal beside it).
        if (*exists && !QFileInfo(text).isFile()) {
            *error = QCoreApplication::translate("ConfigDb", "not a file but a device, a pipe or a folder");
            return false;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(text);
        if (!db.open()) {
            *error = databaseReason(db.lastError());
            return false;
        }
        return true;
    }
    if (!ServerDb::open(location, name, error))
        return false;
    const QSqlDatabase db = QSqlDatabase::database(name, false);
    if (!ServerDb::schemaExists(db, location.set, exists, error))
        return false;
    if (*exists)
        return true;
    if (!create) {
        *error = QCoreApplication::translate("ConfigDb", "no such set on the server");
        return false;
    }
    return ServerDb::createSchema(db, location.set, error);
}

// Why the set on `db` cannot be copied from (or replaced): a file SQLite cannot read, one
// that holds none of the configuration tables, a table that cannot be read. Empty when it can.
// A target that holds no table at all (an empty file or schema) may be filled.
QString unusableSet(const QSqlDatabase& db, const QString& text, bool target = false)
{
    const DatabaseCheck check = inspectDatabase(db, text);
    if (!check.damage.isEmpty())
        return check.damage;
    if (check.missingTables.size() == configTableNames().size() && !(target && ServerDb::tables(db).isEmpty()))
        return QCoreApplication::translate("ConfigDb", "it holds no configuration set");
    if (!check.badTables.isEmpty())
        return QStringLiteral("%1: %2").arg(check.badTables.firstKey(), check.badTables.first());
    return QString();
}

// Reads every configuration table of the set on `db`, in stored order.
bool readSet(
    const QSqlDatabase& db, const QString& text, QList<QList<StoredRow>>* tables, int* language, QString* error)
{
    // An unreadable file would otherwise read as a set of empty tables and replace the target's.
    if (!(*error = unusableSet(db, text)).isEmpty())
        return false;
    const bool server = ServerDb::isServer(db);
    // A table the set lacks would be copied as an empty one, and replace the target's rows with
    // none; a list of tables that cannot be read (the server gone) looks like such a set.
    QString listError;
    const QStringList present = ServerDb::tables(db, &listError);
    if (!listError.isEmpty()) {
        *error = listError;
        return false;
    }
    QStringList missing;
    for (const QString& table : configTableNames())
        if (!present.contains(table, Qt::CaseInsensitive))
            missing << table;
    if (!missing.isEmpty()) {
        *error = QCoreApplication::translate("ConfigDb", "it lacks the table(s) %1")
                     .arg(missing.join(QLatin1String(", ")));
        return false;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // A read that ends early (the connection lost halfway through a table) is no copy.
    auto failed = [&](const QString& table) {
        *error = QStringLiteral("%1: %2").arg(table, databaseReason(query.lastError()));
        return false;
    };
    for (const QString& table : configTableNames()) {
        QList<StoredRow> rows;
        if (!query.exec(QStringLiteral("select itemRandom, itemName, itemData from %1%2")
                            .arg(table, server ? QStringLiteral(" order by itemOrder") : QString())))
            return failed(table);
        while (query.next())
            rows.append({ query.value(0).toString(), query.value(1).toString(), query.value(2).toByteArray() });
        if (query.lastError().isValid())
            return failed(table);
        tables->append(rows);
    }
    *language = 0;
    if (present.contains(QStringLiteral("set_info"), Qt::CaseInsensitive)) {
        if (!query.exec(QStringLiteral("select value from set_info where key = 'language'")))
            return failed(QStringLiteral("set_info"));
        if (query.next())
            *language = query.value(0).toInt();
        if (query.lastError().isValid())
            return failed(QStringLiteral("set_info"));
    }
    return true;
}

bool writeTable(QSqlDatabase& db, const QString& table, const QList<StoredRow>& rows, QString* error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("delete from %1").arg(table))) {
        *error = QStringLiteral("%1: %2").arg(table, databaseReason(query.lastError()));
        return false;
    }
    if (ServerDb::isServer(db)) {
        ServerDb::CopyIn copy(db, table,
            { QStringLiteral("itemRandom"), QStringLiteral("itemName"), QStringLiteral("itemData"),
                QStringLiteral("itemOrder") });
        qint32 order = 0;
        for (const StoredRow& row : rows) {
            copy.beginRow(4);
            copy.addBytes(row.key.toUtf8());
            copy.addBytes(row.name.toUtf8());
            copy.addBytes(row.data);
            copy.addInt32(order++);
        }
        return copy.finish(error);
    }
    query.prepare(QStringLiteral("insert into %1 (itemRandom, itemName, itemData) values (?, ?, ?)").arg(table));
    for (const StoredRow& row : rows) {
        query.addBindValue(row.key);
        query.addBindValue(row.name);
        query.addBindValue(row.data);
        if (!query.exec()) {
            *error = QStringLiteral("%1: %2").arg(table, databaseReason(query.lastError()));
            return false;
        }
    }
    return true;
}

SetCopy::Result copy(const QString& from, const QString& to, bool replace, QString* error)
{
    bool exists = false;
    if (!openSet(from, QLatin1String(kFromConnection), false, &exists, error))
        return SetCopy::Failed;
    QList<QList<StoredRow>> tables;
    int language = 0;
    if (!readSet(QSqlDatabase::database(QLatin1String(kFromConnection), false), from, &tables, &language, error))
        return SetCopy::Failed;
    if (!openSet(to, QLatin1String(kToConnection), false, &exists, error) && exists)
        return SetCopy::Failed;
    // Only a set is replaced: another program's database or a damaged file is left alone.
    if (exists
        && !(*error = unusableSet(QSqlDatabase::database(QLatin1String(kToConnection), false), to, true)).isEmpty())
        return SetCopy::Failed;
    // An empty file or schema (made by hand, or left by a copy cut short) holds nothing to replace.
    QSqlDatabase db = QSqlDatabase::database(QLatin1String(kToConnection), false);
    if (exists && !replace) {
        const QStringList present = ServerDb::tables(db, error);
        if (!error->isEmpty())
            return SetCopy::Failed;
        if (!present.isEmpty())
            return SetCopy::TargetExists;
    }
    // A new file or schema is made only now that the source has been read whole; a schema
    // inside the copy's transaction, so that a copy cut short leaves none behind.
    SetLocation target;
    SetLocation::parse(to, &target);
    const bool made = !exists;
    if (made && !target.server && !openSet(to, QLatin1String(kToConnection), true, &exists, error))
        return SetCopy::Failed;
    db = QSqlDatabase::database(QLatin1String(kToConnection), false);
    if (!db.isOpen())
        return SetCopy::Failed; // the server could not be reached: openSet said why
    error->clear(); // "no such set on the server": it is made now
    if (!db.transaction()) {
        *error = databaseReason(db.lastError());
        return SetCopy::Failed;
    }
    bool ok = !(made && target.server) || ServerDb::createSchema(db, target.set, error);
    ok = ok && createSetTables(db, languageName(language) ? language : int(currentLanguage), error);
    // Each table's change counter first, then its rows, in the order a save takes them: the
    // other order let a save and a copy at the same time each wait for the other (a deadlock).
    for (int i = 0; ok && i < configTableNames().size(); ++i)
        ok = countUpTableVersion(db, configTableNames().at(i), error) > 0
            && writeTable(db, configTableNames().at(i), tables.at(i), error);
    if (ok && languageName(language) && !(ok = recordSetLanguage(db, language)))
        *error = QCoreApplication::translate("ConfigDb", "the language of its register texts could not be recorded");
    if (ok && !db.commit()) {
        *error = databaseReason(db.lastError());
        ok = false;
    }
    if (ok)
        return SetCopy::Copied;
    if (error->isEmpty())
        *error = databaseReason(db.lastError());
    db.rollback();
    // What was made for the copy goes again: a failed copy leaves no half set behind (the
    // rollback took a new schema with it).
    if (made && !target.server) {
        db.close();
        QFile::remove(to);
    }
    return SetCopy::Failed;
}

} // namespace

namespace SetCopy {

Result copySet(const QString& from, const QString& to, bool replace, QString* error)
{
    const Result result = copy(from, to, replace, error);
    for (const char* name : { kFromConnection, kToConnection })
        if (QSqlDatabase::contains(QLatin1String(name)))
            QSqlDatabase::removeDatabase(QLatin1String(name));
    return result;
}

} // namespace SetCopy
