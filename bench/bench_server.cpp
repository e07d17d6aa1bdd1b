// Server set benchmarks, each figure beside a baseline measured in the same run:
//   - 100,000 PLUs saved and loaded through the codec in a set on a PostgreSQL server over
//     its Unix socket, against the same in a SQLite file (goal: within 3x the file); the
//     storage calls alone (saveRecords, loadRecords) are shown beside them, so that the
//     codec's share, equal on both sides, can be told from the database's;
//   - 100 clients loading the same set at once, each on a server connection of its own,
//     against one client alone, with the client connections the server holds meanwhile.
// The server is the tests' throwaway cluster; without PostgreSQL the benchmark says so and
// ends.

#include "plutable.h"
#include "timing.h"

#include "tests/pgcluster.h"

#include "records/plu.h"
#include "storage/configdb.h"
#include "storage/serverdb.h"
#include "storage/setlocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kRounds = 5;
constexpr int kClients = 100;
constexpr int kClientRounds = 3;

struct Side {
    std::vector<double> save, load, both, saveRecords, loadRecords, records;
};

// Saves and loads the table in the file set and in the server set, alternating, so that a
// busy moment of the machine does not fall on one side only. False when a call failed.
bool saveAndLoad(const QString& file, const QString& server, const ItemTable& table)
{
    const Plu* plu = Plu::instance();
    // The records as the codec stores them, for the storage calls alone.
    QList<RecordEntry> entries;
    entries.reserve(table.size());
    for (const ItemRow& row : table) {
        QByteArray record;
        const QByteArray name = plu->encodeRow(row, &record);
        entries.append(RecordEntry::make(row.at(0).toString().toLatin1(), name, record.left(plu->storedSize())));
    }
    const QString pluTableName = QString::fromLatin1(plu->category().table);

    createDatabase(file);
    createDatabase(server);
    Side sides[2];
    ItemTable loaded[2];
    bool ok = true;
    for (int round = 0; round < kRounds; ++round) {
        for (int s = 0; s < 2; ++s) {
            Side& side = sides[s];
            openDatabase(s ? server : file);
            ItemTable back;
            const double save = seconds([&] { ok = plu->saveTable(table) && ok; });
            const double load = seconds([&] { ok = plu->loadTable(&back) && ok; });
            side.save.push_back(save);
            side.load.push_back(load);
            side.both.push_back(save + load);
            QList<QByteArray> records;
            const double saveRecordsTime = seconds([&] { ok = saveRecords(pluTableName, entries) && ok; });
            const double loadRecordsTime = seconds([&] { ok = loadRecords(pluTableName, &records) && ok; });
            side.saveRecords.push_back(saveRecordsTime);
            side.loadRecords.push_back(loadRecordsTime);
            side.records.push_back(saveRecordsTime + loadRecordsTime);
            if (!ok) {
                std::printf("%-9s FAILED: %s\n", s ? "server" : "file", qPrintable(lastDatabaseError()));
                return false;
            }
            loaded[s] = std::move(back);
        }
    }
    const double file2 = median(sides[0].both);
    const double fileRecords = median(sides[0].records);
    auto line = [](const char* side, const char* what, double time, const char* tail = "") {
        std::printf("%-9s %-34s %8.3f s%s\n", side, what, time, tail);
    };
    for (int s = 0; s < 2; ++s) {
        const char* name = s ? "server" : "file";
        line(name, "saveTable", median(sides[s].save));
        line(name, "loadTable", median(sides[s].load));
        line(name, "saveRecords", median(sides[s].saveRecords));
        line(name, "loadRecords", median(sides[s].loadRecords));
        if (s == 0) {
            line(name, "saveTable+loadTable", file2, "   (baseline)");
            line(name, "saveRecords+loadRecords", fileRecords, "   (baseline of the storage alone)\n");
        }
    }
    const double server2 = median(sides[1].both);
    const double serverRecords = median(sides[1].records);
    std::printf("%-9s %-34s %8.3f s   %5.2fx baseline (goal <= 3x)\n", "server", "saveTable+loadTable", server2,
        server2 / file2);
    std::printf("%-9s %-34s %8.3f s   %5.2fx the storage alone\n", "server", "saveRecords+loadRecords", serverRecords,
        serverRecords / fileRecords);
    const bool same = loaded[0] == loaded[1] && loaded[0].size() == kRows;
    std::printf("%-9s the same %d rows back from both: %s\n\n", "server", kRows, same ? "yes" : "NO");
    return true;
}

// Lets the clients load together: each waits, its connection open, until all are ready.
class Gate {
public:
    void arrive()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_ready;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
    }
    void openWhenReady(int count)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return m_ready == count; });
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_ready = 0;
    bool m_open = false;
};

struct Client {
    double open = 0;
    double load = 0;
    int rows = -1;
    QString error;
};

struct ClientRun {
    std::vector<Client> clients;
    int connectionsBefore = 0;
    int connectionsPeak = 0; // the most the server held while the clients loaded
};

// `count` clients, one thread each, load the set at once with the SELECT of loadRecords.
// Each thread adds, opens and removes its own connection: Qt's connections belong to the
// thread that made them. The main thread counts the server's connections meanwhile.
ClientRun runClients(int count, const SetLocation& location, const QString& select, PgCluster* cluster)
{
    ClientRun run;
    run.clients.resize(count);
    run.connectionsBefore = cluster->connectionCount();
    Gate gate;
    std::atomic<int> finished { 0 };
    std::vector<QThread*> threads;
    for (int i = 0; i < count; ++i) {
        threads.push_back(QThread::create([&, i] {
            Client& client = run.clients[i];
            const QString name = QStringLiteral("bench-client-%1").arg(i);
            bool opened = false;
            client.open = seconds([&] { opened = ServerDb::open(location, name, &client.error); });
            gate.arrive();
            if (opened) {
                const QSqlDatabase db = QSqlDatabase::database(name, false);
                QList<QByteArray> rows;
                client.load = seconds([&] {
                    if (ServerDb::selectColumn(db, select, 0, &rows, &client.error))
                        client.rows = int(rows.size());
                });
            }
            QSqlDatabase::removeDatabase(name);
            ++finished;
        }));
        threads.back()->start();
    }
    gate.openWhenReady(count);
    while (finished < count) {
        run.connectionsPeak = std::max(run.connectionsPeak, cluster->connectionCount());
        QThread::msleep(2);
    }
    for (QThread* thread : threads) {
        thread->wait();
        delete thread;
    }
    return run;
}

// Whether every client got every row; says what went wrong once when not.
bool allLoaded(const ClientRun& run)
{
    for (const Client& client : run.clients) {
        if (client.rows != kRows) {
            std::printf("%-9s A CLIENT GOT %d ROWS: %s\n", "clients", client.rows, qPrintable(client.error));
            return false;
        }
    }
    return true;
}

void clients(const QString& url, PgCluster* cluster)
{
    SetLocation location;
    SetLocation::parse(url, &location);
    const QString select = QStringLiteral("SELECT itemData FROM %1 ORDER BY itemOrder")
                               .arg(QLatin1String(Plu::instance()->category().table));

    std::vector<double> aloneOpen, aloneLoad, slowestOpen, slowestLoad, middleLoad;
    int before = 0, peak = 0;
    // The rounds alternate too: one client alone, then all of them.
    for (int round = 0; round < kClientRounds; ++round) {
        for (int alone = 0; alone < 2; ++alone) {
            const ClientRun one = runClients(1, location, select, cluster);
            if (!allLoaded(one))
                return;
            aloneOpen.push_back(one.clients.front().open);
            aloneLoad.push_back(one.clients.front().load);
        }
        const ClientRun all = runClients(kClients, location, select, cluster);
        if (!allLoaded(all))
            return;
        std::vector<double> opens, loads;
        for (const Client& client : all.clients) {
            opens.push_back(client.open);
            loads.push_back(client.load);
        }
        slowestOpen.push_back(*std::max_element(opens.begin(), opens.end()));
        slowestLoad.push_back(*std::max_element(loads.begin(), loads.end()));
        middleLoad.push_back(median(loads));
        before = all.connectionsBefore;
        peak = std::max(peak, all.connectionsPeak);
    }
    const double alone = median(aloneLoad);
    auto line = [](const QString& what, double time) {
        std::printf("%-9s %-34s %8.3f s", "clients", qPrintable(what), time);
    };
    line(QStringLiteral("1 client alone: open"), median(aloneOpen));
    std::printf("\n");
    line(QStringLiteral("1 client alone: load"), alone);
    std::printf("   (baseline)\n");
    line(QStringLiteral("%1 at once: slowest open").arg(kClients), median(slowestOpen));
    std::printf("\n");
    line(QStringLiteral("%1 at once: median client's load").arg(kClients), median(middleLoad));
    std::printf("   %5.2fx baseline\n", median(middleLoad) / alone);
    line(QStringLiteral("%1 at once: slowest load").arg(kClients), median(slowestLoad));
    std::printf("   %5.2fx baseline\n", median(slowestLoad) / alone);
    std::printf("%-9s server client connections while loading: max seen %d (%d before: this program's own)\n\n",
        "clients", peak, before);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    PgCluster* cluster = PgCluster::shared();
    if (!cluster) {
        std::printf("Tallvane server set benchmarks skipped: %s\n", qPrintable(PgCluster::skipReason()));
        return 0;
    }
    // The file goes to memory where the system offers it: the test server does not flush
    // either (fsync off), so neither side measures the disk.
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/tallvane-bench-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/tallvane-bench-XXXXXX"));
    const ItemTable plus = pluTable(kRows);

    double load[3] = {};
    if (getloadavg(load, 3) < 1)
        load[0] = -1;
    std::printf("Tallvane server set benchmarks, %d PLUs (median of %d rounds, file and server alternating; "
                "clients: %d rounds); load average %.1f, %d cores\n\n",
        kRows, kRounds, kClientRounds, load[0], QThread::idealThreadCount());
    const QString server = cluster->url(QStringLiteral("bench"));
    if (!saveAndLoad(dir.filePath(QStringLiteral("plu.db")), server, plus))
        return 1;
    clients(server, cluster);
    return 0;
}
