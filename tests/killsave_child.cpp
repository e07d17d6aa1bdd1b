// Child of tst_killsave: saves COUNT departments named GEN into the configuration database
// FILE, saying "saving" on standard output just before the save starts, so that the test can
// kill it at any point of the save.
//   killsave_child FILE GEN COUNT

#include "records/dept.h"
#include "storage/configdb.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    openDatabase(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLatin1(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    ItemTable table;
    table.reserve(count);
    for (int i = 0; i < count; ++i)
        table.append(ItemRow { QString::number(i + 1), name, "1", "10000000", "00000000", "1", "1.00", "9.99", "" });
    std::printf("saving\n");
    std::fflush(stdout);
    return Dept::instance()->saveTable(table) ? 0 : 1;
}
