#include "bench/plutable.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/categories.h"
#include "records/recordcodec.h"

#include <QtTest>

#include <memory>
#include <vector>

// One install to many registers connected at once.
class TestFleet : public QObject {
    Q_OBJECT

private slots:
    void everyRegisterGetsEveryRowOnce_data()
    {
        QTest::addColumn<int>("registers");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<ItemTable>("table");
        QTest::newRow("20 registers, 500 PLUs") << 20 << QByteArray("PLUDATA") << pluTable(500);
        QTest::newRow("8 registers, one department") << 8 << QByteArray("DEPTDATA") << departments(1);
        QTest::newRow("8 registers, two departments") << 8 << QByteArray("DEPTDATA") << departments(2);
    }

    void everyRegisterGetsEveryRowOnce()
    {
        QFETCH(int, registers);
        QFETCH(QByteArray, type);
        QFETCH(ItemTable, table);
        const QList<QByteArray> frames = sentFrames(type, table);
        TestHost host;
        TcpServer server(&host, QHostAddress::LocalHost, 0);
        QVERIFY(server.isListening());
        std::vector<std::unique_ptr<FleetRegister>> fleet;
        for (int i = 0; i < registers; ++i) {
            fleet.push_back(std::make_unique<FleetRegister>(server.serverPort(), &frames));
            QVERIFY(fleet.back()->ok());
        }
        QVERIFY(QTest::qWaitFor([&] { return host.connections.size() == registers; }, 10000));

        QCOMPARE(host.send(type, table), registers);
        QVERIFY(host.waitForWord("UPDATE END", 60000, registers));
        QVERIFY(QTest::qWaitFor([&] { return host.runningTransfers() == 0; }, 10000));

        for (const auto& ecr : fleet) {
            QCOMPARE(ecr->matched(), int(table.size()));
            QCOMPARE(ecr->wrong(), 0);
            QCOMPARE(ecr->completeSends(), 1);
        }
        // Every row was acknowledged once by every register, and nothing else was said.
        QHash<QByteArray, int> said;
        for (const QByteArray& word : host.words)
            ++said[word];
        QHash<QByteArray, int> expected { { "UPDATE END", registers } };
        const RecordCodec* codec = codecForType(type);
        for (const ItemRow& row : table) {
            QByteArray record;
            expected["UPDATE " + codec->encodeRow(row, &record)] += registers;
        }
        QCOMPARE(said, expected);
    }
};

QTEST_GUILESS_MAIN(TestFleet)
#include "tst_fleet.moc"
