#pragma once

#include "base/itemtable.h"

#include <QSet>
#include <QString>

#include <random>

// A shop's item list: mostly 13-digit article numbers, some short in-store codes, all
// distinct, in no particular order; names of 10 to 25 characters.
inline ItemTable pluTable(int rows, unsigned seed = 7)
{
    static const char* const kinds[] = { "MILK", "BREAD", "COFFEE", "TEA", "CHOC BAR", "APPLES", "RICE", "PASTA",
        "OLIVE OIL", "SOAP", "WATER", "JUICE" };
    static const char* const sizes[] = { "100G", "250G", "500G", "1KG", "330ML", "1L", "1.5L", "6 PACK" };
    std::mt19937_64 random(seed);
    QSet<qint64> used;
    used.reserve(rows);
    ItemTable table;
    table.reserve(rows);
    while (table.size() < rows) {
        const bool inStore = random() % 10 == 0;
        const qint64 code = inStore ? qint64(random() % 99999 + 1) : qint64(4000000000000LL + random() % 5999999999999LL);
        if (used.contains(code))
            continue;
        used.insert(code);
        const int n = int(table.size());
        table.append({ QString::number(code),
            QStringLiteral("%1 %2 %3").arg(QLatin1String(kinds[n % 12]), QLatin1String(sizes[n % 8])).arg(n),
            QString::number(n % 40 + 1), QString::number(double(random() % 2000000) / 100.0, 'f', 2),
            QString::number(double(random() % 100000) / 100.0, 'f', 2) });
    }
    return table;
}
