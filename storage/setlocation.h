#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Where a configuration set lives: a SQLite file, or a schema on a PostgreSQL server named by
// a connection URL "postgresql://USER@HOST[:PORT]/DATABASE?set=NAME". Other libpq parameters
// in the query (sslmode, connect_timeout, host=/run/postgresql for a socket folder) are passed
// through. A password is never part of a location: it comes from the PostgreSQL password file,
// PGPASSWORD, or the operator (see serverdb.h), so that no location Tallvane shows or keeps
// carries one.
struct SetLocation {
    bool server = false;
    QString path; // a file set

    // A server set.
    QString user;
    QString host; // a name, an address, or a socket folder
    int port = 0; // 0: libpq's default
    QString database;
    QString set; // the schema that holds the set's tables
    QList<QPair<QString, QString>> options; // the other libpq parameters, in URL order

    // Reads `text` as a URL when it starts with "postgresql://" or "postgres://", else as a file
    // path. False, with the reason for the operator, for a URL that cannot be used.
    static bool parse(const QString& text, SetLocation* out, QString* error = nullptr);

    // The URL in its one canonical spelling (a file set: its path).
    QString text() const;
    // What the window shows: "shop.db", or "shop (db on host)".
    QString shownName() const;
    // The server and account a password belongs to: "user@host:port/database".
    QString account() const;
    // The libpq parameters other than host, port, user and database, as Qt's PostgreSQL driver
    // takes them ("sslmode=require;connect_timeout=5").
    QString connectOptions() const;
};

// Whether `text` names a server set (it may still fail to parse).
bool isServerLocation(const QString& text);
// A server location in its one canonical spelling (text()), so that one set has one name; a
// file path, or a URL that cannot be read, as it is.
QString canonicalLocation(const QString& text);
// shownName() of `text`, or the text itself when it is not a location.
QString shownSetName(const QString& text);
// A set name is a schema name that needs no quoting care: letters, digits, '_' and '-'.
bool isValidSetName(const QString& name);
// The file of a new set in the database folder from the name the operator typed: "shop" and
// "shop.db" both give "shop.db". Empty, with the reason for the operator, for a name that would
// not be a visible file of that folder: nothing typed, a path ('/' or '\\'), or a leading dot
// (".." and hidden files).
QString newSetFileName(const QString& typed, QString* reason = nullptr);
