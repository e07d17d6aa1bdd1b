#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "logo/graphic.h"
#include "records/dept.h"
#include "records/system.h"
#include "testsupport.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestSimulator : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    struct Session {
        TcpBench bench;
        TestHost* host = &bench.host;
        std::unique_ptr<Simulator> ecr;
        QString db;
    };

    std::unique_ptr<Session> start(const QStringList& faults)
    {
        auto session = std::make_unique<Session>();
        session->db = m_dir.filePath(QStringLiteral("ecr%1.db").arg(++m_serial));
        session->ecr = session->bench.connect(session->db, faults);
        return session->ecr ? std::move(session) : nullptr;
    }

    static QStringList storedNames(const QString& file, const QString& table)
    {
        QStringList names;
        forEachRow(file, QStringLiteral("select itemRandom, itemName from %1").arg(table), [&](const QSqlQuery& query) {
            names << query.value(0).toString() + QLatin1Char(':') + query.value(1).toString();
        });
        return names;
    }

    static ItemRow plu(const char* code, const char* name, const char* price = "1.00")
    {
        return { QLatin1String(code), QLatin1String(name), "1", QLatin1String(price), "5" };
    }

    // Sends `rows` as PLUs under `command` and waits for the end of the send.
    static bool sendPlus(TestHost* host, quint8 command, const ItemTable& rows)
    {
        host->words.clear();
        host->send(makeRequest("PLUDATA", &rows, command));
        return host->waitForWord("UPDATE END", 20000);
    }

private slots:
    void helpAndUsage()
    {
        QProcess help;
        help.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tallvane-ecrsim"), { QStringLiteral("--help") });
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        const QByteArray text = help.readAllStandardOutput();
        for (const char* option :
            { "--connect", "--serial", "--db", "--refuse", "--silent", "--bad-crc", "--bad-control", "--overlong",
                "--chunk", "--delay", "--logo-out", "--plu-send-replaces", "--reconnect" })
            QVERIFY2(text.contains(option), option);
        QVERIFY(text.contains("served in code order"));

        QProcess wrong;
        wrong.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tallvane-ecrsim"), {});
        QVERIFY(wrong.waitForFinished(10000));
        QVERIFY(wrong.exitCode() != 0);
        QVERIFY(wrong.readAllStandardError().contains("--connect"));
    }

    void installThenDownload()
    {
        auto s = start({});
        QVERIFY(s);
        s->host->send("DEPTDATA", departments(3));
        QVERIFY(s->host->waitForWord("UPDATE END"));
        QCOMPARE(storedNames(s->db, QStringLiteral("table_dept")), (QStringList { "1:DEPT1", "2:DEPT2", "3:DEPT3" }));

        // A second send replaces the table.
        s->host->words.clear();
        s->host->send("DEPTDATA", departments(2));
        QVERIFY(s->host->waitForWord("UPDATE END"));
        QCOMPARE(storedNames(s->db, QStringLiteral("table_dept")), (QStringList { "1:DEPT1", "2:DEPT2" }));

        s->host->words.clear();
        emit s->host->signal_MrcvData("DEPTDATA");
        QVERIFY(s->host->waitForWord("DOWNLOAD END"));
        QCOMPARE(s->host->words, QList<QByteArray>({ "DOWNLOAD DEPT1", "DOWNLOAD DEPT2", "DOWNLOAD END" }));
        QCOMPARE(s->host->received.first().second, departments(2).isEmpty() ? ItemTable() : [] {
            ItemTable rows;
            for (const ItemRow& row : departments(2)) {
                ItemRow decoded;
                Dept::instance()->decodeRecord(deptRecord(row), &decoded);
                rows << decoded;
            }
            return rows;
        }());

        // The register prints its frames and ends when its peer closes.
        s->bench.server.reset();
        QVERIFY(s->ecr->waitFinished());
        QCOMPARE(s->ecr->exitStatus(), QProcess::NormalExit);
        QCOMPARE(s->ecr->exitCode(), 0);
        QVERIFY(s->ecr->output().contains("recv 08 00 09 00 04 14"));
        QVERIFY(s->ecr->output().contains("send 06"));
    }

    // Switched off in the middle of a send, the register keeps the rows it acknowledged.
    void switchedOffKeepsWhatItAcknowledged()
    {
        auto s = start({ QStringLiteral("--delay"), QStringLiteral("100") });
        QVERIFY(s);
        s->host->send("DEPTDATA", departments(30));
        QVERIFY(s->host->waitForWord("UPDATE DEPT3", 10000));
        s->ecr->terminate();
        QVERIFY(s->ecr->waitFinished());
        QCOMPARE(s->ecr->exitCode(), 0);
        const QStringList kept = storedNames(s->db, QStringLiteral("table_dept"));
        QVERIFY2(kept.size() >= 3 && kept.size() < 30, qPrintable(kept.join(QLatin1Char(' '))));
        QCOMPARE(kept.mid(0, 3), (QStringList { "1:DEPT1", "2:DEPT2", "3:DEPT3" }));
    }

    // With --reconnect the register dials again when Tallvane goes away, and keeps what it
    // holds: a restarted Tallvane finds it connected, with the same table.
    void reconnectKeepsTheRegistersMemory()
    {
        auto s = start({ QStringLiteral("--reconnect") });
        QVERIFY(s);
        s->host->send("DEPTDATA", departments(3));
        QVERIFY(s->host->waitForWord("UPDATE END"));
        const quint16 port = s->bench.server->serverPort();
        const int before = int(s->host->connections.size());
        s->bench.server.reset();
        QVERIFY(QTest::qWaitFor([&] { return s->ecr->output().contains("connection closed: dialling again"); }, 10000));
        s->bench.server = std::make_unique<TcpServer>(s->host, QHostAddress::LocalHost, port);
        QVERIFY(QTest::qWaitFor([&] { return int(s->host->connections.size()) > before; }, 10000));
        s->host->words.clear();
        emit s->host->signal_MrcvData("DEPTDATA");
        QVERIFY(s->host->waitForWord("DOWNLOAD END"));
        QCOMPARE(s->host->words,
            QList<QByteArray>({ "DOWNLOAD DEPT1", "DOWNLOAD DEPT2", "DOWNLOAD DEPT3", "DOWNLOAD END" }));
        QVERIFY(s->ecr->output().count("register ready") >= 2);
    }

    void faults_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("download");
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("refuse") << QStringList { "--refuse", "2:15" } << false << hexBytes("15");
        QTest::newRow("silent") << QStringList { "--silent", "1" } << false << QByteArray("TIME OUT");
        QTest::newRow("bad crc") << QStringList { "--bad-crc", "2" } << true << QByteArray("BCC ERR");
        QTest::newRow("bad control") << QStringList { "--bad-control", "1" } << true << QByteArray("RCV ERR");
        QTest::newRow("overlong") << QStringList { "--overlong", "1" } << true << QByteArray("RCV ERR");
        QTest::newRow("pieces and delay") << QStringList { "--chunk", "7", "--delay", "20" } << true
                                          << QByteArray("DOWNLOAD END");
    }

    void faults()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, download);
        QFETCH(QByteArray, word);
        auto s = start(options);
        QVERIFY(s);
        s->host->send("DEPTDATA", departments(3));
        if (!download) {
            QVERIFY(s->host->waitForWord(word, 6000));
            QCOMPARE(s->host->count("UPDATE END"), 0);
            return;
        }
        QVERIFY(s->host->waitForWord("UPDATE END", 6000));
        s->host->words.clear();
        emit s->host->signal_MrcvData("DEPTDATA");
        QVERIFY(s->host->waitForWord(word, 6000));
        if (word != "DOWNLOAD END")
            QVERIFY(s->host->received.isEmpty());
        else
            QCOMPARE(s->host->received.first().second.size(), 3);
    }

    void pluItemsUnderTheirCode_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("tcp") << false;
        QTest::newRow("pseudo-terminal") << true;
    }

    void pluItemsUnderTheirCode()
    {
        QFETCH(bool, serial);
        std::unique_ptr<Session> tcp;
        std::unique_ptr<PtyPair> pty;
        std::unique_ptr<Simulator> serialEcr;
        std::unique_ptr<TestHost> serialHost;
        std::unique_ptr<SerialServer> serialLink;
        TestHost* host = nullptr;
        QString db;
        if (serial) {
            pty = std::make_unique<PtyPair>();
            if (!pty->ok())
                QSKIP("socat is needed for pseudo-terminal pairs");
            db = m_dir.filePath(QStringLiteral("serial-plu.db"));
            serialEcr = std::make_unique<Simulator>(QStringList { QStringLiteral("--serial"), pty->second(), QStringLiteral("--db"), db });
            QVERIFY(serialEcr->waitReady());
            serialHost = std::make_unique<TestHost>();
            serialLink = std::make_unique<SerialServer>(serialHost.get(), pty->first());
            QVERIFY(serialLink->isOpen());
            host = serialHost.get();
        } else {
            tcp = start({});
            QVERIFY(tcp);
            host = tcp->host;
            db = tcp->db;
        }

        QVERIFY(sendPlus(host, CommandInstall,
            { plu("30", "TEA"), plu("4", "MILK"), plu("1234567890123", "COFFEE"), plu("200", "RICE") }));
        // Over TCP each acknowledged frame is named by its item code, over RS-232 by its number.
        QCOMPARE(host->words, serial ? QList<QByteArray>({ "UPDATE 1", "UPDATE 2", "UPDATE 3", "UPDATE 4", "UPDATE END" })
                                     : QList<QByteArray>({ "UPDATE 30", "UPDATE 4", "UPDATE 1234567890123", "UPDATE 200",
                                         "UPDATE END" }));
        QCOMPARE(storedNames(db, QStringLiteral("table_plu")),
            (QStringList { "4:MILK", "30:TEA", "200:RICE", "1234567890123:COFFEE" }));

        QVERIFY(sendPlus(host, CommandAdd, { plu("9", "SALT"), plu("30", "GREEN TEA") }));
        QVERIFY(sendPlus(host, CommandUpdate, { plu("4", "MILK", "0.99") }));
        QVERIFY(sendPlus(host, CommandDelete, { plu("200", "RICE"), plu("77", "NOT THERE") }));
        QCOMPARE(storedNames(db, QStringLiteral("table_plu")),
            (QStringList { "4:MILK", "9:SALT", "30:GREEN TEA", "1234567890123:COFFEE" }));

        host->words.clear();
        host->received.clear();
        emit host->signal_MrcvData("PLUDATA");
        QVERIFY(host->waitForWord("DOWNLOAD END", 20000));
        QCOMPARE(host->words, serial ? QList<QByteArray>({ "DOWNLOAD 1", "DOWNLOAD 2", "DOWNLOAD 3", "DOWNLOAD 4", "DOWNLOAD END" })
                                     : QList<QByteArray>({ "DOWNLOAD MILK", "DOWNLOAD SALT", "DOWNLOAD GREEN TEA",
                                         "DOWNLOAD COFFEE", "DOWNLOAD END" }));
        QCOMPARE(host->received.size(), 1);
        QCOMPARE(host->received.first().first, QByteArray("PLUDATA"));
        const ItemTable rows = host->received.first().second;
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0), (ItemRow { "4", "MILK", "1", "0.99", "5.00" }));
        QCOMPARE(rows.at(3).at(0).toString(), QStringLiteral("1234567890123"));
    }

    void pluSendThatReplaces()
    {
        auto s = start({ QStringLiteral("--plu-send-replaces") });
        QVERIFY(s);
        QVERIFY(sendPlus(s->host, CommandInstall, { plu("3", "A"), plu("1", "B"), plu("2", "C") }));
        QVERIFY(sendPlus(s->host, CommandInstall, { plu("8", "D"), plu("2", "E") }));
        QCOMPARE(storedNames(s->db, QStringLiteral("table_plu")), (QStringList { "2:E", "8:D" }));
        // Update and delete still work on single codes.
        QVERIFY(sendPlus(s->host, CommandDelete, { plu("8", "D") }));
        QVERIFY(sendPlus(s->host, CommandUpdate, { plu("5", "F") }));
        QCOMPARE(storedNames(s->db, QStringLiteral("table_plu")), (QStringList { "2:E", "5:F" }));
    }

    void systemParameters()
    {
        auto s = start({});
        QVERIFY(s);
        QByteArray record = System::defaultRecord();
        record[15] = char(7);
        System::setRecord(record);
        s->host->send(makeRequest("SYSPARMDATA", nullptr));
        QVERIFY(s->host->waitForWord("UPDATE END"));
        QCOMPARE(s->host->words, QList<QByteArray>({ "UPDATE sysparm", "UPDATE END" }));

        System::setRecord(System::defaultRecord());
        emit s->host->signal_MrcvData("SYSPARMDATA");
        QVERIFY(s->host->waitForWord("DOWNLOAD END"));
        QCOMPARE(System::ecrNo(), 7);
        QCOMPARE(s->host->received.first().second.first().size(), 64);
        System::setRecord(System::defaultRecord());
    }

    void serialRegister()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        const QString db = m_dir.filePath(QStringLiteral("serial.db"));
        Simulator ecr({ QStringLiteral("--serial"), pty.second(), QStringLiteral("--db"), db, QStringLiteral("--silent"),
            QStringLiteral("1"), QStringLiteral("--silent"), QStringLiteral("2") });
        QVERIFY(ecr.waitReady());
        TestHost host;
        SerialServer link(&host, pty.first());
        QVERIFY(link.isOpen());
        host.send("DEPTDATA", departments(2));
        QVERIFY(host.waitForWord("UPDATE END", 20000));
        QCOMPARE(host.words, QList<QByteArray>({ "TIME OUT", "TIME OUT", "UPDATE 1", "UPDATE 2", "UPDATE END" }));
        QCOMPARE(storedNames(db, QStringLiteral("table_dept")).size(), 2);

        host.words.clear();
        host.send(makeRequest("SYSCLEARDATA", nullptr, CommandClear));
        QVERIFY(host.waitForWord("UPDATE END"));
        QVERIFY(QTest::qWaitFor([&] { return storedNames(db, QStringLiteral("table_dept")).isEmpty(); }, 3000));
    }

    void serialLogo()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        const QString png = m_dir.filePath(QStringLiteral("received.png"));
        Simulator ecr({ QStringLiteral("--serial"), pty.second(), QStringLiteral("--logo-out"), png });
        QVERIFY(ecr.waitReady());
        TestHost host;
        SerialServer link(&host, pty.first());
        QVERIFY(link.isOpen());

        // A diagonal line and a solid corner, in a custom size.
        QImage logo(96, 24, QImage::Format_Mono);
        logo.setColorTable({ qRgb(255, 255, 255), qRgb(0, 0, 0) });
        logo.fill(0);
        for (int x = 0; x < 96; ++x)
            logo.setPixel(x, x / 4, 1);
        for (int y = 16; y < 24; ++y)
            for (int x = 0; x < 8; ++x)
                logo.setPixel(x, y, 1);
        Graphic::setLogoSize(logo.size());
        QVERIFY(Graphic::packLogo(logo));
        host.send(logoRequest(Graphic::dataList(), 1));
        QVERIFY(host.waitForWord("UPDATE END"));
        QCOMPARE(host.words, QList<QByteArray>({ "UPDATE END" }));
        QVERIFY(QTest::qWaitFor([&] { return ecr.output().contains("logo written to"); }, 3000));
        // Sent as the second logo (1 on the wire).
        QVERIFY(ecr.output().contains("logo 2 received: 96 x 24, 304 bytes"));
        QVERIFY(ecr.output().contains("recv 04 03 20 01 55 43 4F"));
        const QImage received(png);
        QCOMPARE(received.size(), logo.size());
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 0; x < logo.width(); ++x)
                QCOMPARE(qGray(received.pixel(x, y)) < 128, logo.pixelIndex(x, y) == 1);
        QFile::remove(png);

        // A header that does not describe its bitmap is refused at the end block, and a
        // chunk outside a logo at once.
        QByteArray packed = Graphic::packedLogo();
        packed[12] = char(packed.at(12) + 8);
        const QList<QList<QByteArray>> wrongLogos { { "UCO", packed.left(200), packed.mid(200), "UCA" },
            { packed.left(200), "UCA" } };
        for (const QList<QByteArray>& chunks : wrongLogos) {
            host.words.clear();
            host.send(logoRequest(chunks));
            QVERIFY(host.waitForWord(hexBytes("15")));
            QCOMPARE(host.words, QList<QByteArray>({ hexBytes("15") }));
        }
        QVERIFY(ecr.output().contains("logo refused: its header does not describe its 288 bitmap bytes"));
        QVERIFY(ecr.output().contains("logo chunk outside UCO ... UCA: refused"));
        QVERIFY(!QFile::exists(png));
    }
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
