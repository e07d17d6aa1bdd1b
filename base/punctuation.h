#pragma once

#include <QString>

// The signs between the items of a list (", ") and between the clauses of a sentence ("; ")
// in the display language: Arabic and Greek write their own. `english` keeps the English ones
// for what is stored (the journal) or printed for scripts.
QString listSeparator(bool english = false);
QString clauseSeparator(bool english = false);
