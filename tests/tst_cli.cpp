#include "cliharness.h"
#include "storage/configdb.h"
#include "users/usrdb.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// tallvane-cli's commands that need no register: its command line, the login and the
// permissions, configuration databases and the report store.
class TestCli : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CliProgram> m_cli;

    QString file(const QString& name) const { return m_dir.filePath(name); }

    static QStringList tablesOf(const QString& path)
    {
        QStringList tables;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(path);
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(QStringLiteral("select name from sqlite_master where type='table' order by rowid"));
                while (query.next())
                    tables << query.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return tables;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_cli = std::make_unique<CliProgram>(m_dir.filePath(QStringLiteral("bin")));
        QVERIFY(m_cli->ok());
        // The first run creates the user database with its administrator.
        QCOMPARE(m_cli->run(asAdmin({ QStringLiteral("new-db"), file(QStringLiteral("first.db")) })).status, 0);
        QVERIFY(QFile::exists(m_cli->userDatabase()));
        m_cli->addUser(2, QStringLiteral("clerkonly"), QStringLiteral("pw"), PermClerk);
        m_cli->addUser(2, QStringLiteral("headers"), QStringLiteral("pw"), PermHeader);
    }

    void help_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("overall") << QStringList { "--help" } << "Exit status:";
        QTest::newRow("command") << QStringList { "new-db", "--help" }
                                 << "Usage: tallvane-cli [global options] new-db FILE";
        QTest::newRow("subcommand") << QStringList { "report", "store", "--help" } << "report store FILE...";
    }

    // Help needs no login and goes to standard output.
    void help()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const CliProgram::Result result = m_cli->run(arguments, QString());
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.contains(expected.toUtf8()), result.out.constData());
        QVERIFY(result.err.isEmpty());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList {} << "no command given";
        QTest::newRow("unknown command") << asAdmin({ "frob" }) << "unknown command \"frob\"";
        QTest::newRow("no user") << QStringList { "new-db", "x.db" } << "--user NAME is required";
        QTest::newRow("bad language") << QStringList { "--user", "admin", "--language", "latin", "new-db", "x.db" }
                                      << "--language takes";
        QTest::newRow("unknown option") << asAdmin({ "new-db", "--frob", "x.db" }) << "Unknown option 'frob'";
        QTest::newRow("global option after the command")
            << QStringList { "new-db", "--user", "admin", "x.db" } << "Unknown option 'user'";
        QTest::newRow("new-db without a file") << asAdmin({ "new-db" }) << "new-db takes one FILE";
        QTest::newRow("report store without a file") << asAdmin({ "report", "store" }) << "at least one FILE";
    }

    // Status 2, the message and the usage on standard error, nothing done.
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliProgram::Result result = m_cli->run(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
        QVERIFY2(result.err.contains("Usage: tallvane-cli"), result.err.constData());
        QVERIFY(result.out.isEmpty());
        QVERIFY(!QFile::exists(QDir(m_cli->folder()).filePath(QStringLiteral("x.db"))));
    }

    void login_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("fromStdin");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("administrator") << "admin"
                                       << "604218" << false << 0 << "";
        QTest::newRow("name with blanks") << " admin "
                                          << "604218" << false << 0 << "";
        QTest::newRow("from standard input") << "admin"
                                             << "604218\nsecond line\n"
                                             << true << 0 << "";
        QTest::newRow("windows line end") << "admin"
                                          << "604218\r\n"
                                          << true << 0 << "";
        QTest::newRow("unknown user") << "nobody"
                                      << "604218" << false << 3 << "username is not exist!";
        QTest::newRow("wrong password") << "admin"
                                        << "604219" << false << 3 << "password err!";
        QTest::newRow("trailing blank") << "admin"
                                        << "604218 " << false << 3 << "password err!";
        QTest::newRow("prefix of the password") << "admin"
                                                << "6042" << false << 3 << "password err!";
        QTest::newRow("no password") << "admin" << QString() << false << 2 << "TALLVANE_PASSWORD";
    }

    // The login dialog's check; a refused login writes nothing.
    void login()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, fromStdin);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString target = file(QStringLiteral("login-%1.db").arg(QTest::currentDataTag()).replace(' ', '-'));
        QStringList arguments { "--user", user };
        if (fromStdin)
            arguments << "--password-stdin";
        arguments << "new-db" << target;
        const CliProgram::Result result
            = fromStdin ? m_cli->run(arguments, QString(), password.toUtf8()) : m_cli->run(arguments, password);
        QCOMPARE(result.status, status);
        if (status == 0) {
            QVERIFY(result.err.isEmpty());
            QVERIFY(QFile::exists(target));
        } else {
            QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
            QVERIFY(!QFile::exists(target));
        }
    }

    void newDatabase()
    {
        const QString path = file(QStringLiteral("shop.db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", path })).status, 0);
        QCOMPARE(tablesOf(path), configTableNames());

        // An existing file is refused and left as it is.
        QFile existing(path);
        const qint64 size = existing.size();
        const CliProgram::Result again = m_cli->run(asAdmin({ "new-db", path }));
        QCOMPARE(again.status, 4);
        QCOMPARE(again.err.trimmed(), QStringLiteral("%1 is exist.").arg(path).toUtf8());
        QCOMPARE(existing.size(), size);

        // A folder that does not exist: the database cannot be opened.
        const CliProgram::Result nowhere = m_cli->run(asAdmin({ "new-db", file(QStringLiteral("no/such/folder.db")) }));
        QCOMPARE(nowhere.status, 4);
        QVERIFY2(nowhere.err.contains("Unable to establish a database connection."), nowhere.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
