#pragma once

#include <QStringList>

// Column kind byte: the low 7 bits give the cell type, bit 7 locks the cell against typing.
enum ColumnKind : quint8 {
    KindText = 0x01,
    KindInt = 0x02,
    KindReal = 0x04,
    KindInt64 = 0x08,
    KindLocked = 0x80,
};

constexpr int kMaxColumns = 16;

// The header list and kind bytes of the category on show, published by the category's
// initColumns(). GUI thread only.
struct ColumnDescription {
    QStringList headers; // emptied when the grid has taken them
    quint8 kinds[kMaxColumns] = {};
};

ColumnDescription& currentColumns();
