#include "storage/configdb.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestConfigDb : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("cfg%1.db").arg(++m_serial)); }

    static QList<RecordEntry> entries(int count, const QByteArray& prefix)
    {
        QList<RecordEntry> list;
        for (int i = 0; i < count; ++i)
            list << RecordEntry::make(QByteArray::number(i + 1), prefix + QByteArray::number(i),
                QByteArray(47, char(i + 1)));
        return list;
    }

    // Runs statements on the current database's connection.
    static bool exec(const QString& statement)
    {
        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        return query.exec(statement);
    }

    static QStringList column(const QString& sql)
    {
        QStringList values;
        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        query.exec(sql);
        while (query.next())
            values << query.value(0).toString();
        return values;
    }

    // A sound configuration database holding `rows` departments; its bytes.
    QByteArray realDatabase(int rows)
    {
        const QString path = freshPath();
        createDatabase(path);
        saveRecords(QStringLiteral("table_dept"), entries(rows, "dept"));
        return fileBytes(path);
    }

    static QStringList schema()
    {
        return column(QStringLiteral("select name || ':' || sql from sqlite_master order by name"));
    }

private slots:
    void createNewDatabase()
    {
        const QString path = freshPath();
        NoticeRecorder notices;
        createDatabase(path);
        QVERIFY(notices.shown.isEmpty());
        QCOMPARE(currentDatabasePath, path);
        QVERIFY(QFile::exists(path));
        // The twelve configuration tables, then the set's record of its language and its
        // tables' versions.
        QCOMPARE(column(QStringLiteral("select name from sqlite_master where type='table' order by rowid")),
            configTableNames() + QStringList({ QStringLiteral("set_info"), QStringLiteral("set_versions") }));
        QCOMPARE(configTableNames().size(), 12);
        QCOMPARE(describeDatabaseProblem(), QString());
    }

    void createOverExistingFileChangesNothing()
    {
        const QString first = freshPath();
        createDatabase(first);
        const QString existing = m_dir.filePath(QStringLiteral("existing.db"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();

        NoticeRecorder notices;
        createDatabase(existing);
        QCOMPARE(notices.shown, QStringList(QStringLiteral("Warnning!: %1 is exist.").arg(existing)));
        QCOMPARE(currentDatabasePath, first);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }

    void ensureTableAddsOnlyMissingTables()
    {
        createDatabase(freshPath());
        QVERIFY(exec(QStringLiteral("drop table table_plu")));
        QVERIFY(exec(QStringLiteral("insert into table_dept values('1','kept',x'01')")));
        LogCapture log;
        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        for (const QString& table : configTableNames())
            QVERIFY(ensureTable(QStringLiteral("create table %1 (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)").arg(table),
                table, query));
        QCOMPARE(log.count(QStringLiteral("Table created!")), 1);
        QVERIFY(log.contains(QStringLiteral("table_plu Table created!")));
        QCOMPARE(log.count(QStringLiteral("Table exists.")), 11);
        QCOMPARE(column(QStringLiteral("select itemName from table_dept")), QStringList(QStringLiteral("kept")));
    }

    void saveReplacesRowsInOrder()
    {
        createDatabase(freshPath());
        QVERIFY(saveRecords(QStringLiteral("table_dept"), entries(5, "first")));
        QVERIFY(saveRecords(QStringLiteral("table_dept"), entries(3, "second")));
        QCOMPARE(column(QStringLiteral("select itemRandom from table_dept")), (QStringList { "1", "2", "3" }));
        QCOMPARE(column(QStringLiteral("select itemName from table_dept")), (QStringList { "second0", "second1", "second2" }));
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &records));
        QCOMPARE(records.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(records.at(i), QByteArray(47, char(i + 1)));

        QVERIFY(saveRecords(QStringLiteral("table_dept"), {}));
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &records));
        QVERIFY(records.isEmpty());
    }

    void entriesAreCutToTheirFields()
    {
        const RecordEntry entry = RecordEntry::make(QByteArray(40, 'k'), QByteArray(40, 'n'), QByteArray("abc"));
        QCOMPARE(QByteArray(entry.key), QByteArray(15, 'k'));
        QCOMPARE(QByteArray(entry.name), QByteArray(31, 'n'));
        QCOMPARE(entry.length, 3);

        createDatabase(freshPath());
        RecordEntry shorter = RecordEntry::make("1", "x", QByteArray("abcdef"));
        shorter.length = 4;
        QVERIFY(saveRecords(QStringLiteral("table_tax"), { shorter }));
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_tax"), &records));
        QCOMPARE(records, QList<QByteArray>({ QByteArray("abcd") }));
    }

    void failedSaveKeepsThePreviousRows()
    {
        createDatabase(freshPath());
        QVERIFY(saveRecords(QStringLiteral("table_dept"), entries(4, "old")));
        QVERIFY(exec(QStringLiteral("create trigger refuse before insert on table_dept when new.itemName = 'new2' "
                                    "begin select raise(abort, 'refused'); end")));
        LogCapture log;
        QVERIFY(!saveRecords(QStringLiteral("table_dept"), entries(6, "new")));
        QVERIFY(!log.contains(QStringLiteral("inserted success!")));
        QCOMPARE(column(QStringLiteral("select itemName from table_dept")), (QStringList { "old0", "old1", "old2", "old3" }));
        // The connection is usable afterwards: no transaction was left open.
        QVERIFY(saveRecords(QStringLiteral("table_group"), entries(1, "g")));
        QCOMPARE(column(QStringLiteral("select itemName from table_group")), QStringList(QStringLiteral("g0")));
    }

    void missingTableFailsToLoad()
    {
        createDatabase(freshPath());
        QList<QByteArray> records { QByteArray("stale") };
        QVERIFY(!loadRecords(QStringLiteral("table_missing"), &records));
        QVERIFY(records.isEmpty());
        QVERIFY(!saveRecords(QStringLiteral("table_missing"), entries(1, "x")));
    }

    void noDatabaseIsReported()
    {
        currentDatabasePath.clear();
        NoticeRecorder notices;
        QList<QByteArray> records { QByteArray("untouched") };
        QVERIFY(!loadRecords(QStringLiteral("table_dept"), &records));
        QVERIFY(!saveRecords(QStringLiteral("table_dept"), entries(1, "x")));
        QCOMPARE(records, QList<QByteArray>({ QByteArray("untouched") }));
        QCOMPARE(notices.shown, QStringList(2, QStringLiteral("Warnning!: database is not connect.")));
    }

    void openFailureKeepsThePathCurrent()
    {
        const QString bad = m_dir.filePath(QStringLiteral("no/such/folder/x.db"));
        NoticeRecorder notices;
        openDatabase(bad);
        QCOMPARE(currentDatabasePath, bad);
        QCOMPARE(notices.shown,
            QStringList(QStringLiteral("can not open database: Unable to establish a database connection.")));
        notices.shown.clear();
        QList<QByteArray> records;
        QVERIFY(!loadRecords(QStringLiteral("table_dept"), &records));
        QCOMPARE(notices.shown,
            QStringList(QStringLiteral("can not open database: Unable to establish a database connection.")));
    }

    void secondFileBecomesCurrent()
    {
        const QString first = freshPath();
        const QString second = freshPath();
        createDatabase(first);
        createDatabase(second);
        openDatabase(first);
        QVERIFY(saveRecords(QStringLiteral("table_dept"), entries(2, "a")));
        openDatabase(second);
        QCOMPARE(currentDatabasePath, second);
        QVERIFY(QSqlDatabase::contains(second));
        QVERIFY(!QSqlDatabase::contains(first));
        QVERIFY(saveRecords(QStringLiteral("table_dept"), entries(1, "b")));
        QCOMPARE(column(QStringLiteral("select itemName from table_dept")), QStringList(QStringLiteral("b0")));
        openDatabase(first);
        QCOMPARE(column(QStringLiteral("select itemName from table_dept")), (QStringList { "a0", "a1" }));
    }

    // A file SQLite cannot read is named at once, and nothing is ever written into it.
    void damagedFileIsNeverWritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QByteArray noise(8192, 0);
        QRandomGenerator random(17);
        for (char& byte : noise)
            byte = char(random.bounded(256));
        const QByteArray real = realDatabase(600);
        QVERIFY(real.size() > 3 * 4096);
        QTest::newRow("random bytes") << noise << "file is not a database";
        QTest::newRow("text") << QByteArray("itemRandom;itemName\n1;BREAD\n2;MILK\n").repeated(100) << "file is not a database";
        QTest::newRow("truncated to half") << real.left(real.size() / 2) << "database disk image is malformed";
        QTest::newRow("last page cut") << real.left(real.size() - 4096) << "database disk image is malformed";
        QTest::newRow("header only") << real.left(100) << "database disk image is malformed";
    }

    void damagedFileIsNeverWritten()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = freshPath();
        QVERIFY(writeFileBytes(path, content));
        NoticeRecorder notices;
        openDatabase(path);
        QCOMPARE(notices.shown, QStringList());
        const DatabaseCheck check = currentDatabaseCheck();
        QVERIFY(check.opened);
        QCOMPARE(check.damage, reason);
        QCOMPARE(describeDatabaseProblem(),
            QStringLiteral("%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.")
                .arg(QFileInfo(path).fileName(), reason));

        QList<QByteArray> records;
        QVERIFY(!loadRecords(QStringLiteral("table_dept"), &records));
        QVERIFY(records.isEmpty());
        for (const QString& table : { QStringLiteral("table_dept"), QStringLiteral("table_system") }) {
            QVERIFY(!saveRecords(table, entries(3, "new")));
            QCOMPARE(lastDatabaseError(), reason);
        }
        QCOMPARE(notices.shown, QStringList());
        QCOMPARE(fileBytes(path), content);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    // Missing or foreign tables are named; the tables that are sound still load and save, and
    // nothing is created or repaired.
    void tableProblemsAreNamed_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QString>("problem");
        const QStringList all = configTableNames();
        QStringList others = all;
        others.removeOne(QStringLiteral("table_dept"));
        QTest::newRow("no table_dept") << QStringList { "drop table table_dept" } << QStringList { "table_dept" }
                                       << "no such table: table_dept";
        QTest::newRow("table_dept of another shape")
            << QStringList { "drop table table_dept", "create table table_dept (a, b, c)", "insert into table_dept values(1, 2, 3)" }
            << QStringList() << "table_dept: no such column: itemRandom";
        QStringList dropAll;
        for (const QString& table : all)
            dropAll << QStringLiteral("drop table %1").arg(table);
        QTest::newRow("another program's database") << (dropAll << "create table orders (id, total)") << all
                                                    << "no such table: " + all.join(QStringLiteral(", "));
    }

    void tableProblemsAreNamed()
    {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, missing);
        QFETCH(QString, problem);
        const QString path = freshPath();
        createDatabase(path);
        for (const QString& statement : statements)
            QVERIFY2(exec(statement), qPrintable(statement));

        NoticeRecorder notices;
        openDatabase(path);
        QCOMPARE(notices.shown, QStringList());
        QCOMPARE(currentDatabaseCheck().damage, QString());
        QCOMPARE(currentDatabaseCheck().missingTables, missing);
        QCOMPARE(describeDatabaseProblem(),
            QStringLiteral("%1: %2. Nothing was changed; those categories show empty and are not saved.")
                .arg(QFileInfo(path).fileName(), problem));
        const QStringList schemaBefore = schema();
        const QStringList foreignRows = column(QStringLiteral("select count(*) from sqlite_master"));

        QList<QByteArray> records;
        QVERIFY(!loadRecords(QStringLiteral("table_dept"), &records));
        QVERIFY(!saveRecords(QStringLiteral("table_dept"), entries(2, "new")));
        QVERIFY(lastDatabaseError().contains(QStringLiteral("table_dept")));
        QCOMPARE(schema(), schemaBefore);
        if (statements.size() == 3)
            QCOMPARE(column(QStringLiteral("select a || b || c from table_dept")), QStringList(QStringLiteral("123")));

        // A sound table of the same file is used as usual.
        if (!missing.contains(QStringLiteral("table_plu"))) {
            QVERIFY(saveRecords(QStringLiteral("table_plu"), entries(2, "plu")));
            QVERIFY(loadRecords(QStringLiteral("table_plu"), &records));
            QCOMPARE(records.size(), 2);
        }
        QCOMPARE(notices.shown, QStringList());
        QCOMPARE(column(QStringLiteral("select count(*) from sqlite_master")), foreignRows);
    }

    // Opening a file that is not there says so instead of leaving an empty database behind.
    void missingFileIsNotCreated()
    {
        const QString gone = m_dir.filePath(QStringLiteral("gone.db"));
        NoticeRecorder notices;
        openDatabase(gone);
        QList<QByteArray> records;
        QVERIFY(!loadRecords(QStringLiteral("table_dept"), &records));
        QVERIFY(!saveRecords(QStringLiteral("table_dept"), entries(1, "x")));
        QCOMPARE(lastDatabaseError(), QStringLiteral("no such file"));
        QCOMPARE(notices.shown,
            QStringList(3, QStringLiteral("can not open database: Unable to establish a database connection.")));
        QVERIFY(!QFile::exists(gone));
        QCOMPARE(describeDatabaseProblem(), QStringLiteral("gone.db cannot be opened: no such file."));
    }

    // A file the operator may only read is shown, refuses saves, and keeps its rows.
    void readOnlyDatabaseRefusesSaves_data()
    {
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << false << true << "attempt to write a readonly database";
        QTest::newRow("read-only folder") << true << false << "attempt to write a readonly database";
    }

    void readOnlyDatabaseRefusesSaves()
    {
        QFETCH(bool, fileWritable);
        QFETCH(bool, folderWritable);
        QFETCH(QString, reason);
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        const QString folder = rights.filePath(QStringLiteral("shop"));
        const QString path = folder + QStringLiteral("/shop.db");
        QVERIFY(QDir().mkpath(folder));
        createDatabase(path);
        QVERIFY(saveRecords(QStringLiteral("table_dept"), entries(4, "kept")));
        createDatabase(freshPath()); // lets go of the file
        const QByteArray before = fileBytes(path);
        QVERIFY(rights.setWritable(path, fileWritable));
        QVERIFY(rights.setWritable(folder, folderWritable));

        NoticeRecorder notices;
        {
            OrdinaryRights::Scope scope;
            openDatabase(path);
            QVERIFY(currentDatabaseCheck().readOnly);
            QCOMPARE(describeDatabaseProblem(), QStringLiteral("shop.db is read-only: saves are refused."));
            QList<QByteArray> records;
            QVERIFY(loadRecords(QStringLiteral("table_dept"), &records));
            QCOMPARE(records.size(), 4);
            QVERIFY(!saveRecords(QStringLiteral("table_dept"), entries(1, "lost")));
            QCOMPARE(lastDatabaseError(), reason);
            QVERIFY(loadRecords(QStringLiteral("table_dept"), &records));
            QCOMPARE(records.size(), 4);
        }
        QCOMPARE(notices.shown, QStringList());
        createDatabase(freshPath());
        QCOMPARE(fileBytes(path), before);
    }
};

QTEST_GUILESS_MAIN(TestConfigDb)
#include "tst_configdb.moc"
