// Changes-only sends: the difference of 100,000 PLUs from a register's baseline with 200
// changed, 50 new and 50 deleted rows, against a baseline measured in the same run (the bare
// work of finding each record by its key and comparing the bytes); goal at most 0.1 s. Then
// the send of those 300 changes over 127.0.0.1 against a whole install of the 100,000 PLUs
// to the same register; goal at most 1/100 of it.

#include "plutable.h"
#include "timing.h"

#include "link/changes.h"
#include "link/linkhost.h"
#include "link/tcpserver.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/tablediff.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"
#include "tests/linkharness.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QHash>

#include <cstdio>

namespace {

constexpr int kRows = 100000;

class Host : public LinkHost {
public:
    int connections = 0;
    void ackData(QByteArray) override {}
    void rcvData(QByteArray, QList<QList<QVariant>>*) override {}
    void showConnection(QString) override { ++connections; }
};

// Seconds from the request until no transfer runs.
double timed(Host& host, const std::function<int()>& request)
{
    QElapsedTimer clock;
    clock.start();
    if (request() == 0)
        return -1;
    waitUntil([&] { return host.runningTransfers() == 0; });
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const RecordCodec& codec = *codecForCategory(CategoryPlu);
    const ItemTable held = pluTable(kRows);
    const QList<QByteArray> baseline = storedRecords(CategoryPlu, held, {});

    // The page: 200 prices changed, 50 rows gone, 50 new; every unchanged row keeps its record.
    ItemTable page;
    QList<QByteArray> kept;
    for (int i = 0; i < kRows; ++i) {
        if (i % 2000 == 1)
            continue; // 50 deleted
        ItemRow row = held.at(i);
        QByteArray record = baseline.at(i);
        if (i % 500 == 3) { // 200 changed
            row[3] = QStringLiteral("0.%1").arg(i % 90 + 10);
            record.clear();
        }
        page << row;
        kept << record;
    }
    // New codes: in-store codes, which the article numbers of the list never are.
    for (int i = 0; i < 50; ++i) {
        page << ItemRow { QString::number(100000 + i), QStringLiteral("NEW ITEM %1").arg(i), "1", "1.00", "0.00" };
        kept << QByteArray();
    }

    TableDiff diff;
    const double planned = best(5, [&] { diff = diffRecords(codec, baseline, storedRecords(CategoryPlu, page, kept)); });
    const QList<QByteArray> current = storedRecords(CategoryPlu, page, kept);
    int differing = 0;
    const double bare = best(5, [&] {
        QHash<QByteArray, int> at;
        at.reserve(baseline.size());
        for (int i = 0; i < baseline.size(); ++i)
            at.insert(baseline.at(i).left(7), i);
        differing = 0;
        for (const QByteArray& record : current) {
            const auto found = at.constFind(record.left(7));
            differing += found == at.constEnd() || baseline.at(found.value()) != record ? 1 : 0;
        }
    });
    std::printf("Changes-only sends, %d PLUs (best of 5)\n\n", kRows);
    std::printf("%-52s %8.3f s\n", "baseline: find each record by code, compare bytes", bare);
    std::printf("%-52s %8.3f s  %5.2f x baseline (goal <= 0.100 s)\n", "difference (records of the page, then compare)",
        planned, planned / bare);
    std::printf("  %s; the baseline found %d records new or differing\n", qPrintable(diff.summary()), differing);

    // The same register gets the whole table, then only the changes.
    Host host;
    TcpServer server(&host, QHostAddress::LocalHost, 0);
    const QList<QByteArray> frames = sentFrames("PLUDATA", page);
    FleetRegister ecr(server.serverPort(), &frames);
    waitUntil([&] { return host.connections > 0; });
    SendRequest whole = installRequest(CategoryPlu, page, kept);
    const double install = timed(host, [&] { return host.send(whole); });
    SendRequest changes;
    changes.datatype = "PLUDATA";
    changes.hasTable = true;
    SendPart removed { CommandDelete, {}, {} }, changed { CommandUpdate, {}, {} }, added { CommandAdd, {}, {} };
    for (const RecordChange& change : diff.changes) {
        if (change.kind == RecordChange::Deleted) {
            ItemRow row;
            codec.readRecord(change.before, &row);
            removed.table << row;
            removed.records << change.before;
        } else {
            SendPart& part = change.kind == RecordChange::Changed ? changed : added;
            part.table << page.at(change.row);
            part.records << kept.at(change.row);
        }
    }
    changes.parts = { removed, changed, added };
    const double sendChanges = timed(host, [&] { return host.send(changes); });
    std::printf("\n%-52s %8.3f s\n", "install of the whole table over 127.0.0.1", install);
    std::printf("%-52s %8.3f s  1/%.0f of the install (goal >= 1/100)\n", "send of the 300 changes", sendChanges,
        install / sendChanges);
    // Keeping a register's baseline after a whole install: the records written into the set.
    QTemporaryDir folder;
    createDatabase(folder.filePath(QStringLiteral("bench.db")));
    QList<QByteArray> back;
    const double stored = best(3, [&] { BaselineStore::store(QStringLiteral("tcp:127.0.0.1"), CategoryPlu, baseline); });
    const double loaded
        = best(3, [&] { BaselineStore::load(QStringLiteral("tcp:127.0.0.1"), CategoryPlu, &back); });
    std::printf("%-52s %8.3f s\n", "baseline of 100,000 PLUs stored in the set", stored);
    std::printf("%-52s %8.3f s  (%lld records)\n", "and read back", loaded, qlonglong(back.size()));

    const double perFrame = 79 * 10.0 / 115200; // 78 frame bytes and the reply at 10 bits a byte
    std::printf("\nOn the wire at 115200 baud (%.1f ms a PLU frame and its reply): the whole table %.0f s, the "
                "changes %.1f s\n",
        perFrame * 1000, perFrame * kRows, perFrame * 300);
    return diff.changes.size() == 300 ? 0 : 1;
}
