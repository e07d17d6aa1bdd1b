// File benchmarks: 100,000 PLU-shaped rows (code, name, department, price, stock) exported
// to CSV, the same file imported, and the same rows imported from an .xlsx workbook with
// shared strings. The baseline, measured in the same run, reads the CSV file's bytes and
// splits them into lines without parsing. Goals: CSV export and import each <= 0.5 s and
// <= 10x the baseline; .xlsx import <= 3 s. Each figure is the best of several runs that
// alternate with the baseline.

#include "timing.h"

#include "app/grid/itemgrid.h"
#include "storage/csvfile.h"
#include "tests/workbookbuilder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRows = 100000;
constexpr int kRuns = 5;

ItemTable pluRows()
{
    ItemTable table;
    table.reserve(kRows + 1);
    table.append({ QStringLiteral("Random"), QStringLiteral("Name"), QStringLiteral("Dept"), QStringLiteral("Price"),
        QStringLiteral("Stock+") });
    for (int i = 0; i < kRows; ++i)
        table.append({ QString::number(520000000000LL + i), QStringLiteral("PLU ITEM %1").arg(i),
            QString::number(i % 99 + 1), QString::number(i % 1000 + 0.25, 'f', 2), QString::number(i % 500) });
    return table;
}

// The rows as a workbook: texts in the shared strings part, numbers in the cells.
WorkbookBuilder::Parts pluWorkbook(const ItemTable& table)
{
    QByteArray shared;
    QByteArray rows;
    int strings = 0;
    for (int r = 0; r < table.size(); ++r) {
        const QByteArray number = QByteArray::number(r + 1);
        rows += "<row r=\"" + number + "\">";
        for (int c = 0; c < table.at(r).size(); ++c) {
            const QString text = table.at(r).at(c).toString();
            const QByteArray reference = QByteArray(1, char('A' + c)) + number;
            if (r == 0 || c == 1) {
                shared += "<si><t>" + WorkbookBuilder::escaped(text) + "</t></si>";
                rows += "<c r=\"" + reference + "\" t=\"s\"><v>" + QByteArray::number(strings++) + "</v></c>";
            } else {
                rows += "<c r=\"" + reference + "\"><v>" + text.toUtf8() + "</v></c>";
            }
        }
        rows += "</row>";
    }
    return WorkbookBuilder::workbook({ { QStringLiteral("sheet1.xml"), rows } }, shared);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Files go to memory where the system offers it, so that the figures are the program's
    // work rather than the disk's.
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/tallvane-bench-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/tallvane-bench-XXXXXX"));
    const QString csvPath = dir.filePath(QStringLiteral("plu.csv"));
    const QString xlsxPath = dir.filePath(QStringLiteral("plu.xlsx"));

    const ItemTable table = pluRows();
    ColumnDescription columns;
    const quint8 kinds[5] = { 0x88, 0x01, 0x02, 0x04, 0x04 };
    std::copy(kinds, kinds + 5, columns.kinds);
    GridModel model;
    QTableView view;
    view.setModel(&model);
    view.resize(800, 400);
    view.show();
    ItemGrid::fill(&model, table.mid(1), columns, 3);
    QCoreApplication::processEvents();

    if (!WorkbookBuilder::writeZip(xlsxPath, pluWorkbook(table))) {
        std::fprintf(stderr, "cannot write the workbook\n");
        return 1;
    }
    QString error;
    if (!writeCsvFile(csvPath, table, &error)) {
        std::fprintf(stderr, "cannot write the CSV file: %s\n", qPrintable(error));
        return 1;
    }

    double baseline = 1e9, write = 1e9, exportGrid = 1e9, read = 1e9, importGrid = 1e9, xlsx = 1e9, xlsxGrid = 1e9;
    qsizetype lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        baseline = std::min(baseline, seconds([&] {
            QFile file(csvPath);
            file.open(QIODevice::ReadOnly);
            lines = file.readAll().split('\n').size();
        }));
        write = std::min(write, seconds([&] { writeCsvFile(csvPath, table, &error); }));
        exportGrid
            = std::min(exportGrid, seconds([&] { writeCsvFile(csvPath, ItemGrid::collect(&model, 3, true), &error); }));
        TableFile file;
        read = std::min(read, seconds([&] { readTableFile(csvPath, &file); }));
        importGrid = std::min(importGrid, seconds([&] {
            readTableFile(csvPath, &file);
            ItemGrid::fill(&model, file.rows.mid(1), columns, 3);
        }));
        TableFile workbook;
        xlsx = std::min(xlsx, seconds([&] { readTableFile(xlsxPath, &workbook); }));
        xlsxGrid = std::min(xlsxGrid, seconds([&] {
            readTableFile(xlsxPath, &workbook);
            ItemGrid::fill(&model, workbook.rows.mid(1), columns, 3);
        }));
        if (file.rows != workbook.rows || file.rows.size() != kRows + 1) {
            std::fprintf(stderr, "the CSV and the workbook did not read alike\n");
            return 1;
        }
    }

    std::printf("Tallvane file benchmarks, %d PLU rows of 5 columns (best of %d, alternating)\n\n", kRows, kRuns);
    std::printf("baseline  read bytes, split %lld lines      %8.3f s\n", qlonglong(lines), baseline);
    std::printf("csv       write table                   %8.3f s   %5.2fx baseline\n", write, write / baseline);
    std::printf("csv       export grid (collect+write)   %8.3f s   %5.2fx baseline (goal <= 0.5 s, <= 10x)\n",
        exportGrid, exportGrid / baseline);
    std::printf("csv       read file                     %8.3f s   %5.2fx baseline\n", read, read / baseline);
    std::printf("csv       import into grid (read+fill)  %8.3f s   %5.2fx baseline (goal <= 0.5 s, <= 10x)\n",
        importGrid, importGrid / baseline);
    std::printf("xlsx      read workbook                 %8.3f s\n", xlsx);
    std::printf("xlsx      import into grid (read+fill)  %8.3f s   (goal <= 3 s)\n", xlsxGrid);
    std::printf("\nfiles: CSV %lld bytes, workbook %lld bytes\n", qlonglong(QFileInfo(csvPath).size()),
        qlonglong(QFileInfo(xlsxPath).size()));
    return 0;
}
