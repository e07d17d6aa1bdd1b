#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "testsupport.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Taxes, discounts, groups and clerks installed into the register simulator and
// downloaded back, over TCP and over a serial line.
class TestCategoryTransfer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    static ItemTable table(const QList<QStringList>& rows)
    {
        ItemTable t;
        for (const QStringList& cells : rows)
            t << textRow(cells);
        return t;
    }
    static QList<QStringList> texts(const ItemTable& t)
    {
        QList<QStringList> rows;
        for (const ItemRow& r : t)
            rows << rowTexts(r);
        return rows;
    }

    // What the simulator keeps of a table: "key:name" and the record bytes per row.
    static QStringList stored(const QString& file, const QString& tableName, QList<QByteArray>* data)
    {
        QStringList rows;
        forEachRow(file, QStringLiteral("select itemRandom, itemName, itemData from %1").arg(tableName),
            [&](const QSqlQuery& query) {
                rows << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
                *data << query.value(2).toByteArray();
            });
        return rows;
    }

    // The rows sent (indexes 5 and 6, which the register does not keep) and the rows that
    // come back, numbered by the register.
    void addRows()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QList<QStringList>>("sent");
        QTest::addColumn<QList<QStringList>>("back");
        QTest::newRow("tax") << QByteArray(
            "TAXDATA") << QList<QStringList> { { "5", "VAT", "15.5", "00000011" }, { "6", "ZERO", "0", "00010000" } }
                             << QList<QStringList> { { "1", "VAT", "15.50", "00000011" },
                                    { "2", "ZERO", "0.00", "00010000" } };
        QTest::newRow("disc") << QByteArray("DISCDATA")
                              << QList<QStringList> { { "5", "STAFF", "10", "50", "00000100", "00000001", "00100010" },
                                     { "6", "HAPPY", "0.5", "0", "00000001", "00000000", "00000001" } }
                              << QList<QStringList> { { "1", "STAFF", "10.00", "50.00", "00000100", "00000001",
                                                          "00100010" },
                                     { "2", "HAPPY", "0.50", "0.00", "00000001", "00000000", "00000001" } };
        QTest::newRow("group") << QByteArray("GROUPDATA")
                               << QList<QStringList> { { "5", "DRINKS", "500" }, { "6", "FOOD", "70000" } }
                               << QList<QStringList> { { "1", "DRINKS", "500" }, { "2", "FOOD", "4464" } };
        QTest::newRow("clerk") << QByteArray("CLERKDATA")
                               << QList<QStringList> { { "5", "ANNA", "1234", "00000101" },
                                      { "6", "BO", "987654", "10000000" } }
                               << QList<QStringList> { { "1", "ANNA", "1234", "00000101" },
                                      { "2", "BO", "987654", "10000000" } };
    }

private slots:
    void overTcp_data() { addRows(); }

    void overTcp()
    {
        QFETCH(QByteArray, type);
        QFETCH(QList<QStringList>, sent);
        QFETCH(QList<QStringList>, back);
        const RecordCodec* codec = codecForType(type);
        QVERIFY(codec);

        TcpBench bench;
        TestHost& host = bench.host;
        const QString db = m_dir.filePath(QStringLiteral("tcp%1.db").arg(++m_serial));
        const auto ecr = bench.connect(db);
        QVERIFY(ecr);

        host.send(type, table(sent));
        QVERIFY(host.waitForWord("UPDATE END"));
        // Each row reports its "Indx" text.
        QCOMPARE(host.words, QList<QByteArray>({ "UPDATE 5", "UPDATE 6", "UPDATE END" }));
        QList<QByteArray> data;
        QCOMPARE(stored(db, QLatin1String(codec->category().table), &data),
            (QStringList { "1:" + sent.at(0).at(1), "2:" + sent.at(1).at(1) }));
        for (int i = 0; i < 2; ++i) {
            QByteArray record;
            codec->encodeRow(table(sent).at(i), &record);
            QCOMPARE(data.at(i), record.left(codec->storedSize()));
        }

        host.words.clear();
        emit host.signal_MrcvData(type);
        QVERIFY(host.waitForWord("DOWNLOAD END"));
        QCOMPARE(host.words,
            (QList<QByteArray> { "DOWNLOAD " + sent.at(0).at(1).toLatin1(), "DOWNLOAD " + sent.at(1).at(1).toLatin1(),
                "DOWNLOAD END" }));
        QCOMPARE(host.received.size(), 1);
        QCOMPARE(host.received.first().first, type);
        QCOMPARE(texts(host.received.first().second), back);
    }

    void overSerial()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        const QString db = m_dir.filePath(QStringLiteral("serial.db"));
        Simulator ecr({ QStringLiteral("--serial"), pty.second(), QStringLiteral("--db"), db });
        QVERIFY(ecr.waitReady());
        TestHost host;
        SerialServer link(&host, pty.first());
        QVERIFY(link.isOpen());

        const QList<QByteArray> types { "TAXDATA", "DISCDATA", "GROUPDATA", "CLERKDATA" };
        for (const QByteArray& type : types) {
            const RecordCodec* codec = codecForType(type);
            ItemTable rows;
            for (int i = 1; i <= 3; ++i) {
                ItemRow r;
                for (int c = 0; c < int(codec->columns().size()); ++c)
                    r << (c == 0 ? QString::number(i) : c == 1 ? QStringLiteral("N%1").arg(i) : QStringLiteral("1"));
                rows << r;
            }
            host.words.clear();
            host.received.clear();
            host.send(type, rows);
            QVERIFY2(host.waitForWord("UPDATE END", 20000), type.constData());
            QCOMPARE(host.words, QList<QByteArray>({ "UPDATE 1", "UPDATE 2", "UPDATE 3", "UPDATE END" }));
            emit host.signal_MrcvData(type);
            QVERIFY2(host.waitForWord("DOWNLOAD END", 20000), type.constData());
            QCOMPARE(host.received.size(), 1);
            const ItemTable back = host.received.first().second;
            QCOMPARE(back.size(), 3);
            for (int i = 0; i < 3; ++i) {
                QByteArray record;
                codec->encodeRow(rows.at(i), &record);
                ItemRow expected;
                codec->decodeRecord(record, &expected, i + 1);
                QCOMPARE(back.at(i), expected);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCategoryTransfer)
#include "tst_categorytransfer.moc"
