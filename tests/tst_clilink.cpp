#include "base/language.h"
#include "cliharness.h"
#include "hostilerecords.h"
#include "link/serialserver.h"
#include "linkharness.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "records/translation.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"
#include "storage/csv.h"
#include "testsupport.h"
#include "users/usrdb.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// tallvane-cli against the register simulator, over 127.0.0.1 and over pseudo-terminal pairs.
class TestCliLink : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CliProgram> m_cli;
    QString m_shop; // departments BREAD and MILK
    int m_serial = 0;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString fresh(const QString& suffix) { return file(QStringLiteral("f%1%2").arg(++m_serial).arg(suffix)); }

    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // "key:name" of every stored row of `table` in the database `path`.
    static QStringList stored(const QString& path, const QString& table)
    {
        QStringList rows;
        forEachRow(path, QStringLiteral("select itemRandom, itemName from %1").arg(table), [&](const QSqlQuery& query) {
            rows << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
        });
        return rows;
    }

    static QStringList tcp(int registers = 1, int wait = 20)
    {
        return { "--tcp", "--listen", "127.0.0.1", "--port", "0", "--registers", QString::number(registers), "--wait",
            QString::number(wait) };
    }

    // Runs a TCP command of the tool (`cli`, else the test's own) with one simulator per entry
    // of `simulators` (their arguments after --connect); gives what the tool wrote and its
    // status, and with `outputs` what each simulator printed.
    CliProgram::Result overTcp(const QStringList& command, const QList<QStringList>& simulators,
        const CliProgram* cli = nullptr, QList<QByteArray>* outputs = nullptr)
    {
        QProcess process;
        (cli ? cli : m_cli.get())->start(&process, asAdmin(command));
        QByteArray err;
        const quint16 port = waitForListening(&process, &err);
        if (port == 0) {
            CliProgram::Result result = finish(&process);
            result.err.prepend(err);
            return result;
        }
        std::vector<std::unique_ptr<Simulator>> registers;
        for (const QStringList& arguments : simulators)
            registers.push_back(std::make_unique<Simulator>(
                QStringList { "--connect", QStringLiteral("127.0.0.1:%1").arg(port) } + arguments));
        CliProgram::Result result = finish(&process);
        result.err.prepend(err);
        // Each register ends when the tool has closed its connection.
        for (auto& simulator : registers) {
            simulator->waitFinished();
            if (outputs)
                outputs->append(simulator->output());
        }
        return result;
    }

    static QByteArray lines(const QStringList& texts) { return texts.join(QLatin1Char('\n')).toUtf8() + '\n'; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_cli = std::make_unique<CliProgram>(m_dir.filePath(QStringLiteral("bin")));
        QVERIFY(m_cli->ok());
        m_shop = file(QStringLiteral("shop.db"));
        const QString csv = file(QStringLiteral("shop.csv"));
        QFile in(csv);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n"
                 "1,BREAD,2,10000000,00000101,1,12.50,100.00,1\n"
                 "2,MILK,1,00000000,00000001,1,0.99,10,3\n");
        in.close();
        QCOMPARE(m_cli->run(asAdmin({ "new-db", m_shop })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", m_shop, "--type", "dept", "--in", csv })).status, 0);
    }

    // Install, then download into a CSV file that equals the export of the database sent.
    void tcpRoundTrip()
    {
        const QString memory = fresh(QStringLiteral("-register.db"));
        const CliProgram::Result installed
            = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept" } + tcp(), { { "--db", memory } });
        QCOMPARE(installed.status, 0);
        QCOMPARE(installed.out, lines({ "127.0.0.1 BREAD", "127.0.0.1 MILK", "127.0.0.1 END" }));
        QCOMPARE(stored(memory, QStringLiteral("table_dept")), QStringList({ "1:BREAD", "2:MILK" }));

        const QString back = fresh(QStringLiteral(".csv"));
        const CliProgram::Result downloaded
            = overTcp(QStringList { "download", "--type", "dept", "--out", back } + tcp(), { { "--db", memory } });
        QCOMPARE(downloaded.status, 0);
        QCOMPARE(downloaded.out, lines({ "127.0.0.1 BREAD", "127.0.0.1 MILK", "127.0.0.1 END" }));
        const CliProgram::Result exported = m_cli->run(asAdmin({ "export", "--db", m_shop, "--type", "dept" }));
        QCOMPARE(exported.status, 0);
        QCOMPARE(contents(back), exported.out);

        // Without --db and --out the table goes to standard output, the words to standard error.
        const CliProgram::Result piped
            = overTcp(QStringList { "download", "--type", "dept" } + tcp(), { { "--db", memory } });
        QCOMPARE(piped.status, 0);
        QCOMPARE(piped.out, exported.out);
        QVERIFY2(piped.err.contains("127.0.0.1 END"), piped.err.constData());
    }

    void downloadIntoADatabaseKeepsTheRegistersRecords_data()
    {
        QTest::addColumn<QByteArray>("type");
        // The TCP carrier does not decode extended header lines.
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c)
            if (c->codec && c->number != CategorySysParm && c->number != CategoryExtHeader)
                QTest::newRow(c->typeName) << QByteArray(c->typeName);
    }

    // Names cut in the middle of a character and bytes no column covers reach the database
    // as the register holds them.
    void downloadIntoADatabaseKeepsTheRegistersRecords()
    {
        QFETCH(QByteArray, type);
        const RecordCodec* codec = codecForType(type);
        const QString table = QString::fromLatin1(codec->category().table);
        QList<QByteArray> records = hostileRecords(codec, English, false, 2) + hostileRecords(codec, English, true, 2);
        // The register keeps one PLU per item code.
        if (type == "PLUDATA")
            for (int i = 0; i < 2; ++i)
                translation::unitsToBcd(records[i].data(), 7, i + 1);
        const QString memory = fresh(QStringLiteral("-register.db"));
        const QString copy = fresh(QStringLiteral(".db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", memory })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "new-db", copy })).status, 0);
        QVERIFY(writeStoredRecords(memory, table, records));

        const CliProgram::Result downloaded = overTcp(
            QStringList { "download", "--type", QString::fromLatin1(type), "--db", copy } + tcp(), { { "--db", memory } });
        QCOMPARE(downloaded.status, 0);
        // The register keeps its PLUs in code order.
        QList<QByteArray> received = storedData(copy, table);
        QList<QByteArray> expected = records;
        std::sort(received.begin(), received.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(received, expected);
    }

    void installSendsTheStoredRecords_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c)
            if (c->codec && c->number != CategorySysParm)
                QTest::newRow(c->typeName) << QByteArray(c->typeName);
    }

    // Stored records that decoding and encoding again would change reach the register byte
    // for byte, and the table read back is what was sent; check --db agrees that they go as
    // stored.
    void installSendsTheStoredRecords()
    {
        QFETCH(QByteArray, type);
        const RecordCodec* codec = codecForType(type);
        const QString table = QString::fromLatin1(codec->category().table);
        // Line numbers out of range are refused before the send: lines have no random records.
        const int number = codec->category().number;
        const bool lines = number == CategoryHeader || number == CategoryExtHeader || number == CategoryTrailer;
        QList<QByteArray> records = hostileRecords(codec, English, false, lines ? 4 : 2);
        if (!lines)
            records += hostileRecords(codec, English, true, 2);
        if (type == "PLUDATA")
            for (int i = 0; i < records.size(); ++i)
                translation::unitsToBcd(records[i].data(), 7, i + 1);
        const QString shop = fresh(QStringLiteral(".db"));
        const QString memory = fresh(QStringLiteral("-register.db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", shop })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "new-db", memory })).status, 0);
        QVERIFY(writeStoredRecords(shop, table, records));

        const CliProgram::Result checked
            = m_cli->run(asAdmin({ "check", "--db", shop, "--type", QString::fromLatin1(type) }));
        QCOMPARE(checked.status, 0);
        QVERIFY(checked.out.isEmpty());

        const CliProgram::Result installed
            = overTcp(QStringList { "install", "--db", shop, "--type", QString::fromLatin1(type), "--verify" } + tcp(),
                { { "--db", memory } });
        QVERIFY2(installed.status == 0, (installed.out + installed.err).constData());
        QVERIFY2(installed.out.endsWith("127.0.0.1 verified: 4 rows identical\n"), installed.out.constData());
        QList<QByteArray> held = storedData(memory, table);
        std::sort(held.begin(), held.end());
        std::sort(records.begin(), records.end());
        QCOMPARE(held, records);
    }

    // The tool listens by the window's settings: a peer outside [tcp] allow takes no part.
    void tcpSettingsAllowPeers()
    {
        const QString ini = QDir(m_cli->folder()).filePath(QStringLiteral("tallvane.ini"));
        QFile settings(ini);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[tcp]\nallow=10.9.9.9\n");
        settings.close();
        const QString memory = fresh(QStringLiteral("-register.db"));
        const CliProgram::Result result
            = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept" } + tcp(1, 3), { { "--db", memory } });
        QFile::remove(ini);
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("127.0.0.1 refused: not in [tcp] allow"), result.err.constData());
        QVERIFY(stored(memory, QStringLiteral("table_dept")).isEmpty());
    }

    // Extended header lines do not come over TCP: the download says so and fails, and records
    // no baseline of an empty table.
    void extendedHeaderOverTcpIsNoEmptyTable()
    {
        const QString memory = fresh(QStringLiteral("-register.db"));
        const QString shop = fresh(QStringLiteral(".db"));
        const QString csv = fresh(QStringLiteral(".csv"));
        QFile lines(csv);
        QVERIFY(lines.open(QIODevice::WriteOnly));
        lines.write("Indx,EXTHeader\n1,WELCOME\n2,HARBOUR RD 9\n");
        lines.close();
        for (const QString& set : { memory, shop })
            QCOMPARE(m_cli->run(asAdmin({ "new-db", set })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", memory, "--type", "extheader", "--in", csv })).status, 0);
        const CliProgram::Result result
            = overTcp(QStringList { "download", "--type", "extheader", "--db", shop } + tcp(), { { "--db", memory } });
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("cannot be read over this link: 2 came and were dropped"), result.err.constData());
        QStringList baselines;
        forEachRow(shop, QStringLiteral("select register from baseline_tables"),
            [&](const QSqlQuery& query) { baselines << query.value(0).toString(); });
        QCOMPARE(baselines, QStringList());
        // Nor does a comparison with what the register sends take them for an empty table.
        const CliProgram::Result compared
            = overTcp(QStringList { "diff", "--db", memory, "--type", "extheader" } + tcp(), { { "--db", memory } });
        QCOMPARE(compared.status, 1);
        QCOMPARE(compared.out, QByteArray());
        QVERIFY2(compared.err.contains("cannot be read over this link"), compared.err.constData());
    }

    // The simulator keeps the rows it acknowledged of a send that was refused later.
    void simulatorKeepsAcknowledgedRows()
    {
        const QString memory = fresh(QStringLiteral("-register.db"));
        const CliProgram::Result result = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept" } + tcp(),
            { { "--db", memory, "--refuse", "2:15", "--refuse", "3:15", "--refuse", "4:15", "--refuse", "5:15" } });
        QCOMPARE(result.status, 1);
        QCOMPARE(stored(memory, QStringLiteral("table_dept")), QStringList({ "1:BREAD" }));
    }

    // A fleet with a register missing is not done, though those there got the table.
    void fleetWithARegisterMissing()
    {
        const QString memory = fresh(QStringLiteral("-register.db"));
        const CliProgram::Result result
            = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept" } + tcp(2, 2), { { "--db", memory } });
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("1 of 2 registers connected"), result.err.constData());
        QCOMPARE(stored(memory, QStringLiteral("table_dept")), QStringList({ "1:BREAD", "2:MILK" }));
        // Nothing to send to the one there does not make the fleet done either.
        const CliProgram::Result changes
            = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept", "--changes" } + tcp(2, 2),
                { { "--db", memory } });
        QVERIFY2(changes.err.contains("unchanged"), changes.err.constData());
        QCOMPARE(changes.status, 1);
    }

    // One request reaches both registers; each reports every row and its end.
    void twoRegisters()
    {
        const QString first = fresh(QStringLiteral("-register.db"));
        const QString second = fresh(QStringLiteral("-register.db"));
        const CliProgram::Result result = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept" } + tcp(2),
            { { "--db", first }, { "--db", second } });
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out.count("127.0.0.1 BREAD\n"), 2);
        QCOMPARE(result.out.count("127.0.0.1 END\n"), 2);
        QCOMPARE(stored(first, QStringLiteral("table_dept")), QStringList({ "1:BREAD", "2:MILK" }));
        QCOMPARE(stored(second, QStringLiteral("table_dept")), QStringList({ "1:BREAD", "2:MILK" }));
    }

    // --verify reads the table back from each register: status 0 when every one holds it as
    // sent, 1 when one holds a field otherwise.
    void installVerify_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("held as sent") << QStringList() << 0
                                      << lines({ "127.0.0.1 BREAD", "127.0.0.1 MILK", "127.0.0.1 END",
                                             "127.0.0.1 verified: 2 rows identical" });
        QTest::newRow("one field held otherwise")
            << QStringList { "--alter", "2" } << 1
            << lines({ "127.0.0.1 BREAD", "127.0.0.1 MILK", "127.0.0.1 END", "127.0.0.1 verify: 1 of 2 rows differs",
                   "127.0.0.1 row 2: Name sent \"MILK\", the register holds \"#ILK\"" });
        QTest::newRow("download refused")
            << QStringList { "--refuse-requests" } << 1
            << lines({ "127.0.0.1 BREAD", "127.0.0.1 MILK", "127.0.0.1 END",
                   "127.0.0.1 not verified: the register refused to send the table back (15)" });
    }

    void installVerify()
    {
        QFETCH(QStringList, simulator);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        const CliProgram::Result result
            = overTcp(QStringList { "install", "--db", m_shop, "--type", "dept", "--verify" } + tcp(),
                { QStringList { "--db", fresh(QStringLiteral("-register.db")) } + simulator });
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, out);
    }

    // Bytes that neither a download nor a file carries stay as the set held them: the system
    // record's last two (the reply does not hold them) and the network record's byte 5.
    void setBytesNothingCarries()
    {
        const QString shop = fresh(QStringLiteral(".db"));
        const QString memory = fresh(QStringLiteral("-register.db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", shop })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "new-db", memory })).status, 0);
        QByteArray system(64, '\x01');
        system[62] = '\0';
        system[63] = '\x55';
        QVERIFY(writeStoredRecords(shop, QStringLiteral("table_system"), { system }));
        QByteArray net(240, '\0');
        net[5] = '\x77';
        QVERIFY(writeStoredRecords(shop, QStringLiteral("table_net"), { net }));
        QVERIFY(writeStoredRecords(memory, QStringLiteral("table_system"), { QByteArray(64, '\x02') }));

        const CliProgram::Result downloaded
            = overTcp(QStringList { "download", "--type", "sys", "--db", shop } + tcp(), { { "--db", memory } });
        QVERIFY2(downloaded.status == 0, downloaded.err.constData());
        QCOMPARE(storedData(shop, QStringLiteral("table_system")).value(0).mid(60), QByteArray("\x02\x02\x00\x55", 4));

        const QString csv = fresh(QStringLiteral(".csv"));
        QCOMPARE(m_cli->run(asAdmin({ "export", "--db", shop, "--type", "net", "--out", csv })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", shop, "--type", "net", "--in", csv })).status, 0);
        QCOMPARE(storedData(shop, QStringLiteral("table_net")).value(0).at(5), '\x77');
    }

    void verifyNeedsATableTheRegisterSendsBack()
    {
        const CliProgram::Result result
            = m_cli->run(asAdmin(QStringList { "install", "--db", m_shop, "--type", "sys", "--verify" } + tcp()));
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains("SYSPARMDATA is not read back"), result.err.constData());
        const CliProgram::Result changes
            = m_cli->run(asAdmin(QStringList { "install", "--db", m_shop, "--type", "sys", "--changes" } + tcp()));
        QCOMPARE(changes.status, 2);
        QVERIFY2(changes.err.contains("is always sent whole"), changes.err.constData());
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<QByteArray>("out");
        const QStringList install { "install", "--db", m_shop, "--type", "dept" };
        QTest::newRow("refused second frame")
            << install << QStringList { "--refuse", "2:15" } << lines({ "127.0.0.1 BREAD", "127.0.0.1 15" });
        QTest::newRow("corrupted download")
            << QStringList { "download", "--type", "dept", "--out", file("never.csv") }
            << QStringList { "--bad-crc", "2" } << lines({ "127.0.0.1 BREAD", "127.0.0.1 BCC ERR" });
    }

    // A transfer that fails gives status 1 and the word that says why; nothing is written.
    void failures()
    {
        QFETCH(QStringList, command);
        QFETCH(QStringList, simulator);
        QFETCH(QByteArray, out);
        // The register holds the departments of the shop.
        const QString memory = fresh(QStringLiteral("-register.db"));
        QVERIFY(QFile::copy(m_shop, memory));
        const CliProgram::Result result = overTcp(command + tcp(), { QStringList { "--db", memory } + simulator });
        QCOMPARE(result.status, 1);
        QCOMPARE(result.out, out);
        QVERIFY(!QFile::exists(file(QStringLiteral("never.csv"))));
    }

    // A database holding the PLUs of `csv` (header line first).
    QString pluDatabase(const QByteArray& csv)
    {
        const QString db = fresh(QStringLiteral(".db"));
        const QString in = fresh(QStringLiteral(".csv"));
        QFile file(in);
        if (!file.open(QIODevice::WriteOnly) || file.write("Random,Name,Dept,Price,Stock+\n" + csv) < 0)
            return QString();
        file.close();
        if (m_cli->run(asAdmin({ "new-db", db })).status != 0
            || m_cli->run(asAdmin({ "import", "--db", db, "--type", "plu", "--in", in })).status != 0)
            return QString();
        return db;
    }

    bool importPlus(const QString& db, const QByteArray& csv)
    {
        const QString in = fresh(QStringLiteral(".csv"));
        QFile file(in);
        if (!file.open(QIODevice::WriteOnly) || file.write("Random,Name,Dept,Price,Stock+\n" + csv) < 0)
            return false;
        file.close();
        return m_cli->run(asAdmin({ "import", "--db", db, "--type", "plu", "--in", in })).status == 0;
    }

    QByteArray exported(const QString& db)
    {
        return m_cli->run(asAdmin({ "export", "--db", db, "--type", "plu" })).out;
    }

    // A download whose file cannot be written (here a folder) fails before the set is changed.
    void downloadThatCannotWriteItsFileChangesNoSet()
    {
        const QString memory = pluDatabase("1001,COFFEE,1,2.50,10\n");
        const QString copy = pluDatabase("2002,TEA,1,1.80,10\n");
        const QByteArray before = exported(copy);
        const CliProgram::Result failed
            = overTcp(QStringList { "download", "--type", "plu", "--db", copy, "--out", QDir::tempPath() } + tcp(),
                { { "--db", memory } });
        QCOMPARE(failed.status, 4);
        QCOMPARE(exported(copy), before);
    }

    // Registers that would lose different PLUs are named each with its own in the refusal.
    void deletesNamedRegisterByRegister()
    {
        const QString shop = pluDatabase("1001,COFFEE,1,2.50,10\n1002,TEA,1,1.80,10\n");
        const QString a = fresh(QStringLiteral(".db")), b = fresh(QStringLiteral(".db"));
        const QStringList install { "install", "--db", shop, "--type", "plu" };
        const QStringList fromA { "--db", a, "--from", "127.0.0.2" }, fromB { "--db", b, "--from", "127.0.0.3" };
        QCOMPARE(overTcp(install + tcp(), { fromA }).status, 0);
        QVERIFY(importPlus(shop, "1001,COFFEE,1,2.50,10\n1002,TEA,1,1.80,10\n1003,CAKE,2,3.10,5\n"));
        QCOMPARE(overTcp(install + tcp(), { fromB }).status, 0);
        QVERIFY(importPlus(shop, "1001,COFFEE,1,2.50,10\n"));
        const CliProgram::Result unconfirmed
            = overTcp(install + QStringList { "--changes" } + tcp(2), { fromA, fromB });
        QCOMPARE(unconfirmed.status, 2);
        QVERIFY2(unconfirmed.err.contains("Delete from 2 connected registers: 127.0.0.2: 1 PLU (1002 TEA); 127.0.0.3: "
                                          "2 PLUs (1002 TEA, 1003 CAKE)? Nothing was sent"),
            unconfirmed.err.constData());
    }

    // Two registers with baselines of their own get each their own difference; a send that
    // fails changes the baseline only by what was acknowledged.
    // --keep-deleted sends the other changes: a PLU gone from the set stays on the register
    // and in its baseline.
    void changesKeepingDeletedPlus()
    {
        const QString shop = pluDatabase("1001,COFFEE,1,2.50,10\n1002,TEA,1,1.80,10\n");
        const QString memory = fresh(QStringLiteral(".db"));
        const QStringList install { "install", "--db", shop, "--type", "plu" };
        const QStringList reg { "--db", memory, "--from", "127.0.0.6" };
        QCOMPARE(overTcp(install + tcp(), { reg }).status, 0);
        QVERIFY(importPlus(shop, "1001,COFFEE,1,2.60,10\n"));
        const CliProgram::Result kept
            = overTcp(install + QStringList { "--changes", "--keep-deleted" } + tcp(), { reg });
        QVERIFY2(kept.status == 0, kept.err.constData());
        QVERIFY2(kept.err.contains("127.0.0.6: PLUs changed: 1 updated\n"), kept.err.constData());
        QVERIFY2(exported(memory).contains("1002,TEA"), exported(memory).constData());
        QCOMPARE(m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "tcp:127.0.0.6" })).out,
            lines({ "tcp:127.0.0.6: 1 deleted", "  1002 TEA: deleted" }));
        QCOMPARE(m_cli->run(asAdmin(install + QStringList { "--keep-deleted" } + tcp())).status, 2);
        QCOMPARE(
            m_cli->run(asAdmin(install + QStringList { "--changes", "--yes", "--keep-deleted" } + tcp())).status, 2);
    }

    void changesOnly()
    {
        const QString shop = pluDatabase("1001,COFFEE,1,2.50,10\n1002,TEA,1,1.80,10\n1003,CAKE,2,3.10,5\n"
                                         "1004,BUN,2,0.90,5\n");
        const QString a = fresh(QStringLiteral(".db")), b = fresh(QStringLiteral(".db"));
        const QStringList install { "install", "--db", shop, "--type", "plu" };
        auto from = [](const QString& memory, const char* address) {
            return QStringList { "--db", memory, "--from", QLatin1String(address) };
        };
        QCOMPARE(overTcp(install + tcp(), { from(a, "127.0.0.2") }).status, 0);
        QVERIFY(importPlus(shop, "1001,COFFEE,1,2.60,10\n1002,TEA,1,1.80,10\n1003,CAKE,2,3.10,5\n"
                                 "1004,BUN,2,0.90,5\n1005,JAM,3,4.00,5\n"));
        QCOMPARE(overTcp(install + tcp(), { from(b, "127.0.0.3") }).status, 0);
        QVERIFY(importPlus(shop, "1001,ESPRESSO,1,2.60,10\n1003,CAKE,2,3.30,5\n1004,BUN,2,0.90,5\n"
                                 "1005,JAM,3,4.00,5\n1006,HONEY,3,5.50,5\n"));

        const CliProgram::Result difference
            = m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "tcp:127.0.0.2" }));
        QCOMPARE(difference.status, 1);
        QCOMPARE(difference.out,
            lines({ "tcp:127.0.0.2: 2 new, 2 changed, 1 deleted",
                "  1001 ESPRESSO: Name COFFEE \u2192 ESPRESSO; Price 2.50 "
                "\u2192 2.60",
                "  1003 CAKE: Price 3.10 \u2192 3.30", "  1005 JAM: new", "  1006 HONEY: new",
                "  1002 TEA: deleted" }));
        // A register is also known by the name the set gives it.
        openDatabase(shop);
        QVERIFY(BaselineStore::setName(QStringLiteral("tcp:127.0.0.2"), QStringLiteral("till 2")));
        QCOMPARE(
            m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "till 2" })).out, difference.out);
        // A name two registers share picks neither.
        QVERIFY(BaselineStore::setName(QStringLiteral("tcp:127.0.0.3"), QStringLiteral("till 2")));
        const CliProgram::Result shared
            = m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "till 2" }));
        QCOMPARE(shared.status, 2);
        QVERIFY2(
            shared.err.contains("till 2 names 2 registers (tcp:127.0.0.2, tcp:127.0.0.3)"), shared.err.constData());
        QVERIFY(BaselineStore::setName(QStringLiteral("tcp:127.0.0.3"), QString()));
        // A name no register has is said to be one, not a register without a baseline.
        const CliProgram::Result unnamed
            = m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "till 9" }));
        QCOMPARE(unnamed.status, 2);
        QVERIFY2(unnamed.err.contains("is named till 9"), unnamed.err.constData());

        // Deleting PLUs cannot be undone on the register: without --yes nothing goes.
        const CliProgram::Result unconfirmed
            = overTcp(install + QStringList { "--changes" } + tcp(2), { from(a, "127.0.0.2"), from(b, "127.0.0.3") });
        QCOMPARE(unconfirmed.status, 2);
        QVERIFY2(unconfirmed.err.contains("Delete 1 PLU (1002 TEA) from 2 connected registers? Nothing was sent"),
            unconfirmed.err.constData());

        const QStringList changes { "--changes", "--yes" };
        // Two registers behind one address cannot be told apart: neither gets changes.
        const QByteArray aBefore = exported(a), bBefore = exported(b);
        const CliProgram::Result behindOne
            = overTcp(install + changes + tcp(2), { from(a, "127.0.0.2"), from(b, "127.0.0.2") });
        QCOMPARE(behindOne.status, 1);
        QVERIFY2(behindOne.err.contains("2 registers connect as till 2 (127.0.0.2): a send of changes cannot tell "
                                        "them apart, so none is sent"),
            behindOne.err.constData());
        QCOMPARE(exported(a), aBefore);
        QCOMPARE(exported(b), bBefore);
        QList<QByteArray> wire;
        const CliProgram::Result sent
            = overTcp(install + changes + tcp(2), { from(a, "127.0.0.2"), from(b, "127.0.0.3") }, nullptr, &wire);
        QVERIFY2(sent.status == 0, sent.err.constData());
        QVERIFY2(sent.err.contains("127.0.0.2: PLUs changed: 1 deleted, 2 updated, 2 added\n"), sent.err.constData());
        QVERIFY2(sent.err.contains("127.0.0.3: PLUs changed: 1 deleted, 2 updated, 1 added\n"), sent.err.constData());
        // Deletes, then updates, then adds, each a send of its own.
        for (const QByteArray& output : wire) {
            const qsizetype removed = output.indexOf("recv 04 48 06 00"), updated = output.indexOf(" 48 07 00"),
                            added = output.lastIndexOf(" 48 05 00");
            QVERIFY2(removed >= 0 && removed < updated && updated < added, output.constData());
        }
        for (const QString& memory : { a, b })
            QCOMPARE(exported(memory), exported(shop));
        for (const char* reg : { "tcp:127.0.0.2", "tcp:127.0.0.3" })
            QCOMPARE(m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", reg })).status, 0);

        // The register refuses the second frame: the delete went, the rest is still to send.
        QVERIFY(importPlus(shop, "1003,CAKE,2,3.30,5\n1004,BUN,2,0.95,5\n1005,JAM,3,4.00,5\n1006,HONEY,3,5.50,5\n"
                                 "1007,TOAST,1,1.10,5\n"));
        const CliProgram::Result refused
            = overTcp(install + changes + tcp(), { from(a, "127.0.0.2") + QStringList { "--refuse", "2:15" } });
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains("127.0.0.2: the register refused PLU 1004 (code 15) after 1 of 3 rows"),
            refused.err.constData());
        QCOMPARE(m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "tcp:127.0.0.2" })).out,
            lines({ "tcp:127.0.0.2: 1 new, 1 changed", "  1004 BUN: Price 0.90 \u2192 0.95", "  1007 TOAST: new" }));
        // Sent again, the rest goes, and the register holds the set's table.
        QCOMPARE(overTcp(install + QStringList { "--changes" } + tcp(), { from(a, "127.0.0.2") }).status, 0);
        QCOMPARE(exported(a), exported(shop));
        // Compared with what the registers send now, each with its own table (one holds none).
        // Connected in either order, each register is compared with its own table.
        const QStringList empty = from(fresh(QStringLiteral(".db")), "127.0.0.5"), full = from(a, "127.0.0.2");
        for (const QList<QStringList>& registers : { QList<QStringList> { empty, full }, { full, empty } }) {
            const CliProgram::Result live
                = overTcp(QStringList { "diff", "--db", shop, "--type", "plu" } + tcp(2), registers);
            QCOMPARE(live.status, 1);
            QVERIFY2(live.out.contains("tcp:127.0.0.5: 5 new\n") && live.out.contains("tcp:127.0.0.2: unchanged\n"),
                live.out.constData());
        }

        // A whole install sends PLUs with the add code: a PLU gone from the set stays on the
        // register, and in its baseline, until a send of changes deletes it.
        QVERIFY(importPlus(shop, "1003,CAKE,2,3.30,5\n1004,BUN,2,0.95,5\n1005,JAM,3,4.00,5\n1006,HONEY,3,5.50,5\n"));
        QCOMPARE(overTcp(install + tcp(), { from(a, "127.0.0.2") }).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "plu", "--register", "tcp:127.0.0.2" })).out,
            lines({ "tcp:127.0.0.2: 1 deleted", "  1007 TOAST: deleted" }));
        QCOMPARE(overTcp(install + changes + tcp(), { from(a, "127.0.0.2") }).status, 0);
        QCOMPARE(exported(a), exported(shop));

        // A table kept by position starts anew with a send: refused at its second row, the
        // register holds the first only, whatever it held before.
        QFile depts(fresh(QStringLiteral(".csv")));
        QVERIFY(depts.open(QIODevice::WriteOnly));
        depts.write(
            "Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n1,BREAD,2,10000000,00000101,1,12.50,100.00,1\n"
            "2,MILK,1,00000000,00000001,1,0.99,10,3\n3,EGGS,1,00000000,00000001,1,2.00,10,3\n");
        depts.close();
        const QStringList deptInstall { "install", "--db", shop, "--type", "dept" };
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", shop, "--type", "dept", "--in", depts.fileName() })).status, 0);
        QCOMPARE(overTcp(deptInstall + tcp(), { from(a, "127.0.0.2") }).status, 0);
        QVERIFY(depts.open(QIODevice::WriteOnly));
        depts.write("Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n1,RYE,2,10000000,00000101,1,12.50,100.00,1\n"
                    "2,MILK,1,00000000,00000001,1,0.99,10,3\n3,EGGS,1,00000000,00000001,1,2.00,10,3\n");
        depts.close();
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", shop, "--type", "dept", "--in", depts.fileName() })).status, 0);
        QCOMPARE(overTcp(deptInstall + QStringList { "--changes" } + tcp(),
                     { from(a, "127.0.0.2") + QStringList { "--refuse", "2:15" } })
                     .status,
            1);
        QCOMPARE(m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "dept", "--register", "tcp:127.0.0.2" })).out,
            lines({ "tcp:127.0.0.2: 2 new", "  row 2: new", "  row 3: new" }));
        // A page of no departments sends no frame: the register keeps its rows, and its
        // baseline with them, whether the table would go whole or as changes.
        openDatabase(shop);
        QVERIFY(codecForCategory(CategoryDept)->saveTable(ItemTable()));
        const CliProgram::Result emptied
            = overTcp(deptInstall + QStringList { "--changes" } + tcp(), { from(a, "127.0.0.2") });
        QCOMPARE(emptied.status, 1);
        QVERIFY2(emptied.err.contains("till 2 (127.0.0.2): 1 deleted; not sent: the page holds no departments"),
            emptied.err.constData());
        const CliProgram::Result whole = m_cli->run(asAdmin(deptInstall + tcp()));
        QCOMPARE(whole.status, 1);
        QVERIFY2(whole.err.contains("holds no DEPTDATA rows: nothing is sent"), whole.err.constData());
        QCOMPARE(m_cli->run(asAdmin({ "diff", "--db", shop, "--type", "dept", "--register", "tcp:127.0.0.2" })).out,
            lines({ "tcp:127.0.0.2: 1 deleted", "  row 1: deleted" }));
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", shop, "--type", "dept", "--in", depts.fileName() })).status, 0);
        // A set that cannot keep the baseline: the send ends well, and the sentence says that
        // comparing would mislead.
        {
            QSqlDatabase set = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locked"));
            set.setDatabaseName(shop);
            QVERIFY(set.open());
            QVERIFY(QSqlQuery(set).exec(QStringLiteral("create trigger locked before insert on baseline_records "
                                                       "begin select raise(abort, 'locked'); end")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("locked"));
        const CliProgram::Result unkept
            = overTcp(deptInstall + QStringList { "--changes" } + tcp(), { from(a, "127.0.0.2") });
        QCOMPARE(unkept.status, 0);
        QVERIFY2(unkept.err.contains("127.0.0.2: 3 departments installed; what the register now holds could not be "
                                     "noted in the set: download from it before comparing"),
            unkept.err.constData());

        // Stopped by SIGTERM halfway, the tool cancels as the window does: the sentence and the
        // baseline say what the register got, and the next send of changes brings the rest.
        QVERIFY(importPlus(shop, "1003,CAKE,2,3.40,5\n1004,BUN,2,1.00,5\n1005,JAM,3,4.10,5\n1006,HONEY,3,5.60,5\n"));
        {
            QProcess process;
            m_cli->start(&process, asAdmin(install + QStringList { "--changes" } + tcp()));
            QByteArray err;
            const quint16 port = waitForListening(&process, &err);
            QVERIFY(port != 0);
            Simulator slow({ "--connect", QStringLiteral("127.0.0.1:%1").arg(port), "--db", a, "--from", "127.0.0.2",
                "--delay", "400" });
            // Once the first row is acknowledged.
            QByteArray out;
            QDeadlineTimer firstRow(20000);
            while (!out.contains('\n') && !firstRow.hasExpired())
                if (process.waitForReadyRead(100))
                    out += process.readAllStandardOutput();
            QVERIFY2(out.contains('\n'), out.constData());
            process.terminate();
            const CliProgram::Result stopped = finish(&process);
            slow.waitFinished();
            QCOMPARE(stopped.status, 1);
            QVERIFY2(stopped.err.contains("127.0.0.2: cancelled by the operator after "), stopped.err.constData());
        }
        QCOMPARE(overTcp(install + changes + tcp(), { from(a, "127.0.0.2") }).status, 0);
        QCOMPARE(exported(a), exported(shop));

        // A register without a baseline gets nothing, and the status says so.
        const CliProgram::Result unknown = overTcp(
            install + QStringList { "--changes" } + tcp(), { from(fresh(QStringLiteral(".db")), "127.0.0.4") });
        QCOMPARE(unknown.status, 1);
        QVERIFY2(unknown.err.contains("127.0.0.4: no baseline yet: download to compare, or install the whole table"),
            unknown.err.constData());
    }

    // PLUs installed, downloaded back, then changed and removed by the item commands.
    void pluCommands()
    {
        const QString shop = pluDatabase("1001,COFFEE,1,2.50,10\n2002,TEA,1,1.75,20\n3003,CAKE,2,3.10,5\n");
        QVERIFY(!shop.isEmpty());
        const QString memory = fresh(QStringLiteral("-register.db"));
        const CliProgram::Result installed
            = overTcp(QStringList { "install", "--db", shop, "--type", "plu" } + tcp(), { { "--db", memory } });
        QCOMPARE(installed.status, 0);
        QCOMPARE(installed.out, lines({ "127.0.0.1 1001", "127.0.0.1 2002", "127.0.0.1 3003", "127.0.0.1 END" }));
        auto download = [&] {
            const CliProgram::Result back
                = overTcp(QStringList { "download", "--type", "PLUDATA" } + tcp(), { { "--db", memory } });
            return back.status == 0 ? back.out : QByteArray("status ") + QByteArray::number(back.status) + back.err;
        };
        const QByteArray header = "\xEF\xBB\xBFRandom,Name,Dept,Price,Stock+\n";
        QCOMPARE(download(), m_cli->run(asAdmin({ "export", "--db", shop, "--type", "plu" })).out);

        const QString changes = pluDatabase("2002,GREEN TEA,1,1.95,20\n");
        QVERIFY(!changes.isEmpty());
        QCOMPARE(overTcp(QStringList { "install", "--db", changes, "--type", "plu", "--command", "update" } + tcp(),
                     { { "--db", memory } })
                     .status,
            0);
        QCOMPARE(download(), header + "1001,COFFEE,1,2.5,10\n2002,GREEN TEA,1,1.95,20\n3003,CAKE,2,3.1,5\n");

        const QString gone = pluDatabase("1001,COFFEE,1,2.50,10\n3003,CAKE,2,3.10,5\n");
        QVERIFY(!gone.isEmpty());
        // A delete cannot be undone on the register: unattended it needs --yes, and without it
        // nothing is sent (the tool stops before it listens).
        const QStringList deleting { "install", "--db", gone, "--type", "plu", "--command", "delete" };
        const CliProgram::Result unconfirmed = m_cli->run(asAdmin(deleting + tcp()));
        QCOMPARE(unconfirmed.status, 2);
        QVERIFY2(unconfirmed.err.contains("Delete 2 PLUs (1001 COFFEE, 3003 CAKE) from the register(s)? Nothing was "
                                          "sent: give --yes"),
            unconfirmed.err.constData());
        const CliProgram::Result deleted = overTcp(deleting + QStringList { "--yes" } + tcp(), { { "--db", memory } });
        QCOMPARE(deleted.status, 0);
        QVERIFY2(deleted.err.contains("127.0.0.1: 2 PLUs deleted\n"), deleted.err.constData());
        QCOMPARE(deleted.out, lines({ "127.0.0.1 1001", "127.0.0.1 3003", "127.0.0.1 END" }));
        QCOMPARE(download(), header + "2002,GREEN TEA,1,1.95,20\n");

        // The item commands are the PLUs' own.
        const CliProgram::Result notPlu = m_cli->run(
            asAdmin(QStringList { "install", "--db", m_shop, "--type", "dept", "--command", "add" } + tcp()));
        QCOMPARE(notPlu.status, 2);
        QVERIFY2(notPlu.err.contains("commands of PLUs only"), notPlu.err.constData());
    }

    // Without the PLU bit the PLUs are refused before any register is waited for.
    void noPluPermission()
    {
        m_cli->addUser(2, QStringLiteral("deptonly"), QStringLiteral("pw"), PermDepartment);
        const QStringList command { "install", "--db", m_shop, "--type", "plu" };
        const CliProgram::Result refused
            = m_cli->run(QStringList { "--user", "deptonly" } + command + tcp(), QStringLiteral("pw"));
        QCOMPARE(refused.status, 3);
        QCOMPARE(refused.err.trimmed(), QByteArray("No authority."));
        QVERIFY(refused.out.isEmpty());

        // Erasing a register's tables is the administrator's, whatever the permissions.
        const CliProgram::Result notAdmin = m_cli->run(
            { "--user", "deptonly", "clear", "--yes", "--serial", "/dev/tallvane-no-such-port" }, QStringLiteral("pw"));
        QCOMPARE(notAdmin.status, 3);
        QVERIFY2(notAdmin.err.contains("only the administrator"), notAdmin.err.constData());
    }

    void noRegister()
    {
        const CliProgram::Result result
            = m_cli->run(asAdmin(QStringList { "install", "--db", m_shop, "--type", "dept" } + tcp(1, 0)));
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("no register connected within 0 s"), result.err.constData());
        QVERIFY(result.out.isEmpty());
    }

    // Over a serial line: install, download into a database, the logo and clear data.
    void serial()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is not available");
        const QString memory = fresh(QStringLiteral("-register.db"));
        const QString logo = fresh(QStringLiteral(".png"));
        Simulator simulator({ "--serial", pty.second(), "--db", memory, "--logo-out", logo });
        QVERIFY(simulator.waitReady());
        const QStringList port { "--serial", pty.first() };

        const CliProgram::Result installed
            = m_cli->run(asAdmin(QStringList { "install", "--db", m_shop, "--type", "dept" } + port));
        QCOMPARE(installed.status, 0);
        QCOMPARE(installed.out, lines({ "1", "2", "END" }));

        const QString copy = fresh(QStringLiteral(".db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", copy })).status, 0);
        const CliProgram::Result downloaded
            = m_cli->run(asAdmin(QStringList { "download", "--type", "DEPTDATA", "--db", copy } + port));
        QCOMPARE(downloaded.status, 0);
        QCOMPARE(downloaded.out, lines({ "BREAD", "MILK", "END" }));
        QCOMPARE(m_cli->run(asAdmin({ "export", "--db", copy, "--type", "dept" })).out,
            m_cli->run(asAdmin({ "export", "--db", m_shop, "--type", "dept" })).out);

        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::black);
        const QString image = fresh(QStringLiteral(".png"));
        QVERIFY(picture.save(image));
        const CliProgram::Result sentLogo = m_cli->run(
            asAdmin(QStringList { "install", "--type", "logo", "--image", image, "--size", "384x64" } + port));
        QCOMPARE(sentLogo.status, 0);
        QCOMPARE(sentLogo.out, lines({ "END" }));
        QCOMPARE(QImage(logo).size(), QSize(384, 64));

        // Clearing erases every table: it needs --yes, and the administrator.
        QCOMPARE(m_cli->run(asAdmin(QStringList { "clear" } + port)).status, 2);
        QVERIFY(!stored(memory, QStringLiteral("table_dept")).isEmpty());
        const CliProgram::Result cleared = m_cli->run(asAdmin(QStringList { "clear", "--yes", "--db", m_shop } + port));
        QCOMPARE(cleared.status, 0);
        QCOMPARE(cleared.out, lines({ "END" }));
        QVERIFY(stored(memory, QStringLiteral("table_dept")).isEmpty());
        // The set knows the register is empty now (asked by the port's link, known by its device).
        QCOMPARE(
            m_cli->run(asAdmin({ "diff", "--db", m_shop, "--type", "dept", "--register", "serial:" + pty.first() }))
                .out,
            lines({ QStringLiteral("%1: 2 new").arg(serialLinkId(pty.first())), "  row 1: new", "  row 2: new" }));

        const CliProgram::Result noPort
            = m_cli->run(asAdmin({ "clear", "--yes", "--serial", file(QStringLiteral("no-such-port")) }));
        QCOMPARE(noPort.status, 1);
        QVERIFY2(noPort.err.contains("could not be opened"), noPort.err.constData());
    }

    // Each login, import and register's transfer of the tool is in its journal, which
    // journal export writes as CSV and journal verify checks until an entry is taken out.
    void journal()
    {
        CliProgram cli(file(QStringLiteral("journal-bin")));
        QVERIFY(cli.ok());
        const QString shop = fresh(QStringLiteral(".db"));
        QCOMPARE(cli.run(asAdmin({ "new-db", shop })).status, 0);
        QCOMPARE(cli.run(asAdmin({ "import", "--db", shop, "--type", "dept", "--in", file("shop.csv") })).status, 0);
        QCOMPARE(cli.run(asAdmin({ "journal", "verify" }), QStringLiteral("wrong")).status, 3);
        QCOMPARE(overTcp(QStringList { "install", "--db", shop, "--type", "dept" } + tcp(),
                     { { "--db", fresh(QStringLiteral("-register.db")) } }, &cli)
                     .status,
            0);
        QStringList expected { "login||", "login||", "save|DEPTDATA|", "import|DEPTDATA|", "login failed||", "login||",
            "transfer|DEPTDATA|tcp:127.0.0.1" };
        PtyPair pty;
        if (pty.ok()) {
            Simulator simulator({ "--serial", pty.second(), "--db", fresh(QStringLiteral("-register.db")) });
            QVERIFY(simulator.waitReady());
            const QStringList install { "install", "--db", shop, "--type", "dept", "--serial", pty.first() };
            QCOMPARE(cli.run(asAdmin(install)).status, 0);
            expected << "login||" << QStringLiteral("transfer|DEPTDATA|") + serialLinkId(pty.first());
        }
        expected << "login||"; // the export's own

        const QString out = fresh(QStringLiteral(".csv"));
        QCOMPARE(cli.run(asAdmin({ "journal", "export", "--out", out })).status, 0);
        QCOMPARE(QFileInfo(out).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
            QFileDevice::Permissions());
        QFile exported(out);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        csv reader;
        reader.setDevice(&exported);
        const ItemTable rows = reader.readAll();
        QCOMPARE(rowTexts(rows.value(0)),
            QStringList({ "id", "time", "user", "pc", "kind", "category", "register", "summary", "details", "hash" }));
        QStringList kinds;
        for (const ItemRow& row : rows.mid(1)) {
            kinds << QStringList { row.value(4).toString(), row.value(5).toString(), row.value(6).toString() }.join(
                QLatin1Char('|'));
            QCOMPARE(row.value(2).toString(), QStringLiteral("admin"));
        }
        QCOMPARE(kinds, expected);
        const ItemRow refused = rows.value(5);
        QCOMPARE(
            refused.value(7).toString(), QStringLiteral("login of \"admin\" refused at tallvane-cli: wrong password"));
        const ItemRow sent = rows.value(7);
        QCOMPARE(sent.value(7).toString(), QStringLiteral("127.0.0.1: 2 departments installed"));
        QCOMPARE(sent.value(8).toString(),
            QStringLiteral("command: install\nrows sent: 2 of 2\nresult: done\nverify: not read back\nset: %1")
                .arg(QDir::toNativeSeparators(shop)));
        // The import stores the rows as a save does, and both are journalled.
        QCOMPARE(rows.value(3).value(7).toString(), QStringLiteral("2 departments saved: 2 new"));
        QCOMPARE(rows.value(4).value(8).toString(),
            QStringLiteral("file: %1\nrows: 2\nmode: replace\nset: %2")
                .arg(QDir::toNativeSeparators(file("shop.csv")), QDir::toNativeSeparators(shop)));

        // Entries from a later day, or a later hour of today, than any: the header alone, on standard output.
        for (const QString& since : { QDate::currentDate().addDays(1).toString(Qt::ISODate),
                 QDateTime::currentDateTimeUtc().addSecs(3600).toString(Qt::ISODate) }) {
            const CliProgram::Result later = cli.run(asAdmin({ "journal", "export", "--since", since }));
            QCOMPARE(later.status, 0);
            QCOMPARE(
                later.out, QByteArray("\xEF\xBB\xBFid,time,user,pc,kind,category,register,summary,details,hash\n"));
        }
        for (const char* since : { "last week", "2024-05-01xyz" })
            QCOMPARE(cli.run(asAdmin({ "journal", "export", "--since", since })).status, 2);

        // The later exports and this run logged in as well; the refused --since did not get so far.
        const CliProgram::Result verified = cli.run(asAdmin({ "journal", "verify" }));
        QCOMPARE(verified.status, 0);
        QCOMPARE(verified.out, QStringLiteral("journal verified: %1 entries\n").arg(rows.size() - 1 + 3).toUtf8());

        QVERIFY(withDatabaseFile(QDir(cli.folder()).filePath(QStringLiteral("Journal.db")), [](QSqlQuery& query) {
            return query.exec(QStringLiteral("DROP TRIGGER journal_no_delete"))
                && query.exec(QStringLiteral("DELETE FROM journal WHERE id = 3"));
        }));
        const CliProgram::Result broken = cli.run(asAdmin({ "journal", "verify" }));
        QCOMPARE(broken.status, 1);
        QCOMPARE(broken.out, QByteArray("journal broken at entry 4: entry 3 before it is missing\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliLink)
#include "tst_clilink.moc"
