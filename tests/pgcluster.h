#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A throwaway PostgreSQL server for the tests: the installed postgresql package's initdb and
// pg_ctl in a folder of its own, listening on a Unix socket in that folder only (no TCP port),
// stopped and removed when the process ends. Run as root (as CI runs), the server runs as the
// postgres account, which PostgreSQL requires. No system service is touched.
class PgCluster {
public:
    // The cluster of this test process, started on first use; null when it cannot run, and
    // then skipReason() says why ("PostgreSQL is not installed ...").
    static PgCluster* shared();
    // A second cluster whose local connections need the password `password` of the user
    // "tallvane" (for the tests of the password question); null with skipReason() when not.
    static std::unique_ptr<PgCluster> withPassword(const QString& password);
    static QString skipReason();

    ~PgCluster();

    QString socketFolder() const { return m_dir->path(); }
    // "postgresql://tallvane@%2Ftmp%2F...:5432/DATABASE?set=SET"
    QString url(const QString& set, const QString& database = QStringLiteral("tallvane")) const;
    // Creates DATABASE unless it exists; false when the server refused.
    bool createDatabase(const QString& database);
    // Runs `sql` in `database` as the cluster's owner; false when it failed.
    bool exec(const QString& sql, const QString& database = QStringLiteral("tallvane"));
    // The client connections the server holds now.
    int connectionCount();

private:
    PgCluster() = default;
    static std::unique_ptr<PgCluster> make(const QString& password);
    bool start(const QString& password, QString* error);
    bool run(const QString& program, const QStringList& arguments, QString* error);
    QString connectionName(const QString& database);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    QString m_password;
    bool m_started = false;
};

// QSKIP with the reason when the server is not available; else `cluster` is the shared one.
#define TALLVANE_REQUIRE_CLUSTER(cluster)                                                             \
    PgCluster* cluster = PgCluster::shared();                                                          \
    if (!cluster)                                                                                      \
        QSKIP(qPrintable(PgCluster::skipReason()));

// The global rows "file" and "server" (column "server", a bool) of a test that runs every case
// once on a SQLite file and once on the server: for initTestCase_data().
void addDatabaseKindRows();

// Whether the row running now is the "server" one.
bool isServerRow();
// A database no test has made yet, of the running row's kind: NAME.db in `folder`, or the set
// NAME on the shared cluster (NAME must be unique to the test program).
QString freshDatabase(const QString& folder, const QString& name);

// In init(): skips the server row, saying why, when the server cannot run.
#define TALLVANE_SKIP_SERVER_ROW_WITHOUT_CLUSTER()                                                    \
    do {                                                                                               \
        QFETCH_GLOBAL(bool, server);                                                                   \
        if (server && !PgCluster::shared())                                                            \
            QSKIP(qPrintable(PgCluster::skipReason()));                                                \
    } while (false)
