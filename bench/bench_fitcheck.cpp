// Fit check benchmark: checking 100,000 PLUs (and departments) against encoding the same rows in the same run,
// once with encodeRow alone and once as the frames of an install (packRecord). Goal: the
// check within 0.1 s and within 1x the encoding. Rows in English and in Greek.

#include "timing.h"

#include "base/language.h"
#include "link/protocol.h"
#include "records/categories.h"
#include "records/recordcodec.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRows = 100000;

// Department rows as the grid hands them over: texts, one in a hundred with a cell that
// does not fit.
ItemTable departmentTable(const QString& name)
{
    ItemTable table;
    table.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        table.append({ QString::number(i % 256), name + QString::number(i), QString::number(i % 9 + 1),
            QStringLiteral("10000000"), QStringLiteral("00000101"), QString::number(i % 6 + 1),
            i % 100 == 0 ? QStringLiteral("12.345") : QString::number(i % 1000 + 0.25, 'f', 2),
            QStringLiteral("999.00"), QStringLiteral("13") });
    return table;
}

// PLU rows as the grid hands them over, one in a hundred with a stock of three decimals.
ItemTable pluTable(const QString& name)
{
    ItemTable table;
    table.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        table.append({ QString::number(2000000000000LL + i), name + QString::number(i), QString::number(i % 20 + 1),
            QString::number(i % 1000 + 0.25, 'f', 2),
            i % 100 == 0 ? QStringLiteral("10.125") : QStringLiteral("24.00") });
    return table;
}

void measure(const char* label, const QByteArray& type, const ItemTable& table)
{
    const RecordCodec* codec = codecForType(type);
    int flagged = 0;
    QByteArray record;
    const double encode = best(3, [&] {
        for (const ItemRow& row : table)
            codec->encodeRow(row, &record);
    });
    QByteArray frame;
    const double frames = best(3, [&] {
        for (int i = 0; i < table.size(); ++i)
            packRecord(type, &table.at(i), 1, &frame);
    });
    const double check = best(3, [&] { flagged = int(codec->checkTable(table).size()); });
    std::printf("%-24s %7d rows, %6d flagged: check %.3f s | encodeRow %.3f s (%.2fx) | packRecord %.3f s (%.2fx)\n",
        label, int(table.size()), flagged, check, encode, check / encode, frames, check / frames);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    setlanguage::setLanguage(English);
    measure("PLUs, English", "PLUDATA", pluTable(QStringLiteral("ITEM ")));
    measure("departments, English", "DEPTDATA", departmentTable(QStringLiteral("DEPT ")));
    currentLanguage = Greek;
    setlanguage::setLanguage(Greek);
    measure("PLUs, Greek", "PLUDATA", pluTable(QStringLiteral("ΕΙΔΟΣ ")));
    measure("departments, Greek", "DEPTDATA", departmentTable(QStringLiteral("ΤΜΗΜΑ ")));
    return 0;
}
