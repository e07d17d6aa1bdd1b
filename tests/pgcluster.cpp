#include "pgcluster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QTest>
#include <QVariant>

#include <unistd.h>

namespace {

// The port only names the socket file: the server listens on no TCP address.
constexpr int kPort = 5432;
const char kUser[] = "tallvane";

QString& reason()
{
    static QString text;
    return text;
}

// The newest installed server's programs ("/usr/lib/postgresql/15/bin"), empty when none.
QString serverPrograms()
{
    QDir root(QStringLiteral("/usr/lib/postgresql"));
    QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& version : versions) {
        const QString bin = root.filePath(version + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return QString();
}

} // namespace

std::unique_ptr<PgCluster> PgCluster::make(const QString& password)
{
    std::unique_ptr<PgCluster> cluster(new PgCluster);
    QString error;
    if (!cluster->start(password, &error)) {
        reason() = error;
        return nullptr;
    }
    return cluster;
}

namespace {
std::unique_ptr<PgCluster> g_shared;
} // namespace

PgCluster* PgCluster::shared()
{
    static bool tried = false;
    if (!tried) {
        tried = true;
        g_shared = make(QString());
        // Stopped while the application object still lives.
        qAddPostRoutine([] { g_shared.reset(); });
    }
    return g_shared.get();
}

std::unique_ptr<PgCluster> PgCluster::withPassword(const QString& password)
{
    return make(password);
}

QString PgCluster::skipReason()
{
    return reason();
}

bool PgCluster::run(const QString& program, const QStringList& arguments, QString* error)
{
    QProcess process;
    QString command = m_bin + QLatin1Char('/') + program;
    QStringList args = arguments;
    // PostgreSQL refuses to run as root: as root, its programs run as the postgres account.
    if (geteuid() == 0) {
        args.prepend(command);
        args = QStringList { QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--") } + args;
        command = QStringLiteral("runuser");
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
}

bool PgCluster::start(const QString& password, QString* error)
{
    m_bin = serverPrograms();
    if (m_bin.isEmpty()) {
        *error = QStringLiteral("PostgreSQL is not installed (Debian package postgresql): the server rows are skipped");
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *error = QStringLiteral("Qt's PostgreSQL driver is not installed (libqt6sql6-psql): the server rows are skipped");
        return false;
    }
    // Under /tmp, short: a socket's path has at most 107 bytes.
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/tallvane-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        *error = QStringLiteral("no temporary folder for the cluster");
        return false;
    }
    const QString data = m_dir->filePath(QStringLiteral("data"));
    if (geteuid() == 0) {
        QProcess chown;
        chown.start(QStringLiteral("chown"), { QStringLiteral("postgres:postgres"), m_dir->path() });
        if (!chown.waitForFinished() || chown.exitCode() != 0) {
            *error = QStringLiteral("cannot give the cluster folder to the postgres account");
            return false;
        }
    }
    QStringList initdb { QStringLiteral("-D"), data, QStringLiteral("-U"), QLatin1String(kUser), QStringLiteral("-E"),
        QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("-N") };
    if (password.isEmpty()) {
        initdb << QStringLiteral("--auth=trust");
    } else {
        const QString file = m_dir->filePath(QStringLiteral("password"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(password.toUtf8() + '\n') < 0) {
            *error = QStringLiteral("cannot write the password file");
            return false;
        }
        out.close();
        out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        initdb << QStringLiteral("--auth=scram-sha-256") << QStringLiteral("--pwfile=") + file;
    }
    if (!run(QStringLiteral("initdb"), initdb, error))
        return false;
    const QString options = QStringLiteral("-c listen_addresses='' -k %1 -p %2 -c fsync=off -c max_connections=150")
                                .arg(m_dir->path())
                                .arg(kPort);
    if (!run(QStringLiteral("pg_ctl"),
            { QStringLiteral("-D"), data, QStringLiteral("-o"), options, QStringLiteral("-l"),
                m_dir->filePath(QStringLiteral("server.log")), QStringLiteral("-w"), QStringLiteral("start") },
            error))
        return false;
    m_started = true;
    m_password = password;
    if (!createDatabase(QStringLiteral("tallvane"))) {
        *error = QStringLiteral("the test server does not take statements");
        return false;
    }
    return true;
}

PgCluster::~PgCluster()
{
    for (const QString& name : QSqlDatabase::connectionNames())
        if (name.startsWith(QLatin1String("pgcluster:") + m_dir->path()))
            QSqlDatabase::removeDatabase(name);
    if (m_started) {
        QString error;
        run(QStringLiteral("pg_ctl"),
            { QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop") },
            &error);
    }
}

QString PgCluster::url(const QString& set, const QString& database) const
{
    // Concatenated: the %2F of the encoded folder would be taken for a placeholder.
    return QStringLiteral("postgresql://") + QLatin1String(kUser) + QLatin1Char('@')
        + QString::fromUtf8(QUrl::toPercentEncoding(m_dir->path())) + QLatin1Char(':') + QString::number(kPort)
        + QLatin1Char('/') + database + QStringLiteral("?set=") + set;
}

QString PgCluster::connectionName(const QString& database)
{
    const QString name = QStringLiteral("pgcluster:%1/%2").arg(m_dir->path(), database);
    if (!QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(m_dir->path());
        db.setPort(kPort);
        db.setUserName(QLatin1String(kUser));
        db.setPassword(m_password);
        db.setDatabaseName(database);
    }
    return name;
}

bool PgCluster::exec(const QString& sql, const QString& database)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName(database));
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    qWarning() << "test server:" << query.lastError().text();
    return false;
}

bool PgCluster::createDatabase(const QString& database)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName(QStringLiteral("postgres")));
    QSqlQuery query(db);
    query.prepare(QStringLiteral("select count(*) from pg_database where datname = ?"));
    query.addBindValue(database);
    if (!query.exec() || !query.next())
        return false;
    return query.value(0).toInt() > 0 || exec(QStringLiteral("CREATE DATABASE \"%1\"").arg(database), QStringLiteral("postgres"));
}

int PgCluster::connectionCount()
{
    QSqlQuery query(QSqlDatabase::database(connectionName(QStringLiteral("postgres"))));
    if (!query.exec(QStringLiteral("select count(*) from pg_stat_activity where backend_type = 'client backend'"))
        || !query.next())
        return -1;
    return query.value(0).toInt();
}

void addDatabaseKindRows()
{
    QTest::addColumn<bool>("server");
    QTest::newRow("file") << false;
    QTest::newRow("server") << true;
}

bool isServerRow()
{
    QFETCH_GLOBAL(bool, server);
    return server;
}

QString freshDatabase(const QString& folder, const QString& name)
{
    PgCluster* cluster = isServerRow() ? PgCluster::shared() : nullptr;
    return cluster ? cluster->url(name) : QDir(folder).filePath(name + QStringLiteral(".db"));
}
