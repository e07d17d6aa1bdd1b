#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QSqlQuery;

// One stored register record: what a codec hands to the database for one table row.
struct RecordEntry {
    char key[16]; // NUL-terminated key text (at most 15 characters)
    char name[32]; // NUL-terminated item name (at most 31 bytes)
    qint32 length; // number of record bytes to store
    QByteArray data; // at least `length` record bytes

    // Builds an entry, cutting key and name to their fields.
    static RecordEntry make(const QByteArray& key, const QByteArray& name, const QByteArray& data);
};

// Path of the configuration database in use; it is also the name of its SQL connection.
// Empty while no database has been opened. GUI thread only.
extern QString currentDatabasePath;

// The tables of a configuration database, in the order they are created.
const QStringList& configTableNames();

// Makes the file at `path` the current configuration database and opens it.
void openDatabase(const QString& path);
// Creates a new configuration database with all its tables; refuses an existing file.
void createDatabase(const QString& path);
// Creates `table` with `statement` unless it exists already.
bool ensureTable(const QString& statement, const QString& table, QSqlQuery& query);
// Replaces the rows of `table` by `entries`, in order. Either every entry is stored or the
// table keeps its previous rows; returns false in the latter case.
bool saveRecords(const QString& table, const QList<RecordEntry>& entries);
// Reads the record bytes of `table` in stored order. False when the table cannot be read.
bool loadRecords(const QString& table, QList<QByteArray>* out);
