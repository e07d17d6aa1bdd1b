#include "link/protocol.h"
#include "link/statusline.h"
#include "records/dept.h"
#include "records/system.h"
#include "records/translation.h"
#include "testsupport.h"

#include <QtTest>

class TestProtocol : public QObject {
    Q_OBJECT

private:
    static ItemRow bread()
    {
        return { "1", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00", "13" };
    }

private slots:
    void departmentFrame()
    {
        QByteArray frame;
        const ItemRow row = bread();
        QCOMPARE(packRecord("DEPTDATA", &row, 0, &frame), QByteArray("BREAD"));
        QCOMPARE(frame.size(), 53);
        const QByteArray expected = hexBytes("04 2F 09 00") + hexBytes("01") + QByteArray(6, 0) + QByteArray("BREAD")
            + QByteArray(20, 0) + hexBytes("01 80 05 01 05") + hexBytes("50 12 00 00 00") + hexBytes("00 00 01 00 00")
            + hexBytes("60 B0");
        QCOMPARE(frame, expected);
    }

    void sequenceFlags()
    {
        QByteArray frame;
        const ItemRow row = bread();
        for (int flag = 0; flag < 3; ++flag) {
            packRecord("DEPTDATA", &row, flag, &frame);
            QCOMPARE(uchar(frame.at(0)), uchar(0x04 | flag));
            const quint16 crc = translation::crc16(frame.constData(), frame.size() - 2);
            QCOMPARE(uchar(frame.at(frame.size() - 2)), uchar(crc & 0xFF));
            QCOMPARE(uchar(frame.at(frame.size() - 1)), uchar(crc >> 8));
        }
    }

    void unknownTypesGiveNoFrame()
    {
        QByteArray frame("stale");
        const ItemRow row = bread();
        QCOMPARE(packRecord("deptdata", &row, 0, &frame), QByteArray());
        QVERIFY(frame.isEmpty());
        QVERIFY(packRecord("SYSCLEARDATA", nullptr, 0, &frame).isEmpty());
        QVERIFY(frame.isEmpty());
        QVERIFY(packRecord("GRAPHICDATA", &row, 0, &frame).isEmpty());
        QVERIFY(frame.isEmpty());
        QVERIFY(readRequest("GRAPHICDATA").isEmpty());
        QVERIFY(readRequest("DEPT").isEmpty());
    }

    void systemParameterFrame()
    {
        System::setRecord(System::defaultRecord());
        QByteArray frame;
        QCOMPARE(packRecord("SYSPARMDATA", nullptr, 1, &frame), QByteArray("sysparm"));
        QCOMPARE(frame.size(), 69);
        QCOMPARE(frame.left(4), hexBytes("43 55 02 00"));
        QCOMPARE(frame.mid(4, 64), System::defaultRecord());
        quint8 sum = 0;
        for (const char byte : frame)
            sum = quint8(sum + quint8(byte));
        QCOMPARE(sum, quint8(0));
        // A row of raw byte cells goes out as it is.
        const ItemRow cells = { QByteArray(1, 1), QByteArray(1, 2), QByteArray(1, 3) };
        packRecord("SYSPARMDATA", &cells, 0, &frame);
        QCOMPARE(frame.mid(4, 64), hexBytes("01 02 03") + QByteArray(61, 0));
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("DEPTDATA") << QByteArray("DEPTDATA") << hexBytes("08 00 09 00 04 14");
        QTest::newRow("PLUDATA") << QByteArray("PLUDATA") << hexBytes("08 00 08 00 05 84");
        QTest::newRow("TAXDATA") << QByteArray("TAXDATA") << hexBytes("08 00 0B 00 05 74");
        QTest::newRow("DISCDATA") << QByteArray("DISCDATA") << hexBytes("08 00 0C 00 07 44");
        QTest::newRow("GROUPDATA") << QByteArray("GROUPDATA") << hexBytes("08 00 0A 00 04 E4");
        QTest::newRow("CLERKDATA") << QByteArray("CLERKDATA") << hexBytes("08 00 11 00 0E 14");
        QTest::newRow("HEADERDATA") << QByteArray("HEADERDATA") << hexBytes("08 00 0F 00 07 B4");
        QTest::newRow("EXTHEADERDATA") << QByteArray("EXTHEADERDATA") << hexBytes("08 00 22 00 1A E4");
        QTest::newRow("TRAILERDATA") << QByteArray("TRAILERDATA") << hexBytes("08 00 10 00 0F 84");
        QTest::newRow("NETPARMDATA") << QByteArray("NETPARMDATA") << hexBytes("08 00 12 00 0E E4");
        QTest::newRow("SYSPARMDATA") << QByteArray("SYSPARMDATA") << hexBytes("03 44 02 00 B7");
    }

    void requests()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, request);
        QCOMPARE(readRequest(type), request);
    }

    void linkOnlyFrames()
    {
        QCOMPARE(clearFrame(), hexBytes("04 00 21 00 19 44"));
        const QByteArray logo = logoFrame(QByteArray("UCO"), 1);
        QCOMPARE(logo.left(7), hexBytes("04 03 20 01") + QByteArray("UCO"));
        QCOMPARE(logo.size(), 9);
    }

    void pluPayloadFollowsTheCommand()
    {
        const struct {
            quint8 command;
            quint16 code;
        } cases[] = { { CommandInstall, 5 }, { CommandAdd, 5 }, { CommandUpdate, 7 }, { CommandDelete, 6 }, { CommandClear, 5 } };
        for (const auto& c : cases) {
            QCOMPARE(payloadCodeFor("PLUDATA", 5, c.command), c.code);
            QCOMPARE(payloadCodeFor("DEPTDATA", 9, c.command), quint16(9));
        }
    }

    void pendingWords_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QByteArray>("word");
        const QByteArray bytes(kShownPendingBytes, char(0xAB));
        QTest::newRow("two bytes, as they came") << QByteArray("\x01\x02") << qint64(2) << QByteArray("\x01\x02");
        QTest::newRow("64 bytes, as they came") << bytes << qint64(64) << bytes;
        QTest::newRow("65 bytes") << bytes << qint64(65) << bytes + " (64 of 65 bytes shown)";
        QTest::newRow("64 MiB") << bytes << qint64(67108864) << bytes + " (64 of 67108864 bytes shown)";
    }

    void pendingWords()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, total);
        QFETCH(QByteArray, word);
        QCOMPARE(pendingWord(head, total), word);
        QByteArray shown;
        qint64 count = 0;
        QCOMPARE(splitPendingWord(word, &shown, &count), total > kShownPendingBytes);
        if (total > kShownPendingBytes) {
            QCOMPARE(shown, head);
            QCOMPARE(count, total);
        }
    }

    void wordsThatAreNotPendingWords_data()
    {
        QTest::addColumn<QByteArray>("word");
        const QByteArray bytes(kShownPendingBytes, 'x');
        QTest::newRow("progress word") << QByteArray("UPDATE END");
        QTest::newRow("long raw bytes") << QByteArray(1000, 'x');
        QTest::newRow("note too early") << bytes.left(10) + " (64 of 99 bytes shown)";
        QTest::newRow("no more than shown") << bytes + " (64 of 64 bytes shown)";
        QTest::newRow("count not a number") << bytes + " (64 of lots bytes shown)";
        QTest::newRow("count with a sign") << bytes + " (64 of +99 bytes shown)";
        QTest::newRow("text after the note") << bytes + " (64 of 99 bytes shown)!";
    }

    void wordsThatAreNotPendingWords()
    {
        QFETCH(QByteArray, word);
        QByteArray shown;
        qint64 count = 0;
        QVERIFY(!splitPendingWord(word, &shown, &count));
    }

    void statusLines_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("download");
        QTest::addColumn<QString>("text");
        const QByteArray many(100, char(0x33));
        QTest::newRow("row sent") << QByteArray("UPDATE BREAD") << int(StatusLine::Row) << false << "BREAD";
        QTest::newRow("row number sent") << QByteArray("UPDATE 12") << int(StatusLine::Row) << false << "12";
        QTest::newRow("send ended") << QByteArray("UPDATE END") << int(StatusLine::End) << false << "END";
        QTest::newRow("row received") << QByteArray("DOWNLOAD MILK") << int(StatusLine::Row) << true << "MILK";
        QTest::newRow("download ended") << QByteArray("DOWNLOAD END") << int(StatusLine::End) << true << "END";
        QTest::newRow("time-out") << QByteArray("TIME OUT") << int(StatusLine::Error) << false << "TIME OUT";
        QTest::newRow("bad frame") << QByteArray("BCC ERR") << int(StatusLine::Error) << false << "BCC ERR";
        QTest::newRow("refusal byte") << QByteArray("\x15") << int(StatusLine::Error) << false << "15";
        QTest::newRow("bytes waiting") << QByteArray("\x01\xFE") << int(StatusLine::Error) << false << "01 FE";
        QTest::newRow("many bytes waiting")
            << pendingWord(many.left(kShownPendingBytes), many.size()) << int(StatusLine::Error) << false
            << QString::fromLatin1(translation::hexSpaced(many.left(kShownPendingBytes))) + " (64 of 100 bytes shown)";
    }

    // What the transfer logs show of each status word, and whether it ends a transfer.
    void statusLines()
    {
        QFETCH(QByteArray, word);
        QFETCH(int, kind);
        QFETCH(bool, download);
        QFETCH(QString, text);
        const StatusLine line = statusLine(word);
        QCOMPARE(int(line.kind), kind);
        QCOMPARE(line.text, text);
        if (line.kind != StatusLine::Error)
            QCOMPARE(line.download, download);
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
