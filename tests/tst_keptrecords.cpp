#include "hostilerecords.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/system.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "users/language.h"

#include <QTemporaryDir>
#include <QtTest>

// A table loaded and saved without an edit keeps every record byte for byte, whatever its
// names hold in the display language and whatever bytes no column covers; only the rows
// the operator changed are encoded again.
class TestKeptRecords : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QString tableOf(const RecordCodec* codec) { return QString::fromLatin1(codec->category().table); }

    // The codec's table holding `records`, under keys and names of another program.
    static bool databaseWith(const RecordCodec* codec, const QList<QByteArray>& records)
    {
        QList<RecordEntry> entries;
        for (int i = 0; i < records.size(); ++i)
            entries << RecordEntry::make(QByteArray::number(i + 1), "x", records.at(i));
        return saveRecords(tableOf(codec), entries);
    }

    static QList<QByteArray> stored(const RecordCodec* codec)
    {
        QList<QByteArray> records;
        loadRecords(tableOf(codec), &records);
        return records;
    }

    static const RecordCodec* tableCodec(const Category& category)
    {
        return category.codec && category.number != CategorySysParm ? category.codec() : nullptr;
    }

private slots:
    void cleanup() { useLanguage(English); }

    void unchangedRowsKeepTheirRecords_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("reserved");
        QTest::addColumn<bool>("hostile"); // encoding the rows again changes them
        const struct {
            int number;
            const char* name;
        } languages[] = { { English, "English" }, { Greek, "Greek" }, { Hebrew, "Hebrew" }, { Arabic, "Arabic" },
            { Thailand, "Thai" } };
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c) {
            const RecordCodec* codec = tableCodec(*c);
            if (!codec)
                continue;
            // Arabic text is reordered only in register text fields; clerk names and the
            // server URL are not, and windows-1256 defines every byte. Every byte of a Thai
            // text comes back, undefined ones as private-use characters.
            const bool walked = c->number != CategoryClerk && c->number != CategoryNetParm;
            for (const auto& language : languages) {
                const bool hostile = language.number == Arabic ? walked : language.number != Thailand;
                QTest::addRow("%s/%s", c->typeName, language.name)
                    << QByteArray(c->typeName) << language.number << false << hostile;
            }
            QTest::addRow("%s/reserved bytes", c->typeName) << QByteArray(c->typeName) << int(English) << true << true;
        }
    }

    void unchangedRowsKeepTheirRecords()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, language);
        QFETCH(bool, reserved);
        QFETCH(bool, hostile);
        useLanguage(language);
        const RecordCodec* codec = codecForType(type);
        const QList<QByteArray> records = hostileRecords(codec, language, reserved);
        QVERIFY(databaseWith(codec, records));

        ItemTable table;
        QList<QByteArray> kept;
        QVERIFY(codec->loadTable(&table, &kept));
        QCOMPARE(table.size(), records.size());
        QCOMPARE(kept, records);
        QVERIFY(codec->saveTable(table, kept));
        QCOMPARE(stored(codec), records);

        // Stored again, key, name and record all stay as they are.
        const QStringList first = storedRows(currentDatabasePath, tableOf(codec));
        QVERIFY(codec->loadTable(&table, &kept));
        QVERIFY(codec->saveTable(table, kept));
        QCOMPARE(storedRows(currentDatabasePath, tableOf(codec)), first);

        // What the kept records guard against: the same rows encoded again.
        QVERIFY(codec->saveTable(table));
        if (hostile)
            QVERIFY(stored(codec) != records);
    }

    void onlyChangedRowsAreEncoded_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c)
            if (tableCodec(*c))
                QTest::newRow(c->typeName) << QByteArray(c->typeName);
    }

    void onlyChangedRowsAreEncoded()
    {
        QFETCH(QByteArray, type);
        const RecordCodec* codec = codecForType(type);
        const QList<QByteArray> records = hostileRecords(codec, English, true);
        QVERIFY(databaseWith(codec, records));
        ItemTable table;
        QList<QByteArray> kept;
        QVERIFY(codec->loadTable(&table, &kept));

        // The operator changes the second row (a line number the line codecs take, and its
        // text), which forgets its record.
        const int column = type == "NETPARMDATA" ? 10 : 1;
        table[1][0] = QStringLiteral("2");
        table[1][column] = QStringLiteral("EDITED");
        kept[1].clear();
        QByteArray encoded;
        codec->encodeRow(table.at(1), &encoded);
        QVERIFY(codec->saveTable(table, kept));
        QCOMPARE(stored(codec), (QList<QByteArray> { records.at(0), encoded.left(codec->storedSize()), records.at(2) }));
        ItemTable loaded;
        QVERIFY(codec->loadTable(&loaded));
        QCOMPARE(loaded.at(1).at(column).toString(), QStringLiteral("EDITED"));

        // Rows past the end of the records are encoded too.
        QVERIFY(codec->saveTable(table, { records.at(0) }));
        const QList<QByteArray> after = stored(codec);
        QCOMPARE(after.size(), 3);
        QCOMPARE(after.at(0), records.at(0));
        QVERIFY(after.at(2) != records.at(2));
    }

    // A record from the register is kept as the database keeps it: an index byte that the
    // table drops goes, a short record is filled with zeros, the system record loses the two
    // bytes before it.
    void receivedRecordsAreStoredAsTheDatabaseKeepsThem_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("stored");
        QByteArray dept(47, '\x11');
        QTest::newRow("department") << QByteArray("DEPTDATA") << dept << dept;
        QTest::newRow("department, longer") << QByteArray("DEPTDATA") << dept + "\x22" << dept;
        QTest::newRow("tax, index byte dropped") << QByteArray("TAXDATA") << QByteArray(17, '\x33') + "\x05"
                                                 << QByteArray(17, '\x33');
        QTest::newRow("tax, short") << QByteArray("TAXDATA") << QByteArray(5, '\x33')
                                    << QByteArray(5, '\x33') + QByteArray(12, '\0');
        QByteArray system(66, '\0');
        for (int i = 0; i < system.size(); ++i)
            system[i] = char(i);
        QTest::newRow("system") << QByteArray("SYSPARMDATA") << system << system.mid(2);
        QTest::newRow("system, wrong length") << QByteArray("SYSPARMDATA") << system.left(64) << QByteArray();
    }

    void receivedRecordsAreStoredAsTheDatabaseKeepsThem()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, stored);
        QCOMPARE(codecForType(type)->storedRecord(received), stored);
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        createDatabase(m_dir.filePath(QStringLiteral("kept.db")));
    }
};

QTEST_GUILESS_MAIN(TestKeptRecords)
#include "tst_keptrecords.moc"
