#include "storage/configdb.h"
#include "testsupport.h"

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

private slots:
    void createNewDatabase()
    {
        const QString path = freshPath();
        NoticeRecorder notices;
        createDatabase(path);
        QVERIFY(notices.shown.isEmpty());
        QCOMPARE(currentDatabasePath, path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(column(QStringLiteral("select name from sqlite_master where type='table' order by rowid")),
            configTableNames());
        QCOMPARE(configTableNames().size(), 12);
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
};

QTEST_GUILESS_MAIN(TestConfigDb)
#include "tst_configdb.moc"
