#pragma once

#include "base/itemtable.h"

#include <QStringList>

// The column names of a category as a row, for files and transfers that carry a header
// line first; empty for categories without one (logo, system parameters, extended header).
ItemRow categoryHeaderRow(int category);
// The same names as texts.
QStringList categoryHeaderNames(int category);
