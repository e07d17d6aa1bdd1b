#pragma once

#include <QList>
#include <QVariant>

// One record as the operator sees it: one cell per column, in column order.
using ItemRow = QList<QVariant>;
// A category's table: rows in table order (row 0 is the register's first record).
using ItemTable = QList<QList<QVariant>>;
