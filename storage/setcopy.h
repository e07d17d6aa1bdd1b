#pragma once

#include <QString>

// Copies whole configuration sets between any two places a set may live (a SQLite file, a
// schema on a PostgreSQL server): a head office publishes its price list, a shop takes it.
namespace SetCopy {

enum Result {
    Copied = 0,
    TargetExists = 1, // `to` holds a set already and replacing was not asked for
    Failed = 2, // the reason is in `error`; `to` is as it was
};

// Copies the set at `from` to `to`: the twelve configuration tables row for row, in order and
// byte for byte (key, name and record), and the language of its register texts. `to` is made
// when it does not exist; an existing set is replaced only when `replace` is set, in one
// transaction, and keeps what it knows of its own registers (their baselines and names: they
// describe the registers that set programs, not those of the set copied). Every replaced
// table's version counts up, so that a program that has the set open does not save over the
// copy unasked. Neither set is made the current one.
Result copySet(const QString& from, const QString& to, bool replace, QString* error);

} // namespace SetCopy
