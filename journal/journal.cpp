#include "journal/journal.h"

#include "journal/journallog.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QSysInfo>
#include <QVariant>

Q_LOGGING_CATEGORY(lcJournal, "tallvane.journal", QtInfoMsg)

namespace {

const char kConnectionName[] = "tallvane_journal";
const char kHashTag[] = "tallvane-journal-1\n";
// How long a write waits for another program that is writing the journal at the same moment.
// A reader (an export of a long journal) holds the file for a while: an entry waits rather than
// being lost.
constexpr int kBusyTimeoutMs = 10000;

const char kColumns[] = "id, time, user, pc, kind, category, register, summary, details, previous_hash, hash";

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS journal (id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL, "
    "user TEXT NOT NULL, pc TEXT NOT NULL, kind TEXT NOT NULL, category TEXT NOT NULL, register TEXT NOT NULL, "
    "summary TEXT NOT NULL, details TEXT NOT NULL, previous_hash TEXT NOT NULL, hash TEXT NOT NULL)",
    // The program itself never changes or removes an entry; these keep a slip from doing so.
    "CREATE TRIGGER IF NOT EXISTS journal_no_update BEFORE UPDATE ON journal "
    "BEGIN SELECT RAISE(ABORT, 'the journal is append-only'); END",
    "CREATE TRIGGER IF NOT EXISTS journal_no_delete BEFORE DELETE ON journal "
    "BEGIN SELECT RAISE(ABORT, 'the journal is append-only'); END",
};

struct State {
    QString path; // empty: the default
    QString user;
    std::function<void(const QString&)> handler;
    QString lastFailure;
};

State& state()
{
    static State s;
    return s;
}

QString firstPreviousHash()
{
    return QString(64, QLatin1Char('0'));
}

QString reasonOf(const QSqlQuery& query)
{
    return databaseReason(query.lastError());
}

// The journal's own connection, open on the file. With `create` unset a missing file is left
// missing and `db` stays invalid (the journal reads as empty). False with `error` when the
// file cannot be opened.
bool openConnection(bool create, QSqlDatabase* db, QString* error)
{
    const QString path = Journal::filePath();
    const QString name = QString::fromLatin1(kConnectionName);
    QSqlDatabase connection = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    const bool exists = QFileInfo::exists(path);
    // A file removed under the open connection is a new, empty journal.
    if (connection.isOpen() && (connection.databaseName() != path || !exists))
        connection.close();
    if (!exists && !create) {
        *db = QSqlDatabase();
        return true;
    }
    if (!connection.isOpen()) {
        // Who did what, and the names of everything changed: for the PC's user alone.
        createPrivateFile(path);
        connection.setDatabaseName(path);
        connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!connection.open()) {
            *error = databaseReason(connection.lastError());
            return false;
        }
        // A rollback journal, as every other file of Tallvane, not a write-ahead log: programs
        // share a log through POSIX locks, which a file dialog that merely reads Journal.db
        // drops for the whole window, and tallvane-cli would then remove the log the window is
        // writing to. A journal left in WAL mode goes back when no other program has it open;
        // a file that is no database fails this quietly and the next statement says so.
        QSqlQuery(connection).exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    }
    *db = connection;
    return true;
}

// Whether the file holds the journal's table; false with `error` when it cannot be read.
bool hasTable(const QSqlDatabase& db, bool* found, QString* error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'journal'"))
        || !query.next()) {
        *error = reasonOf(query);
        return false;
    }
    *found = query.value(0).toInt() > 0;
    return true;
}

JournalEntry entryOf(const QSqlQuery& query)
{
    JournalEntry entry;
    entry.id = query.value(0).toLongLong();
    QString* const texts[] = { &entry.time, &entry.user, &entry.pc, &entry.kind, &entry.category, &entry.reg,
        &entry.summary, &entry.details, &entry.previousHash, &entry.hash };
    for (int i = 0; i < 10; ++i)
        *texts[i] = query.value(i + 1).toString();
    return entry;
}

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// Reads the last entry and writes `entry` after it under one write lock, so that two programs
// writing at once (the window and tallvane-cli) still make one chain.
bool writeEntry(QSqlDatabase& db, JournalEntry* entry, QString* error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        *error = reasonOf(query);
        return false;
    }
    auto fail = [&](const QSqlQuery& failed) {
        *error = reasonOf(failed);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    for (const char* statement : kSchema)
        if (!query.exec(QLatin1String(statement)))
            return fail(query);
    // The next id follows the highest ever given, so that an entry removed at the end leaves a
    // gap that verify() finds.
    qint64 lastId = 0;
    entry->previousHash = firstPreviousHash();
    if (!query.exec(QStringLiteral("SELECT id, hash FROM journal ORDER BY id DESC LIMIT 1")))
        return fail(query);
    if (query.next()) {
        lastId = query.value(0).toLongLong();
        entry->previousHash = query.value(1).toString();
    }
    if (!query.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'journal'")))
        return fail(query);
    if (query.next())
        lastId = qMax(lastId, query.value(0).toLongLong());
    query.finish();
    entry->id = lastId + 1;
    entry->hash = Journal::entryHash(*entry);

    query.prepare(QStringLiteral("INSERT INTO journal (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(QLatin1String(kColumns)));
    query.addBindValue(entry->id);
    // A null text would be bound as NULL; the columns hold texts, empty or not.
    for (const QString& text : { entry->time, entry->user, entry->pc, entry->kind, entry->category, entry->reg,
             entry->summary, entry->details, entry->previousHash, entry->hash })
        query.addBindValue(text.isNull() ? QString(QLatin1String("")) : text);
    if (!query.exec())
        return fail(query);
    if (!query.exec(QStringLiteral("COMMIT")))
        return fail(query);
    return true;
}

void reportFailure(const QString& reason)
{
    State& s = state();
    s.lastFailure = QCoreApplication::translate("Journal", "The journal %1 could not be written: %2.")
                        .arg(QDir::toNativeSeparators(Journal::filePath()), reason);
    // A handler shows the failure to the operator itself; the log line is for programs without one.
    if (s.handler)
        s.handler(s.lastFailure);
    else
        qCWarning(lcJournal).noquote() << s.lastFailure;
}

void reportWritten()
{
    State& s = state();
    if (s.lastFailure.isEmpty())
        return;
    s.lastFailure.clear();
    qCInfo(lcJournal).noquote() << "the journal is written again";
    if (s.handler)
        s.handler(QString());
}

} // namespace

namespace Journal {

QString kindText(Kind kind)
{
    switch (kind) {
    case Login:
        return QStringLiteral("login");
    case LoginFailed:
        return QStringLiteral("login failed");
    case Save:
        return QStringLiteral("save");
    case Import:
        return QStringLiteral("import");
    case Transfer:
        return QStringLiteral("transfer");
    case Users:
        return QStringLiteral("users");
    }
    return QString();
}

QString defaultFilePath()
{
    return QDir(dataFolder()).filePath(QStringLiteral("Journal.db"));
}

void setFilePath(const QString& path)
{
    if (path == state().path)
        return;
    close();
    state().path = path;
}

QString filePath()
{
    return state().path.isEmpty() ? defaultFilePath() : state().path;
}

void setUser(const QString& user)
{
    state().user = user;
}

QString user()
{
    return state().user;
}

void setFailureHandler(std::function<void(const QString&)> handler)
{
    state().handler = std::move(handler);
}

QString lastFailure()
{
    return state().lastFailure;
}

bool append(Kind kind, const QString& category, const QString& reg, const QString& summary, const QString& details)
{
    return appendAs(state().user, kind, category, reg, summary, details);
}

bool appendAs(const QString& user, Kind kind, const QString& category, const QString& reg, const QString& summary,
    const QString& details)
{
    JournalEntry entry;
    entry.time = timeText(QDateTime::currentDateTimeUtc());
    entry.user = user;
    entry.pc = QSysInfo::machineHostName();
    entry.kind = kindText(kind);
    entry.category = category;
    entry.reg = reg;
    // The summary is one line, whatever it was given.
    entry.summary = QString(summary).replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    entry.details = details;

    QSqlDatabase db;
    QString error;
    if (!openConnection(true, &db, &error) || !writeEntry(db, &entry, &error)) {
        reportFailure(error);
        return false;
    }
    qCDebug(lcJournal).noquote() << "entry" << entry.id << entry.kind << entry.summary;
    reportWritten();
    return true;
}

bool read(const JournalFilter& filter, QList<JournalEntry>* entries, QString* error)
{
    entries->clear();
    QString reason;
    QSqlDatabase db;
    bool found = false;
    if (!openConnection(false, &db, &reason) || (db.isValid() && !hasTable(db, &found, &reason))) {
        if (error)
            *error = reason;
        return false;
    }
    if (!found)
        return true;

    QStringList conditions;
    QList<QVariant> values;
    const struct {
        const char* column;
        QString value;
    } exact[] = { { "register", filter.reg }, { "user", filter.user }, { "category", filter.category } };
    for (const auto& match : exact) {
        if (match.value.isEmpty())
            continue;
        conditions << QStringLiteral("%1 = ?").arg(QLatin1String(match.column));
        values << match.value;
    }
    // Times are stored in one fixed form, so that they compare as texts.
    if (filter.from.isValid()) {
        conditions << QStringLiteral("time >= ?");
        values << timeText(filter.from);
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("time < ?");
        values << timeText(filter.to);
    }
    QString sql = QStringLiteral("SELECT %1 FROM journal").arg(QLatin1String(kColumns));
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += filter.oldestFirst ? QStringLiteral(" ORDER BY id ASC") : QStringLiteral(" ORDER BY id DESC");

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        if (error)
            *error = reasonOf(query);
        return false;
    }
    while (query.next())
        entries->append(entryOf(query));
    return true;
}

JournalCheck verify()
{
    JournalCheck check;
    QSqlDatabase db;
    bool found = false;
    if (!openConnection(false, &db, &check.reason) || (db.isValid() && !hasTable(db, &found, &check.reason))) {
        check.ok = false;
        check.readable = false;
        return check;
    }
    if (!found)
        return check;

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM journal ORDER BY id ASC").arg(QLatin1String(kColumns)))) {
        check.ok = false;
        check.readable = false;
        check.reason = reasonOf(query);
        return check;
    }
    qint64 previousId = 0;
    QString previousHash = firstPreviousHash();
    while (query.next()) {
        const JournalEntry entry = entryOf(query);
        ++check.entries;
        QString reason;
        if (entry.id > previousId + 1)
            reason = entry.id == previousId + 2
                ? QCoreApplication::translate("Journal", "entry %1 before it is missing").arg(previousId + 1)
                : QCoreApplication::translate("Journal", "entries %1 to %2 before it are missing")
                      .arg(previousId + 1)
                      .arg(entry.id - 1);
        else if (entry.previousHash != previousHash)
            reason = previousId == 0
                ? QCoreApplication::translate("Journal", "it does not start the chain although it is the first entry")
                : QCoreApplication::translate(
                    "Journal", "it does not follow entry %1: an entry was put in or replaced before it")
                      .arg(previousId);
        else if (entryHash(entry) != entry.hash)
            reason = QCoreApplication::translate(
                "Journal", "its fields do not match its hash: it was changed after it was written");
        if (!reason.isEmpty()) {
            check.ok = false;
            check.firstBroken = entry.id;
            check.reason = reason;
            return check;
        }
        previousId = entry.id;
        previousHash = entry.hash;
    }
    // The highest id ever given tells whether entries were removed from the end.
    if (query.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'journal'")) && query.next()) {
        const qint64 highest = query.value(0).toLongLong();
        if (highest > previousId) {
            check.ok = false;
            check.firstBroken = previousId + 1;
            check.reason = highest == previousId + 1
                ? QCoreApplication::translate("Journal", "the last entry is missing")
                : QCoreApplication::translate("Journal", "the last %1 entries are missing").arg(highest - previousId);
        }
    }
    return check;
}

QString entryHash(const JournalEntry& entry)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(kHashTag));
    for (const QString& text : { entry.previousHash, QString::number(entry.id), entry.time, entry.user, entry.pc,
             entry.kind, entry.category, entry.reg, entry.summary, entry.details }) {
        const QByteArray bytes = text.toUtf8();
        hash.addData(QByteArray::number(bytes.size()) + ':');
        hash.addData(bytes);
        hash.addData(QByteArrayView("\n"));
    }
    return QString::fromLatin1(hash.result().toHex());
}

void close()
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (!QSqlDatabase::contains(name))
        return;
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

} // namespace Journal
