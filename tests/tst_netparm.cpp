#include "records/netparm.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestNetParm : public QObject {
    Q_OBJECT

private:
    const NetParm* net = NetParm::instance();
    QTemporaryDir m_dir;

    static QString key64()
    {
        return QStringLiteral("00112233445566778899AABBCCDDEEFF0123456789ABCDEF1032547698BADCFE");
    }

    static ItemRow sample()
    {
        return { "1", "00000101", "192.168.1.10", "8080", "10.0.0.1", "9000", "192.168.1.1", "255.255.255.0", "8.8.8.8",
            "8.8.4.4", "shop.example.com", "web", "operator", "secret", "CODE123", key64() };
    }

    static QByteArray encode(const ItemRow& row)
    {
        QByteArray record;
        NetParm::instance()->encodeRow(row, &record);
        return record;
    }

    static ItemRow decode(const QByteArray& record)
    {
        ItemRow row;
        NetParm::instance()->decodeRecord(record, &row);
        return row;
    }

private slots:
    void init() { NetParm::setRecord(QByteArray()); }

    void columns()
    {
        net->initColumns();
        QCOMPARE(currentColumns().headers,
            (QStringList { "Indx", "Option", "IPAddress", "ClientPort", "ServerIP", "ServerPort", "GateWay", "IPMask",
                "PrimaryDNS", "SecondDNS", "ServerURL", "APN", "UserName", "Password", "PersonalCode",
                "SecurityCode" }));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(currentColumns().kinds), 16),
            hexBytes("82 81 01 02 01 02 01 01 01 01 01 01 01 01 01 01"));
        QCOMPARE(codecForType("NETPARMDATA"), net);
    }

    void receivedAddressAndPort()
    {
        QByteArray record(240, 0);
        record.replace(1, 4, hexBytes("C0 A8 01 0A"));
        record.replace(6, 2, hexBytes("90 1F"));
        ItemRow row;
        QCOMPARE(net->decodeRecord(record, &row), QByteArray("netparm"));
        QCOMPARE(row.size(), 16);
        QCOMPARE(row.at(0).toString(), QStringLiteral("1"));
        QCOMPARE(row.at(1).toString(), QStringLiteral("00000000"));
        QCOMPARE(row.at(2).toString(), QStringLiteral("192.168.1.10"));
        QCOMPARE(row.at(3).toString(), QStringLiteral("8080"));
        QCOMPARE(row.at(4).toString(), QStringLiteral("0.0.0.0"));
        QCOMPARE(row.at(15).toString(), QString());
        QCOMPARE(NetParm::record(), record);
    }

    void fullRowRoundTrip()
    {
        ItemRow row = sample();
        row[11] = QStringLiteral("internet");
        const QByteArray record = encode(row);
        QCOMPARE(record.size(), 240);
        QCOMPARE(uchar(record.at(0)), uchar(0x05));
        QCOMPARE(record.mid(1, 4), hexBytes("C0 A8 01 0A"));
        QCOMPARE(record.mid(6, 2), hexBytes("90 1F"));
        QCOMPARE(record.mid(12, 2), hexBytes("28 23"));
        QCOMPARE(record.mid(18, 4), hexBytes("FF FF FF 00"));
        QCOMPARE(record.mid(30, 17), QByteArray("shop.example.com", 17));
        QCOMPARE(record.mid(158, 8), QByteArray("internet").left(7) + QByteArray(1, 0));
        QCOMPARE(record.mid(198, 10), QByteArray("CODE123") + QByteArray(3, 0));
        QCOMPARE(record.mid(208, 32), QByteArray::fromHex(key64().toLatin1()));
        ItemRow expected = row;
        expected[11] = QStringLiteral("interne");
        QCOMPARE(decode(record), expected);
    }

    void uncoveredBytesCarryOver()
    {
        // A register record with byte 5 set and old bytes after the NUL of every text that
        // is written over without clearing its field (the URL and the code are cleared).
        QByteArray received(240, char(0x5A));
        received[0] = char(0x01);
        received.replace(30, 128, QByteArray("old.") + QByteArray(124, 0));
        received.replace(158, 4, QByteArray("apn", 4));
        received.replace(166, 3, QByteArray("me", 3));
        received.replace(182, 3, QByteArray("pw", 3));
        received.replace(198, 10, QByteArray("0123456789"));
        received.replace(208, 32, QByteArray(32, char(0x11)));
        const ItemRow row = decode(received);
        QCOMPARE(row.at(10).toString(), QStringLiteral("old."));
        QCOMPARE(row.at(11).toString(), QStringLiteral("apn"));
        QCOMPARE(row.at(14).toString(), QStringLiteral("0123456789"));
        QCOMPARE(row.at(15).toString(), QString(64, QLatin1Char('1')));

        QCOMPARE(encode(row), received);

        // A shorter text: only the URL field is cleared; the others keep their old tail.
        ItemRow edited = row;
        edited[10] = QStringLiteral("u");
        edited[11] = QStringLiteral("a");
        edited[14] = QStringLiteral("9");
        const QByteArray record = encode(edited);
        QCOMPARE(uchar(record.at(5)), uchar(0x5A));
        QCOMPARE(record.mid(30, 128), QByteArray("u") + QByteArray(127, 0));
        QCOMPARE(record.mid(158, 8), QByteArray("a\0n\0", 4) + QByteArray(4, char(0x5A)));
        QCOMPARE(record.mid(198, 10), QByteArray("9") + QByteArray(9, 0));
        // A row without the later cells keeps their fields.
        QCOMPARE(encode(row.mid(0, 3)).mid(30), received.mid(30));
    }

    void fieldRules_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("five-part address") << 2 << "1.2.3.4.5" << 1 << hexBytes("C0 A8 01 0A");
        QTest::newRow("address number over 255") << 2 << "10.0.0.300" << 1 << hexBytes("0A 00 00 2C");
        QTest::newRow("two-part address") << 4 << "7.8" << 8 << hexBytes("07 08 00 01");
        QTest::newRow("port of 70000") << 3 << "70000" << 6 << hexBytes("70 11");
        QTest::newRow("port 65535") << 5 << "65535" << 12 << hexBytes("FF FF");
        QTest::newRow("port 65536") << 5 << "65536" << 12 << hexBytes("00 00");
        QTest::newRow("port not a number") << 3 << "http" << 6 << hexBytes("00 00");
        QTest::newRow("short key") << 15 << "00112233445566778899AABBCCDDEEFF" << 208
                                   << QByteArray::fromHex(key64().toLatin1());
        QTest::newRow("lower-case key") << 15 << key64().toLower() << 208 << QByteArray::fromHex(key64().toLatin1());
        QTest::newRow("empty key") << 15 << "" << 208 << QByteArray(32, 0);
        QTest::newRow("good key") << 15 << QString(64, QLatin1Char('F')) << 208 << QByteArray(32, char(0xFF));
        QTest::newRow("long URL") << 10 << QString(200, QLatin1Char('w')) << 30
                                  << QByteArray(127, 'w') + QByteArray(1, 0);
        QTest::newRow("long personal code") << 14 << "ABCDEFGHIJKL" << 198 << QByteArray("ABCDEFGHIJ");
        // UTF-8 (an English set): whole letters, never the first byte of one.
        QTest::newRow("long APN of two-byte letters")
            << 11 << QStringLiteral("\u00E9\u00E9\u00E9\u00E9") << 158 << hexBytes("C3 A9 C3 A9 C3 A9 00");
        QTest::newRow("personal code of two-byte letters")
            << 14 << QStringLiteral("\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9") << 198
            << hexBytes("C3 A9 C3 A9 C3 A9 C3 A9 C3 A9");
    }

    void fieldRules()
    {
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        decode(encode(sample()));
        ItemRow row = sample();
        row[column] = cell;
        QCOMPARE(encode(row).mid(offset, bytes.size()), bytes);
    }

    void keysWithZeroBytesGoBackWhole_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("leading zero byte") << QByteArray::fromHex(key64().toLatin1()) << key64();
        QTest::newRow("zero byte inside")
            << QByteArray(10, char(0xAB)) + QByteArray(1, 0) + QByteArray(21, char(0xCD))
            << QStringLiteral("AB").repeated(10) + QStringLiteral("00") + QStringLiteral("CD").repeated(21);
        QTest::newRow("no key") << QByteArray(32, 0) << QString();
    }

    void keysWithZeroBytesGoBackWhole()
    {
        QFETCH(QByteArray, key);
        QFETCH(QString, shown);
        QByteArray received(240, 0);
        received.replace(208, 32, key);
        const ItemRow row = decode(received);
        QCOMPARE(row.at(15).toString(), shown);
        // Through a new process's current record: only the text of the row counts.
        NetParm::setRecord(QByteArray(240, char(0x77)));
        QCOMPARE(encode(row).mid(208), key);
    }

    void optionMenu()
    {
        QCOMPARE(net->optionMenuEntries(1), (QStringList { "NETENABLE", "DHCPENABLE", "MINISTRYENABLE" }));
        QVERIFY(net->optionMenuEntries(2).isEmpty());
        QVERIFY(net->optionMenuEntries(0).isEmpty());
        LogCapture log;
        QCOMPARE(net->optionStates(QStringLiteral("00000101"), 1), hexBytes("01 00 01 00 00 00 00 00"));
        QVERIFY(log.contains(QStringLiteral("get option =  101")));
        QCOMPARE(net->optionStates(QStringLiteral("11111111"), 1), QByteArray(8, 1));
        QCOMPARE(net->optionStates(QString(), 1), QByteArray(8, 0));
        const int option = 1; // the one column with a menu
        QCOMPARE(net->applyOption(QStringLiteral("00000101"), option, 2, true), QStringLiteral("00000111"));
        QCOMPARE(net->applyOption(QStringLiteral("00000111"), option, 1, false), QStringLiteral("00000110"));
        QCOMPARE(net->applyOption(QString(), option, 3, true), QStringLiteral("00000100"));
        QCOMPARE(net->applyOption(QStringLiteral("00000001"), option, 4, true), QStringLiteral("00000001"));
        QCOMPARE(net->applyOption(QStringLiteral("00000001"), 2, 2, true), QStringLiteral("00000001"));
    }

    void cellRules_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("address") << 2 << "192.168.1.10" << true;
        QTest::newRow("address zero") << 9 << "0.0.0.0" << true;
        QTest::newRow("address three parts") << 2 << "192.168.1" << false;
        QTest::newRow("address five parts") << 4 << "1.2.3.4.5" << false;
        QTest::newRow("address 300") << 6 << "10.0.0.300" << false;
        QTest::newRow("address letters") << 7 << "a.b.c.d" << false;
        QTest::newRow("address empty part") << 8 << "10..0.1" << false;
        QTest::newRow("address empty") << 2 << "" << false;
        QTest::newRow("port") << 3 << "8080" << true;
        QTest::newRow("port 0") << 5 << "0" << true;
        QTest::newRow("port 65535") << 5 << "65535" << true;
        QTest::newRow("port 65536") << 3 << "65536" << false;
        QTest::newRow("port negative") << 3 << "-1" << false;
        QTest::newRow("port empty") << 3 << "" << false;
        QTest::newRow("key") << 15 << key64() << true;
        QTest::newRow("key empty") << 15 << "" << true;
        QTest::newRow("key short") << 15 << "00112233" << false;
        QTest::newRow("key lower-case") << 15 << key64().toLower() << false;
        QTest::newRow("key other letter") << 15 << QString(63, QLatin1Char('0')) + QLatin1Char('G') << false;
        QTest::newRow("free text") << 10 << "anything at all" << true;
    }

    void cellRules()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const QString problem = net->cellProblem(column, text);
        QCOMPARE(problem.isEmpty(), accepted);
        if (!accepted)
            QVERIFY2(problem.startsWith(QString::fromLatin1(net->columns().at(column).header) + QLatin1Char(':')),
                qPrintable(problem));
    }

    void emptyTableShowsTheCurrentRecord()
    {
        const ItemTable table = net->emptyTable();
        QCOMPARE(table.size(), 1);
        QCOMPARE(table.first().size(), 16);
        QCOMPARE(table.first().at(2).toString(), QStringLiteral("0.0.0.0"));
        QCOMPARE(table.first().at(3).toString(), QStringLiteral("0"));
        decode(encode(sample()));
        QCOMPARE(net->emptyTable().first(), sample());
    }

    void saveAndLoad()
    {
        createDatabase(m_dir.filePath(QStringLiteral("net.db")));
        ItemRow second = sample();
        second[2] = QStringLiteral("10.1.1.1");
        QVERIFY(net->saveTable({ sample(), second }));
        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        QVERIFY(query.exec(QStringLiteral("select itemRandom, itemName, length(itemData) from table_net")));
        QStringList stored;
        while (query.next())
            stored << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString() + QLatin1Char(':')
                    + query.value(2).toString();
        QCOMPARE(stored, (QStringList { "1:netparm:240", "1:netparm:240" }));

        // Loading makes each stored record current in turn and numbers the rows.
        NetParm::setRecord(QByteArray());
        ItemTable loaded;
        QVERIFY(net->loadTable(&loaded));
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(loaded.at(1).at(0).toString(), QStringLiteral("2"));
        QCOMPARE(loaded.at(1).at(2).toString(), QStringLiteral("10.1.1.1"));
        QCOMPARE(NetParm::record().mid(1, 4), hexBytes("0A 01 01 01"));
    }
};

QTEST_GUILESS_MAIN(TestNetParm)
#include "tst_netparm.moc"
