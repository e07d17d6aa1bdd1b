// Table benchmarks: storing and reading 100,000 department rows, and filling and collecting
// the grid. Each figure is printed beside a baseline measured in the same run:
//   - storage: the same 100,000 blobs inserted and selected with the raw SQLite C API in
//     one transaction (goal: within 2x);
//   - grid: the same number of bare items appended to a model without a view (the goal is
//     absolute: 100,000 x 5 filled and collected in under 0.3 s each, under 200 MB added).

#include "app/itemgrid.h"
#include "records/dept.h"
#include "storage/configdb.h"

#include <QApplication>
#include <QDir>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>
#include <unistd.h>

namespace {

constexpr int kRows = 100000;

double seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double best(int runs, const std::function<void()>& work)
{
    double fastest = 1e9;
    for (int i = 0; i < runs; ++i)
        fastest = std::min(fastest, seconds(work));
    return fastest;
}

double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

ItemTable departmentTable()
{
    ItemTable table;
    table.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        table.append({ QString::number(i % 256), QStringLiteral("DEPT %1").arg(i), QString::number(i % 9 + 1),
            QStringLiteral("10000000"), QStringLiteral("00000101"), QString::number(i % 6 + 1),
            QString::number(i % 1000 + 0.25, 'f', 2), QStringLiteral("999.00"), QStringLiteral("13") });
    return table;
}

double rawSqlite(const QString& path, const QList<QByteArray>& blobs)
{
    return seconds([&] {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "create table t (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)", nullptr,
            nullptr, nullptr);
        sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
        sqlite3_exec(db, "delete from t", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "insert into t values(?,?,?)", -1, &insert, nullptr);
        char key[16];
        for (int i = 0; i < blobs.size(); ++i) {
            std::snprintf(key, sizeof key, "%d", i + 1);
            sqlite3_bind_text(insert, 1, key, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, "DEPT", -1, SQLITE_STATIC);
            sqlite3_bind_blob(insert, 3, blobs.at(i).constData(), blobs.at(i).size(), SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db, "select itemRandom, itemName, itemData from t", -1, &select, nullptr);
        QList<QByteArray> out;
        while (sqlite3_step(select) == SQLITE_ROW)
            out.append(QByteArray(static_cast<const char*>(sqlite3_column_blob(select, 2)), sqlite3_column_bytes(select, 2)));
        sqlite3_finalize(select);
        sqlite3_close(db);
    });
}

void bareItems(int columns)
{
    GridModel model;
    for (int r = 0; r < kRows; ++r) {
        QList<QStandardItem*> items;
        for (int c = 0; c < columns; ++c)
            items.append(new QStandardItem(QStringLiteral("x")));
        model.appendRow(items);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Files go to memory where the system offers it, so that both sides measure their own
    // work rather than the disk's flush times.
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tallvane-bench-XXXXXX")
                                                                 : QDir::tempPath() + QStringLiteral("/tallvane-bench-XXXXXX"));

    const ItemTable table = departmentTable();
    QList<QByteArray> blobs;
    for (const ItemRow& row : table) {
        QByteArray record;
        Dept::instance()->encodeRow(row, &record);
        blobs.append(record);
    }

    std::printf("Tallvane table benchmarks, %d rows (best of 7, alternating)\n\n", kRows);
    // The grid runs first, so that its memory figure is taken on a heap that no large
    // table has used before.
    for (const int columns : { 5, 9 }) {
        ItemTable wide;
        wide.reserve(kRows);
        for (const ItemRow& row : table)
            wide.append(row.mid(0, columns));
        ColumnDescription description;
        const quint8 kinds[9] = { 0x82, 0x01, 0x02, 0x81, 0x81, 0x02, 0x04, 0x04, 0x00 };
        std::copy(kinds, kinds + columns, description.kinds);

        GridModel model;
        QTableView view;
        view.setModel(&model);
        view.resize(800, 400);
        view.show();
        QCoreApplication::processEvents();
        double fill = 1e9, collect = 1e9, added = 0;
        for (int run = 0; run < 3; ++run) {
            ItemGrid::fill(&model, {}, description, 2);
            QCoreApplication::processEvents();
            const double before = residentMegabytes();
            fill = std::min(fill, seconds([&] { ItemGrid::fill(&model, wide, description, 2); }));
            // The first fill into the new model shows what the grid's rows cost in memory.
            if (run == 0)
                added = residentMegabytes() - before;
            ItemTable back;
            collect = std::min(collect, seconds([&] { back = ItemGrid::collect(&model, 2, false); }));
        }
        const double bare = best(3, [&] { bareItems(columns); });
        std::printf("grid      %dx%d bare items appended    %8.3f s   (baseline)\n", kRows, columns, bare);
        std::printf("grid      %dx%d fill                   %8.3f s   %5.2fx baseline%s, +%.0f MB\n", kRows, columns,
            fill, fill / bare, columns == 5 ? " (goal < 0.3 s)" : "", added);
        std::printf("grid      %dx%d collect                %8.3f s   %5.2fx baseline%s\n\n", kRows, columns,
            collect, collect / bare, columns == 5 ? " (goal < 0.3 s)" : "");
    }
    // The runs alternate between the baseline and the program, so that a busy moment of the
    // machine does not fall on one side only; each side keeps its best run.
    createDatabase(dir.filePath(QStringLiteral("bench.db")));
    std::vector<ItemTable> loaded(7);
    double baseline = 1e9, save = 1e9, load = 1e9;
    for (int run = 0; run < 7; ++run) {
        baseline = std::min(baseline, rawSqlite(dir.filePath(QStringLiteral("raw%1.db").arg(run)), blobs));
        save = std::min(save, seconds([&] { Dept::instance()->saveTable(table); }));
        // Each run reads into a fresh table; freeing old tables is the caller's work.
        load = std::min(load, seconds([&] { Dept::instance()->loadTable(&loaded[run]); }));
    }
    std::printf("storage   raw SQLite insert+select     %8.3f s   (baseline)\n", baseline);
    std::printf("storage   saveTable                    %8.3f s\n", save);
    std::printf("storage   loadTable                    %8.3f s\n", load);
    std::printf("storage   saveTable+loadTable          %8.3f s   %5.2fx baseline (goal <= 2x)\n\n", save + load,
        (save + load) / baseline);

    return 0;
}
