#include "link/changes.h"
#include "records/categories.h"
#include "records/tablediff.h"
#include "testsupport.h"

#include <QtTest>

// What a table would change on a register, compared with the register's baseline.
class TestTableDiff : public QObject {
    Q_OBJECT

private:
    static ItemTable rows(const QList<QStringList>& cells)
    {
        ItemTable table;
        for (const QStringList& row : cells)
            table << textRow(row);
        return table;
    }
    static QList<QStringList> plus()
    {
        return { { "1001", "COFFEE", "1", "2.50", "10" }, { "1002", "TEA", "1", "1.80", "10" },
            { "1003", "CAKE", "2", "3.10", "5" } };
    }

private slots:
    void diffs_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QList<QStringList>>("baseline");
        QTest::addColumn<QList<QStringList>>("current");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("summary");
        const QList<QStringList> base = plus();
        auto with = [&base](int row, int column, const char* text) {
            QList<QStringList> changed = base;
            changed[row][column] = QLatin1String(text);
            return changed;
        };
        QTest::newRow("unchanged") << int(CategoryPlu) << base << base << QStringList() << "unchanged";
        QTest::newRow("price edited") << int(CategoryPlu) << base << with(1, 3, "1.95")
                                      << QStringList { "1002 TEA: Price 1.80 \u2192 1.95" } << "1 changed";
        QTest::newRow("renamed") << int(CategoryPlu) << base << with(0, 1, "ESPRESSO")
                                 << QStringList { "1001 ESPRESSO: Name COFFEE \u2192 ESPRESSO" } << "1 changed";
        QTest::newRow("code changed") << int(CategoryPlu) << base << with(1, 0, "1009")
                                      << QStringList { "1009 TEA: new", "1002 TEA: deleted" } << "1 new, 1 deleted";
        QTest::newRow("deleted and added, order kept")
            << int(CategoryPlu) << base
            << QList<QStringList> { { "1004", "BUN", "2", "0.90", "5" }, base.at(2), base.at(0) }
            << QStringList { "1004 BUN: new", "1002 TEA: deleted" } << "1 new, 1 deleted";
        // The register keeps the last record sent under a code.
        QTest::newRow("code twice") << int(CategoryPlu) << base
                                    << QList<QStringList> { base.at(0), base.at(1), base.at(2),
                                           { "1001", "COFFEE", "1", "2.60", "10" } }
                                    << QStringList { "1001 COFFEE: Price 2.50 \u2192 2.60" } << "1 changed";
        const QList<QStringList> depts { { "1", "BREAD", "1", "10000000", "00000001", "1", "1.25", "99.00", "1" },
            { "2", "MILK", "1", "10000000", "00000001", "1", "0.99", "99.00", "1" } };
        QList<QStringList> reordered { depts.at(1), depts.at(0) };
        reordered[0][0] = QStringLiteral("1");
        reordered[1][0] = QStringLiteral("2");
        QTest::newRow("departments by position")
            << int(CategoryDept) << depts << reordered
            << QStringList { "row 1: Name BREAD \u2192 MILK; Price 1.25 \u2192 0.99",
                   "row 2: Name MILK \u2192 BREAD; Price 0.99 \u2192 1.25" }
            << "2 changed";
        QTest::newRow("department removed") << int(CategoryDept) << depts << QList<QStringList> { depts.at(0) }
                                            << QStringList { "row 2: deleted" } << "1 deleted";
        // A password's values never reach the journal.
        QTest::newRow("clerk password") << int(CategoryClerk)
                                        << QList<QStringList> { { "1", "ANNA", "123456", "00000000" } }
                                        << QList<QStringList> { { "1", "ANNE", "111222", "00000000" } }
                                        << QStringList { "row 1: Name ANNA \u2192 ANNE; Passwd changed (not shown)" }
                                        << "1 changed";
    }

    void diffs()
    {
        QFETCH(int, category);
        QFETCH(QList<QStringList>, baseline);
        QFETCH(QList<QStringList>, current);
        QFETCH(QStringList, changes);
        QFETCH(QString, summary);
        const RecordCodec& codec = *codecForCategory(category);
        const TableDiff diff
            = diffRecords(codec, storedRecords(category, rows(baseline), {}), storedRecords(category, rows(current), {}));
        QStringList described;
        for (const RecordChange& change : diff.changes)
            described << change.describe(Wording::Shown, RecordChange::Hidden);
        QCOMPARE(described, changes);
        QCOMPARE(diff.summary(), summary);
    }

    // A row loaded and not edited goes as the record it keeps, byte for byte: bytes that no
    // column shows are no change; the same row encoded anew is one.
    void keptRecordsAreUnchanged()
    {
        const RecordCodec& codec = *codecForCategory(CategoryPlu);
        QList<QByteArray> held = storedRecords(CategoryPlu, rows(plus()), {});
        // A byte past the fields the grid shows, as a register may keep it.
        held[1][held[1].size() - 1] = char(0x5A);
        ItemTable shown;
        for (const QByteArray& record : held) {
            ItemRow row;
            codec.readRecord(record, &row);
            shown << row;
        }
        QVERIFY(diffRecords(codec, held, storedRecords(CategoryPlu, shown, held)).isEmpty());
        const TableDiff encoded = diffRecords(codec, held, storedRecords(CategoryPlu, shown, {}));
        QCOMPARE(encoded.changes.size(), 1);
        QVERIFY2(encoded.changes.first()
                     .describe(Wording::Shown, RecordChange::Hidden)
                     .startsWith(QStringLiteral("1002 TEA: bytes ")),
            qPrintable(encoded.changes.first().describe()));
    }
};

QTEST_MAIN(TestTableDiff)
#include "tst_tablediff.moc"
