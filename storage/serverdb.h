#pragma once

#include "storage/setlocation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QSqlDatabase;
struct pg_conn;

// Databases on a PostgreSQL server, through Qt's QPSQL driver: the connection (with the
// operator's password when the server wants one), the few statements in which the server's
// dialect differs from SQLite's, and bulk rows through libpq itself (binary COPY and binary
// results), as SQLite's bulk rows go through sqlite3 directly.
namespace ServerDb {

// Asks the operator for the password of `account` ("user@host:port/database"); `reason` is
// the server's answer to the last try. False when the operator cancels.
using PasswordPrompt = std::function<bool(const QString& account, const QString& reason, QString* password)>;

// Installs the prompt (the window does; the command-line tool has none: its passwords come
// from the password file or PGPASSWORD) and returns the previous one.
PasswordPrompt setPasswordPrompt(PasswordPrompt prompt);
// Forgets every password the operator typed: they are asked again after the next login.
void forgetPasswords();

// A server's message as one line for a sentence: without the statement it quotes back, the
// caret under it, the severity word or a full stop.
QString sentence(const QString& serverText);
// Whether Qt's PostgreSQL driver is installed.
bool driverAvailable();
// Registers the connection `name` to the database of `location` and opens it, its search path
// being the set's schema (which need not exist yet). A password is asked for only when the
// server wants one that neither the password file nor PGPASSWORD gave, and then once per login
// and account. False, with the reason, when the connection cannot be made.
bool open(const SetLocation& location, const QString& name, QString* error);

// Whether `db` is a server connection whose server has gone (restarted, stopped): libpq finds
// out at the first statement that fails.
bool connectionLost(const QSqlDatabase& db);
// Whether `db` is a server connection (else a SQLite one).
bool isServer(const QSqlDatabase& db);
// The libpq connection behind a QPSQL connection; null for another driver.
pg_conn* handle(const QSqlDatabase& db);
// Whether the schema `set` exists; false with the reason when the server could not say or
// the set is there but this account may not use it.
bool schemaExists(const QSqlDatabase& db, const QString& set, bool* exists, QString* error);
// Creates the schema `set`; false with the reason.
bool createSchema(const QSqlDatabase& db, const QString& set, QString* error);
// The tables of the connection's own schema (SQLite: of the file), lower case on the server.
QStringList tables(const QSqlDatabase& db, QString* error = nullptr);
// Whether `table` exists, on either kind of connection.
bool hasTable(const QSqlDatabase& db, const QString& table);
// The column type of record bytes: "BLOB" in a file, "BYTEA" on the server.
QString blobType(const QSqlDatabase& db);
// A double-quoted identifier.
QString quoted(const QString& identifier);

// Rows copied into a server table in libpq's binary COPY form: one beginRow(), then one add
// per column in the order given; finish() says whether the server took them all.
class CopyIn {
public:
    CopyIn(const QSqlDatabase& db, const QString& table, const QStringList& columns);
    void beginRow(int fields);
    void addBytes(const char* data, int size); // text (UTF-8) and bytea alike
    void addBytes(const QByteArray& data) { addBytes(data.constData(), int(data.size())); }
    void addInt32(qint32 value);
    bool finish(QString* error);

private:
    bool flush();

    pg_conn* m_conn = nullptr;
    QByteArray m_buffer;
    QString m_error;
};

// Runs `sql` with binary results and appends column `column` of every row, as the server's
// bytes (bytea and text as they are, integers in network order); false with the reason.
bool selectColumn(const QSqlDatabase& db, const QString& sql, int column, QList<QByteArray>* out, QString* error);

} // namespace ServerDb
