#include "records/categories.h"
#include "records/verify.h"
#include "testsupport.h"

#include <QtTest>

// Comparing the records sent with what the register sends back.
class TestVerify : public QObject {
    Q_OBJECT

private:
    static QByteArray encode(const QByteArray& type, const QStringList& cells)
    {
        QByteArray record;
        codecForType(type)->encodeRow(textRow(cells), &record);
        return record;
    }
    static QList<QByteArray> departments(int count)
    {
        QList<QByteArray> records;
        for (int i = 1; i <= count; ++i)
            records << encode("DEPTDATA",
                { QString::number(i), QStringLiteral("DEPT%1").arg(i), "1", "10000000", "00000001", "1", "1.25",
                    "99.00", "1" });
        return records;
    }
    static const RecordCodec& dept() { return *codecForType("DEPTDATA"); }

private slots:
    void identicalTable()
    {
        // Counts read as the other sentences write them, with thousands separated.
        const QList<QByteArray> sent = departments(1200);
        const VerifyReport report = compareRecords(dept(), sent, sent, VerifyMode::InOrder);
        QVERIFY(report.identical());
        QCOMPARE(report.lines(), QStringList { "verified: 1,200 rows identical" });
    }

    void oneDifferingField()
    {
        const QList<QByteArray> sent = departments(3);
        QList<QByteArray> held = sent;
        held[1] = encode("DEPTDATA", { "2", "DEPT2", "1", "10000000", "00000001", "1", "1.50", "99.00", "1" });
        VerifyReport report = compareRecords(dept(), sent, held, VerifyMode::InOrder);
        QVERIFY(!report.identical());
        QCOMPARE(report.differences.size(), 1);
        QCOMPARE(report.differences.first().row, 1);
        QCOMPARE(report.differences.first().fields.size(), 1);
        QCOMPARE(report.differences.first().fields.first().column, 6);
        report.peer = QStringLiteral("127.0.0.1");
        QCOMPARE(report.lines(),
            (QStringList { "127.0.0.1 verify: 1 of 3 rows differs",
                "127.0.0.1 row 2: Price sent \"1.25\", the register holds \"1.50\"" }));
    }

    // The register fills in the index byte of taxes, discounts, groups and clerks; the
    // database does not keep it, and neither does the comparison.
    void indexBytesDoNotCount()
    {
        const QByteArray sent = encode("TAXDATA", { "1", "VAT", "15.5", "00000011" });
        QByteArray held = sent;
        held[17] = 1;
        QVERIFY(compareRecords(*codecForType("TAXDATA"), { sent }, { held }, VerifyMode::InOrder).identical());
        held[16] = 0x07;
        const VerifyReport report = compareRecords(*codecForType("TAXDATA"), { sent }, { held }, VerifyMode::InOrder);
        QCOMPARE(
            report.lines().last(), QStringLiteral("row 1: Options sent \"00000011\", the register holds \"00000111\""));
    }

    void missingAndExtraRows()
    {
        const QList<QByteArray> sent = departments(3);
        const VerifyReport fewer = compareRecords(dept(), sent, sent.mid(0, 2), VerifyMode::InOrder);
        QCOMPARE(fewer.lines(), (QStringList { "verify: 1 of 3 rows differs", "row 3: not on the register" }));
        const VerifyReport more = compareRecords(dept(), sent.mid(0, 1), sent, VerifyMode::InOrder);
        QCOMPARE(more.lines(), QStringList { "verified: 1 row identical; the register holds 2 more" });
    }

    // Bytes that no column shows are still compared, and named by their offsets.
    void bytesThatNoColumnShows()
    {
        const QList<QByteArray> sent = departments(1);
        QByteArray held = sent.first();
        held[2] = char(0x55); // reserved
        const VerifyReport report = compareRecords(dept(), sent, { held }, VerifyMode::InOrder);
        QCOMPARE(report.lines().last(), QStringLiteral("row 1: bytes 2-2 sent \"00\", the register holds \"55\""));
    }

    // PLUs are found by their item code, whatever order the register keeps them in.
    void pluPresentAndAbsent()
    {
        const RecordCodec& plu = *codecForType("PLUDATA");
        const QByteArray coffee = encode("PLUDATA", { "987650001234", "COFFEE", "3", "2.50", "10" });
        const QByteArray tea = encode("PLUDATA", { "111", "TEA", "3", "1.50", "5" });
        const QByteArray cake = encode("PLUDATA", { "222", "CAKE", "4", "3.00", "2" });
        QCOMPARE(compareRecords(plu, { coffee, tea }, { cake, tea, coffee }, VerifyMode::Present).lines(),
            QStringList { "verified: 2 rows identical" });

        const QByteArray dearTea = encode("PLUDATA", { "111", "TEA", "3", "1.60", "5" });
        QCOMPARE(compareRecords(plu, { coffee, tea }, { dearTea, cake }, VerifyMode::Present).lines(),
            (QStringList { "verify: 2 of 2 rows differ", "987650001234: not on the register",
                "111: Price sent \"1.50\", the register holds \"1.60\"" }));

        QCOMPARE(compareRecords(plu, { coffee, tea }, { cake }, VerifyMode::Absent).lines(),
            QStringList { "verified: 2 rows gone" });
        const VerifyReport left = compareRecords(plu, { coffee, tea }, { cake, dearTea }, VerifyMode::Absent);
        QCOMPARE(left.differences.size(), 1);
        QCOMPARE(left.differences.first().row, 1);
        QCOMPARE(
            left.lines(), (QStringList { "verify: 1 of 2 rows still on the register", "111: still on the register" }));

        // A row selected in several cells goes once per cell and counts once.
        QCOMPARE(compareRecords(plu, { tea, tea, coffee, tea }, { tea, coffee }, VerifyMode::Present).lines(),
            QStringList { "verified: 2 rows identical" });
        QCOMPARE(compareRecords(plu, { tea, tea }, { dearTea }, VerifyMode::Present).lines(),
            (QStringList { "verify: 1 of 1 row differs", "111: Price sent \"1.50\", the register holds \"1.60\"" }));
        QCOMPARE(compareRecords(plu, { tea, tea }, { cake }, VerifyMode::Absent).lines(),
            QStringList { "verified: 1 row gone" });
    }

    void registerSentNothing()
    {
        VerifyReport report;
        report.failure = QStringLiteral("RCV ERR");
        report.peer = QStringLiteral("10.0.0.7");
        QVERIFY(!report.identical());
        QCOMPARE(report.lines(), QStringList { "10.0.0.7 not verified: RCV ERR" });
    }

    void modes_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("verifiable");
        QTest::addColumn<int>("mode");
        QTest::newRow("department install") << QByteArray("DEPTDATA") << 1 << true << int(VerifyMode::InOrder);
        QTest::newRow("network install") << QByteArray("NETPARMDATA") << 1 << true << int(VerifyMode::InOrder);
        QTest::newRow("extended header install")
            << QByteArray("EXTHEADERDATA") << 1 << true << int(VerifyMode::InOrder);
        QTest::newRow("PLU install") << QByteArray("PLUDATA") << 1 << true << int(VerifyMode::Present);
        QTest::newRow("PLU add") << QByteArray("PLUDATA") << 2 << true << int(VerifyMode::Present);
        QTest::newRow("PLU update") << QByteArray("PLUDATA") << 3 << true << int(VerifyMode::Present);
        QTest::newRow("PLU delete") << QByteArray("PLUDATA") << 4 << true << int(VerifyMode::Absent);
        QTest::newRow("system parameters") << QByteArray("SYSPARMDATA") << 1 << false << 0;
        QTest::newRow("clear command") << QByteArray("DEPTDATA") << 8 << false << 0;
    }

    void modes()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, command);
        QFETCH(bool, verifiable);
        QFETCH(int, mode);
        const Category* category = categoryByType(type);
        QVERIFY(category);
        if (!category->codec)
            QSKIP("this category has no codec yet");
        VerifyMode found = VerifyMode::InOrder;
        QCOMPARE(verifyModeFor(*category, quint8(command), &found), verifiable);
        if (verifiable)
            QCOMPARE(int(found), mode);
    }
};

QTEST_GUILESS_MAIN(TestVerify)
#include "tst_verify.moc"
