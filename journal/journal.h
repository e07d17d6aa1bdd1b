#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// One entry of the journal, as it is stored in "Journal.db".
struct JournalEntry {
    qint64 id = 0; // 1, 2, 3 ... in the order of writing
    QString time; // UTC, ISO 8601 with milliseconds: "2024-05-01T09:30:12.345Z"
    QString user; // the logged-in user; for a refused login the name that was typed
    QString pc; // the computer's host name
    QString kind; // "login", "login failed", "save", "import", "transfer", "users"
    QString category; // the data type name ("PLUDATA"), or empty
    QString reg; // "tcp:192.168.1.31", "serial:/dev/ttyUSB0", or empty
    QString summary; // one line
    QString details; // free text, may hold line breaks
    QString previousHash; // hash of the entry before; 64 zeros for the first
    QString hash; // Journal::entryHash() of this entry
};

// Which entries Journal::read() returns. Empty texts and invalid times select every entry.
struct JournalFilter {
    QString reg;
    QString user;
    QString category;
    QDateTime from; // entries at or after
    QDateTime to; // entries before
    bool oldestFirst = false; // newest first unless set
};

// What Journal::verify() found.
struct JournalCheck {
    bool ok = true;
    bool readable = true; // false: the file could not be read at all (see reason)
    qint64 entries = 0;
    qint64 firstBroken = 0; // id of the first entry that does not hold, 0 when ok
    QString reason; // why it does not hold
};

// The journal of who did what and when: logins, refused logins, user management, saves, imports
// and each register's transfer, appended to the SQLite file "Journal.db" in the data folder
// through a connection of its own. Entries are never changed: each holds the hash of the entry
// before it and its own SHA-256 over that hash and all its fields, so that an entry changed,
// removed or slipped in afterwards breaks the chain that verify() walks.
//
// The hash of an entry is SHA-256 over the UTF-8 bytes of "tallvane-journal-1\n" followed by,
// in this order, the previous hash (64 lower-case hexadecimal digits), the id in decimal, the
// time, user, PC, kind, category, register, summary and details, each written as its length
// in bytes in decimal, a colon, its bytes and a line feed. It is stored as 64 lower-case
// hexadecimal digits.
//
// Writing never stops the caller for long: a journal that cannot be written gives false and
// says why through the failure handler. GUI (or main) thread only.
namespace Journal {

enum Kind { Login, LoginFailed, Save, Import, Transfer, Users };
// "login", "login failed", "save", "import", "transfer", "users" (a user added, deleted, or
// its permissions, name or password changed).
QString kindText(Kind kind);

// "Journal.db" in the data folder (storage/datafolder.h).
QString defaultFilePath();
// The file the journal is written to and read from; an empty path restores the default.
void setFilePath(const QString& path);
QString filePath();

// The user that later entries name (set by a successful login).
void setUser(const QString& user);
QString user();

// Called with a sentence that names the file and the reason whenever an entry cannot be
// written, and with an empty text when an entry is written again after such a failure.
// Without a handler the failure goes to the log only.
void setFailureHandler(std::function<void(const QString& sentence)> handler);
// The sentence of the last failure, empty once an entry has been written since.
QString lastFailure();

// Appends an entry in the name of user() at the current time. False when it could not be
// written (the failure handler has been told).
bool append(
    Kind kind, const QString& category, const QString& reg, const QString& summary, const QString& details = QString());
// The same in the name of `user` (a refused login names who tried).
bool appendAs(const QString& user, Kind kind, const QString& category, const QString& reg, const QString& summary,
    const QString& details = QString());

// The entries that `filter` selects into `entries`. A missing file reads as empty. False,
// with the reason in `error`, when the file cannot be read.
bool read(const JournalFilter& filter, QList<JournalEntry>* entries, QString* error = nullptr);

// Walks the chain from the first entry: every entry must follow the one before it (ids one
// apart, its previous hash being that entry's hash) and match its own hash, and no entry may
// be missing after the last. A missing file holds no entries and verifies.
JournalCheck verify();

// The hash of `entry` as described above (its own `hash` is not part of it).
QString entryHash(const JournalEntry& entry);

// Closes the connection; the next call opens the file again.
void close();

} // namespace Journal
