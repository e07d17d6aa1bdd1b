// Configuration sets in a SQLite file and on a PostgreSQL server behave alike: every test
// runs once per kind of set (the global rows "file" and "server").
#include "pgcluster.h"
#include "testsupport.h"

#include "base/language.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"
#include "storage/notice.h"
#include "storage/serverdb.h"
#include "storage/setlocation.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

#include <future>
#include <thread>

namespace {

QList<RecordEntry> pluEntries(int count, const QByteArray& prefix)
{
    QList<RecordEntry> entries;
    for (int i = 0; i < count; ++i) {
        QByteArray record(72, '\0');
        record[0] = char(i);
        record[71] = char(0xff - i); // bytes beyond ASCII and NULs travel as they are
        entries << RecordEntry::make(QByteArray::number(1000 + i), prefix + QByteArray::number(i), record);
    }
    return entries;
}

QList<QByteArray> recordsOf(const QList<RecordEntry>& entries)
{
    QList<QByteArray> records;
    for (const RecordEntry& entry : entries)
        records << entry.data;
    return records;
}

// The notices the storage shows, as "title|text".
struct Notices {
    QStringList shown;
    Notice::Handler previous = Notice::setHandler(
        [this](Notice::Kind, const QString& title, const QString& text) { shown << title + QLatin1Char('|') + text; });
    ~Notices() { Notice::setHandler(previous); }
};

} // namespace

class ServerSetsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    static bool server() { return isServerRow(); }

    // A location no set has yet, of the row's kind.
    QString freshLocation(const QString& name)
    {
        return freshDatabase(m_dir.path(), QStringLiteral("%1_%2").arg(name).arg(++m_serial));
    }

    // The item names of `table` in stored order, as the database keeps them.
    QStringList storedNames(const QString& table)
    {
        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        query.exec(QStringLiteral("select itemName from %1 order by %2")
                       .arg(table, server() ? QStringLiteral("itemOrder") : QStringLiteral("rowid")));
        QStringList names;
        while (query.next())
            names << query.value(0).toString();
        return names;
    }

private slots:
    void initTestCase_data() { addDatabaseKindRows(); }

    void init() { TALLVANE_SKIP_SERVER_ROW_WITHOUT_CLUSTER(); }

    void locationsParse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("canonical"); // empty: refused
        QTest::addColumn<QString>("shown");
        QTest::newRow("file") << "DB/shop.db" << "DB/shop.db" << "shop.db";
        QTest::newRow("host and port") << "postgresql://anna@head-office:5433/chain?set=shop"
                                       << "postgresql://anna@head-office:5433/chain?set=shop" << "shop (chain on head-office)";
        QTest::newRow("socket folder, options kept") << "postgres://anna@%2Frun%2Fpostgresql/chain?sslmode=disable&set=s1"
                                                     << "postgresql://anna@%2Frun%2Fpostgresql/chain?set=s1&sslmode=disable"
                                                     << "s1 (chain on this PC)";
        QTest::newRow("host as parameter") << "postgresql:///chain?host=/tmp/pg&set=s1&user=bob"
                                           << "postgresql://bob@%2Ftmp%2Fpg/chain?set=s1" << "s1 (chain on this PC)";
        QTest::newRow("password in the address") << "postgresql://anna:secret@h/chain?set=shop" << "" << "";
        QTest::newRow("password parameter") << "postgresql://anna@h/chain?set=shop&password=secret"
                                            << ""
                                            << "";
        QTest::newRow("key password parameter") << "postgresql://anna@h/chain?set=shop&sslpassword=secret"
                                                << ""
                                                << "";
        QTest::newRow("a value that would add a parameter")
            << "postgresql://anna@h/chain?set=shop&sslmode=disable%3Bpassword%3Dsecret"
            << ""
            << "";
        QTest::newRow("no libpq parameter name") << "postgresql://anna@h/chain?set=shop&ssl%20mode=x"
                                                 << ""
                                                 << "";
        QTest::newRow("a value with a blank") << "postgresql://anna@h/chain?set=shop&application_name=head%20office"
                                              << "postgresql://anna@h/chain?set=shop&application_name=head%20office"
                                              << "shop (chain on h)";
        QTest::newRow("the server's own schema") << "postgresql://anna@h/chain?set=information_schema"
                                                 << ""
                                                 << "";
        QTest::newRow("no set") << "postgresql://anna@h/chain" << "" << "";
        QTest::newRow("set that needs quoting") << "postgresql://anna@h/chain?set=a%22b" << "" << "";
        QTest::newRow("bad port") << "postgresql://anna@h:99999/chain?set=shop" << "" << "";
    }

    void locationsParse()
    {
        QFETCH(QString, text);
        QFETCH(QString, canonical);
        QFETCH(QString, shown);
        if (server())
            QSKIP("the same for both kinds of set");
        SetLocation location;
        QString error;
        const bool ok = SetLocation::parse(text, &location, &error);
        QCOMPARE(ok, !canonical.isEmpty());
        if (!ok) {
            QVERIFY(!error.isEmpty());
            // A refused address is shown without its password.
            QVERIFY2(!shownSetName(text).contains(QStringLiteral("secret")), qPrintable(shownSetName(text)));
            return;
        }
        QCOMPARE(location.text(), canonical);
        QCOMPARE(location.shownName(), shown);
        // The canonical spelling reads back as the same set.
        SetLocation again;
        QVERIFY(SetLocation::parse(location.text(), &again));
        QCOMPARE(again.text(), canonical);
    }

    // Records come back byte for byte and in saved order; names are kept as text in the set's
    // language; a smaller save leaves only its rows, an empty one none; the set keeps its language.
    void savesAndLoads()
    {
        const QString location = freshLocation(QStringLiteral("shop"));
        LanguageScope greek(2);
        QVERIFY(greek.isValid());
        createDatabase(location);
        QVERIFY2(describeDatabaseProblem().isEmpty(), qPrintable(describeDatabaseProblem()));
        const QList<RecordEntry> many = pluEntries(300, "\xc3\xc1\xcb\xc1 "); // "ΓΑΛΑ " in windows-1253
        QVERIFY2(saveRecords(QStringLiteral("table_plu"), many), qPrintable(lastDatabaseError()));
        QList<QByteArray> loaded;
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        QCOMPARE(loaded, recordsOf(many));
        QCOMPARE(storedNames(QStringLiteral("table_plu")).value(7), QStringLiteral("ΓΑΛΑ 7"));

        QVERIFY(saveRecords(QStringLiteral("table_plu"), many.mid(0, 2)));
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        QCOMPARE(loaded, recordsOf(many.mid(0, 2)));
        QVERIFY(saveRecords(QStringLiteral("table_dept"), {}));
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &loaded));
        QVERIFY(loaded.isEmpty());

        // Opened again under English, the set is still read in Greek.
        greek.restore();
        LanguageScope english(1);
        openDatabase(location);
        QVERIFY(describeDatabaseProblem().isEmpty());
        QCOMPARE(registerLanguage, 2);
        QVERIFY(!describeSetLanguage().isEmpty());
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        QCOMPARE(loaded, recordsOf(many.mid(0, 2)));

        // A UTF-8 name cut at its field's length in the middle of a letter ("CAFÉ" cut after the
        // first byte of É): the record keeps its bytes, the name column the whole letters.
        createDatabase(freshLocation(QStringLiteral("cut")));
        const QList<RecordEntry> cut { RecordEntry::make("1", "CAF\xc3", QByteArray(40, 'x')) };
        QVERIFY2(saveRecords(QStringLiteral("table_dept"), cut), qPrintable(lastDatabaseError()));
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &loaded));
        QCOMPARE(loaded, recordsOf(cut));
        QCOMPARE(storedNames(QStringLiteral("table_dept")), QStringList { QStringLiteral("CAF") });
    }

    // The server's messages as one line, in a file's words where a file has them.
    void serverSentences()
    {
        const QList<QPair<QString, QString>> cases {
            { "ERROR:  relation \"table_plu\" does not exist\nLINE 1: SELECT itemData FROM table_plu\n        ^\n",
                "no such table: table_plu" },
            { "ERROR:  column \"itemdata\" does not exist", "no such column: itemdata" },
            { "ERROR:  permission denied for table set_versions", "permission denied for table set_versions" },
            { "connection to server failed: No such file\n\tIs the server running locally?",
                "connection to server failed: No such file Is the server running locally?" }
        };
        for (const auto& [server, sentence] : cases)
            QCOMPARE(ServerDb::sentence(server), sentence);
    }

    // The failures say the same sentences for both kinds of set.
    void refusals()
    {
        LanguageScope english(1);
        const QString location = freshLocation(QStringLiteral("refused"));
        createDatabase(location);
        Notices notices;
        createDatabase(location);
        QCOMPARE(notices.shown.size(), 1);
        QVERIFY2(notices.shown.first().startsWith(QStringLiteral("Warnning!|")), qPrintable(notices.shown.first()));
        QVERIFY(notices.shown.first().endsWith(QStringLiteral(" is exist.")));
        QCOMPARE(currentDatabasePath, location); // still the first one, untouched

        notices.shown.clear();
        const QString missing = freshLocation(QStringLiteral("missing"));
        openDatabase(missing);
        QCOMPARE(notices.shown,
            QStringList { QStringLiteral("can not open database|Unable to establish a database connection.") });
        QVERIFY(describeDatabaseProblem().contains(QStringLiteral("cannot be opened")));
        QList<QByteArray> loaded;
        QVERIFY(!saveRecords(QStringLiteral("table_plu"), pluEntries(1, "X")));
        // Nothing was made on the way.
        notices.shown.clear();
        openDatabase(missing);
        QCOMPARE(notices.shown.size(), 1);

        // Record bytes in a column of another type (altered by hand) are a damaged table, not
        // rows to decode.
        if (!server())
            return;
        const QString name = QStringLiteral("altered_%1").arg(++m_serial);
        createDatabase(freshDatabase(m_dir.path(), name));
        QVERIFY(saveRecords(QStringLiteral("table_plu"), pluEntries(2, "X")));
        QVERIFY(PgCluster::shared()->exec(QStringLiteral("alter table %1.table_plu alter column itemData type text "
                                                         "using encode(itemData, 'hex')")
                                              .arg(name)));
        openDatabase(freshDatabase(m_dir.path(), name));
        QVERIFY2(describeDatabaseProblem().contains(QStringLiteral("of types text and integer, not bytea and integer")),
            qPrintable(describeDatabaseProblem()));
    }

    // Two operators, one set: a save over someone else's newer save is refused until this
    // operator reloads or chooses to overwrite.
    void concurrentSaves()
    {
        LanguageScope english(1);
        const QString location = freshLocation(QStringLiteral("twice"));
        createDatabase(location);
        openDatabase(location);
        QVERIFY(saveRecords(QStringLiteral("table_plu"), pluEntries(3, "MINE")));
        QList<QByteArray> loaded;
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        adoptLoadedVersion(QStringLiteral("table_plu"));

        // The other operator saves on a connection of their own, as another Tallvane does.
        {
            QSqlDatabase other;
            if (server()) {
                SetLocation where;
                QVERIFY(SetLocation::parse(location, &where));
                QString error;
                QVERIFY2(ServerDb::open(where, QStringLiteral("other operator"), &error), qPrintable(error));
                other = QSqlDatabase::database(QStringLiteral("other operator"));
            } else {
                other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other operator"));
                other.setDatabaseName(location);
                QVERIFY(other.open());
            }
            QSqlQuery query(other);
            QVERIFY(query.exec(QStringLiteral("update set_versions set version = version + 1, changedBy = 'anna@PC-2', "
                                              "changedAt = '2026-12-09 10:42:05' where tableName = 'table_plu'")));
            QVERIFY(query.exec(QStringLiteral("delete from table_plu")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other operator"));

        QVERIFY(!saveRecords(QStringLiteral("table_plu"), pluEntries(5, "LATE")));
        QVERIFY(lastSaveConflicted());
        QVERIFY2(lastDatabaseError().contains(QStringLiteral("anna@PC-2 at 2026-12-09 10:42:05")),
            qPrintable(lastDatabaseError()));
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        QVERIFY(loaded.isEmpty()); // theirs is kept
        // A load for another purpose (the journal's "before") does not make the page current.
        QVERIFY(!saveRecords(QStringLiteral("table_plu"), pluEntries(5, "LATE")));

        // Overwrite: the operator chose to.
        adoptStoredVersion(QStringLiteral("table_plu"));
        QVERIFY2(saveRecords(QStringLiteral("table_plu"), pluEntries(5, "LATE")), qPrintable(lastDatabaseError()));
        QVERIFY(!lastSaveConflicted());
        // Later saves of this operator follow on from it.
        QVERIFY(saveRecords(QStringLiteral("table_plu"), pluEntries(4, "LATE")));
        // Other tables are not held up by it.
        QVERIFY(saveRecords(QStringLiteral("table_dept"), {}));
    }

    // What each register holds lives in the set, on either kind.
    void baselines()
    {
        const QString location = freshLocation(QStringLiteral("baselines"));
        createDatabase(location);
        const QList<QByteArray> records = recordsOf(pluEntries(50, "B"));
        QVERIFY(!BaselineStore::exists(QStringLiteral("tcp:127.0.0.1"), 3));
        QVERIFY(BaselineStore::store(QStringLiteral("tcp:127.0.0.1"), 3, records));
        QVERIFY(BaselineStore::store(QStringLiteral("tcp:127.0.0.1"), 3, records.mid(10)));
        QVERIFY(BaselineStore::setName(QStringLiteral("tcp:127.0.0.1"), QStringLiteral("till 1")));
        QVERIFY(BaselineStore::setName(QStringLiteral("tcp:127.0.0.1"), QStringLiteral("till one")));
        QList<QByteArray> loaded;
        QVERIFY(BaselineStore::load(QStringLiteral("tcp:127.0.0.1"), 3, &loaded));
        QCOMPARE(loaded, records.mid(10));
        QCOMPARE(BaselineStore::name(QStringLiteral("tcp:127.0.0.1")), QStringLiteral("till one"));
        QCOMPARE(BaselineStore::registers(), QStringList { QStringLiteral("tcp:127.0.0.1") });
        QVERIFY(BaselineStore::drop(QStringLiteral("tcp:127.0.0.1"), 3));
        QVERIFY(!BaselineStore::exists(QStringLiteral("tcp:127.0.0.1"), 3));
    }

    // What a server connection meets and a file does not: a parameter value with a blank, a
    // save committed while this program loads the table, a connection the server dropped, a set
    // this account may not use.
    void serverConnections()
    {
        if (!server())
            QSKIP("a file has none of these");
        LanguageScope english(1);
        const QString location
            = freshLocation(QStringLiteral("conn")) + QStringLiteral("&application_name=head%20office");
        createDatabase(location);
        QVERIFY2(describeDatabaseProblem().isEmpty(), qPrintable(describeDatabaseProblem()));
        QSqlQuery name(QSqlDatabase::database(currentDatabasePath));
        QVERIFY(name.exec(QStringLiteral("show application_name")) && name.next());
        QCOMPARE(name.value(0).toString(), QStringLiteral("head office"));
        name.finish();

        // The other operator's save holds the version counter while this program loads; the load
        // must pair the rows it read with the version they had, so that the next save asks.
        QVERIFY(saveRecords(QStringLiteral("table_plu"), pluEntries(3, "MINE")));
        QList<QByteArray> loaded;
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        adoptLoadedVersion(QStringLiteral("table_plu"));
        std::promise<void> locked;
        std::thread other([&location, &locked] {
            SetLocation where;
            SetLocation::parse(location, &where);
            QString error;
            {
                ServerDb::open(where, QStringLiteral("other operator"), &error);
                QSqlQuery query(QSqlDatabase::database(QStringLiteral("other operator")));
                query.exec(QStringLiteral("begin"));
                query.exec(QStringLiteral("lock table set_versions in access exclusive mode"));
                query.exec(QStringLiteral("delete from table_plu"));
                query.exec(
                    QStringLiteral("update set_versions set version = version + 1 where tableName = 'table_plu'"));
                locked.set_value();
                QThread::msleep(300);
                query.exec(QStringLiteral("commit"));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other operator"));
        });
        locked.get_future().wait();
        QVERIFY(loadRecords(QStringLiteral("table_plu"), &loaded));
        other.join();
        QCOMPARE(loaded.size(), 3);
        adoptLoadedVersion(QStringLiteral("table_plu"));
        QVERIFY(!saveRecords(QStringLiteral("table_plu"), pluEntries(4, "MINE")));
        QVERIFY(lastSaveConflicted());

        // The server ends this program's connection (as a restart does): the next load reads the
        // table on a new one.
        PgCluster* cluster = PgCluster::shared();
        QSqlQuery backend(QSqlDatabase::database(currentDatabasePath));
        QVERIFY(backend.exec(QStringLiteral("select pg_backend_pid()")) && backend.next());
        const int pid = backend.value(0).toInt();
        backend.finish();
        QVERIFY(cluster->exec(QStringLiteral("select pg_terminate_backend(%1)").arg(pid)));
        QVERIFY2(loadRecords(QStringLiteral("table_plu"), &loaded), qPrintable(lastDatabaseError()));
        QVERIFY(loaded.isEmpty());

        // An account that may not use the set is told so, not that there is no such set.
        QVERIFY(cluster->exec(QStringLiteral("create role shop login")));
        SetLocation asShop;
        QVERIFY(SetLocation::parse(location, &asShop));
        asShop.user = QStringLiteral("shop");
        Notices notices;
        openDatabase(asShop.text());
        QVERIFY2(describeDatabaseProblem().contains(QStringLiteral("shop may not use the set")),
            qPrintable(describeDatabaseProblem()));
        openDatabase(QString());
    }

    // The password is asked for once per login, only when the server wants one.
    void passwordAskedOncePerLogin()
    {
        if (!server())
            QSKIP("files have no password");
        std::unique_ptr<PgCluster> guarded = PgCluster::withPassword(QStringLiteral("s3cret"));
        if (!guarded)
            QSKIP(qPrintable(PgCluster::skipReason()));
        qunsetenv("PGPASSWORD");
        QStringList asked;
        QStringList answers { QStringLiteral("wrong"), QStringLiteral("s3cret") };
        const ServerDb::PasswordPrompt previous = ServerDb::setPasswordPrompt(
            [&](const QString& account, const QString& reason, QString* password) {
                asked << account + QLatin1Char('|') + reason;
                if (answers.isEmpty())
                    return false;
                *password = answers.takeFirst();
                return true;
            });
        LanguageScope english(1);
        const QString location = guarded->url(QStringLiteral("guarded"));
        createDatabase(location);
        QVERIFY2(describeDatabaseProblem().isEmpty(), qPrintable(describeDatabaseProblem()));
        QCOMPARE(asked.size(), 2); // the wrong one, then the right one
        QVERIFY2(asked.at(1).contains(QStringLiteral("password authentication failed")), qPrintable(asked.at(1)));
        openDatabase(location);
        QVERIFY(describeDatabaseProblem().isEmpty());
        QCOMPARE(asked.size(), 2);
        // After the log out, the next open asks again; cancelling says why it failed.
        ServerDb::forgetPasswords();
        Notices notices;
        openDatabase(location);
        QCOMPARE(asked.size(), 3);
        QVERIFY(describeDatabaseProblem().contains(QStringLiteral("password")));
        ServerDb::setPasswordPrompt(previous);
        openDatabase(QString());
    }

    void cleanupTestCase()
    {
        // The sets' connections go before the server.
        openDatabase(m_dir.filePath(QStringLiteral("last.db")));
    }
};

QTEST_GUILESS_MAIN(ServerSetsTest)
#include "tst_serversets.moc"
