#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlError;
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

// Path of the configuration database in use, or the URL of a set on a PostgreSQL server (see
// setlocation.h); it is also the name of its SQL connection. Empty while no database has been
// opened. GUI thread only.
extern QString currentDatabasePath;

// The tables of a configuration database, in the order they are created.
const QStringList& configTableNames();

// What opening found in the current configuration database. Looking changes nothing in the file.
struct DatabaseCheck {
    QString path; // the database the check belongs to
    bool opened = false;
    QString openError; // why it could not be opened
    QString damage; // SQLite's reason when the file cannot be read: not a database, truncated, malformed
    QStringList missingTables; // configuration tables the file lacks
    QMap<QString, QString> badTables; // tables that cannot be read as configuration tables, with SQLite's reason
    bool readOnly = false; // the file or its folder cannot be written
    int language = 0; // the language its register texts are recorded in; 0: none recorded
};

// Every set records the language of its register texts (code page and text order) in a
// key/value table of its own beside the configuration tables. A set without the record (made
// before sets had one) is read in the language chosen at login and gets the record at its
// first save.

// Makes the file (or server set) at `path` the current configuration database and opens it, then checks that
// SQLite can read it and that it holds every configuration table. The set's recorded language
// becomes the register language, else the language chosen at login. A file that is missing is
// not created.
void openDatabase(const QString& path);
// The check of the current database (empty when another path has been made current since).
DatabaseCheck currentDatabaseCheck();
// The same check of any open connection to a set at `path` (a copy's source, say), read only.
DatabaseCheck inspectDatabase(const QSqlDatabase& db, const QString& path);
// One line for the operator on what is wrong with the current database; empty when nothing is.
QString describeDatabaseProblem();
// One line for the operator when the current set's register texts are in another language than
// the window's ("shop.db holds Greek register texts (windows-1253); the window shows English")
// or the command-line tool's ("...; the tool's --language is English"); empty when the languages
// agree or no set is current.
enum class LanguageReader { Window, Tool };
QString describeSetLanguage(LanguageReader reader = LanguageReader::Window);
// Why the last failed save or load failed, in SQLite's words where it gave them.
QString lastDatabaseError();
// SQLite's own words for an error that Qt reports ("file is not a database").
QString databaseReason(const QSqlError& error);
// Creates a new configuration database with all its tables, recording the language chosen at
// login as that of its register texts; refuses an existing file.
void createDatabase(const QString& path);
// Creates `table` with `statement` unless it exists already.
bool ensureTable(const QString& statement, const QString& table, QSqlQuery& query);
// Replaces the rows of `table` by `entries`, in order. Either every entry is stored or the
// table keeps its previous rows; returns false in the latter case. A file found damaged, or a
// table found unreadable, is never written. A set without a recorded language gets the
// register language as its record.
bool saveRecords(const QString& table, const QList<RecordEntry>& entries);
// Reads the record bytes of `table` in stored order. False when the table cannot be read.
bool loadRecords(const QString& table, QList<QByteArray>* out);

// Two operators, one set. Every save of a table counts up the table's version in the set. A
// page works from the version it loaded; a save that finds the table saved by someone else
// since then stores nothing and fails with lastSaveConflicted() set and lastDatabaseError()
// naming who saved it and when. The first load of a table since the set was opened gives its
// starting version; a page that shows a table loaded afresh adopts the version of that load.
bool lastSaveConflicted();
// Who saved the table of the last refused save, and when ("admin on till-2", the set's time
// text); empty when the last save was not refused for that.
struct SaveConflict {
    QString table;
    QString by;
    QString at;
};
SaveConflict lastSaveConflict();
// The version read by the last loadRecords() of `table` becomes the one the page works from.
void adoptLoadedVersion(const QString& table);
// The version stored now becomes the one the page works from: the next save overwrites what
// the other operator saved (the operator chose to).
void adoptStoredVersion(const QString& table);
// The operator's name, recorded with every save beside the PC's name.
void setDatabaseOperator(const QString& name);
