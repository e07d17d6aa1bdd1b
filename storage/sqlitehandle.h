#pragma once

class QSqlDatabase;
struct sqlite3;

// The SQLite connection behind a Qt connection (null for another driver). Bulk inserts and
// reads go through it directly: Qt's per-row binding costs several times the work of SQLite
// itself on tables of 100,000 records.
sqlite3* sqliteHandle(const QSqlDatabase& db);
