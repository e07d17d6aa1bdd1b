#include "records/categories.h"
#include "records/netparm.h"
#include "records/recordcodec.h"
#include "testsupport.h"
#include "base/language.h"

#include <QtTest>

// The fit check: which cells the register would not hold as the grid shows them, and why.
class TestFitCheck : public QObject {
    Q_OBJECT

private:
    static QString key64()
    {
        return QStringLiteral("00112233445566778899AABBCCDDEEFF0123456789ABCDEF1032547698BADCFE");
    }

    static QStringList netRow(int column, const QString& cell)
    {
        QStringList cells { "1", "00000101", "192.168.1.10", "8080", "10.0.0.1", "9000", "192.168.1.1", "255.255.255.0",
            "8.8.8.8", "8.8.4.4", "shop.example.com", "web", "operator", "secret", "CODE123", key64() };
        if (column >= 0)
            cells[column] = cell;
        return cells;
    }

    // What the codec would send for `cells`, decoded again: the cell as the register holds it.
    static QString sentAndReadBack(const RecordCodec* codec, const QStringList& cells, int column)
    {
        QByteArray record;
        codec->encodeRow(textRow(cells), &record);
        ItemRow row;
        codec->decodeRecord(record, &row, 1);
        NetParm::setRecord(QByteArray());
        return row.value(column).toString();
    }

private slots:
    void init() { NetParm::setRecord(QByteArray()); }

    // One row per kind of flag: the row has exactly one cell that does not fit.
    void flags_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("held");

        const QStringList dept { "01", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00", "13" };
        auto deptWith = [&](int column, const QString& cell) {
            QStringList cells = dept;
            cells[column] = cell;
            return cells;
        };
        const int en = English, el = Greek, he = Hebrew;

        QTest::newRow("name longer than its field")
            << en << QByteArray("DEPTDATA") << deptWith(1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ") << 1
            << "26 bytes in UTF-8; the register keeps 25"
            << "ABCDEFGHIJKLMNOPQRSTUVWXY";
        QTest::newRow("price with eleven digits") << en << QByteArray("DEPTDATA") << deptWith(6, "123456789.12") << 6
                                                  << "more than 99999999.99; the register keeps"
                                                  << "23456789.12";
        QTest::newRow("price with three decimals") << en << QByteArray("DEPTDATA") << deptWith(6, "12.345") << 6
                                                   << "3 decimals, the field takes 2; the register keeps"
                                                   << "12.34";
        QTest::newRow("price that is no number")
            << en << QByteArray("DEPTDATA") << deptWith(7, "ten") << 7 << "not a number; the register keeps"
            << "0.00";
        QTest::newRow("negative price") << en << QByteArray("DEPTDATA") << deptWith(6, "-5") << 6
                                        << "negative; the register keeps"
                                        << "5.00";
        QTest::newRow("group 0") << en << QByteArray("DEPTDATA") << deptWith(2, "0") << 2
                                 << "outside 1 to 256; the register keeps"
                                 << "256";
        QTest::newRow("group above a byte")
            << en << QByteArray("DEPTDATA") << deptWith(2, "300") << 2 << "outside 1 to 256; the register keeps"
            << "44";
        QTest::newRow("group that is no number")
            << en << QByteArray("DEPTDATA") << deptWith(2, "two") << 2 << "not a whole number; the register keeps"
            << "256";
        QTest::newRow("tax number 7") << en << QByteArray("DEPTDATA") << deptWith(5, "7") << 5
                                      << "outside 0 to 6; the register keeps"
                                      << "0";
        QTest::newRow("kitchen printer 9") << en << QByteArray("DEPTDATA") << deptWith(8, "19") << 8
                                           << "only the digits 1 to 8 count; the register keeps"
                                           << "1";
        QTest::newRow("department index above a byte")
            << en << QByteArray("DEPTDATA") << deptWith(0, "300") << 0 << "outside 0 to 255; the register keeps"
            << "44";
        QTest::newRow("option text with a 2") << en << QByteArray("DEPTDATA") << deptWith(4, "00000201") << 4
                                              << "not eight characters 0 or 1; the register keeps"
                                              << "00000101";
        QTest::newRow("tax rate with seven digits")
            << en << QByteArray("TAXDATA") << QStringList { "1", "VAT", "12345.67", "00000011" } << 2
            << "more than 9999.99; the register keeps"
            << "2345.67";
        QTest::newRow("discount limit with nine digits")
            << en << QByteArray("DISCDATA") << QStringList { "2", "STAFF", "10", "1000000" } << 3
            << "more than 999999.99; the register keeps"
            << "0.00";
        QTest::newRow("group maximum above a word")
            << en << QByteArray("GROUPDATA") << QStringList { "1", "DRINKS", "70000" } << 2
            << "outside 0 to 65535; the register keeps"
            << "4464";
        QTest::newRow("group maximum with decimals")
            << en << QByteArray("GROUPDATA") << QStringList { "1", "DRINKS", "500.5" } << 2
            << "not a whole number; the register keeps"
            << "500";
        QTest::newRow("clerk password of seven digits")
            << en << QByteArray("CLERKDATA") << QStringList { "1", "ANNA", "1234567", "00000100" } << 2
            << "more than 999999; the register keeps"
            << "234567";
        QTest::newRow("clerk password that is no number")
            << en << QByteArray("CLERKDATA") << QStringList { "1", "ANNA", "12a4", "00000100" } << 2
            << "not a number; the register keeps"
            << "";
        QTest::newRow("line number 0") << en << QByteArray("HEADERDATA") << QStringList { "0", "WELCOME" } << 0
                                       << "outside 1 to 8; the register keeps"
                                       << "256";
        QTest::newRow("trailer line of 33 bytes")
            << en << QByteArray("TRAILERDATA") << QStringList { "1", QString(33, 'T') } << 1
            << "33 bytes in UTF-8; the register keeps 32" << QString(32, 'T');
        QTest::newRow("extended header line of 45 bytes")
            << en << QByteArray("EXTHEADERDATA") << QStringList { "1", QString(45, 'E') } << 1
            << "45 bytes in UTF-8; the register keeps 40" << QString(40, 'E');
        QTest::newRow("port above a word")
            << en << QByteArray("NETPARMDATA") << netRow(3, "70000") << 3 << "outside 0 to 65535; the register keeps"
            << "4464";
        QTest::newRow("port that is no number")
            << en << QByteArray("NETPARMDATA") << netRow(5, "http") << 5 << "not a whole number; the register keeps"
            << "0";
        QTest::newRow("address part above 255") << en << QByteArray("NETPARMDATA") << netRow(2, "10.0.0.300") << 2
                                                << "not four numbers from 0 to 255 joined by dots; the register keeps"
                                                << "10.0.0.44";
        QTest::newRow("address of five parts") << en << QByteArray("NETPARMDATA") << netRow(4, "1.2.3.4.5") << 4
                                               << "not four numbers from 0 to 255 joined by dots; the register keeps"
                                               << "0.0.0.0";
        QTest::newRow("key in lower case") << en << QByteArray("NETPARMDATA") << netRow(15, key64().toLower()) << 15
                                           << "lower-case letters; the register keeps"
                                           << "";
        QTest::newRow("key of 16 digits") << en << QByteArray("NETPARMDATA") << netRow(15, key64().left(16)) << 15
                                          << "not 64 hexadecimal digits (0-9, A-F); the register keeps"
                                          << "";
        QTest::newRow("access point name of 8 bytes") << en << QByteArray("NETPARMDATA") << netRow(11, "internet") << 11
                                                      << "8 bytes in UTF-8; the register keeps 7"
                                                      << "interne";

        const QStringList plu { "987650001234", "COFFEE", "3", "2.50", "10" };
        auto pluWith = [&](int column, const QString& cell) {
            QStringList cells = plu;
            cells[column] = cell;
            return cells;
        };
        QTest::newRow("item code of 16 digits") << en << QByteArray("PLUDATA") << pluWith(0, "1234567890123456") << 0
                                                << "more than 99999999999999; the register keeps"
                                                << "34567890123456";
        QTest::newRow("PLU department 0")
            << en << QByteArray("PLUDATA") << pluWith(2, "0") << 2 << "outside 1 to 256; the register keeps"
            << "256";
        QTest::newRow("PLU price of eleven digits") << en << QByteArray("PLUDATA") << pluWith(3, "100000000") << 3
                                                    << "more than 99999999.99; the register keeps"
                                                    << "0.00";
        QTest::newRow("stock with three decimals") << en << QByteArray("PLUDATA") << pluWith(4, "10.125") << 4
                                                   << "3 decimals, the field takes 2; the register keeps"
                                                   << "10.12";

        const QString greek27 = QStringLiteral("ΚΑΦΕΣ ΕΛΛΗΝΙΚΟΣ ΔΙΠΛΟΣ ΜΕΤΡ");
        QTest::newRow("Greek PLU name of 26 bytes")
            << el << QByteArray("PLUDATA") << pluWith(1, greek27.left(26)) << 1
            << "26 bytes in windows-1253; the register keeps 25" << greek27.left(25);
        QTest::newRow("Greek name of 27 bytes")
            << el << QByteArray("DEPTDATA") << deptWith(1, greek27) << 1
            << "27 bytes in windows-1253; the register keeps 25" << greek27.left(25);
        QTest::newRow("Greek name with a letter outside windows-1253")
            << el << QByteArray("DEPTDATA") << deptWith(1, QStringLiteral("ΚΑΦΕΣ TÜRK")) << 1
            << "'Ü' not in windows-1253; the register keeps" << QStringLiteral("ΚΑΦΕΣ T?RK");
        QTest::newRow("Greek decimal comma")
            << el << QByteArray("TAXDATA") << QStringList { "1", QStringLiteral("ΦΠΑ"), "15,5", "00000011" } << 2
            << "not a number; the register keeps"
            << "0.00";
        QTest::newRow("Greek clerk name of 14 bytes")
            << el << QByteArray("CLERKDATA") << QStringList { "1", QStringLiteral("ΑΙΚΑΤΕΡΙΝΗ ΠΑΠ"), "1", "00000000" }
            << 1 << "14 bytes in windows-1253; the register keeps 13" << QStringLiteral("ΑΙΚΑΤΕΡΙΝΗ ΠΑ");
        const QString hebrew26 = QStringLiteral("אבגדהוזחטיכלמנסעפצקרשתאבגד");
        QTest::newRow("Hebrew name of 26 bytes")
            << he << QByteArray("GROUPDATA") << QStringList { "1", hebrew26, "500" } << 1
            << "26 bytes in windows-1255; the register keeps 25" << hebrew26.left(25);
        QTest::newRow("Hebrew name with a Greek letter")
            << he << QByteArray("DEPTDATA") << deptWith(1, QStringLiteral("קפה Ω")) << 1
            << "'Ω' not in windows-1255; the register keeps" << QStringLiteral("קפה ?");
        QTest::newRow("Hebrew name with a sign the register's letters displace")
            << he << QByteArray("DEPTDATA") << deptWith(1, QStringLiteral("€uro")) << 1
            << "'€' not among the register's letters; the register keeps" << QStringLiteral("אuro");
        QTest::newRow("Hebrew trailer of 33 bytes")
            << he << QByteArray("TRAILERDATA") << QStringList { "2", QString(33, QChar(0x05E9)) } << 1
            << "33 bytes in windows-1255; the register keeps 32" << QString(32, QChar(0x05E9));
    }

    void flags()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, type);
        QFETCH(QStringList, cells);
        QFETCH(int, column);
        QFETCH(QString, reason);
        QFETCH(QString, held);
        const LanguageScope scope(language);
        const RecordCodec* codec = codecForType(type);
        QVERIFY(codec);

        const QList<CellFit> fits = codec->checkRow(textRow(cells), 7);
        QCOMPARE(fits.size(), 1);
        QCOMPARE(fits.first().row, 7);
        QCOMPARE(fits.first().column, column);
        QCOMPARE(fits.first().reason, reason);
        QCOMPARE(fits.first().held, held);
        // The check holds what would go out: the same record, decoded as a received one.
        QCOMPARE(fits.first().held, sentAndReadBack(codec, cells, column));
    }

    // Rows that reach the register as they are: the example rows of the codecs, fields filled
    // to the byte, option bit strings, empty optional cells, texts in each code page.
    void noFalseAlarms_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QStringList>("cells");

        const int en = English, el = Greek, he = Hebrew, ar = Arabic, th = Thailand;
        QTest::newRow("department BREAD")
            << en << QByteArray("DEPTDATA")
            << QStringList { "01", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00", "13" };
        QTest::newRow("department as typed")
            << en << QByteArray("DEPTDATA")
            << QStringList { "1", "BREAD", "02", "10000000", "101", "6", "12.5", "99999999.99", "87654321" };
        QTest::newRow("department with empty optional cells")
            << en << QByteArray("DEPTDATA") << QStringList { "02", "", "1", "", "", "", "", "", "" };
        QTest::newRow("department name of 25 bytes")
            << en << QByteArray("DEPTDATA")
            << QStringList { "3", QString(25, 'N'), "256", "00000000", "00000111", "0", "0.29", "19.99", "8" };
        QTest::newRow("tax VAT") << en << QByteArray("TAXDATA") << QStringList { "1", "VAT", "15.5", "00000011" };
        QTest::newRow("tax rate 0.29") << en << QByteArray("TAXDATA") << QStringList { "1", "LOW", "0.29", "00000000" };
        QTest::newRow("discount STAFF") << en << QByteArray("DISCDATA") << QStringList { "2", "STAFF", "10", "50" };
        QTest::newRow("discount full") << en << QByteArray("DISCDATA")
                                       << QStringList { "5", "SUMMER", "9999.99", "999999.99", "00000100", "00000000",
                                              "00100010" };
        QTest::newRow("group DRINKS") << en << QByteArray("GROUPDATA") << QStringList { "1", "DRINKS", "500" };
        QTest::newRow("group maximum 65535") << en << QByteArray("GROUPDATA") << QStringList { "2", "", "65535" };
        QTest::newRow("clerk four digits")
            << en << QByteArray("CLERKDATA") << QStringList { "1", "ANNA", "1234", "00000100" };
        QTest::newRow("clerk without password")
            << en << QByteArray("CLERKDATA") << QStringList { "2", "BOB", "", "10000000" };
        QTest::newRow("clerk password with a leading zero")
            << en << QByteArray("CLERKDATA") << QStringList { "3", "CAROL", "012345", "00000000" };
        QTest::newRow("header WELCOME") << en << QByteArray("HEADERDATA") << QStringList { "3", "WELCOME" };
        QTest::newRow("empty header line") << en << QByteArray("HEADERDATA") << QStringList { "8", "" };
        QTest::newRow("trailer of 32 bytes")
            << en << QByteArray("TRAILERDATA") << QStringList { "1", QString(32, 'T') };
        QTest::newRow("extended header of 40 bytes")
            << en << QByteArray("EXTHEADERDATA") << QStringList { "1", QString(40, 'E') };
        QTest::newRow("PLU COFFEE") << en << QByteArray("PLUDATA")
                                    << QStringList { "987650001234", "COFFEE", "3", "2.50", "10" };
        QTest::newRow("PLU at the field's edges")
            << en << QByteArray("PLUDATA")
            << QStringList { "99999999999999", QString(25, 'P'), "256", "300000.01", "99999999999999.99" };
        QTest::newRow("PLU code with leading zeros")
            << en << QByteArray("PLUDATA") << QStringList { "000123", "TEA", "1", "0", "" };
        QTest::newRow("network parameters") << en << QByteArray("NETPARMDATA") << netRow(-1, QString());
        QTest::newRow("network parameters without key") << en << QByteArray("NETPARMDATA") << netRow(15, QString());
        QTest::newRow("network key of zeros") << en << QByteArray("NETPARMDATA") << netRow(15, QString(64, '0'));
        QTest::newRow("network texts filled") << en << QByteArray("NETPARMDATA") << netRow(10, QString(127, 'u'));
        QTest::newRow("address with leading zeros") << en << QByteArray("NETPARMDATA") << netRow(2, "192.168.001.010");

        QTest::newRow("Greek department")
            << el << QByteArray("DEPTDATA")
            << QStringList { "01", QStringLiteral("ΨΩΜΙ"), "2", "10000000", "00000101", "1", "1.20", "100.00", "1" };
        QTest::newRow("Greek name of 25 bytes")
            << el << QByteArray("DEPTDATA")
            << QStringList { "2", QStringLiteral("ΚΑΦΕΣ ΕΛΛΗΝΙΚΟΣ ΜΕ ΖΑΧΑΡΗ"), "1", "", "", "", "", "", "" };
        QTest::newRow("Greek euro sign") << el << QByteArray("TAXDATA")
                                         << QStringList { "1", QStringLiteral("ΦΠΑ €"), "24", "00000011" };
        QTest::newRow("Greek header") << el << QByteArray("HEADERDATA")
                                      << QStringList { "1", QStringLiteral("ΕΥΧΑΡΙΣΤΟΥΜΕ ΠΟΛΥ") };
        QTest::newRow("Greek PLU") << el << QByteArray("PLUDATA")
                                   << QStringList { "5201234567890", QStringLiteral("ΦΡΕΝΤΟ ΜΕΤΡΙΟΣ"), "2", "3.20",
                                          "24.5" };
        QTest::newRow("Hebrew department")
            << he << QByteArray("DEPTDATA")
            << QStringList { "01", QStringLiteral("קפה"), "2", "10000000", "00000101", "1", "12.50", "100.00", "13" };
        QTest::newRow("Hebrew words with a number")
            << he << QByteArray("TRAILERDATA") << QStringList { "1", QStringLiteral("12 תודה רבה") };
        QTest::newRow("Hebrew clerk") << he << QByteArray("CLERKDATA")
                                      << QStringList { "1", QStringLiteral("דני"), "4321", "00000001" };
        QTest::newRow("Arabic name with one number")
            << ar << QByteArray("GROUPDATA") << QStringList { "1", QStringLiteral("مشروبات 2"), "10" };
        QTest::newRow("Thai name") << th << QByteArray("GROUPDATA")
                                   << QStringList { "1", QStringLiteral("กาแฟ"), "10" };
    }

    void noFalseAlarms()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, type);
        QFETCH(QStringList, cells);
        const LanguageScope scope(language);
        const QList<CellFit> fits = codecForType(type)->checkRow(textRow(cells));
        QStringList messages;
        for (const CellFit& fit : fits)
            messages << QStringLiteral("column %1: %2").arg(fit.column).arg(fit.message());
        QCOMPARE(messages, QStringList());
    }

    void messageEndsWithWhatTheRegisterKeeps()
    {
        const LanguageScope greek(Greek);
        const ItemRow row = textRow({ "1", QStringLiteral("ΚΑΦΕΣ ΕΛΛΗΝΙΚΟΣ ΔΙΠΛΟΣ ΜΕΤΡ"), "1" });
        const QList<CellFit> fits = codecForType("DEPTDATA")->checkRow(row);
        QVERIFY(!fits.isEmpty());
        QCOMPARE(fits.first().message(),
            QStringLiteral("27 bytes in windows-1253; the register keeps 25: ΚΑΦΕΣ ΕΛΛΗΝΙΚΟΣ ΔΙΠΛΟΣ ΜΕ"));
        const CellFit nothing { 0, 2, QStringLiteral("not a number; the register keeps"), QString() };
        QCOMPARE(nothing.message(), QStringLiteral("not a number; the register keeps: nothing"));
    }

    void tableRowsAreNumberedFromZero()
    {
        const ItemTable table { textRow({ "1", "FINE", "1" }), textRow({ "2", "AMOUNT", "1", "", "", "", "1.234" }),
            textRow({ "3", "FINE", "3" }), textRow({ "4", "GROUP", "0", "", "", "", "", "", "9" }) };
        const QList<CellFit> fits = codecForType("DEPTDATA")->checkTable(table);
        QCOMPARE(fits.size(), 3);
        QCOMPARE(fits.at(0).row, 1);
        QCOMPARE(fits.at(0).column, 6);
        QCOMPARE(fits.at(1).row, 3);
        QCOMPARE(fits.at(1).column, 2);
        QCOMPARE(fits.at(2).row, 3);
        QCOMPARE(fits.at(2).column, 8);
    }

    // The register keeps one PLU per code, the last sent: every row before it with the same
    // code (as a number: "0012" is 12), a kept record's too, is named as lost.
    void repeatedCodesAreLost()
    {
        const RecordCodec* codec = codecForType("PLUDATA");
        const ItemTable table { textRow({ "1001", "COFFEE", "1", "2.50", "0" }),
            textRow({ "0012", "TEA", "1", "1", "0" }), textRow({ "1001", "DUPLICATE", "1", "5", "0" }),
            textRow({ "12", "TEA AGAIN", "1", "1", "0" }), textRow({ "7", "KEPT", "1", "1", "0" }) };
        QByteArray kept;
        codec->encodeRow(textRow({ "12", "STORED", "1", "1", "0" }), &kept);
        const QList<QByteArray> records { {}, {}, {}, {}, kept };
        const QList<CellFit> fits = codec->checkTable(table, nullptr, &records);
        QList<int> rows;
        for (const CellFit& fit : fits) {
            QCOMPARE(fit.column, 0);
            rows << fit.row;
        }
        QCOMPARE(rows, QList<int>({ 0, 1, 3 }));
        QCOMPARE(fits.first().message(),
            QStringLiteral("a later row has the same code; of this row the register keeps: nothing"));

        // Departments carry their own number: one per number too. Taxes are numbered by their
        // place, so their Indx cells do not count.
        const auto department = [](const char* name) {
            return textRow({ "2", name, "1", "00000000", "00000000", "1", "1", "1", "1" });
        };
        const QList<CellFit> lost = codecForType("DEPTDATA")->checkTable({ department("DRINK"), department("BAKERY") });
        QCOMPARE(lost.size(), 1);
        QCOMPARE(lost.first().row, 0);
        QCOMPARE(lost.first().message(),
            QStringLiteral("a later row has the same number; of this row the register keeps: nothing"));
        QVERIFY(codecForType("TAXDATA")
                    ->checkTable({ textRow({ "1", "A", "1", "00000000" }), textRow({ "1", "B", "2", "00000000" }) })
                    .isEmpty());
    }

    // Checking the network row reads its record back without making it the current one,
    // which the next send starts from.
    void checkingLeavesTheCurrentNetworkRecord()
    {
        const QByteArray before = NetParm::record();
        QVERIFY(!codecForType("NETPARMDATA")->checkRow(textRow(netRow(2, "1.2.3"))).isEmpty());
        QCOMPARE(NetParm::record(), before);
    }

    void systemParametersHaveNoCells()
    {
        QVERIFY(codecForType("SYSPARMDATA")->checkRow(ItemRow { QByteArray(1, 'x') }).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFitCheck)
#include "tst_fitcheck.moc"
