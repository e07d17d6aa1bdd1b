#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/categories.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Verify after install: the link reads the category back from each register it sent to and
// compares it with what went out; the register simulator plays good and faulty registers.
class TestVerifyTransfer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    // A register of its own memory connected to `bench`, with `faults`.
    std::unique_ptr<Simulator> connect(TcpBench& bench, const QStringList& faults = {})
    {
        return bench.connect(m_dir.filePath(QStringLiteral("ecr%1.db").arg(++m_serial)), faults);
    }

    // Sends `table` as `type` under `command`, to be read back after "UPDATE END".
    static int sendVerified(TestHost& host, const QByteArray& type, const ItemTable& table,
        quint8 command = CommandInstall, bool verify = true)
    {
        return host.send(makeRequest(type, &table, command, verify));
    }

    static bool ended(TestHost& host, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return host.runningTransfers() == 0; }, timeoutMs);
    }

private slots:
    void identicalTable()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench);
        QVERIFY(ecr);
        QCOMPARE(sendVerified(host, "DEPTDATA", departments(3)), 1);
        QVERIFY(ended(host));
        QCOMPARE(host.reports.size(), 1);
        QVERIFY(host.reports.first().identical());
        QCOMPARE(host.reports.first().lines(), QStringList { "127.0.0.1 verified: 3 rows identical" });
        // Reading back is no download: no rows for the window, no download words.
        QVERIFY(host.received.isEmpty());
        QCOMPARE(host.words, (QList<QByteArray> { "UPDATE DEPT1", "UPDATE DEPT2", "UPDATE DEPT3", "UPDATE END" }));
        QVERIFY(ecr->output().contains("recv 08 00 09 00 04 14"));
    }

    // The read-back stopped by the operator leaves the send done: the table went, only the
    // compare did not happen (and the journal does not call the register's table different).
    void readBackCancelled()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench, { QStringLiteral("--delay"), QStringLiteral("300") });
        QVERIFY(ecr);
        sendVerified(host, "DEPTDATA", departments(3));
        QVERIFY(host.waitForWord("UPDATE END", 20000));
        QTest::qWait(100);
        host.cancel();
        QVERIFY(ended(host));
        QCOMPARE(host.outcomes.size(), 1);
        const TransferOutcome outcome = host.outcomes.first();
        QCOMPARE(outcome.result, TransferOutcome::Done);
        QVERIFY(!outcome.verifyCompared);
        QCOMPARE(outcome.sentence(),
            QStringLiteral("127.0.0.1: 3 departments installed; the verify was cancelled by the operator"));
    }

    void registerStoresOneFieldDifferently()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench, { QStringLiteral("--alter"), QStringLiteral("2") });
        QVERIFY(ecr);
        sendVerified(host, "DEPTDATA", departments(3));
        QVERIFY(ended(host));
        QCOMPARE(host.reports.size(), 1);
        const VerifyReport& report = host.reports.first();
        QVERIFY(!report.identical());
        QCOMPARE(report.differences.size(), 1);
        QCOMPARE(report.differences.first().row, 1);
        QCOMPARE(report.lines(),
            (QStringList { "127.0.0.1 verify: 1 of 3 rows differs",
                "127.0.0.1 row 2: Name sent \"DEPT2\", the register holds \"#EPT2\"" }));
    }

    void registerRefusesTheDownload()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench, { QStringLiteral("--refuse-requests") });
        QVERIFY(ecr);
        sendVerified(host, "DEPTDATA", departments(2));
        QVERIFY(ended(host));
        QCOMPARE(host.words.last(), QByteArray("UPDATE END"));
        QCOMPARE(host.reports.size(), 1);
        QVERIFY(!host.reports.first().read);
        QCOMPARE(host.reports.first().lines(),
            QStringList { "127.0.0.1 not verified: the register refused to send the table back (15)" });
    }

    // Each register is read back over its own connection and reported on its own.
    void twoRegistersOverTcp()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto good = connect(bench);
        auto faulty = connect(bench, { QStringLiteral("--alter"), QStringLiteral("1") });
        QVERIFY(good && faulty);
        QCOMPARE(sendVerified(host, "DEPTDATA", departments(2)), 2);
        QVERIFY(ended(host));
        QCOMPARE(host.reports.size(), 2);
        int identical = 0;
        for (const VerifyReport& report : host.reports) {
            QCOMPARE(report.peer, QStringLiteral("127.0.0.1"));
            identical += report.identical() ? 1 : 0;
            if (!report.identical())
                QCOMPARE(report.differences.first().fields.first().held, QStringLiteral("#EPT1"));
        }
        QCOMPARE(identical, 1);
    }

    // PLU add and update leave the rows sent on the register, delete takes them off; the
    // register keeps its other PLUs.
    void pluItems()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench);
        QVERIFY(ecr);
        const ItemRow tea = textRow({ "111", "TEA", "3", "1.50", "5" });
        const ItemRow cake = textRow({ "222", "CAKE", "4", "3.00", "2" });
        const QList<QPair<Command, ItemTable>> sends { { CommandAdd, { tea, cake } },
            { CommandUpdate, { textRow({ "111", "TEA", "3", "1.60", "5" }) } }, { CommandDelete, { cake } } };
        for (const auto& send : sends) {
            sendVerified(host, "PLUDATA", send.second, send.first);
            QVERIFY(ended(host));
        }
        QCOMPARE(host.reports.size(), 3);
        QCOMPARE(host.reports.at(0).lines(), QStringList { "127.0.0.1 verified: 2 rows identical" });
        QCOMPARE(host.reports.at(1).lines(), QStringList { "127.0.0.1 verified: 1 row identical" });
        QCOMPARE(host.reports.at(2).lines(), QStringList { "127.0.0.1 verified: 1 row gone" });
    }

    void pluStoredOtherwise()
    {
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench, { QStringLiteral("--alter"), QStringLiteral("1") });
        QVERIFY(ecr);
        sendVerified(host, "PLUDATA", { textRow({ "111", "TEA", "3", "1.50", "5" }) }, CommandAdd);
        QVERIFY(ended(host));
        QCOMPARE(host.reports.size(), 1);
        QCOMPARE(host.reports.first().lines(),
            (QStringList { "127.0.0.1 verify: 1 of 1 row differs",
                "127.0.0.1 111: Name sent \"TEA\", the register holds \"#EA\"" }));
    }

    void overSerial()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        Simulator ecr({ QStringLiteral("--serial"), pty.second(), QStringLiteral("--db"),
            m_dir.filePath(QStringLiteral("serial.db")) });
        QVERIFY(ecr.waitReady());
        TestHost host;
        SerialServer link(&host, pty.first());
        QVERIFY(link.isOpen());
        sendVerified(host, "TRAILERDATA", { textRow({ "1", "THANK YOU" }), textRow({ "2", "COME AGAIN" }) });
        QVERIFY(ended(host));
        QCOMPARE(host.reports.size(), 1);
        QCOMPARE(host.reports.first().lines(), QStringList { "verified: 2 rows identical" });
    }

    // Without the option, and for what the register cannot send back, nothing is read back.
    void nothingReadBack_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("rows");
        QTest::newRow("option off") << false << QByteArray("DEPTDATA") << 1;
        QTest::newRow("system parameters") << true << QByteArray("SYSPARMDATA") << 1;
        QTest::newRow("nothing sent") << true << QByteArray("DEPTDATA") << 0;
    }

    void nothingReadBack()
    {
        QFETCH(bool, option);
        QFETCH(QByteArray, type);
        QFETCH(int, rows);
        TcpBench bench;
        TestHost& host = bench.host;
        auto ecr = connect(bench);
        QVERIFY(ecr);
        if (type == "SYSPARMDATA")
            host.send(makeRequest(type, nullptr, CommandInstall, option));
        else
            sendVerified(host, type, departments(rows), CommandInstall, option);
        QVERIFY(ended(host));
        QVERIFY(host.words.contains("UPDATE END"));
        QVERIFY(host.reports.isEmpty());
        QVERIFY(!ecr->output().contains("recv 08 00"));
        QVERIFY(!ecr->output().contains("recv 03 44"));
    }
};

QTEST_GUILESS_MAIN(TestVerifyTransfer)
#include "tst_verifytransfer.moc"
