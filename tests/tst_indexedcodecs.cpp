#include "codecsupport.h"
#include "records/categories.h"
#include "records/clerk.h"
#include "records/disc.h"
#include "records/group.h"
#include "records/tax.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// The tax, discount, group and clerk codecs: records that end with the register's index.
class TestIndexedCodecs : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static const RecordCodec* codec(const QByteArray& type) { return codecForType(type); }
    static QByteArray encode(const QByteArray& type, const QStringList& cells, QByteArray* key = nullptr)
    {
        QByteArray record;
        const QByteArray returned = codec(type)->encodeRow(textRow(cells), &record);
        if (key)
            *key = returned;
        return record;
    }
    // A zero-padded text field.
    static QByteArray field(const char* text, int size) { return QByteArray(text).leftJustified(size, '\0'); }

private slots:
    void categoriesHaveTheirCodecs_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("category");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QByteArray>("kinds");
        QTest::newRow("tax") << QByteArray("TAXDATA") << 4 << QStringList { "Indx", "Name", "Rate", "Options" }
                             << hexBytes("82 01 04 81");
        QTest::newRow("disc") << QByteArray("DISCDATA") << 5
                              << QStringList { "Indx", "Name", "Fixed", "Max", "Tax", "Print", "Options" }
                              << hexBytes("82 01 04 04 81 81 81");
        QTest::newRow("group") << QByteArray("GROUPDATA") << 1 << QStringList { "Indx", "Name", "Max" }
                               << hexBytes("82 01 04");
        QTest::newRow("clerk") << QByteArray("CLERKDATA") << 6 << QStringList { "Indx", "Name", "Passwd", "Options" }
                               << hexBytes("82 01 01 81");
    }

    void categoriesHaveTheirCodecs()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, category);
        QFETCH(QStringList, headers);
        QFETCH(QByteArray, kinds);
        QVERIFY(codec(type));
        QCOMPARE(codecForCategory(category), codec(type));
        codec(type)->initColumns();
        QCOMPARE(currentColumns().headers, headers);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(currentColumns().kinds), 16),
            kinds + QByteArray(16 - kinds.size(), 0));
    }

    // Each row: the cells, the whole record they encode to, and the texts it decodes to
    // when shown with the index 1.
    void records_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("decoded");

        QTest::newRow("tax VAT") << QByteArray("TAXDATA") << QStringList { "1", "VAT", "15.5", "00000011" }
                                 << field("VAT", 13) + hexBytes("50 15 00 03 00")
                                 << QStringList { "1", "VAT", "15.50", "00000011" };
        QTest::newRow("tax rate 0.29") << QByteArray("TAXDATA") << QStringList { "1", "LOW", "0.29", "00000000" }
                                       << field("LOW", 13) + hexBytes("29 00 00 00 00")
                                       << QStringList { "1", "LOW", "0.29", "00000000" };
        QTest::newRow("tax rate of seven digits")
            << QByteArray("TAXDATA") << QStringList { "1", "X", "12345.67", "" }
            << field("X", 13) + hexBytes("67 45 23 00 00") << QStringList { "1", "X", "2345.67", "00000000" };
        QTest::newRow("tax long name") << QByteArray("TAXDATA")
                                       << QStringList { "1", "ABCDEFGHIJKLMNOP", "1", "00010000" }
                                       << QByteArray("ABCDEFGHIJKLM") + hexBytes("00 01 00 10 00")
                                       << QStringList { "1", "ABCDEFGHIJKLM", "1.00", "00010000" };

        QTest::newRow("disc STAFF") << QByteArray("DISCDATA")
                                    << QStringList { "2", "STAFF", "10", "50", "00000100", "00000001", "00100010" }
                                    << hexBytes("01 22 00 10 00 04 00 50 00 00") + field("STAFF", 13)
                + hexBytes("00") << QStringList { "1", "STAFF", "10.00", "50.00", "00000100", "00000001", "00100010" };
        QTest::newRow("disc cut values") << QByteArray("DISCDATA")
                                         << QStringList { "3", "UP", "12345.678", "987654.32", "", "", "" }
                                         << hexBytes("00 00 67 45 23 00 32 54 76 98") + field("UP", 13) + hexBytes("00")
                                         << QStringList { "1", "UP", "2345.67", "987654.32", "00000000", "00000000",
                                                "00000000" };

        QTest::newRow("group DRINKS") << QByteArray("GROUPDATA") << QStringList { "1", "DRINKS", "500" }
                                      << hexBytes("F4 01") + field("DRINKS", 25) + hexBytes("00")
                                      << QStringList { "1", "DRINKS", "500" };
        QTest::newRow("group 70000") << QByteArray("GROUPDATA") << QStringList { "1", "G", "70000" }
                                     << hexBytes("70 11") + field("G", 25) + hexBytes("00")
                                     << QStringList { "1", "G", "4464" };
        QTest::newRow("group real truncated")
            << QByteArray("GROUPDATA") << QStringList { "1", "G", "65535.9" }
            << hexBytes("FF FF") + field("G", 25) + hexBytes("00") << QStringList { "1", "G", "65535" };
        QTest::newRow("group not a number")
            << QByteArray("GROUPDATA") << QStringList { "1", "G", "many" }
            << hexBytes("00 00") + field("G", 25) + hexBytes("00") << QStringList { "1", "G", "0" };

        QTest::newRow("clerk four digits")
            << QByteArray("CLERKDATA") << QStringList { "1", "ANNA", "1234", "00000101" }
            << field("ANNA", 13) + hexBytes("05 34 12 00 00") << QStringList { "1", "ANNA", "1234", "00000101" };
        QTest::newRow("clerk six digits")
            << QByteArray("CLERKDATA") << QStringList { "1", "BO", "987654", "10000000" }
            << field("BO", 13) + hexBytes("80 54 76 98 00") << QStringList { "1", "BO", "987654", "10000000" };
        QTest::newRow("clerk seven digits")
            << QByteArray("CLERKDATA") << QStringList { "1", "CY", "1234567", "" }
            << field("CY", 13) + hexBytes("00 67 45 23 00") << QStringList { "1", "CY", "234567", "00000000" };
        QTest::newRow("clerk leading zeros")
            << QByteArray("CLERKDATA") << QStringList { "1", "DI", "0012", "" }
            << field("DI", 13) + hexBytes("00 12 00 00 00") << QStringList { "1", "DI", "12", "00000000" };
        QTest::newRow("clerk zero password")
            << QByteArray("CLERKDATA") << QStringList { "1", "ED", "0", "" }
            << field("ED", 13) + hexBytes("00 00 00 00 00") << QStringList { "1", "ED", "", "00000000" };
    }

    void records()
    {
        QFETCH(QByteArray, type);
        QFETCH(QStringList, cells);
        QFETCH(QByteArray, record);
        QFETCH(QStringList, decoded);
        const CodecTrip trip = codecTrip(codec(type), textRow(cells), 1);
        QCOMPARE(trip.record, record);
        // The key is the "Indx" text; nothing of it goes into the record.
        QCOMPARE(trip.key, cells.first().toLatin1());
        QCOMPARE(trip.decoded, decoded);
        QCOMPARE(trip.name, decoded.at(1).toLatin1());
    }

    void recordHasItsSizeWhateverTheRow_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("size");
        QTest::newRow("tax") << QByteArray("TAXDATA") << 18;
        QTest::newRow("disc") << QByteArray("DISCDATA") << 24;
        QTest::newRow("group") << QByteArray("GROUPDATA") << 28;
        QTest::newRow("clerk") << QByteArray("CLERKDATA") << 18;
    }

    void recordHasItsSizeWhateverTheRow()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, size);
        QByteArray key = "x";
        QCOMPARE(encode(type, {}, &key), QByteArray(size, 0));
        QVERIFY(key.isEmpty());
        QCOMPARE(encode(type, { "5" }).size(), size);
        const QStringList full { "1", "N", "1", "1", "00000001", "00000001", "00000001" };
        QCOMPARE(encode(type, full + QStringList { "more", "cells" }), encode(type, full));
        // A short received record is read as if zero-filled: index 0, no name.
        ItemRow r;
        QCOMPARE(codec(type)->decodeRecord(QByteArray(3, 0), &r), QByteArray());
        QCOMPARE(r.first().toString(), QStringLiteral("0"));
        QCOMPARE(int(r.size()), int(codec(type)->columns().size()));
    }

    void receivedAndLoadedIndex_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("own");
        QTest::newRow("tax") << QByteArray("TAXDATA") << QStringList { "1", "VAT", "5", "00000001" } << 3;
        QTest::newRow("disc") << QByteArray("DISCDATA") << QStringList { "1", "D", "1", "2", "", "", "" } << 5;
        QTest::newRow("group") << QByteArray("GROUPDATA") << QStringList { "1", "G", "10" } << 4;
        QTest::newRow("clerk") << QByteArray("CLERKDATA") << QStringList { "1", "C", "11", "" } << 2;
        QTest::newRow("negative own index") << QByteArray("TAXDATA") << QStringList { "1", "VAT", "5", "" } << -128;
    }

    void receivedAndLoadedIndex()
    {
        QFETCH(QByteArray, type);
        QFETCH(QStringList, cells);
        QFETCH(int, own);
        const RecordCodec* c = codec(type);
        QByteArray record = encode(type, cells);
        QCOMPARE(record.at(record.size() - 1), char(0));
        record[record.size() - 1] = char(own);
        ItemRow received;
        c->decodeRecord(record, &received);
        QCOMPARE(received.first().toString(), QString::number(own));
        ItemRow loaded;
        c->decodeRecord(record.left(c->storedSize()), &loaded, 2);
        QCOMPARE(loaded.first().toString(), QStringLiteral("2"));
        QCOMPARE(rowTexts(loaded).mid(1), rowTexts(received).mid(1));
    }

    // Rows are stored under their "Indx" text with their name, without the index byte;
    // loaded, they show their row numbers.
    void saveAndLoad_data() { receivedAndLoadedIndex_data(); }

    void saveAndLoad()
    {
        QFETCH(QByteArray, type);
        QFETCH(QStringList, cells);
        static int serial = 0;
        createDatabase(m_dir.filePath(QStringLiteral("codecs%1.db").arg(++serial)));
        const RecordCodec* c = codec(type);
        ItemTable table;
        for (const char* index : { "7", "3", "-2" }) {
            QStringList r = cells;
            r[0] = QString::fromLatin1(index);
            r[1] = r[1] + QString::fromLatin1(index);
            table << textRow(r);
        }
        QVERIFY(c->saveTable(table));

        QStringList stored;
        {
            QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
            QVERIFY(query.exec(QStringLiteral("select itemRandom, itemName, itemData from %1")
                                   .arg(QLatin1String(c->category().table))));
            while (query.next()) {
                QCOMPARE(query.value(2).toByteArray().size(), c->storedSize());
                stored << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
            }
        }
        QCOMPARE(stored, (QStringList { "7:" + cells[1] + "7", "3:" + cells[1] + "3", "-2:" + cells[1] + "-2" }));

        ItemTable loaded;
        QVERIFY(c->loadTable(&loaded));
        QCOMPARE(loaded.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(loaded.at(i).first().toString(), QString::number(i + 1));
            QByteArray record;
            c->encodeRow(table.at(i), &record);
            ItemRow expected;
            c->decodeRecord(record, &expected, i + 1);
            QCOMPARE(loaded.at(i), expected);
        }
        QCOMPARE(currentColumns().headers, c->headers());
    }

    void registerTextConversion()
    {
        const LanguageScope hebrew(Hebrew);
        const QString name = QStringLiteral("קבוצה");
        const QByteArray local = hexBytes("F7 E1 E5 F6 E4"); // the display language's code page
        const QByteArray reordered = hexBytes("84 96 85 81 97");
        const QByteArray tax = encode("TAXDATA", { "1", name, "1", "" });
        const QByteArray disc = encode("DISCDATA", { "1", name, "1", "1", "", "", "" });
        const QByteArray group = encode("GROUPDATA", { "1", name, "1" });
        const QByteArray clerk = encode("CLERKDATA", { "1", name, "1", "" });
        QCOMPARE(tax.left(5), reordered);
        QCOMPARE(disc.mid(10, 5), reordered);
        QCOMPARE(group.mid(2, 5), reordered);
        // Clerk names keep the code page's bytes, in typing order.
        QCOMPARE(clerk.left(5), local);
        for (const auto& [type, record] : { std::pair { "TAXDATA", tax }, std::pair { "DISCDATA", disc },
                 std::pair { "GROUPDATA", group }, std::pair { "CLERKDATA", clerk } }) {
            ItemRow r;
            codec(type)->decodeRecord(record, &r, 1);
            QCOMPARE(r.at(1).toString(), name);
        }
    }

    void menuEntries_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("tax options") << QByteArray("TAXDATA") << 3
                                     << QStringList { "TAX ADD", "PRINT VAT", "PRINT ZERO", "GST TAX", "PRINT TAX" };
        QTest::newRow("tax rate") << QByteArray("TAXDATA") << 2 << QStringList();
        QTest::newRow("disc tax") << QByteArray("DISCDATA") << 4
                                  << QStringList { "TAX A", "TAX B", "TAX C", "TAX D", "TAX E" };
        QTest::newRow("disc options") << QByteArray("DISCDATA") << 6
                                      << QStringList { "FIXED", "FREE", "FIX/FREE", "PRINT DISC", "DISC 1", "DISC 2" };
        QTest::newRow("disc print") << QByteArray("DISCDATA") << 5 << QStringList();
        QTest::newRow("clerk options") << QByteArray("CLERKDATA") << 3
                                       << QStringList { "VOID", "CANCEL", "REFUND", "%DISCOUNT", "%SURCHARGE",
                                              "NET DIS/SURCH", "" };
        QTest::newRow("clerk password") << QByteArray("CLERKDATA") << 2 << QStringList();
        QTest::newRow("group max") << QByteArray("GROUPDATA") << 2 << QStringList();
    }

    void menuEntries()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, column);
        QFETCH(QStringList, entries);
        QCOMPARE(codec(type)->optionMenuEntries(column), entries);
    }

    void menuStates_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QByteArray>("states");
        QTest::newRow("tax") << QByteArray("TAXDATA") << 3 << "00010011" << hexBytes("01 01 00 00 01 00 00 00");
        QTest::newRow("tax unnamed bits") << QByteArray("TAXDATA") << 3 << "11100000" << QByteArray(8, 0);
        QTest::newRow("disc tax") << QByteArray("DISCDATA") << 4 << "00000100" << hexBytes("00 00 01 00 00 00 00 00");
        QTest::newRow("disc tax F") << QByteArray("DISCDATA") << 4 << "00100000" << QByteArray(8, 0);
        QTest::newRow("disc 00000000 is FIXED")
            << QByteArray("DISCDATA") << 6 << "00000000" << hexBytes("01 00 00 00 00 00 00 00");
        QTest::newRow("disc empty is FIXED")
            << QByteArray("DISCDATA") << 6 << "" << hexBytes("01 00 00 00 00 00 00 00");
        QTest::newRow("disc fixed, print")
            << QByteArray("DISCDATA") << 6 << "00100000" << hexBytes("01 00 00 01 00 00 00 00");
        QTest::newRow("disc free") << QByteArray("DISCDATA") << 6 << "00000001" << hexBytes("00 01 00 00 00 00 00 00");
        QTest::newRow("disc fix/free") << QByteArray("DISCDATA") << 6 << "00000010"
                                       << hexBytes("00 00 01 00 00 00 00 00");
        QTest::newRow("disc both type bits")
            << QByteArray("DISCDATA") << 6 << "00000011" << hexBytes("00 01 00 00 00 00 00 00");
        QTest::newRow("disc 1 and 2") << QByteArray("DISCDATA") << 6 << "11000010"
                                      << hexBytes("00 00 01 00 01 01 00 00");
        QTest::newRow("disc unoffered bits")
            << QByteArray("DISCDATA") << 6 << "00011100" << hexBytes("01 00 00 00 00 00 00 00");
        QTest::newRow("disc print column") << QByteArray("DISCDATA") << 5 << "11111111" << QByteArray(8, 0);
        QTest::newRow("clerk") << QByteArray("CLERKDATA") << 3 << "10000101" << hexBytes("01 01 00 00 00 00 01 00");
        QTest::newRow("clerk correct") << QByteArray("CLERKDATA") << 3 << "00000010" << QByteArray(8, 0);
        QTest::newRow("clerk password column") << QByteArray("CLERKDATA") << 2 << "00000001" << QByteArray(8, 0);
    }

    void menuStates()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(QByteArray, states);
        QCOMPARE(codec(type)->optionStates(cell, column), states);
    }

    // Each row applies one menu entry (numbered among the offered ones, from 1).
    void applyOption_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("result");

        QTest::newRow("disc FREE") << QByteArray("DISCDATA") << 6 << "00100000" << 2 << true << "00100001";
        QTest::newRow("disc FIX/FREE") << QByteArray("DISCDATA") << 6 << "00100001" << 3 << true << "00100010";
        QTest::newRow("disc FIXED") << QByteArray("DISCDATA") << 6 << "00100010" << 1 << true << "00100000";
        QTest::newRow("disc un-choosing FIXED")
            << QByteArray("DISCDATA") << 6 << "00100000" << 1 << false << "00100000";
        QTest::newRow("disc un-choosing FREE") << QByteArray("DISCDATA") << 6 << "00000001" << 2 << false << "00000001";
        QTest::newRow("disc PRINT DISC is entry 4")
            << QByteArray("DISCDATA") << 6 << "00000000" << 4 << true << "00100000";
        QTest::newRow("disc PRINT DISC off") << QByteArray("DISCDATA") << 6 << "00100010" << 4 << false << "00000010";
        QTest::newRow("disc DISC 2 on empty") << QByteArray("DISCDATA") << 6 << "" << 6 << true << "10000000";
        QTest::newRow("disc no seventh entry") << QByteArray("DISCDATA") << 6 << "00000001" << 7 << true << "00000001";
        QTest::newRow("disc TAX C, one tax") << QByteArray("DISCDATA") << 4 << "00000011" << 3 << true << "00000100";
        QTest::newRow("disc TAX C off") << QByteArray("DISCDATA") << 4 << "00000100" << 3 << false << "00000000";
        QTest::newRow("disc TAX A on empty") << QByteArray("DISCDATA") << 4 << "" << 1 << true << "00000001";
        QTest::newRow("disc no sixth tax") << QByteArray("DISCDATA") << 4 << "00000011" << 6 << true << "00000011";
        QTest::newRow("disc column without a menu") << QByteArray("DISCDATA") << 1 << "00000011" << 1 << true << "00000011";

        QTest::newRow("tax TAX ADD") << QByteArray("TAXDATA") << 3 << "" << 1 << true << "00000001";
        QTest::newRow("tax PRINT TAX") << QByteArray("TAXDATA") << 3 << "00000001" << 5 << true << "00010001";
        QTest::newRow("tax PRINT VAT off") << QByteArray("TAXDATA") << 3 << "00000011" << 2 << false << "00000001";
        QTest::newRow("tax no sixth entry") << QByteArray("TAXDATA") << 3 << "00000011" << 6 << true << "00000011";

        QTest::newRow("clerk CANCEL is entry 2") << QByteArray("CLERKDATA") << 3 << "" << 2 << true << "00000100";
        QTest::newRow("clerk empty entry is bit 7") << QByteArray("CLERKDATA") << 3 << "" << 7 << true << "10000000";
        QTest::newRow("clerk VOID off") << QByteArray("CLERKDATA") << 3 << "00000101" << 1 << false << "00000100";
        QTest::newRow("clerk no eighth entry") << QByteArray("CLERKDATA") << 3 << "00000101" << 8 << true << "00000101";

        QTest::newRow("group has no menu") << QByteArray("GROUPDATA") << 2 << "500" << 1 << true << "500";
    }

    void applyOption()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(int, entry);
        QFETCH(bool, checked);
        QFETCH(QString, result);
        QCOMPARE(codec(type)->applyOption(cell, column, entry, checked), result);
    }
};

QTEST_GUILESS_MAIN(TestIndexedCodecs)
#include "tst_indexedcodecs.moc"
