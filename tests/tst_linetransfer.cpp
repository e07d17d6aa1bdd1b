#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/lines.h"
#include "records/netparm.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(const RecordCodec*)

// The line tables and the network record travel to the register simulator and back.
class TestLineTransfer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    static ItemTable lines(const QString& prefix)
    {
        ItemTable table;
        for (int line = 1; line <= 8; ++line)
            table << ItemRow { QString::number(line), QStringLiteral("%1 LINE %2").arg(prefix).arg(line) };
        return table;
    }

    static ItemRow network()
    {
        return { "1", "00000011", "192.168.1.10", "8080", "10.0.0.1", "9000", "192.168.1.1", "255.255.255.0", "8.8.8.8",
            "8.8.4.4", "shop.example.com", "web", "operator", "secret", "CODE123", QString(64, QLatin1Char('A')) };
    }

    // What the register gives back for the rows that were sent.
    static ItemTable roundTrip(const RecordCodec* codec, const ItemTable& sent)
    {
        ItemTable rows;
        for (const ItemRow& row : sent) {
            QByteArray record;
            codec->encodeRow(row, &record);
            ItemRow back;
            codec->decodeRecord(record, &back);
            rows << back;
        }
        return rows;
    }

    QString registerDb() { return m_dir.filePath(QStringLiteral("ecr%1.db").arg(++m_serial)); }

private slots:
    void overTcp_data()
    {
        QTest::addColumn<const RecordCodec*>("codec");
        QTest::addColumn<ItemTable>("table");
        QTest::addColumn<QList<QByteArray>>("sendWords");
        QTest::addColumn<QList<QByteArray>>("downloadWords");
        QList<QByteArray> headerWords(8, "UPDATE herder");
        QList<QByteArray> trailerWords;
        QList<QByteArray> trailerDownload;
        for (int line = 1; line <= 8; ++line) {
            trailerWords << "UPDATE trailer" + QByteArray::number(line);
            trailerDownload << "DOWNLOAD trailer" + QByteArray::number(line);
        }
        QTest::newRow("header") << static_cast<const RecordCodec*>(Header::instance()) << lines("HEAD")
                                << headerWords + QList<QByteArray> { "UPDATE END" }
                                << QList<QByteArray>(8, "DOWNLOAD header") + QList<QByteArray> { "DOWNLOAD END" };
        QTest::newRow("trailer") << static_cast<const RecordCodec*>(Trailer::instance()) << lines("TAIL")
                                 << trailerWords + QList<QByteArray> { "UPDATE END" }
                                 << trailerDownload + QList<QByteArray> { "DOWNLOAD END" };
        // The TCP carrier sends extended header lines but does not decode them on download.
        QTest::newRow("extheader") << static_cast<const RecordCodec*>(EXTHeader::instance()) << lines("EXTENDED")
                                   << QList<QByteArray>(8, "UPDATE extherder") + QList<QByteArray> { "UPDATE END" }
                                   << QList<QByteArray> { "DOWNLOAD END" };
        QTest::newRow("network") << static_cast<const RecordCodec*>(NetParm::instance()) << ItemTable { network() }
                                 << QList<QByteArray> { "UPDATE netparm", "UPDATE END" }
                                 << QList<QByteArray> { "DOWNLOAD netparm", "DOWNLOAD END" };
    }

    void overTcp()
    {
        QFETCH(const RecordCodec*, codec);
        QFETCH(ItemTable, table);
        QFETCH(QList<QByteArray>, sendWords);
        QFETCH(QList<QByteArray>, downloadWords);
        // Byte 5 of the network record belongs to no column; the register keeps what it got.
        NetParm::setRecord(QByteArray(5, 0) + QByteArray(1, char(0x42)));

        TcpBench bench;
        TestHost& host = bench.host;
        const auto ecr = bench.connect(registerDb());
        QVERIFY(ecr);

        const QByteArray type = codec->category().typeName;
        host.send(type, table);
        QVERIFY(host.waitForWord("UPDATE END"));
        QCOMPARE(host.words, sendWords);

        NetParm::setRecord(QByteArray());
        host.words.clear();
        emit host.signal_MrcvData(type);
        QVERIFY(host.waitForWord("DOWNLOAD END"));
        QCOMPARE(host.words, downloadWords);
        if (downloadWords.size() == 1) {
            QVERIFY(host.received.isEmpty());
            return;
        }
        QCOMPARE(host.received.size(), 1);
        QCOMPARE(host.received.first().first, type);
        QCOMPARE(host.received.first().second, roundTrip(codec, table));
        if (codec == NetParm::instance())
            QCOMPARE(uchar(NetParm::record().at(5)), uchar(0x42));
    }

    void extendedHeaderOverSerial()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        Simulator ecr({ QStringLiteral("--serial"), pty.second(), QStringLiteral("--db"), registerDb() });
        QVERIFY(ecr.waitReady());
        TestHost host;
        SerialServer link(&host, pty.first());
        QVERIFY(link.isOpen());

        ItemTable table = lines("EXTENDED");
        table[2][1] = QStringLiteral("A LINE OF FORTY BYTES FOR THE EXTENDED H");
        host.send("EXTHEADERDATA", table);
        QVERIFY(host.waitForWord("UPDATE END", 20000));
        QCOMPARE(host.words,
            (QList<QByteArray> { "UPDATE 1", "UPDATE 2", "UPDATE 3", "UPDATE 4", "UPDATE 5", "UPDATE 6", "UPDATE 7",
                "UPDATE 8", "UPDATE END" }));

        host.words.clear();
        emit host.signal_MrcvData("EXTHEADERDATA");
        QVERIFY(host.waitForWord("DOWNLOAD END", 20000));
        QCOMPARE(host.words, QList<QByteArray>(8, "DOWNLOAD extheader") + QList<QByteArray> { "DOWNLOAD END" });
        QCOMPARE(host.received.size(), 1);
        QCOMPARE(host.received.first().second, table);
    }
};

QTEST_GUILESS_MAIN(TestLineTransfer)
#include "tst_linetransfer.moc"
