#pragma once

#include <QString>

// The signs between the items of a list (", ") and between the clauses of a sentence ("; ")
// in the display language: Arabic and Greek write their own. `english` keeps the English ones
// for what is stored (the journal) or printed for scripts.
QString listSeparator(bool english = false);
QString clauseSeparator(bool english = false);

// A count as every sentence writes it, in any display language: digits grouped by thousands
// with commas ("10,000"), as the register's figures and the journal read.
QString groupedNumber(qint64 value);
