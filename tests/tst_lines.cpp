#include "codecsupport.h"
#include "records/lines.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

Q_DECLARE_METATYPE(const LineCodec*)

class TestLines : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QByteArray encode(const LineCodec* codec, const ItemRow& row, QByteArray* name = nullptr)
    {
        QByteArray record;
        const QByteArray returned = codec->encodeRow(row, &record);
        if (name)
            *name = returned;
        return record;
    }

    static void addBlocks()
    {
        QTest::addColumn<const LineCodec*>("codec");
        QTest::addColumn<int>("size");
        QTest::newRow("header") << static_cast<const LineCodec*>(Header::instance()) << 35;
        QTest::newRow("extheader") << static_cast<const LineCodec*>(EXTHeader::instance()) << 43;
        QTest::newRow("trailer") << static_cast<const LineCodec*>(Trailer::instance()) << 35;
    }

private slots:
    void columns_data()
    {
        QTest::addColumn<const LineCodec*>("codec");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QByteArray>("typeName");
        QTest::newRow("header") << static_cast<const LineCodec*>(Header::instance()) << "Header"
                                << QByteArray("HEADERDATA");
        QTest::newRow("extheader") << static_cast<const LineCodec*>(EXTHeader::instance()) << "EXTHeader"
                                   << QByteArray("EXTHEADERDATA");
        QTest::newRow("trailer") << static_cast<const LineCodec*>(Trailer::instance()) << "Trailer"
                                 << QByteArray("TRAILERDATA");
    }

    void columns()
    {
        QFETCH(const LineCodec*, codec);
        QFETCH(QString, header);
        QFETCH(QByteArray, typeName);
        QCOMPARE(codecForType(typeName), codec);
        codec->initColumns();
        QCOMPARE(currentColumns().headers, (QStringList { "Indx", header }));
        QByteArray kinds(16, 0);
        kinds[0] = char(0x82);
        kinds[1] = char(0x01);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(currentColumns().kinds), 16), kinds);
    }

    void welcome()
    {
        QByteArray name;
        const QByteArray record = encode(Header::instance(), { "3", "WELCOME" }, &name);
        QCOMPARE(name, QByteArray("herder"));
        QCOMPARE(record, hexBytes("02") + QByteArray("WELCOME") + QByteArray(27, 0));

        LogCapture log;
        ItemRow row;
        QCOMPARE(Header::instance()->decodeRecord(record, &row), QByteArray("header"));
        QCOMPARE(row, (ItemRow { "3", "WELCOME" }));
        QVERIFY(log.contains(QStringLiteral("Header::DataConvert")));
    }

    void longTexts_data()
    {
        QTest::addColumn<const LineCodec*>("codec");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("kept");
        QTest::newRow("32-byte trailer") << static_cast<const LineCodec*>(Trailer::instance()) << 32 << 32;
        QTest::newRow("31-byte header") << static_cast<const LineCodec*>(Header::instance()) << 31 << 31;
        QTest::newRow("40-byte header line is cut") << static_cast<const LineCodec*>(Header::instance()) << 40 << 32;
        QTest::newRow("45-byte extended line") << static_cast<const LineCodec*>(EXTHeader::instance()) << 45 << 40;
        QTest::newRow("40-byte extended line") << static_cast<const LineCodec*>(EXTHeader::instance()) << 40 << 40;
    }

    void longTexts()
    {
        QFETCH(const LineCodec*, codec);
        QFETCH(int, length);
        QFETCH(int, kept);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'A' + i % 26);
        const CodecTrip trip = codecTrip(codec, { "8", text });
        const QByteArray& record = trip.record;
        QCOMPARE(record.size(), codec->recordSize());
        QCOMPARE(uchar(record.at(0)), uchar(7));
        QCOMPARE(record.mid(1, kept), text.left(kept).toLatin1());
        // Whatever follows the text up to the spare byte is zero.
        QCOMPARE(record.mid(1 + kept), QByteArray(codec->recordSize() - 1 - kept, 0));
        QCOMPARE(trip.decoded.at(1), text.left(kept));
    }

    void outOfRangeLine_data()
    {
        QTest::addColumn<const LineCodec*>("codec");
        QTest::addColumn<QString>("message");
        QTest::newRow("header") << static_cast<const LineCodec*>(Header::instance()) << "lines is > HLINES";
        QTest::newRow("extheader") << static_cast<const LineCodec*>(EXTHeader::instance()) << "lines is > HLINES";
        QTest::newRow("trailer") << static_cast<const LineCodec*>(Trailer::instance()) << "lines is > TLINES";
    }

    void outOfRangeLine()
    {
        QFETCH(const LineCodec*, codec);
        QFETCH(QString, message);
        LogCapture log;
        QCOMPARE(encode(codec, { "9", "TOO FAR" }), QByteArray(codec->recordSize(), 0));
        QCOMPARE(log.count(message), 1);
        // The table that holds it is refused before anything is sent.
        const ItemTable table = { { "1", "FIRST" }, { "9", "TOO FAR" } };
        QCOMPARE(codec->sendRefusals(table), QStringList(QStringLiteral("row 2: line number must be 1 to 8")));
    }

    void lineIndexRules_data()
    {
        QTest::addColumn<ItemRow>("row");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("line 0 is index 255") << ItemRow { "0", "X" } << hexBytes("FF 58 00");
        QTest::newRow("not a number is index 255") << ItemRow { "first", "X" } << hexBytes("FF 58 00");
        QTest::newRow("integer cell") << ItemRow { 4, "X" } << hexBytes("03 58 00");
        QTest::newRow("blanks around the number") << ItemRow { " 2 ", "X" } << hexBytes("01 58 00");
        QTest::newRow("one cell leaves zeros") << ItemRow { "5" } << hexBytes("00 00 00");
        QTest::newRow("no cells") << ItemRow {} << hexBytes("00 00 00");
        QTest::newRow("empty text") << ItemRow { "6", "" } << hexBytes("05 00 00");
        QTest::newRow("further cells are ignored") << ItemRow { "1", "X", "more" } << hexBytes("00 58 00");
    }

    void lineIndexRules()
    {
        QFETCH(ItemRow, row);
        QFETCH(QByteArray, start);
        const QByteArray record = encode(Header::instance(), row);
        QCOMPARE(record.size(), 35);
        QCOMPARE(record.left(3), start);
        QCOMPARE(record.mid(3), QByteArray(32, 0));
    }

    void names()
    {
        QCOMPARE(codecTrip(EXTHeader::instance(), { "2", "X" }).key, QByteArray("extherder"));
        QCOMPARE(codecTrip(Header::instance(), { "9", "X" }).key, QByteArray("herder"));
        QCOMPARE(codecTrip(Trailer::instance(), { "6", "X" }).key, QByteArray("trailer6"));

        // A received trailer line numbered by byte 0.
        LogCapture log;
        QByteArray record(35, 0);
        record[0] = char(4);
        record.replace(1, 5, "THANK");
        ItemRow row;
        QCOMPARE(Trailer::instance()->decodeRecord(record, &row), QByteArray("trailer5"));
        QCOMPARE(row, (ItemRow { "5", "THANK" }));
        QVERIFY(!log.contains(QStringLiteral("DataConvert")));
        QCOMPARE(EXTHeader::instance()->decodeRecord(QByteArray(43, 0), &row), QByteArray("extheader"));
        QVERIFY(log.contains(QStringLiteral("EXTHeader::DataConvert")));
        // Byte 0 is read unsigned.
        record[0] = char(0xFF);
        Trailer::instance()->decodeRecord(record, &row);
        QCOMPARE(row.at(0).toString(), QStringLiteral("256"));
    }

    void rightToLeftTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        // "shalom" in windows-1255 is F9 EC E5 ED; the register keeps it recoded and reversed.
        QTest::newRow("Hebrew") << int(Hebrew) << QStringLiteral("שלום") << hexBytes("8D 85 8C 99 00");
        QTest::newRow("Hebrew with a number")
            << int(Hebrew) << QStringLiteral("12 שלום") << hexBytes("31 32 20 8D 85 8C 99 00");
        // Arabic letters stay in logical order; a number keeps its digits.
        QTest::newRow("Arabic") << int(Arabic) << QStringLiteral("تخفيض 12") << hexBytes("CA CE DD ED D6 20 31 32 00");
    }

    void rightToLeftTexts()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        const LanguageScope scope(language);
        for (const LineCodec* codec :
            { static_cast<const LineCodec*>(Header::instance()), static_cast<const LineCodec*>(EXTHeader::instance()),
                static_cast<const LineCodec*>(Trailer::instance()) }) {
            const CodecTrip trip = codecTrip(codec, { "1", text });
            QCOMPARE(trip.record.mid(1, field.size()), field);
            QCOMPARE(trip.decoded.at(1), text);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<ItemTable>("table");
        QTest::addColumn<QStringList>("refusals");
        QTest::newRow("eight good lines") << Header::instance()->emptyTable() << QStringList();
        QTest::newRow("empty table") << ItemTable() << QStringList();
        QTest::newRow("line 9") << ItemTable { { "1", "A" }, { "2", "B" }, { "9", "C" } }
                                << QStringList { "row 3: line number must be 1 to 8" };
        QTest::newRow("line 0 and a word") << ItemTable { { "0", "A" }, { "x", "B" },
            { "8", "C" } } << QStringList { "row 1: line number must be 1 to 8", "row 2: line number must be 1 to 8" };
        QTest::newRow("negative line") << ItemTable { { "-1", "A" } }
                                       << QStringList { "row 1: line number must be 1 to 8" };
        QTest::newRow("row without cells") << ItemTable { {} } << QStringList { "row 1: line number must be 1 to 8" };
        QTest::newRow("integer cells") << ItemTable { { 1, "A" }, { 8, "B" } } << QStringList();
    }

    void refusals()
    {
        QFETCH(ItemTable, table);
        QFETCH(QStringList, refusals);
        QCOMPARE(Trailer::instance()->sendRefusals(table), refusals);
        QCOMPARE(EXTHeader::instance()->sendRefusals(table), refusals);
    }

    void emptyTableAndLimits_data() { addBlocks(); }

    void emptyTableAndLimits()
    {
        QFETCH(const LineCodec*, codec);
        QFETCH(int, size);
        const ItemTable table = codec->emptyTable();
        QCOMPARE(table.size(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(table.at(i), (ItemRow { QString::number(i + 1), QString() }));
        QCOMPARE(codec->textLimit(1), size - 3);
        QCOMPARE(codec->textLimit(0), 0);
        QVERIFY(codec->cellProblem(1, QString(100, QLatin1Char('x'))).isEmpty());
    }

    void saveAndLoad_data() { addBlocks(); }

    void saveAndLoad()
    {
        QFETCH(const LineCodec*, codec);
        QFETCH(int, size);
        createDatabase(m_dir.filePath(QStringLiteral("%1.db").arg(QTest::currentDataTag())));
        // Stored in table order; the line number comes back from the record, not the position.
        const ItemTable table = { { "2", "SECOND" }, { "1", "FIRST" }, { "3", "" } };
        QVERIFY(codec->saveTable(table));
        QList<QByteArray> records;
        QVERIFY(loadRecords(QString::fromLatin1(codec->category().table), &records));
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(0).size(), size);
        QCOMPARE(records.at(1), encode(codec, table.at(1)));

        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        QVERIFY(query.exec(QStringLiteral("select itemRandom, itemName from %1").arg(codec->category().table)));
        QStringList stored;
        while (query.next())
            stored << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
        const QString item = QString::fromLatin1(codec->block().itemName).remove(QStringLiteral("%d"));
        QCOMPARE(stored, (QStringList { "1:" + item + "1", "2:" + item + "2", "3:" + item + "3" }));

        ItemTable loaded;
        QVERIFY(codec->loadTable(&loaded));
        QCOMPARE(loaded, table);

        QVERIFY(codec->saveTable({}));
        QVERIFY(codec->loadTable(&loaded));
        QVERIFY(loaded.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLines)
#include "tst_lines.moc"
