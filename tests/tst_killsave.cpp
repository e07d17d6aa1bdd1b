#include "records/dept.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <signal.h>

// A save killed with SIGKILL at any moment leaves the table with exactly the old rows or
// exactly the new ones, never a mixture and never fewer.
class TestKillSave : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QString child() { return QCoreApplication::applicationDirPath() + QStringLiteral("/killsave_child"); }

    // Runs one save of `count` rows named `generation`; kills it after `killAfterMs` from the
    // moment it starts saving (never, for -1). True when the child was killed before it ended.
    static bool save(const QString& file, const QString& generation, int count, int killAfterMs)
    {
        QProcess process;
        process.start(child(), { file, generation, QString::number(count) });
        if (!process.waitForStarted(10000))
            return false;
        while (!process.readAllStandardOutput().contains("saving") && process.state() == QProcess::Running)
            process.waitForReadyRead(100);
        if (killAfterMs >= 0) {
            QThread::msleep(ulong(killAfterMs));
            ::kill(pid_t(process.processId()), SIGKILL);
        }
        process.waitForFinished(120000);
        return process.exitStatus() == QProcess::CrashExit;
    }

    // Row count per name of the department table.
    static QMap<QString, int> contents(const QString& file)
    {
        QMap<QString, int> names;
        forEachRow(file, QStringLiteral("select itemName, count(*) from table_dept group by itemName"),
            [&](const QSqlQuery& query) { names.insert(query.value(0).toString(), query.value(1).toInt()); });
        return names;
    }

private slots:
    void killedSaveKeepsOldOrNewRows()
    {
        const QString file = m_dir.filePath(QStringLiteral("shop.db"));
        createDatabase(file);
        constexpr int kOld = 100000;
        constexpr int kNew = 99000;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!save(file, QStringLiteral("OLD"), kOld, -1));
        const int saveMs = int(timer.elapsed());
        QCOMPARE(contents(file), (QMap<QString, int> { { QStringLiteral("OLD"), kOld } }));

        int killed = 0;
        QString previous = QStringLiteral("OLD");
        int previousRows = kOld;
        for (int run = 0; run < 8; ++run) {
            // Spread the kills over the whole save, from before its first row to after its commit.
            const int delay = int(QRandomGenerator::global()->bounded(qMax(1, saveMs)));
            const QString generation = QStringLiteral("NEW%1").arg(run);
            const bool wasKilled = save(file, generation, kNew, delay);
            killed += wasKilled ? 1 : 0;
            const QMap<QString, int> now = contents(file);
            qInfo("run %d: %s after %d ms of a %d ms save: the table holds %s", run, wasKilled ? "killed" : "not killed",
                delay, saveMs, qPrintable(QStringList(now.keys()).join(QLatin1Char(' '))));
            const QMap<QString, int> before { { previous, previousRows } };
            const QMap<QString, int> after { { generation, kNew } };
            QVERIFY2(now == before || now == after, "the table holds neither the old rows nor the new ones");
            if (!wasKilled)
                QCOMPARE(now, after);
            previous = now.firstKey();
            previousRows = now.first();
        }
        qInfo("%d of 8 saves were killed before they ended", killed);
        QVERIFY(killed > 0);
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
