#include "journal/journal.h"
#include "link/changes.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "link/transferjournal.h"
#include "linkharness.h"
#include "records/categories.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QSerialPort>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <grp.h>
#include <unistd.h>

class TestSerialLink : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<SerialServer> m_link;
    std::unique_ptr<QSerialPort> m_registerPort;

    // Opens the link on one end of the pair and the register on the other.
    bool openPair()
    {
        m_link = std::make_unique<SerialServer>(m_host.get(), m_pty->first());
        if (!m_link->isOpen())
            return false;
        m_registerPort = std::make_unique<QSerialPort>();
        m_registerPort->setPortName(m_pty->second());
        return m_registerPort->open(QIODevice::ReadWrite);
    }

private slots:
    void initTestCase()
    {
        m_pty = std::make_unique<PtyPair>();
        if (!m_pty->ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
    }

    void init() { m_host = std::make_unique<TestHost>(); }

    void cleanup()
    {
        m_registerPort.reset();
        m_link.reset();
        m_host.reset();
        LinkSettings::setFilePath(QString());
    }

    void scanListsPortsThatOpen()
    {
        const QString ini = m_dir.filePath(QStringLiteral("tallvane.ini"));
        {
            QSettings settings(ini, QSettings::IniFormat);
            settings.setValue(QStringLiteral("serial/extraPorts"),
                QStringLiteral("%1, %2, /dev/tallvane-no-such-port").arg(m_pty->second(), m_pty->first()));
        }
        LinkSettings::setFilePath(ini);
        const QStringList ports = scanSerialPorts();
        QVERIFY(ports.contains(m_pty->first()));
        QVERIFY(ports.contains(m_pty->second()));
        QVERIFY(!ports.contains(QStringLiteral("/dev/tallvane-no-such-port")));
        // A device that is not there is no refusal to report.
        QStringList refused;
        QCOMPARE(scanSerialPorts(&refused), ports);
        QVERIFY2(refused.isEmpty(), qPrintable(refused.join(QLatin1Char('|'))));
        QStringList sorted = ports;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(ports, sorted);
        QCOMPARE(ports.count(m_pty->first()), 1);
    }

    void portThatDoesNotOpen()
    {
        LogCapture log;
        SerialServer link(m_host.get(), m_dir.filePath(QStringLiteral("no-such-port")));
        QVERIFY(!link.isOpen());
        QVERIFY(!link.openError().isEmpty());
        QVERIFY(log.contains(QStringLiteral("open serial failed")));
        // No port object serves it, so a request reaches no register.
        QCOMPARE(m_host->send("DEPTDATA", departments(1)), 0);
        QCOMPARE(m_host->runningTransfers(), 0);
    }

    // A port the user may not open says which group opens it and how to join it.
    void portWithoutPermissionNamesItsGroup()
    {
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        // The device belongs to the group "tty" and opens for its owner only.
        const QString device = QFileInfo(m_pty->first()).canonicalFilePath();
        const QFile::Permissions before = QFile::permissions(device);
        const struct group* tty = getgrnam("tty");
        QVERIFY(tty);
        QVERIFY(::chown(QFile::encodeName(device).constData(), 0, tty->gr_gid) == 0);
        QVERIFY(QFile::setPermissions(device, QFile::ReadOwner | QFile::WriteOwner));
        // The scan leaves the port out and says why, as opening it does.
        // (The settings lie where the ordinary user may read them.)
        QTemporaryDir readable;
        QVERIFY(QFile::setPermissions(
            readable.path(), QFile::permissions(readable.path()) | QFile::ReadOther | QFile::ExeOther));
        const QString ini = readable.filePath(QStringLiteral("tallvane.ini"));
        QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("serial/extraPorts"), m_pty->first());
        QVERIFY(QFile::setPermissions(ini, QFile::permissions(ini) | QFile::ReadOther));
        LinkSettings::setFilePath(ini);
        QString error;
        QStringList listed, refused;
        {
            OrdinaryRights::Scope scope;
            SerialServer link(m_host.get(), m_pty->first());
            QVERIFY(!link.isOpen());
            error = link.openError();
            listed = scanSerialPorts(&refused);
        }
        QFile::setPermissions(device, before);
        QVERIFY2(error.contains(QStringLiteral("Only the members of the group tty may open %1").arg(m_pty->first())),
            qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("sudo adduser")), qPrintable(error));
        QVERIFY(!listed.contains(m_pty->first()));
        // (The machine's own ports may be refused too.)
        QVERIFY2(refused.contains(error), qPrintable(refused.join(QLatin1Char('|'))));
        QVERIFY(noSerialPortText(refused).split(QLatin1Char('\n')).contains(error));
    }

    void sendNumbersItsRows()
    {
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        const ItemTable table = departments(3);
        m_host->send("DEPTDATA", table);
        for (int i = 0; i < 3; ++i) {
            QByteArray expected;
            packRecord("DEPTDATA", &table.at(i), i == 2 ? 2 : 1, &expected);
            QCOMPARE(ecr.read(53), expected);
            ecr.write(QByteArray(1, kAck));
        }
        QVERIFY(m_host->waitForWord("UPDATE END"));
        QCOMPARE(m_host->words, QList<QByteArray>({ "UPDATE 1", "UPDATE 2", "UPDATE 3", "UPDATE END" }));
    }

    void thirdAttemptSucceeds()
    {
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        m_host->send("DEPTDATA", departments(1));
        const QByteArray first = ecr.read(53, 3000);
        QCOMPARE(first.size(), 53);
        QCOMPARE(ecr.read(53, 8000), first);
        // A failed attempt is reported, but the transfer goes on.
        QVERIFY(m_host->waitForWord("TIME OUT"));
        QCOMPARE(m_host->runningTransfers(), 1);
        QCOMPARE(ecr.read(53, 8000), first);
        ecr.write(QByteArray(1, kAck));
        QVERIFY(QTest::qWaitFor([&] { return m_host->runningTransfers() == 0; }, 5000));
        QCOMPARE(m_host->words, QList<QByteArray>({ "TIME OUT", "TIME OUT", "UPDATE 1", "UPDATE END" }));
        // A reply after a time-out may answer an earlier write: the sentence says so, and what
        // the register holds is not known any more.
        QCOMPARE(m_host->outcomes.size(), 1);
        TransferOutcome late = m_host->outcomes.first();
        QCOMPARE(late.retried, 1);
        QVERIFY2(late.sentence().contains(QStringLiteral("answered late and rows were sent again")),
            qPrintable(late.sentence()));
        QTemporaryDir dir;
        createDatabase(dir.filePath(QStringLiteral("shop.db")));
        late.link = QStringLiteral("serial:ttyTEST");
        QVERIFY(BaselineStore::store(late.link, CategoryDept, { QByteArray(47, 'x') }));
        const ItemTable sent = departments(1);
        QVERIFY(recordSend(makeRequest("DEPTDATA", &sent), late));
        QVERIFY(!BaselineStore::exists(late.link, CategoryDept));
        openDatabase(QString());
        // Nor does the journal call it done.
        Journal::setFilePath(dir.filePath(QStringLiteral("Journal.db")));
        QVERIFY(journalTransfer(late));
        QList<JournalEntry> entries;
        QVERIFY(Journal::read(JournalFilter(), &entries));
        QVERIFY2(entries.value(0).details.contains(
                     QStringLiteral("result: acknowledged after late replies: what the register holds is not known")),
            qPrintable(entries.value(0).details));
        Journal::setFilePath(QString());
    }

    // A refusal and then an acknowledgement: the row was taken once. An extra reply: every
    // reply after it may answer the frame before, so the register's table is not known.
    void repliesOutOfStep_data()
    {
        QTest::addColumn<QByteArray>("firstReply");
        QTest::addColumn<bool>("uncertain");
        QTest::newRow("refused, then taken") << QByteArray("\x15") << false;
        QTest::newRow("acknowledged twice") << QByteArray("\x06\x06") << true;
    }

    void repliesOutOfStep()
    {
        QFETCH(QByteArray, firstReply);
        QFETCH(bool, uncertain);
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        m_host->send("DEPTDATA", departments(2));
        QCOMPARE(ecr.read(53).size(), 53);
        ecr.write(firstReply);
        QCOMPARE(ecr.read(53).size(), 53);
        ecr.write(QByteArray(1, kAck));
        if (!uncertain) {
            QCOMPARE(ecr.read(53).size(), 53);
            ecr.write(QByteArray(1, kAck));
        }
        QVERIFY(QTest::qWaitFor([&] { return m_host->runningTransfers() == 0; }, 5000));
        QCOMPARE(m_host->outcomes.size(), 1);
        const TransferOutcome outcome = m_host->outcomes.first();
        QCOMPARE(outcome.result, TransferOutcome::Done);
        QCOMPARE(outcome.uncertain(), uncertain);
        QCOMPARE(outcome.sentence().contains(QStringLiteral("download from it to see what it holds")), uncertain);
    }

    // A port another program holds is said to be in use, not refused for want of a group.
    void portInUse()
    {
        QVERIFY(openPair());
        SerialServer second(m_host.get(), m_pty->first());
        QVERIFY(!second.isOpen());
        QVERIFY2(second.openError().contains(QStringLiteral("is in use by another program")),
            qPrintable(second.openError()));
    }

    // Every spelling of one name names one register (its baseline and journal name), but a
    // link is not followed: the device behind it changes when adapters are plugged in again.
    void oneLinkPerName()
    {
        const QString device = QFileInfo(m_pty->first()).canonicalFilePath();
        QVERIFY(device.startsWith(QStringLiteral("/dev/")));
        QCOMPARE(serialLinkId(device), QStringLiteral("serial:") + device);
        QCOMPARE(serialLinkId(device.mid(5)), QStringLiteral("serial:") + device);
        QCOMPARE(serialLinkId(QStringLiteral("/dev/../dev/") + device.mid(5)), QStringLiteral("serial:") + device);
        QVERIFY(QFileInfo(m_pty->first()).isSymLink());
        QCOMPARE(
            serialLinkId(m_pty->first()), QStringLiteral("serial:") + QFileInfo(m_pty->first()).absoluteFilePath());
        QCOMPARE(serialLinkId(QStringLiteral("ttyNOSUCH")), QStringLiteral("serial:/dev/ttyNOSUCH"));
    }

    // A device that goes away mid-transfer (the far end of the pair closed) ends the transfer
    // at once, not after the register's time-outs.
    void deviceGoesAway()
    {
        auto pair = std::make_unique<PtyPair>();
        QVERIFY(pair->ok());
        m_link = std::make_unique<SerialServer>(m_host.get(), pair->first());
        QVERIFY(m_link->isOpen());
        m_host->send("DEPTDATA", departments(3));
        QTest::qWait(200);
        pair.reset();
        QVERIFY(QTest::qWaitFor([&] { return m_host->runningTransfers() == 0; }, 2000));
        QCOMPARE(m_host->outcomes.size(), 1);
        QCOMPARE(m_host->outcomes.first().result, TransferOutcome::Closed);
    }

    void failsAfterFourAttempts()
    {
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        m_host->send("DEPTDATA", departments(2));
        for (int attempt = 0; attempt < 4; ++attempt)
            QCOMPARE(ecr.read(53, 8000).size(), 53);
        QVERIFY(m_host->waitForWord("TIME OUT", 8000, 3));
        QCOMPARE(m_host->runningTransfers(), 1);
        QVERIFY(QTest::qWaitFor([&] { return m_host->runningTransfers() == 0; }, 8000));
        QVERIFY(ecr.quietFor(500));
        QCOMPARE(m_host->words, QList<QByteArray>(4, "TIME OUT"));
    }

    void clearCommand()
    {
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        m_host->send(makeRequest("SYSCLEARDATA", nullptr, CommandClear));
        QCOMPARE(ecr.read(6), hexBytes("04 00 21 00 19 44"));
        ecr.write(QByteArray(1, kAck));
        QVERIFY(m_host->waitForWord("UPDATE END"));
        QCOMPARE(m_host->words, QList<QByteArray>({ "UPDATE END" }));
    }

    void logoChunksGoOutOneFrameEach()
    {
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        m_host->send(logoRequest({ QByteArray("UCO"), QByteArray(200, char(0xF0)), QByteArray("UCA") }, 1));
        QCOMPARE(ecr.read(9), logoFrame("UCO", 1));
        ecr.write(QByteArray(1, kAck));
        QCOMPARE(ecr.read(206), logoFrame(QByteArray(200, char(0xF0)), 1));
        ecr.write(QByteArray(1, kAck));
        QCOMPARE(ecr.read(9).left(4), hexBytes("04 03 20 01"));
        ecr.write(QByteArray(1, kAck));
        QVERIFY(m_host->waitForWord("UPDATE END"));
        QCOMPARE(m_host->words, QList<QByteArray>({ "UPDATE END" }));
    }

    void refusedLogoChunkEndsTheSend_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QList<QByteArray>>("words");
        QTest::newRow("refused") << QByteArray(1, char(0x15)) << QList<QByteArray> { QByteArray(1, char(0x15)) };
        QTest::newRow("silent") << QByteArray() << QList<QByteArray> { "TIME OUT" };
    }

    void refusedLogoChunkEndsTheSend()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QList<QByteArray>, words);
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        m_host->send(logoRequest(
            { QByteArray("UCO"), QByteArray(200, char(0x0F)), QByteArray(40, char(0x0F)), QByteArray("UCA") }));
        QCOMPARE(ecr.read(9), logoFrame("UCO", 0));
        ecr.write(QByteArray(1, kAck));
        QCOMPARE(ecr.read(206, 3000), logoFrame(QByteArray(200, char(0x0F)), 0));
        if (!reply.isEmpty())
            ecr.write(reply);
        // The chunk is not written again, and the rest of the logo does not follow.
        QVERIFY(m_host->waitForWord(words.first(), 9000));
        QVERIFY(ecr.quietFor(300));
        QCOMPARE(m_host->words, words);
    }

    void downloadOverSerial()
    {
        QVERIFY(openPair());
        FakeRegister ecr(m_registerPort.get());
        emit m_host->signal_MrcvData("DEPTDATA");
        QCOMPARE(ecr.read(6), hexBytes("08 00 09 00 04 14"));
        const QByteArray frame = registerFrame(0x05, 9, deptRecord(departments(1).first()));
        ecr.write(frame.left(5));
        QTest::qWait(50);
        ecr.write(frame.mid(5));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        ecr.write(registerFrame(0x06, 9, QByteArray()));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        QVERIFY(m_host->waitForWord("DOWNLOAD END"));
        QCOMPARE(m_host->words, QList<QByteArray>({ "DOWNLOAD DEPT1", "DOWNLOAD END" }));
        QCOMPARE(m_host->received.size(), 1);
    }

    void closingEndsTheThreadAndThePort()
    {
        QVERIFY(openPair());
        LogCapture log;
        m_link.reset();
        QVERIFY(log.contains(QStringLiteral("exit rs232 trhead")));
        QVERIFY(log.contains(QStringLiteral("close serial port")));
        // The port is free again.
        QSerialPort again;
        again.setPortName(m_pty->first());
        QVERIFY(again.open(QIODevice::ReadWrite));
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
