// The report store in a SQLite file and on a PostgreSQL server behaves alike: the tests run
// once per kind of store (the global rows "file" and "server") where the kind matters.
#include "base/language.h"
#include "pgcluster.h"
#include "reports/reportdb.h"
#include "storage/serverdb.h"
#include "testsupport.h"

#include <QDataStream>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <limits>

namespace {

QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

// The fields of one report row, laid out at the register's offsets by this test itself.
struct WireRow {
    qint32 id = 0;
    QByteArray name;
    qint64 code = 0;
    double cc = 0, qty = 0, saleAmt = 0, retAmt = 0, discAmt = 0, costAmt = 0, taxAmt = 0, netAmt = 0;
    qint32 xzNo = 0, rcFr = 0, rcTo = 0;
    qint64 xzTime = 0;

    QByteArray bytes() const
    {
        QByteArray out;
        QDataStream stream(&out, QIODevice::WriteOnly);
        stream.setByteOrder(QDataStream::LittleEndian);
        stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
        const char padding[4] = { '\x5A', '\x5A', '\x5A', '\x5A' }; // skipped by the reader
        stream << id;
        stream.writeRawData(name.leftJustified(64, '\0', true).constData(), 64);
        stream.writeRawData(padding, 4);
        stream << code << cc << qty << saleAmt << retAmt << discAmt << costAmt << taxAmt << netAmt;
        stream << xzNo << rcFr << rcTo;
        stream.writeRawData(padding, 4);
        stream << xzTime;
        Q_ASSERT(out.size() == ReportRow::kWireSize);
        return out;
    }

    // The row as the store should hold it.
    QString text() const
    {
        return QStringList { QString::number(id), QString::fromLatin1(name.left(64)), QString::number(code), exact(cc),
            exact(qty), exact(saleAmt), exact(retAmt), exact(discAmt), exact(costAmt), exact(taxAmt), exact(netAmt),
            QString::number(xzNo), QString::number(rcFr), QString::number(rcTo), QString::number(xzTime) }
            .join(QLatin1Char('|'));
    }
};

WireRow sample(const QByteArray& name, qint64 code = 1, qint32 xzNo = 1)
{
    WireRow row;
    row.id = 7;
    row.name = name;
    row.code = code;
    row.cc = 2;
    row.qty = 1.5;
    row.saleAmt = 12.25;
    row.retAmt = 0.75;
    row.discAmt = 1.125;
    row.costAmt = 8.5;
    row.taxAmt = 2.04;
    row.netAmt = 10.21;
    row.xzNo = xzNo;
    row.rcFr = 101;
    row.rcTo = 230;
    row.xzTime = Q_INT64_C(1700000000123);
    return row;
}

QString rowText(const ReportRow& r)
{
    return QStringList { QString::number(r.ID), QString::fromLatin1(r.name()), QString::number(r.Code), exact(r.Cc),
        exact(r.Qty), exact(r.SaleAmt), exact(r.RetAmt), exact(r.DiscAmt), exact(r.CostAmt), exact(r.TaxAmt),
        exact(r.NetAmt), QString::number(r.XZNo), QString::number(r.RcFr), QString::number(r.RcTo),
        QString::number(r.XZTime) }
        .join(QLatin1Char('|'));
}

ReportRow toRow(const WireRow& wire)
{
    return ReportRow::fromWire(wire.bytes().constData());
}

// The frame's control byte, length byte and type byte, then the kind byte.
QByteArray header(quint8 kindByte)
{
    return QByteArray("\x02\xB0\x00", 3) + char(kindByte);
}

// The report name of a kind other than "plu"; `length` overrides the length byte.
QByteArray reportName(const QByteArray& name, int length = INT_MIN)
{
    return char(qint8(length == INT_MIN ? name.size() : length)) + name;
}

QByteArray entry(quint8 nType, qint8 nIdx, const WireRow& row)
{
    return QByteArray(1, char(nType)) + char(nIdx) + row.bytes();
}

// An entry of a "plu" buffer; `length` overrides its name length byte.
QByteArray pluEntry(quint8 nType, qint8 nIdx, const QByteArray& name, const WireRow& row, int length = INT_MIN)
{
    return QByteArray(1, char(nType)) + char(nIdx) + char(qint8(length == INT_MIN ? name.size() : length)) + name
        + row.bytes();
}

QSqlDatabase storeConnection()
{
    return QSqlDatabase::database(QStringLiteral("my_sql_connection"));
}

QStringList column(const QString& sql)
{
    QStringList values;
    QSqlQuery query(storeConnection());
    if (!query.exec(sql))
        qWarning() << sql << "failed";
    while (query.next())
        values << query.value(0).toString();
    return values;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// "table:name" for every stored row of every report table.
QStringList storedRows()
{
    const QString order = ServerDb::isServer(storeConnection()) ? QStringLiteral("RowOrder") : QStringLiteral("rowid");
    QStringList rows;
    for (const QString& table : reportTableNames()) {
        for (const QString& name : column(QStringLiteral("select Name from %1 order by %2").arg(table, order)))
            rows << table + QLatin1Char(':') + name;
    }
    return rows;
}

} // namespace

class TestReportDb : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    static bool server() { return isServerRow(); }

    // A store of the row's kind that does not exist yet.
    QString freshPath() { return freshDatabase(m_dir.path(), QStringLiteral("report%1").arg(++m_serial)); }

private slots:
    void initTestCase_data() { addDatabaseKindRows(); }

    void init() { TALLVANE_SKIP_SERVER_ROW_WITHOUT_CLUSTER(); }

    void freshStoreHasAllTablesAndReopeningCreatesNone()
    {
        const QString path = freshPath();
        {
            LogCapture log;
            reportDb db(path);
            QCOMPARE(log.count(QStringLiteral("open database ok!")), 1);
            QCOMPARE(log.count(QStringLiteral("Table created!")), 45);
            if (server())
                QCOMPARE(sorted(ServerDb::tables(storeConnection())), sorted(reportTableNames()));
            else
                QCOMPARE(column(QStringLiteral("select name from sqlite_master where type='table' order by rowid")),
                    reportTableNames());
            // Each entry is looked up before it is stored: by an index, not through the table.
            QCOMPARE(column(server() ? QStringLiteral("select count(*) from pg_indexes where schemaname = "
                                                      "current_schema() and indexname like '%_entry'")
                                     : QStringLiteral("select count(*) from sqlite_master where type='index'")),
                QStringList(QStringLiteral("45")));
        }
        QCOMPARE(reportTableNames().size(), 45);
        // The takings are for the store's owner only.
        if (!server())
            QCOMPARE(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                QFileDevice::Permissions());
        for (const char* name :
            { "dailygrandtotal", "clerk1dailygrandtotal", "zone12grandtotal", "dailydepartment", "clerk3dailytender",
                "clerk5dailydrawer", "clerk2dailycorrection", "clerk4dailydiscount", "dailytax", "dailyplu" })
            QVERIFY2(isReportTable(QString::fromLatin1(name)), name);
        QVERIFY(!isReportTable(QStringLiteral("zone1tender")));
        QVERIFY(!isReportTable(QStringLiteral("clerk1dailyplu")));

        LogCapture log;
        reportDb db(path);
        QCOMPARE(log.count(QStringLiteral("Table created!")), 0);
        QCOMPARE(log.count(QStringLiteral("Table exists.")), 45);
    }

    void sameKeyInsertsOnceThenUpdates()
    {
        reportDb db(freshPath());
        LogCapture log;
        WireRow first = sample("BREAD", 42, 3);
        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(first)), 1);
        WireRow second = first;
        second.cc = 9;
        second.qty = 4.5;
        second.saleAmt = 99.5;
        second.retAmt = 1;
        second.discAmt = 2;
        second.costAmt = 3;
        second.taxAmt = 4;
        second.netAmt = 5;
        second.rcFr = 300;
        second.rcTo = 400;
        second.xzTime = Q_INT64_C(1800000000000);
        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(second)), 1);
        QCOMPARE(log.count(QStringLiteral("dailydepartment data does not exist.insert data.")), 1);
        QCOMPARE(log.count(QStringLiteral("dailydepartment data exists.updata data.")), 1);
        QCOMPARE(log.count(QStringLiteral("tablename = ")), 2);

        // Another report number or code is another row.
        WireRow otherZ = sample("BREAD", 42, 4);
        WireRow otherCode = sample("BREAD", 43, 3);
        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(otherZ)), 1);
        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(otherCode)), 1);

        QList<ReportRow> rows;
        QVERIFY(db.readRows(QStringLiteral("dailydepartment"), 3, &rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rowText(rows.at(0)), second.text());
        QCOMPARE(rowText(rows.at(1)), otherCode.text());
        QCOMPARE(column(QStringLiteral("select count(*) from dailydepartment")), QStringList(QStringLiteral("3")));
    }

    void selectorChoosesTable_data()
    {
        QTest::addColumn<int>("kindByte");
        QTest::addColumn<int>("nType");
        QTest::addColumn<int>("nIdx");
        QTest::addColumn<QString>("table");

        QTest::newRow("0x81 daily") << 0x01 << 0x81 << 0 << "dailygrandtotal";
        QTest::newRow("0x80 daily") << 0x80 << 0x80 << 0 << "dailyplu";
        QTest::newRow("0x10 zone 3") << 0x01 << 0x10 << 3 << "zone3grandtotal";
        QTest::newRow("0x20 clerk 5") << 0x04 << 0x20 << 5 << "clerk5dailytender";
        QTest::newRow("0x02 nowhere") << 0x02 << 0x02 << 0 << "";
        QTest::newRow("zone before clerk") << 0x01 << 0x30 << 12 << "zone12grandtotal";
        QTest::newRow("highest kind bit") << 0x41 << 0x01 << 0 << "dailytax";
        QTest::newRow("zone 0") << 0x01 << 0x10 << 0 << "";
        QTest::newRow("zone 13") << 0x01 << 0x10 << 13 << "";
        QTest::newRow("zone -1") << 0x01 << 0x10 << -1 << "";
        QTest::newRow("clerk 0") << 0x08 << 0x20 << 0 << "";
        QTest::newRow("clerk 6") << 0x08 << 0x20 << 6 << "";
        QTest::newRow("zone of a kind without zones") << 0x04 << 0x10 << 1 << "";
        QTest::newRow("clerk of a kind without clerks") << 0x40 << 0x20 << 1 << "";
    }

    void selectorChoosesTable()
    {
        QFETCH(int, kindByte);
        QFETCH(int, nType);
        QFETCH(int, nIdx);
        QFETCH(QString, table);
        if (server())
            QSKIP("the decoder and the table names are the same for both kinds of store");
        reportDb db(freshPath());
        const WireRow row = sample("ROW");
        const QByteArray buffer = kindByte == 0x80 ? header(kindByte) + pluEntry(nType, nIdx, "LATTE", row)
                                                   : header(kindByte) + reportName("Z1") + entry(nType, nIdx, row);
        QCOMPARE(db.storeReport(buffer), int(reportDb::ReportStored));
        QCOMPARE(storedRows(), table.isEmpty() ? QStringList() : QStringList(table + QStringLiteral(":ROW")));
    }

    void twoEntriesInOneBuffer()
    {
        reportDb db(freshPath());
        const WireRow cash = sample("CASH", 1);
        WireRow card = sample("CARD", 2);
        card.saleAmt = 77.75;
        const QByteArray buffer = header(0x04) + reportName("TENDER") + entry(0x01, 0, cash) + entry(0x20, 2, card);
        QCOMPARE(db.storeReport(buffer), int(reportDb::ReportStored));
        QCOMPARE(storedRows(), QStringList({ "dailytender:CASH", "clerk2dailytender:CARD" }));
        QList<ReportRow> rows;
        QVERIFY(db.readRows(QStringLiteral("clerk2dailytender"), 1, &rows));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rowText(rows.at(0)), card.text());
    }

    void pluEntryNames()
    {
        reportDb db(freshPath());
        LogCapture log;
        // Without a name of its own an entry is traced with the kind of its NIdx; the stored Name
        // is always the row's.
        const QByteArray buffer = header(0x80) + pluEntry(0x80, 2, "", sample("COFFEE", 1))
            + pluEntry(0x80, 0, "ESPRESSO", sample("TEA", 2)) + pluEntry(0x80, 9, "", sample("MILK", 3));
        QCOMPARE(db.storeReport(buffer), int(reportDb::ReportStored));
        QCOMPARE(storedRows(), QStringList({ "dailyplu:COFFEE", "dailyplu:TEA", "dailyplu:MILK" }));
        QVERIFY(log.contains(QStringLiteral("---------------->plu")));
        QCOMPARE(log.count(QStringLiteral("ReportName =  tender")), 1);
        QCOMPARE(log.count(QStringLiteral("ReportName =  ESPRESSO")), 1);
        QCOMPARE(log.count(QStringLiteral("NameLen =  0")), 2);
    }

    void nameFillingItsFieldIsReadWhole()
    {
        reportDb db(freshPath());
        const WireRow row = sample(QByteArray(64, 'N'), Q_INT64_C(1099511627781));
        QCOMPARE(db.storeReport(header(0x02) + reportName("DEPT") + entry(0x01, 0, row)), int(reportDb::ReportStored));
        QList<ReportRow> rows;
        QVERIFY(db.readRows(QStringLiteral("dailydepartment"), 1, &rows));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).name(), QByteArray(64, 'N'));
        QCOMPARE(rowText(rows.at(0)), row.text());
    }

    void namesCrossThroughTheCodePage()
    {
        reportDb db(freshPath());
        LanguageScope greek(Greek);
        QVERIFY(greek.isValid());
        const QByteArray alphaBetaGamma("\xC1\xC2\xC3");
        const int stored = db.storeReport(header(0x02) + reportName("DEPT") + entry(0x01, 0, sample(alphaBetaGamma)));
        QList<ReportRow> rows;
        const bool read = db.readRows(QStringLiteral("dailydepartment"), 1, &rows);
        greek.restore();
        QCOMPARE(stored, int(reportDb::ReportStored));
        QCOMPARE(column(QStringLiteral("select Name from dailydepartment")),
            QStringList(QString::fromUtf8("\u0391\u0392\u0393")));
        QVERIFY(read);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).name(), alphaBetaGamma);
    }

    void hostileBuffers_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("trace");

        const QByteArray tender = header(0x04) + reportName("TENDER");
        const QByteArray good = entry(0x01, 0, sample("GOOD"));
        const QByteArray next = entry(0x01, 0, sample("NEXT", 2));
        const QByteArray plu = header(0x80) + pluEntry(0x80, 0, "GOOD", sample("GOOD"));
        const QStringList kept { "dailytender:GOOD" };
        const QStringList pluKept { "dailyplu:GOOD" };
        const QStringList none;

        QTest::newRow("empty") << QByteArray() << none << "0 bytes hold no kind byte";
        QTest::newRow("frame bytes only") << header(0x04).left(3) << none << "3 bytes hold no kind byte";
        QTest::newRow("kind byte 0") << header(0x00) + reportName("X") + good << none << "kind byte 0";
        QTest::newRow("no report name length") << header(0x04) << none << "report name length is missing";
        QTest::newRow("report name past the end")
            << header(0x04) + reportName("AB", 3) << none << "report name length 3 runs past the end";
        QTest::newRow("negative report name length")
            << header(0x04) + reportName("TENDER", -3) + good << none << "negative report name length -3";
        QTest::newRow("last entry cut in its row")
            << tender + good + next.chopped(1) << kept << "cut short at byte 183";
        QTest::newRow("one byte after the last entry") << tender + good + next.left(1) << kept << "cut short";
        QTest::newRow("plu name past the end") << plu + pluEntry(0x80, 0, "LATTE", sample("NEXT")).left(7) << pluKept
                                               << "entry name length 5 runs past the end";
        QTest::newRow("negative plu name length")
            << plu + pluEntry(0x80, 0, "", sample("NEXT"), -1) << pluKept << "negative entry name length -1";
        QTest::newRow("plu entry cut before its name length")
            << plu + pluEntry(0x80, 0, "", sample("NEXT")).left(2) << pluKept << "cut short";
        QTest::newRow("plu row cut short")
            << plu + pluEntry(0x80, 0, "LATTE", sample("NEXT")).chopped(1) << pluKept << "cut short";
    }

    void hostileBuffers()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(QStringList, stored);
        QFETCH(QString, trace);
        if (server())
            QSKIP("the decoder is the same for both kinds of store");
        reportDb db(freshPath());
        LogCapture log;
        QCOMPARE(db.storeReport(buffer), int(reportDb::ReportMalformed));
        QCOMPARE(storedRows(), stored);
        QVERIFY2(log.contains(trace), qPrintable(log.lines().join(QLatin1Char('\n'))));
        QVERIFY(log.contains(QStringLiteral("%1 complete entries kept").arg(stored.size())));
    }

    void failingDatabaseStoresNoneOfTheBuffer()
    {
        reportDb db(freshPath());
        QSqlQuery query(storeConnection());
        if (server()) {
            QVERIFY(query.exec(QStringLiteral("create function refuse() returns trigger language plpgsql as $$ begin "
                                              "if new.Name = 'BAD' then raise exception 'refused'; end if; "
                                              "return new; end $$")));
            QVERIFY(query.exec(QStringLiteral(
                "create trigger refuse before insert on dailydepartment for each row execute function refuse()")));
        } else {
            QVERIFY(query.exec(QStringLiteral("create trigger refuse before insert on dailydepartment when new.Name = "
                                              "'BAD' begin select raise(abort, 'refused'); end")));
        }
        const QByteArray head = header(0x02) + reportName("DEPT");
        const QByteArray failing = head + entry(0x01, 0, sample("FIRST", 1)) + entry(0x01, 0, sample("BAD", 2));

        QCOMPARE(db.storeReport(failing), int(reportDb::ReportNotStored));
        QCOMPARE(storedRows(), QStringList());
        QVERIFY(!db.inTransaction());
        // The reason is the database's own.
        QVERIFY2(db.lastFailure().contains(QStringLiteral("refused")), qPrintable(db.lastFailure()));

        // Inside the caller's bracket only the failing buffer goes back.
        QVERIFY(db.beginTransaction());
        QCOMPARE(db.storeReport(head + entry(0x01, 0, sample("KEPT", 3))), int(reportDb::ReportStored));
        QCOMPARE(db.storeReport(failing), int(reportDb::ReportNotStored));
        QVERIFY(db.inTransaction());
        QVERIFY(db.commitTransaction());
        QCOMPARE(storedRows(), QStringList(QStringLiteral("dailydepartment:KEPT")));

        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(sample("BAD"))), -1);
    }

    void readBackByReportNumber()
    {
        reportDb db(freshPath());
        const WireRow a = sample("A", 1, 7);
        WireRow b = sample("B", Q_INT64_C(-5), 7);
        b.qty = -0.5;
        const WireRow c = sample("C", 3, 8);
        QCOMPARE(
            db.storeReport(header(0x04) + reportName("T") + entry(0x01, 0, a) + entry(0x01, 0, c) + entry(0x01, 0, b)),
            int(reportDb::ReportStored));

        QList<ReportRow> rows;
        QVERIFY(db.readRows(QStringLiteral("dailytender"), 7, &rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rowText(rows.at(0)), a.text());
        QCOMPARE(rowText(rows.at(1)), b.text());
        QVERIFY(db.readRows(QStringLiteral("dailytender"), 9, &rows));
        QVERIFY(rows.isEmpty());
        // Without a report number: every row, in stored order.
        QVERIFY(db.readRows(QStringLiteral("dailytender"), &rows));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rowText(rows.at(1)), c.text());
        QVERIFY(!db.readRows(QStringLiteral("sqlite_master"), &rows));
        QVERIFY(!db.readRows(QStringLiteral("sqlite_master"), 7, &rows));
        QVERIFY(!db.readRows(QStringLiteral("dailytender where 1=1 --"), 7, &rows));
    }

    // The texts of a row follow the columns of the tables as they are created.
    void rowTextsFollowTheTableColumns()
    {
        reportDb db(freshPath());
        const QSqlRecord record = storeConnection().record(QStringLiteral("dailyplu"));
        QStringList created;
        for (int i = 0; i < record.count(); ++i)
            created << record.fieldName(i).toLower();
        QStringList expected;
        for (const QString& name : reportDb::columnNames())
            expected << name.toLower();
        if (server())
            expected << QStringLiteral("roworder"); // the stored order, which a file keeps in its rowid
        QCOMPARE(created, expected);

        WireRow row = sample("COFFEE", Q_INT64_C(-12345678901));
        row.qty = 0.1;
        row.taxAmt = 1e21;
        QCOMPARE(reportDb::rowTexts(toRow(row), QStringLiteral("tcp:10.0.0.2")),
            QStringList({ "7", "COFFEE", "-12345678901", "2", "0.1", "12.25", "0.75", "1.125", "8.5", "1e+21", "10.21",
                "1", "101", "230", "1700000000123", "tcp:10.0.0.2" }));
    }

    // The same report of two registers is two rows; each register's row is updated on its own.
    // The values at the ends of their ranges must come back exactly from either kind of store.
    void registersKeepTheirOwnRows()
    {
        reportDb db(freshPath());
        const QString tcp = QStringLiteral("tcp:192.168.1.31");
        const QString serial = QStringLiteral("serial:/dev/ttyUSB0");
        const QByteArray head = header(0x02) + reportName("DEPT");
        WireRow row = sample("BREAD", std::numeric_limits<qint64>::min(), 12);
        row.id = std::numeric_limits<qint32>::min();
        row.qty = 1.0 / 3;
        row.saleAmt = std::numeric_limits<double>::max();
        row.retAmt = std::numeric_limits<double>::denorm_min();
        row.xzTime = std::numeric_limits<qint64>::max();
        WireRow other = row;
        other.saleAmt = 3.5;
        WireRow updated = row;
        updated.saleAmt = -1e-300;
        for (const auto& [reg, wire] :
            { qMakePair(tcp, row), qMakePair(serial, other), qMakePair(QString(), other), qMakePair(tcp, updated) })
            QCOMPARE(db.storeReport(head + entry(0x01, 0, wire), reg), int(reportDb::ReportStored));

        // "" selects the rows stored without a register, not every register's.
        for (const auto& [reg, text] : { qMakePair(tcp, updated.text()), qMakePair(serial, other.text()),
                 qMakePair(QStringLiteral(""), other.text()) }) {
            QList<StoredReportRow> rows;
            QVERIFY(db.readRows(QStringLiteral("dailydepartment"), ReportFilter { 12, reg }, &rows));
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rowText(rows.at(0).row), text);
            QCOMPARE(reportDb::rowTexts(rows.at(0).row, rows.at(0).reg).last(), reg);
        }
        QList<ReportRow> all;
        QVERIFY(db.readRows(QStringLiteral("dailydepartment"), 12, &all));
        QCOMPARE(all.size(), 3);
        QStringList regs;
        QVERIFY(db.registers(&regs));
        QCOMPARE(regs, QStringList({ QString(), serial, tcp }));
    }

    // A store from before rows knew their register: every table gains the column, the rows an
    // empty register, and they are updated as before.
    void oldStoreGainsTheRegisterColumn()
    {
        if (server())
            QSKIP("server stores have had the column from the start");
        const QString path = freshPath();
        {
            QSqlDatabase old = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            old.setDatabaseName(path);
            QVERIFY(old.open());
            QSqlQuery query(old);
            for (const QString& table : reportTableNames())
                QVERIFY(
                    query.exec(QStringLiteral("create table %1 (ID INT, Name CHARACTER(64), Code long long, Cc double, "
                                              "Qty double, SaleAmt double, RetAmt double, DiscAmt double, CostAmt "
                                              "double, TaxAmt double, NetAmt double, XZNo INT, RcFr INT, RcTo INT, "
                                              "XZTime long long)")
                                   .arg(table)));
            QVERIFY(query.exec(QStringLiteral(
                "insert into dailydepartment values (7, 'SOUP', 5, 2, 1, 9.5, 0, 0, 0, 0, 0, 3, 1, 2, 77)")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));

        LogCapture log;
        reportDb db(path);
        QCOMPARE(log.count(QStringLiteral("Table gained the Register column.")), 45);
        QCOMPARE(column(QStringLiteral("select Register from dailydepartment")), QStringList(QString()));
        WireRow soup = sample("SOUP", 5, 3);
        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(soup)), 1);
        QCOMPARE(db.storeRow(QStringLiteral("department"), 0, 0x01, toRow(soup), QStringLiteral("tcp:10.0.0.9")), 1);
        QList<StoredReportRow> rows;
        QVERIFY(db.readRows(QStringLiteral("dailydepartment"), ReportFilter(), &rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rowText(rows.at(0).row), soup.text());
        QCOMPARE(rows.at(0).reg, QString());
        QCOMPARE(rows.at(1).reg, QStringLiteral("tcp:10.0.0.9"));

        log.clear();
        reportDb again(path);
        QCOMPARE(log.count(QStringLiteral("Table gained the Register column.")), 0);

        // A table that cannot gain the column (here a view; a file that may not be written
        // alike) is read with every row's register empty, filtered by register too.
        {
            QSqlQuery query(storeConnection());
            QVERIFY(query.exec(QStringLiteral("create table kept as select ID, Name, Code, Cc, Qty, SaleAmt, RetAmt, "
                                              "DiscAmt, CostAmt, TaxAmt, NetAmt, XZNo, RcFr, RcTo, XZTime from "
                                              "dailydepartment")));
            QVERIFY(query.exec(QStringLiteral("drop table dailydepartment")));
            QVERIFY(query.exec(QStringLiteral("create view dailydepartment as select * from kept")));
        }
        ReportFilter unnamed;
        unnamed.reg = QString();
        QVERIFY(again.readRows(QStringLiteral("dailydepartment"), unnamed, &rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).reg, QString());
    }

    void unopenableFileIsReported()
    {
        NoticeRecorder notices;
        reportDb db(server() ? PgCluster::shared()->url(QStringLiteral("reports"), QStringLiteral("nosuchdatabase"))
                             : m_dir.filePath(QStringLiteral("missing/folder/XZReport.db")));
        QVERIFY(!db.openError().isEmpty());
        QCOMPARE(notices.shown,
            QStringList(QStringLiteral("can not open database: Unable to establish a database connection.")));
        QCOMPARE(db.storeReport(header(0x02) + reportName("D") + entry(0x01, 0, sample("X"))),
            int(reportDb::ReportNotStored));
        QList<ReportRow> rows;
        QVERIFY(!db.readRows(QStringLiteral("dailydepartment"), 1, &rows));
    }

    // Last: the single instance keeps its connection until the program ends.
    void instanceOpensTheChosenFile()
    {
        if (server())
            QSKIP("one instance per process: the file row has it");
        const QString path = freshPath();
        QVERIFY(reportDb::setInstanceLocation(path));
        reportDb* store = reportDb::instance();
        QCOMPARE(reportDb::instance(), store);
        QCOMPARE(store->location(), path);
        QVERIFY(QFile::exists(path));
        QVERIFY(!reportDb::setInstanceLocation(freshPath()));
        QCOMPARE(store->storeReport(header(0x40) + reportName("TAX") + entry(0x01, 0, sample("VAT"))),
            int(reportDb::ReportStored));
        QCOMPARE(storedRows(), QStringList(QStringLiteral("dailytax:VAT")));
    }
};

QTEST_GUILESS_MAIN(TestReportDb)
#include "tst_reportdb.moc"
