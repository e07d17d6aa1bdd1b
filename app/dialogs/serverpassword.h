#pragma once

#include <QString>

// Asks the operator for a server account's password (the storage's password prompt): shown
// only when neither the PostgreSQL password file nor PGPASSWORD gave one that the server
// took. The answer lives in memory until the log out; it is never written anywhere.
bool askServerPassword(const QString& account, const QString& reason, QString* password);
