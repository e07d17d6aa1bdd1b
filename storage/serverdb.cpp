#include "storage/serverdb.h"

#include "storage/storagelog.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <libpq-fe.h>

namespace {

const char kDriver[] = "QPSQL";
// COPY data goes to the server in pieces of about this size.
constexpr int kCopyChunk = 1 << 20;
// Wrong passwords the operator may type before opening gives up.
constexpr int kPasswordTries = 3;

ServerDb::PasswordPrompt& prompt()
{
    static ServerDb::PasswordPrompt p;
    return p;
}

// The passwords typed since the login, by account; never written anywhere.
QHash<QString, QString>& typedPasswords()
{
    static QHash<QString, QString> passwords;
    return passwords;
}

QString reasonOf(const QSqlError& error)
{
    return ServerDb::sentence(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

bool wantsPassword(const QString& reason)
{
    return reason.contains(QLatin1String("no password supplied"))
        || reason.contains(QLatin1String("password authentication failed"));
}

bool exec(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    if (error)
        *error = reasonOf(query.lastError());
    return false;
}

} // namespace

namespace ServerDb {

PasswordPrompt setPasswordPrompt(PasswordPrompt next)
{
    PasswordPrompt previous = prompt();
    prompt() = std::move(next);
    return previous;
}

void forgetPasswords()
{
    typedPasswords().clear();
}

QString sentence(const QString& serverText)
{
    // "ERROR:  relation \"x\" does not exist\nLINE 1: SELECT ...\n        ^" and "connection to
    // server ... failed: ...\n\tIs the server running ...?": the message and its own continued
    // lines, without the statement quoted back, its caret, the severity or the context.
    static const QRegularExpression severity(QStringLiteral("^(?:ERROR|FATAL|PANIC):\\s*"));
    QStringList kept;
    const QStringList lines = serverText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const bool continued = i > 0 && lines.at(i).at(0).isSpace();
        if (line.isEmpty() || line == QLatin1String("^") || (i > 0 && !continued))
            continue;
        kept << line;
    }
    QString text = kept.join(QLatin1Char(' '));
    text.remove(severity);
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    // A table or column that is not there reads as it does for a file.
    static const QRegularExpression missing(QStringLiteral("^(relation|column) \"([^\"]*)\" does not exist$"));
    if (const QRegularExpressionMatch match = missing.match(text.simplified()); match.hasMatch())
        return QStringLiteral("no such %1: %2")
            .arg(match.captured(1) == QLatin1String("relation") ? QStringLiteral("table") : QStringLiteral("column"),
                match.captured(2));
    return text.simplified();
}

bool driverAvailable()
{
    return QSqlDatabase::isDriverAvailable(QLatin1String(kDriver));
}

bool open(const SetLocation& location, const QString& name, QString* error)
{
    if (!driverAvailable()) {
        *error = QCoreApplication::translate(
            "ServerDb", "Qt's PostgreSQL driver is not installed (Debian package libqt6sql6-psql)");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                    : QSqlDatabase::addDatabase(QLatin1String(kDriver), name);
    db.setHostName(location.host);
    db.setPort(location.port > 0 ? location.port : -1);
    db.setDatabaseName(location.database);
    db.setUserName(location.user);
    db.setConnectOptions(location.connectOptions());
    const QString account = location.account();
    db.setPassword(typedPasswords().value(account));
    bool opened = db.open();
    // libpq has tried the password file and PGPASSWORD already; the operator is asked only
    // when the server still wants one.
    for (int tries = 0; !opened && tries < kPasswordTries && prompt() && wantsPassword(reasonOf(db.lastError()));
         ++tries) {
        QString password;
        if (!prompt()(account, reasonOf(db.lastError()), &password))
            break;
        db.setPassword(password);
        opened = db.open();
        if (opened)
            typedPasswords().insert(account, password);
    }
    if (!opened) {
        *error = reasonOf(db.lastError());
        return false;
    }
    // Notices ("relation already exists, skipping") are not for the operator. A load sorts a
    // whole table by itemOrder: with the default 4 MB, 100,000 PLUs would be sorted on disk.
    return exec(db, QStringLiteral("SET client_min_messages TO warning"), error)
        && exec(db, QStringLiteral("SET work_mem TO '64MB'"), error)
        && exec(db, QStringLiteral("SET search_path TO %1").arg(quoted(location.set)), error);
}

bool isServer(const QSqlDatabase& db)
{
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
}

bool connectionLost(const QSqlDatabase& db)
{
    if (!isServer(db))
        return false;
    // Qt's driver may have closed the connection itself on the failed statement.
    pg_conn* connection = handle(db);
    return !db.isOpen() || !connection || PQstatus(connection) == CONNECTION_BAD;
}

pg_conn* handle(const QSqlDatabase& db)
{
    if (!isServer(db) || !db.driver())
        return nullptr;
    const QVariant value = db.driver()->handle();
    // Qt names the type by its typedef or by the struct, as the driver was built.
    if (!value.isValid() || (qstrcmp(value.typeName(), "PGconn*") != 0 && qstrcmp(value.typeName(), "pg_conn*") != 0)) {
        qCDebug(lcStorage) << "no libpq handle behind" << value.typeName();
        return nullptr;
    }
    return *static_cast<PGconn* const*>(value.constData());
}

bool schemaExists(const QSqlDatabase& db, const QString& set, bool* exists, QString* error)
{
    QSqlQuery query(db);
    // pg_namespace lists every schema (information_schema only those this account may use): a
    // set the account may not use is said to be so, not taken for a missing one.
    query.prepare(QStringLiteral("select has_schema_privilege(oid, 'USAGE') from pg_catalog.pg_namespace "
                                 "where nspname = ?"));
    query.addBindValue(set);
    if (!query.exec()) {
        *error = reasonOf(query.lastError());
        return false;
    }
    *exists = query.next();
    if (*exists && !query.value(0).toBool()) {
        *error
            = QCoreApplication::translate("ServerDb", "the account %1 may not use the set %2 (no USAGE on its schema)")
                  .arg(QString::fromUtf8(PQuser(handle(db))), set);
        return false;
    }
    return true;
}

bool createSchema(const QSqlDatabase& db, const QString& set, QString* error)
{
    QSqlDatabase connection = db;
    return exec(connection, QStringLiteral("CREATE SCHEMA %1").arg(quoted(set)), error);
}

QStringList tables(const QSqlDatabase& db, QString* error)
{
    QStringList names;
    QSqlQuery query(db);
    const bool ok = query.exec(isServer(db)
            ? QStringLiteral("select table_name from information_schema.tables where table_schema = current_schema()")
            : QStringLiteral("select name from sqlite_master where type='table'"));
    if (!ok && error)
        *error = reasonOf(query.lastError());
    while (ok && query.next())
        names << query.value(0).toString();
    return names;
}

bool hasTable(const QSqlDatabase& db, const QString& table)
{
    return tables(db).contains(table, Qt::CaseInsensitive);
}

QString blobType(const QSqlDatabase& db)
{
    return isServer(db) ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
}

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

CopyIn::CopyIn(const QSqlDatabase& db, const QString& table, const QStringList& columns)
    : m_conn(handle(db))
{
    if (!m_conn) {
        m_error = QStringLiteral("not a server connection");
        return;
    }
    const QByteArray sql
        = QStringLiteral("COPY %1 (%2) FROM STDIN (FORMAT binary)").arg(table, columns.join(QLatin1Char(','))).toUtf8();
    PGresult* result = PQexec(m_conn, sql.constData());
    if (PQresultStatus(result) != PGRES_COPY_IN) {
        m_error = sentence(QString::fromUtf8(PQresultErrorMessage(result)));
        m_conn = nullptr;
    }
    PQclear(result);
    // The binary COPY header: signature, flags, header extension length.
    m_buffer.append("PGCOPY\n\377\r\n\0", 11);
    m_buffer.append(8, '\0');
}

void CopyIn::beginRow(int fields)
{
    const quint16 count = qToBigEndian(quint16(fields));
    m_buffer.append(reinterpret_cast<const char*>(&count), 2);
    if (m_buffer.size() >= kCopyChunk)
        flush();
}

void CopyIn::addBytes(const char* data, int size)
{
    const qint32 length = qToBigEndian(qint32(size));
    m_buffer.append(reinterpret_cast<const char*>(&length), 4);
    m_buffer.append(data, size);
}

void CopyIn::addInt32(qint32 value)
{
    const qint32 length = qToBigEndian(qint32(4));
    const qint32 data = qToBigEndian(value);
    m_buffer.append(reinterpret_cast<const char*>(&length), 4);
    m_buffer.append(reinterpret_cast<const char*>(&data), 4);
}

bool CopyIn::flush()
{
    if (!m_conn || m_buffer.isEmpty())
        return m_conn != nullptr;
    if (PQputCopyData(m_conn, m_buffer.constData(), int(m_buffer.size())) != 1) {
        m_error = QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
        PQputCopyEnd(m_conn, "failed");
        while (PGresult* result = PQgetResult(m_conn))
            PQclear(result);
        m_conn = nullptr;
        return false;
    }
    m_buffer.clear();
    return true;
}

bool CopyIn::finish(QString* error)
{
    const quint16 trailer = 0xffff;
    m_buffer.append(reinterpret_cast<const char*>(&trailer), 2);
    bool ok = flush() && PQputCopyEnd(m_conn, nullptr) == 1;
    if (m_conn) {
        while (PGresult* result = PQgetResult(m_conn)) {
            if (PQresultStatus(result) != PGRES_COMMAND_OK) {
                ok = false;
                m_error = sentence(QString::fromUtf8(PQresultErrorMessage(result)));
            }
            PQclear(result);
        }
        m_conn = nullptr;
    }
    if (!ok) {
        *error = m_error.isEmpty() ? QStringLiteral("the server refused the rows") : m_error;
        qCDebug(lcStorage) << "COPY failed:" << *error;
    }
    return ok;
}

bool selectColumn(const QSqlDatabase& db, const QString& sql, int column, QList<QByteArray>* out, QString* error)
{
    PGconn* conn = handle(db);
    if (!conn) {
        *error = QStringLiteral("not a server connection");
        return false;
    }
    const QByteArray text = sql.toUtf8();
    PGresult* result = PQexecParams(conn, text.constData(), 0, nullptr, nullptr, nullptr, nullptr, 1);
    const bool ok = PQresultStatus(result) == PGRES_TUPLES_OK && column < PQnfields(result);
    if (ok) {
        const int rows = PQntuples(result);
        out->reserve(out->size() + rows);
        for (int row = 0; row < rows; ++row)
            out->append(QByteArray(PQgetvalue(result, row, column), PQgetlength(result, row, column)));
    } else {
        *error = sentence(QString::fromUtf8(PQresultErrorMessage(result)));
    }
    PQclear(result);
    return ok;
}

} // namespace ServerDb
