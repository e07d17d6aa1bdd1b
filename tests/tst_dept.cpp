#include "codecsupport.h"
#include "records/dept.h"
#include "records/translation.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestDept : public QObject {
    Q_OBJECT

private:
    const Dept* dept = Dept::instance();
    QTemporaryDir m_dir;

    QByteArray encode(const QStringList& cells) const { return encoded(dept, cells); }
    static const QStringList& bread()
    {
        static const QStringList cells { "01", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00", "13" };
        return cells;
    }

private slots:
    void columns()
    {
        dept->initColumns();
        const ColumnDescription& columns = currentColumns();
        QCOMPARE(columns.headers,
            (QStringList { "Indx", "Name", "Group", "Print", "Options", "Tax", "Price", "PriceMax", "Kp" }));
        const quint8 kinds[16] = { 0x82, 0x01, 0x02, 0x81, 0x81, 0x02, 0x04, 0x04, 0x00 };
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(columns.kinds), 16),
            QByteArray(reinterpret_cast<const char*>(kinds), 16));
    }

    void breadRow()
    {
        const CodecTrip trip = codecTrip(dept, textRow(bread()));
        const QByteArray& record = trip.record;
        QCOMPARE(trip.key, QByteArray("BREAD"));
        QCOMPARE(record.size(), 47);
        QCOMPARE(uchar(record.at(0)), uchar(1));
        QCOMPARE(record.mid(1, 6), QByteArray(6, 0));
        QCOMPARE(record.mid(7, 25), QByteArray("BREAD") + QByteArray(20, 0));
        QCOMPARE(record.mid(32, 5), hexBytes("01 80 05 01 05"));
        QCOMPARE(record.mid(37, 5), hexBytes("50 12 00 00 00"));
        QCOMPARE(record.mid(42, 5), hexBytes("00 00 01 00 00"));

        QCOMPARE(trip.name, QByteArray("BREAD"));
        QStringList expected = bread();
        expected[8] = QStringLiteral("31");
        QCOMPARE(trip.decoded, expected);
    }

    void fieldRules_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("group 0") << 2 << "0" << 32 << hexBytes("FF") << "256";
        QTest::newRow("group not a number") << 2 << "x" << 32 << hexBytes("FF") << "256";
        QTest::newRow("group 256") << 2 << "256" << 32 << hexBytes("FF") << "256";
        QTest::newRow("tax 7") << 5 << "7" << 35 << hexBytes("00") << "0";
        QTest::newRow("tax 0") << 5 << "0" << 35 << hexBytes("00") << "0";
        QTest::newRow("tax 6") << 5 << "6" << 35 << hexBytes("20") << "6";
        QTest::newRow("price 19.99") << 6 << "19.99" << 37 << hexBytes("99 19 00 00 00") << "19.99";
        QTest::newRow("price 12.345") << 6 << "12.345" << 37 << hexBytes("34 12 00 00 00") << "12.34";
        QTest::newRow("price of ten digits") << 6 << "87654321.09" << 37 << hexBytes("09 21 43 65 87") << "87654321.09";
        QTest::newRow("price over ten digits") << 7 << "987654321.09" << 42 << hexBytes("09 21 43 65 87") << "87654321.09";
        QTest::newRow("price not a number") << 6 << "abc" << 37 << hexBytes("00 00 00 00 00") << "0.00";
        QTest::newRow("kitchen printers") << 8 << "8x21" << 36 << hexBytes("83") << "821";
        QTest::newRow("short option text") << 4 << "101" << 34 << hexBytes("05") << "00000101";
        // 13 two-byte letters in a 25-byte name (UTF-8): the thirteenth does not go in half.
        QTest::newRow("name cut between letters")
            << 1 << QString(13, QChar(0x0391)) << 7 << QByteArray("\xCE\x91").repeated(12) + '\0'
            << QString(12, QChar(0x0391));
    }

    void fieldRules()
    {
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, decoded);
        QStringList cells = bread();
        cells[column] = cell;
        const CodecTrip trip = codecTrip(dept, textRow(cells));
        QCOMPARE(trip.record.mid(offset, bytes.size()), bytes);
        QCOMPARE(trip.decoded.at(column), decoded);
    }

    void storedTaxBitDecodes()
    {
        QByteArray record(47, 0);
        record[35] = char(0x40);
        ItemRow r;
        dept->decodeRecord(record, &r);
        QCOMPARE(r.at(5).toString(), QStringLiteral("7"));
        record[35] = char(0x0C);
        dept->decodeRecord(record, &r);
        QCOMPARE(r.at(5).toString(), QStringLiteral("3"));
        // A blank price limit reads 0.00.
        record[46] = char(0xFF);
        record[45] = char(0x12);
        dept->decodeRecord(record, &r);
        QCOMPARE(r.at(7).toString(), QStringLiteral("0.00"));
    }

    void recordHasItsSizeWhateverTheRow()
    {
        QCOMPARE(encode({}), QByteArray(47, 0));
        QCOMPARE(encode({ "3" }).size(), 47);
        QStringList extra = bread();
        extra << "more" << "cells";
        QCOMPARE(encode(extra), encode(bread()));
        QStringList longName = bread();
        longName[1] = QString(40, QLatin1Char('N'));
        const QByteArray record = encode(longName);
        QCOMPARE(record.mid(7, 25), QByteArray(25, 'N'));
        QCOMPARE(uchar(record.at(32)), uchar(1));
        ItemRow r;
        QCOMPARE(dept->decodeRecord(record, &r), QByteArray(25, 'N'));
    }

    void shortRecordsAreReadFromAFullCopy()
    {
        const QByteArray full = encode(bread());
        for (int size : { 0, 1, 10, 33, 46 }) {
            ItemRow r;
            dept->decodeRecord(full.left(size), &r);
            QCOMPARE(r.size(), 9);
            QCOMPARE(r.at(6).toString(), size > 41 ? QStringLiteral("12.50") : QStringLiteral("0.00"));
        }
        ItemRow r;
        dept->decodeRecord(full.left(33), &r);
        QCOMPARE(r.at(1).toString(), QStringLiteral("BREAD"));
        QCOMPARE(r.at(2).toString(), QStringLiteral("2"));
        QCOMPARE(r.at(3).toString(), QStringLiteral("00000000"));
    }

    void hebrewName()
    {
        const LanguageScope hebrew(Hebrew);
        QStringList cells = bread();
        cells[1] = QStringLiteral("קבוצה");
        const QByteArray record = encode(cells);
        QCOMPARE(record.mid(7, 6), hexBytes("84 96 85 81 97 00"));
        ItemRow r;
        dept->decodeRecord(record, &r);
        QCOMPARE(r.at(1).toString(), QStringLiteral("קבוצה"));
    }

    void optionMenus()
    {
        QCOMPARE(dept->optionMenuEntries(3), QStringList(QStringLiteral("ACTIVE")));
        QCOMPARE(dept->optionMenuEntries(4), (QStringList { "PRICE NEGATIVE", "ZERO PRICE", "TICKET SIGNLE" }));
        QVERIFY(dept->optionMenuEntries(2).isEmpty());
        QCOMPARE(dept->optionStates(QStringLiteral("00000101"), 4), hexBytes("01 00 01 00 00 00 00 00"));
        QCOMPARE(dept->optionStates(QStringLiteral("10000000"), 3), hexBytes("01 00 00 00 00 00 00 00"));
        QCOMPARE(dept->optionStates(QStringLiteral("01111111"), 3), QByteArray(8, 0));
        QCOMPARE(dept->optionStates(QStringLiteral("00000110"), 5), QByteArray(8, 0));
    }

    void applyOptionSequences()
    {
        // Column 4 holds the options, column 3 the print bits; other columns have no menu.
        QString cell = dept->applyOption(QString(), 4, 2, true);
        QCOMPARE(cell, QStringLiteral("00000010"));
        cell = dept->applyOption(cell, 4, 3, true);
        QCOMPARE(cell, QStringLiteral("00000110"));
        cell = dept->applyOption(cell, 4, 2, false);
        QCOMPARE(cell, QStringLiteral("00000100"));
        QCOMPARE(dept->applyOption(cell, 4, 4, true), cell);

        QCOMPARE(dept->applyOption(QString(), 3, 1, true), QStringLiteral("10000000"));
        QCOMPARE(dept->applyOption(QStringLiteral("10000001"), 3, 1, false), QStringLiteral("00000001"));
        QCOMPARE(dept->applyOption(QStringLiteral("1"), 3, 1, true), QStringLiteral("10000001"));
        QCOMPARE(dept->applyOption(QStringLiteral("00000001"), 5, 1, true), QStringLiteral("00000001"));
    }

    void saveAndLoad()
    {
        createDatabase(m_dir.filePath(QStringLiteral("dept.db")));
        ItemTable table;
        for (int i = 1; i <= 3; ++i) {
            QStringList cells = bread();
            cells[0] = QString::number(i);
            cells[1] = QStringLiteral("ITEM%1").arg(i);
            table << textRow(cells);
        }
        QVERIFY(dept->saveTable(table));
        ItemTable loaded;
        QVERIFY(dept->loadTable(&loaded));
        QCOMPARE(loaded.size(), 3);
        QCOMPARE(loaded.at(2).at(0).toString(), QStringLiteral("03"));
        QCOMPARE(loaded.at(1).at(1).toString(), QStringLiteral("ITEM2"));
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &records));
        QCOMPARE(records.at(0), encode(rowTexts(table.at(0))));

        currentDatabasePath.clear();
        NoticeRecorder notices;
        QVERIFY(!dept->loadTable(&loaded));
        QVERIFY(loaded.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDept)
#include "tst_dept.moc"
