#include "journal/journal.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// The journal's hash chain against entries changed, removed and put in by hand, and a journal
// that cannot be written.
class TestJournal : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Five entries of several kinds, as the program writes them.
    static void writeFive()
    {
        Journal::setUser(QStringLiteral("admin"));
        QVERIFY(Journal::append(Journal::Login, QString(), QString(), QStringLiteral("admin logged in to tallvane")));
        QVERIFY(Journal::append(Journal::Import, QStringLiteral("PLUDATA"), QString(),
            QStringLiteral("2 rows imported from plu.csv onto the empty page"),
            QStringLiteral("file: /tmp/plu.csv\nrows: 2")));
        QVERIFY(Journal::append(Journal::Transfer, QStringLiteral("PLUDATA"), QStringLiteral("tcp:127.0.0.1"),
            QStringLiteral("127.0.0.1: 2 PLUs installed"), QStringLiteral("command: install\nrows sent: 2 of 2")));
        QVERIFY(Journal::appendAs(QStringLiteral("bob"), Journal::LoginFailed, QString(), QString(),
            QStringLiteral("login of \"bob\" refused at tallvane: wrong password")));
        QVERIFY(Journal::append(Journal::Transfer, QStringLiteral("DEPTDATA"), QStringLiteral("serial:/dev/ttyUSB0"),
            QStringLiteral("/dev/ttyUSB0: 3 departments installed"), QStringLiteral("command: install")));
    }

    static QList<JournalEntry> entries()
    {
        JournalFilter filter;
        filter.oldestFirst = true;
        QList<JournalEntry> all;
        Journal::read(filter, &all);
        return all;
    }

    // Runs `statements` on the file as someone with SQLite at hand would, past the triggers.
    static bool tamper(const QString& file, const QStringList& statements)
    {
        return withDatabaseFile(file, [&](QSqlQuery& query) {
            if (!query.exec(QStringLiteral("DROP TRIGGER journal_no_update"))
                || !query.exec(QStringLiteral("DROP TRIGGER journal_no_delete")))
                return false;
            for (const QString& statement : statements)
                if (!query.exec(statement)) {
                    qWarning() << statement << query.lastError().text();
                    return false;
                }
            return true;
        });
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void tamperingIsFound_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<bool>("appendAfter");
        QTest::addColumn<qint64>("firstBroken");
        QTest::addColumn<QString>("reason");

        const QString insert = QStringLiteral(
            "INSERT INTO journal VALUES (%1, '2024-05-01T10:00:00.000Z', 'mallory', 'pc', 'save', 'PLUDATA', '', "
            "'price of 1001 set to 0.01', '', '%2', '%3')");
        QTest::newRow("summary edited") << QStringList { "UPDATE journal SET summary = 'nothing' WHERE id = 3" }
                                        << false << qint64(3) << "changed after it was written";
        QTest::newRow("first entry's time edited")
            << QStringList { "UPDATE journal SET time = '2020-01-01T00:00:00.000Z' WHERE id = 1" } << false << qint64(1)
            << "changed after it was written";
        QTest::newRow("edited with its hash made anew")
            << QStringList { "UPDATE journal SET summary = 'forged', hash = ':forged3' WHERE id = 3" } << false
            << qint64(4) << "does not follow entry 3";
        QTest::newRow("middle entry deleted") << QStringList { "DELETE FROM journal WHERE id = 3" } << false
                                              << qint64(4) << "entry 3 before it is missing";
        QTest::newRow("first entry deleted") << QStringList { "DELETE FROM journal WHERE id = 1" } << false << qint64(2)
                                             << "entry 1 before it is missing";
        QTest::newRow("two entries deleted") << QStringList { "DELETE FROM journal WHERE id IN (2, 3)" } << false
                                             << qint64(4) << "entries 2 to 3 before it are missing";
        QTest::newRow("last entry deleted")
            << QStringList { "DELETE FROM journal WHERE id = 5" } << false << qint64(5) << "the last entry is missing";
        QTest::newRow("last entry deleted, then one written") << QStringList { "DELETE FROM journal WHERE id = 5" }
                                                              << true << qint64(6) << "entry 5 before it is missing";
        QTest::newRow("entry put in at the end with a made-up hash")
            << QStringList { insert.arg(QStringLiteral("6"), QStringLiteral(":hash5"), QString(64, QLatin1Char('f'))) }
            << false << qint64(6) << "changed after it was written";
        // The entries after the place are moved up by one to make room; the one put in is chained
        // to the entry before it and carries its right hash.
        QTest::newRow("entry put in between, chained and hashed")
            << QStringList { "UPDATE journal SET id = -id WHERE id >= 3", "UPDATE journal SET id = 1 - id WHERE id < 0",
                   insert.arg(QStringLiteral("3"), QStringLiteral(":hash2"), QStringLiteral(":inserted3")) }
            << false << qint64(4) << "does not follow entry 3";
    }

    void tamperingIsFound()
    {
        QFETCH(QStringList, statements);
        QFETCH(bool, appendAfter);
        QFETCH(qint64, firstBroken);
        QFETCH(QString, reason);

        const QString file = path(QStringLiteral("%1.db").arg(QString::fromLatin1(QTest::currentDataTag())));
        JournalScope scope(file);
        writeFive();
        const JournalCheck before = Journal::verify();
        QVERIFY(before.ok);
        QCOMPARE(before.entries, qint64(5));

        // What a forger who knows how the hashes are made would write.
        const QList<JournalEntry> written = entries();
        JournalEntry forged = written.at(2);
        forged.summary = QStringLiteral("forged");
        JournalEntry inserted;
        inserted.id = 3;
        inserted.time = QStringLiteral("2024-05-01T10:00:00.000Z");
        inserted.user = QStringLiteral("mallory");
        inserted.pc = QStringLiteral("pc");
        inserted.kind = QStringLiteral("save");
        inserted.category = QStringLiteral("PLUDATA");
        inserted.summary = QStringLiteral("price of 1001 set to 0.01");
        inserted.previousHash = written.at(1).hash;
        for (QString& statement : statements)
            statement.replace(QStringLiteral(":forged3"), Journal::entryHash(forged))
                .replace(QStringLiteral(":inserted3"), Journal::entryHash(inserted))
                .replace(QStringLiteral(":hash2"), written.at(1).hash)
                .replace(QStringLiteral(":hash5"), written.at(4).hash);
        Journal::close();
        QVERIFY(tamper(file, statements));
        if (appendAfter)
            QVERIFY(Journal::append(Journal::Login, QString(), QString(), QStringLiteral("admin logged in")));

        const JournalCheck check = Journal::verify();
        QVERIFY(check.readable);
        QVERIFY(!check.ok);
        QCOMPARE(check.firstBroken, firstBroken);
        QVERIFY2(check.reason.contains(reason), qPrintable(check.reason));
    }

    // Written, closed and opened again, the journal goes on with the same chain; a file
    // that is not there reads as empty and verifies.
    void appendAfterReopenContinuesTheChain()
    {
        const QString file = path(QStringLiteral("reopened.db"));
        JournalScope scope(file);
        QList<JournalEntry> none;
        QVERIFY(Journal::read(JournalFilter(), &none));
        QVERIFY(none.isEmpty());
        QVERIFY(Journal::verify().ok);
        QVERIFY(!QFile::exists(file));

        writeFive();
        Journal::setFilePath(path(QStringLiteral("elsewhere.db")));
        Journal::setFilePath(file);
        QVERIFY(Journal::append(Journal::Save, QStringLiteral("PLUDATA"), QString(), QStringLiteral("saved")));
        const QList<JournalEntry> all = entries();
        QCOMPARE(all.size(), 6);
        QCOMPARE(all.at(5).id, qint64(6));
        QCOMPARE(all.at(0).previousHash, QString(64, QLatin1Char('0')));
        QCOMPARE(all.at(5).previousHash, all.at(4).hash);
        QCOMPARE(all.at(5).user, QStringLiteral("admin"));
        QCOMPARE(all.at(3).user, QStringLiteral("bob"));
        QCOMPARE(all.at(5).kind, QStringLiteral("save"));
        QVERIFY(QDateTime::fromString(all.at(5).time, Qt::ISODateWithMs).timeSpec() == Qt::UTC);
        const JournalCheck check = Journal::verify();
        QVERIFY(check.ok);
        QCOMPARE(check.entries, qint64(6));

        // Nothing changes an entry through SQLite without first dropping the journal's triggers.
        QVERIFY(!withDatabaseFile(file, [](QSqlQuery& query) {
            return query.exec(QStringLiteral("UPDATE journal SET summary = 'x' WHERE id = 1"));
        }));
    }

    void unwritableJournalDoesNotStopTheCaller_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // of the file; empty: no file is made
        QTest::newRow("folder missing") << QStringLiteral("no-such-folder/Journal.db") << QByteArray();
        QTest::newRow("a folder") << QStringLiteral("folder.db") << QByteArray();
        QTest::newRow("not a database") << QStringLiteral("garbage.db") << QByteArray("not a database\n").repeated(300);
    }

    void unwritableJournalDoesNotStopTheCaller()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        const QString file = path(name);
        if (name == QLatin1String("folder.db"))
            QVERIFY(QDir().mkpath(file));
        if (!contents.isEmpty())
            QVERIFY(writeFileBytes(file, contents));
        JournalScope scope(file);
        QStringList told;
        Journal::setFailureHandler([&](const QString& sentence) { told << sentence; });

        QElapsedTimer timer;
        timer.start();
        QVERIFY(!Journal::append(Journal::Login, QString(), QString(), QStringLiteral("admin logged in")));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(QDir::toNativeSeparators(file) + QStringLiteral(" could not be written: ")),
            qPrintable(told.first()));
        QVERIFY(told.first().size() > QDir::toNativeSeparators(file).size() + 30); // with a reason
        QCOMPARE(Journal::lastFailure(), told.first());
        if (!contents.isEmpty())
            QCOMPARE(fileBytes(file), contents);

        // Once the journal can be written again the handler hears so.
        Journal::setFilePath(path(name.section(QLatin1Char('/'), -1) + QStringLiteral("-good.db")));
        QVERIFY(Journal::append(Journal::Login, QString(), QString(), QStringLiteral("admin logged in")));
        QCOMPARE(told, QStringList({ told.first(), QString() }));
        QVERIFY(Journal::lastFailure().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
