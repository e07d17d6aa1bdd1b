#include "codecsupport.h"
#include "link/protocol.h"
#include "records/categories.h"
#include "records/plu.h"
#include "records/translation.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestPlu : public QObject {
    Q_OBJECT

private:
    const Plu* plu = Plu::instance();
    QTemporaryDir m_dir;

    QByteArray encode(const QStringList& cells) const { return encoded(plu, cells); }
    QStringList decode(const QByteArray& record) const { return decoded(plu, record); }
    static const QStringList& coffee()
    {
        static const QStringList cells { "987650001234", "COFFEE", "3", "2.50", "10" };
        return cells;
    }

private slots:
    void columnsAndCategory()
    {
        plu->initColumns();
        const ColumnDescription& columns = currentColumns();
        QCOMPARE(columns.headers, (QStringList { "Random", "Name", "Dept", "Price", "Stock+" }));
        const quint8 kinds[16] = { 0x88, 0x01, 0x02, 0x04, 0x04 };
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(columns.kinds), 16),
            QByteArray(reinterpret_cast<const char*>(kinds), 16));
        QCOMPARE(rowTexts(Plu::headerRow()), (QStringList { "Random", "Name", "Dept", "Price", "Stock+" }));
        QCOMPARE(codecForType("PLUDATA"), static_cast<const RecordCodec*>(plu));
        QCOMPARE(codecForCategory(CategoryPlu), static_cast<const RecordCodec*>(plu));
        QCOMPARE(plu->recordSize(), 72);
    }

    void coffeeRow()
    {
        const CodecTrip trip = codecTrip(plu, textRow(coffee()));
        QCOMPARE(trip.key, QByteArray("987650001234"));
        QCOMPARE(trip.record.size(), 72);
        QByteArray expected(72, 0);
        expected.replace(0, 7, hexBytes("34 12 00 50 76 98 00"));
        expected.replace(7, 6, "COFFEE");
        expected[34] = 2;
        expected.replace(36, 5, hexBytes("50 02 00 00 00"));
        expected[63] = 2;
        expected.replace(64, 8, hexBytes("00 10 00 00 00 00 00 00"));
        QCOMPARE(trip.record, expected);
        QCOMPARE(trip.name, QByteArray("COFFEE"));
        QCOMPARE(trip.decoded, (QStringList { "987650001234", "COFFEE", "3", "2.50", "10.00" }));
    }

    void fieldRules_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("code of 16 digits") << 0 << "1234567890123456" << 0 << hexBytes("56 34 12 90 78 56 34")
                                           << "34567890123456";
        QTest::newRow("code of 14 digits") << 0 << "99999999999999" << 0 << hexBytes("99 99 99 99 99 99 99")
                                           << "99999999999999";
        QTest::newRow("code of one digit") << 0 << "7" << 0 << hexBytes("07 00 00 00 00 00 00") << "7";
        QTest::newRow("code with leading zeros") << 0 << "00012" << 0 << hexBytes("12 00 00 00 00 00 00") << "12";
        QTest::newRow("code zero") << 0 << "0" << 0 << QByteArray(7, 0) << "";
        QTest::newRow("code not a number") << 0 << "abc" << 0 << QByteArray(7, 0) << "";
        QTest::newRow("dept 1") << 2 << "1" << 34 << hexBytes("00") << "1";
        QTest::newRow("dept 0") << 2 << "0" << 34 << hexBytes("FF") << "256";
        QTest::newRow("dept not a number") << 2 << "x" << 34 << hexBytes("FF") << "256";
        QTest::newRow("dept 255") << 2 << "255" << 34 << hexBytes("FE") << "255";
        QTest::newRow("price 0.29") << 3 << "0.29" << 36 << hexBytes("29 00 00 00 00") << "0.29";
        QTest::newRow("price 1.15") << 3 << "1.15" << 36 << hexBytes("15 01 00 00 00") << "1.15";
        QTest::newRow("price 4.35") << 3 << "4.35" << 36 << hexBytes("35 04 00 00 00") << "4.35";
        QTest::newRow("price 19.99") << 3 << "19.99" << 36 << hexBytes("99 19 00 00 00") << "19.99";
        QTest::newRow("price 12.345") << 3 << "12.345" << 36 << hexBytes("34 12 00 00 00") << "12.34";
        QTest::newRow("price 300000.01") << 3 << "300000.01" << 36 << hexBytes("01 00 00 30 00") << "300000.01";
        QTest::newRow("price 99999999.99") << 3 << "99999999.99" << 36 << hexBytes("99 99 99 99 99") << "99999999.99";
        QTest::newRow("price over ten digits") << 3 << "123456789012.34" << 36 << hexBytes("34 12 90 78 56")
                                               << "56789012.34";
        QTest::newRow("price as a real") << 3 << "2.5e3" << 36 << hexBytes("00 00 25 00 00") << "2500.00";
        QTest::newRow("price not a number") << 3 << "abc" << 36 << QByteArray(5, 0) << "0.00";
        QTest::newRow("stock 0.29") << 4 << "0.29" << 63 << hexBytes("02 29 00 00 00 00 00 00 00") << "0.29";
        QTest::newRow("stock of 16 digits") << 4 << "99999999999999.99" << 64 << QByteArray(8, char(0x99))
                                            << "99999999999999.99";
        QTest::newRow("stock over 16 digits") << 4 << "123456789012345678.9" << 64
                                              << hexBytes("90 78 56 34 12 90 78 56") << "56789012345678.90";
        QTest::newRow("stock of 26 digits") << 4 << "123456789012345678901234.5" << 64
                                            << hexBytes("50 34 12 90 78 56 34 12") << "12345678901234.50";
        QTest::newRow("stock not a number") << 4 << "" << 63 << hexBytes("02 00 00 00 00 00 00 00 00") << "0.00";
    }

    void fieldRules()
    {
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, decoded);
        QStringList cells = coffee();
        cells[column] = cell;
        const CodecTrip trip = codecTrip(plu, textRow(cells));
        QCOMPARE(trip.record.mid(offset, bytes.size()), bytes);
        QCOMPARE(trip.decoded.at(column), decoded);
    }

    void stockFollowsItsDecimals_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("stock");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("3 decimals") << 3 << hexBytes("45 23 01") << "12.35";
        QTest::newRow("3 decimals, rounded down") << 3 << hexBytes("44 23 01") << "12.34";
        QTest::newRow("3 decimals, whole") << 3 << hexBytes("00 00 10") << "100.00";
        QTest::newRow("2 decimals") << 2 << hexBytes("45 23 01") << "123.45";
        QTest::newRow("no decimals") << 0 << hexBytes("45 23 01") << "12345.00";
        QTest::newRow("16 digits, no decimals") << 0 << QByteArray(8, char(0x99)) << "9999999999999999.00";
        QTest::newRow("far too many decimals") << 0xFF << QByteArray(8, char(0x99)) << "0.00";
        QTest::newRow("blank field") << 3 << hexBytes("45 23 01 00 00 00 00 FF") << "0.00";
    }

    void stockFollowsItsDecimals()
    {
        QFETCH(int, decimals);
        QFETCH(QByteArray, stock);
        QFETCH(QString, decoded);
        QByteArray record = encode(coffee());
        record[63] = char(decimals);
        record.replace(64, 8, stock.leftJustified(8, 0));
        QCOMPARE(decode(record).at(4), decoded);
    }

    void reservedBytesAreZeroAndIgnored()
    {
        QCOMPARE(encode({}), QByteArray(72, 0));
        QStringList longName = coffee();
        longName[1] = QString(40, QLatin1Char('N'));
        QByteArray record = encode(longName);
        QCOMPARE(record.size(), 72);
        QCOMPARE(record.mid(7, 25), QByteArray(25, 'N'));
        QCOMPARE(record.mid(32, 2), QByteArray(2, 0));
        QCOMPARE(record.mid(41, 22), QByteArray(22, 0));
        QCOMPARE(decode(record).at(1), QString(25, QLatin1Char('N')));

        // What the register keeps in its reserved bytes does not show.
        record.replace(32, 2, hexBytes("11 22"));
        record.replace(56, 5, hexBytes("99 99 00 00 00"));
        QCOMPARE(decode(record), decode(encode(longName)));
        // A short record is read as if zero-filled.
        QCOMPARE(decode(record.left(34)), (QStringList { "987650001234", QString(25, QLatin1Char('N')), "1", "0.00", "0.00" }));
    }

    void greekName()
    {
        const LanguageScope greek(Greek);
        QStringList cells = coffee();
        cells[1] = QStringLiteral("ΚΑΦΕΣ");
        const QByteArray record = encode(cells);
        QCOMPARE(record.mid(7, 6), toLocal8(QStringLiteral("ΚΑΦΕΣ")) + QByteArray(1, 0));
        QCOMPARE(decode(record).at(1), QStringLiteral("ΚΑΦΕΣ"));
    }

    void frames_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("delete, only row") << int(CommandDelete) << 0 << hexBytes("04 48 06 00");
        QTest::newRow("update, last of several") << int(CommandUpdate) << 2 << hexBytes("06 48 07 00");
        QTest::newRow("add, first of several") << int(CommandAdd) << 1 << hexBytes("05 48 05 00");
        QTest::newRow("install, only row") << int(CommandInstall) << 0 << hexBytes("04 48 05 00");
    }

    void frames()
    {
        QFETCH(int, command);
        QFETCH(int, sequence);
        QFETCH(QByteArray, head);
        QByteArray frame;
        const ItemRow cells = textRow(coffee());
        QCOMPARE(packRecord("PLUDATA", &cells, sequence, &frame, QByteArray(), quint8(command)),
            QByteArray("987650001234"));
        QCOMPARE(frame.size(), 78);
        QCOMPARE(frame.left(4), head);
        QCOMPARE(frame.mid(4, 72), encode(coffee()));
        const quint16 crc = translation::crc16(frame.constData(), 76);
        QCOMPARE(frame.right(2), QByteArray(1, char(crc & 0xFF)) + char(crc >> 8));
    }

    void saveAndLoadUnderTheCode()
    {
        createDatabase(m_dir.filePath(QStringLiteral("plu.db")));
        ItemTable table;
        for (const char* code : { "30", "4", "98765432109876" }) {
            QStringList cells = coffee();
            cells[0] = QLatin1String(code);
            cells[1] = QStringLiteral("ITEM%1").arg(QLatin1String(code));
            table << textRow(cells);
        }
        QVERIFY(plu->saveTable(table));

        QStringList stored;
        {
            QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
            QVERIFY(query.exec(QStringLiteral("select itemRandom, itemName from table_plu")));
            while (query.next())
                stored << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
        }
        QCOMPARE(stored, (QStringList { "30:ITEM30", "4:ITEM4", "98765432109876:ITEM98765432109876" }));

        ItemTable loaded;
        QVERIFY(plu->loadTable(&loaded));
        QCOMPARE(loaded.size(), 3);
        QCOMPARE(rowTexts(loaded.at(2)), (QStringList { "98765432109876", "ITEM98765432109876", "3", "2.50", "10.00" }));
        QCOMPARE(currentColumns().headers.first(), QStringLiteral("Random"));

        currentDatabasePath.clear();
        NoticeRecorder notices;
        QVERIFY(!plu->loadTable(&loaded));
        QVERIFY(loaded.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlu)
#include "tst_plu.moc"
