#pragma once

#include "base/itemtable.h"

#include <QStringList>

// The column names of a category as a row, for files and transfers that carry a header
// line first; empty for categories without one (logo, system parameters, extended header).
ItemRow categoryHeaderRow(int category);
// The same names as texts.
QStringList categoryHeaderNames(int category);
// True for a category whose rows carry a number ("Indx"): an added row takes the place of the
// row with its number.
bool isNumberedCategory(int category);
