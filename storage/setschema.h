#pragma once

#include <QString>

class QSqlDatabase;

// The layout of a configuration set, for storage code that writes a set on a connection of
// its own (copying a set): the caller holds the transaction.

// Creates the twelve configuration tables (those missing), the record of the register
// texts' language and the tables' version counters; false, with the reason, at the first
// statement refused.
bool createSetTables(const QSqlDatabase& db, int language, QString* reason = nullptr);
// Records `language` as that of the set's register texts.
bool recordSetLanguage(const QSqlDatabase& db, int language);
// Counts up the version of `table`, so that a program that loaded it before will not save
// over it unasked; the new version, or -1 (with the database's reason in `reason`).
qint64 countUpTableVersion(QSqlDatabase& db, const QString& table, QString* reason = nullptr);
