#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/dept.h"
#include "testsupport.h"

#include <QTcpSocket>
#include <QtTest>

#include <memory>

class TestTcpLink : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<TcpServer> m_server;

    std::unique_ptr<QTcpSocket> connectRegister()
    {
        auto socket = std::make_unique<QTcpSocket>();
        const int before = m_host->connections.size();
        socket->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        if (!socket->waitForConnected(3000))
            return nullptr;
        // The connection is usable once announced.
        if (!QTest::qWaitFor([&] { return m_host->connections.size() > before; }, 3000))
            return nullptr;
        return socket;
    }

    static QByteArray frameOf(const ItemRow& row, quint8 flag)
    {
        QByteArray frame;
        packRecord("DEPTDATA", &row, flag, &frame);
        return frame;
    }

private slots:
    void init()
    {
        m_host = std::make_unique<TestHost>();
        m_server = std::make_unique<TcpServer>(m_host.get(), QHostAddress::LocalHost, 0);
        QVERIFY(m_server->isListening());
    }

    void cleanup()
    {
        m_server.reset();
        m_host.reset();
    }

    void sendsEveryRowWithItsSequenceFlag_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QByteArray>("controls");
        QTest::newRow("one row") << 1 << hexBytes("04");
        QTest::newRow("two rows") << 2 << hexBytes("05 06");
        QTest::newRow("three rows") << 3 << hexBytes("05 05 06");
    }

    void sendsEveryRowWithItsSequenceFlag()
    {
        QFETCH(int, rows);
        QFETCH(QByteArray, controls);
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        const ItemTable table = departments(rows);
        m_host->send("DEPTDATA", table);
        for (int i = 0; i < rows; ++i) {
            const QByteArray frame = ecr.read(53);
            QCOMPARE(frame, frameOf(table.at(i), quint8(controls.at(i)) & 0x03));
            ecr.write(QByteArray(1, kAck));
        }
        QVERIFY(m_host->waitForWord("UPDATE END"));
        QList<QByteArray> expected;
        for (int i = 1; i <= rows; ++i)
            expected << "UPDATE DEPT" + QByteArray::number(i);
        expected << "UPDATE END";
        QCOMPARE(m_host->words, expected);
    }

    // Two sends queued at once, to two registers: each frame carries the command of its own
    // send, whatever the other send asked for.
    void eachSendKeepsItsCommand()
    {
        auto first = connectRegister();
        auto second = connectRegister();
        QVERIFY(first && second);
        FakeRegister registers[] = { FakeRegister(first.get()), FakeRegister(second.get()) };
        const ItemTable added { textRow({ "111", "TEA", "3", "1.50", "5" }), textRow({ "222", "CAKE", "4", "3.00", "2" }) };
        const ItemTable deleted { textRow({ "111", "TEA", "3", "1.50", "5" }) };
        QCOMPARE(m_host->send(makeRequest("PLUDATA", &added, CommandAdd)), 2);
        QCOMPARE(m_host->send(makeRequest("PLUDATA", &deleted, CommandDelete)), 2);
        for (FakeRegister& ecr : registers) {
            QByteArray codes;
            for (int frame = 0; frame < 3; ++frame) {
                codes += ecr.read(78).mid(2, 2);
                ecr.write(QByteArray(1, kAck));
            }
            QCOMPARE(codes, hexBytes("05 00 05 00 06 00"));
        }
        QVERIFY(m_host->waitForWord("UPDATE END", 10000, 4));
    }

    void refusalEndsTheSend()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        m_host->send("DEPTDATA", departments(3));
        QCOMPARE(ecr.read(53).size(), 53);
        ecr.write(hexBytes("15"));
        QVERIFY(QTest::qWaitFor([&] { return !m_host->words.isEmpty(); }, 3000));
        QVERIFY(ecr.quietFor(300));
        QCOMPARE(m_host->words, QList<QByteArray>({ hexBytes("15") }));
    }

    void silenceTimesOut()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        QElapsedTimer clock;
        clock.start();
        m_host->send("DEPTDATA", departments(2));
        QCOMPARE(ecr.read(53).size(), 53);
        QVERIFY(m_host->waitForWord("TIME OUT", 6000));
        QVERIFY(clock.elapsed() >= 2900);
        // One attempt only over TCP: the frame is not written again.
        QVERIFY(ecr.quietFor(300));
        QCOMPARE(m_host->words, QList<QByteArray>({ "TIME OUT" }));
    }

    void emptyListEndsAtOnce()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        m_host->send("GRAPHICDATA", {});
        QVERIFY(m_host->waitForWord("UPDATE END"));
        QVERIFY(ecr.quietFor(200));
    }

    void pendingInputIsReportedFirst_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("two bytes") << 2;
        QTest::newRow("64 bytes") << 64;
        QTest::newRow("65 bytes") << 65;
        QTest::newRow("300,000 bytes") << 300000;
    }

    void pendingInputIsReportedFirst()
    {
        QFETCH(int, size);
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        const QByteArray pending = StreamingPeer::pattern(size);
        ecr.write(pending);
        QTest::qWait(200);
        m_host->send("DEPTDATA", departments(1));
        QCOMPARE(ecr.read(53).size(), 53);
        ecr.write(QByteArray(1, kAck));
        QVERIFY(m_host->waitForWord("UPDATE END"));
        // Up to 64 bytes as they came; of more, the first 64 and how many there were.
        const QByteArray expected = size <= kShownPendingBytes
            ? pending
            : pending.left(kShownPendingBytes) + " (64 of " + QByteArray::number(size) + " bytes shown)";
        QCOMPARE(m_host->words, QList<QByteArray>({ expected, "UPDATE DEPT1", "UPDATE END" }));
    }

    void downloadAssemblesFramesInPieces()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        const ItemTable table = departments(2);
        emit m_host->signal_MrcvData("DEPTDATA");
        QCOMPARE(ecr.read(6), hexBytes("08 00 09 00 04 14"));
        for (const ItemRow& row : table) {
            const QByteArray frame = registerFrame(0x05, 9, deptRecord(row));
            ecr.write(frame.left(2));
            QTest::qWait(30);
            ecr.write(frame.mid(2, 20));
            QTest::qWait(30);
            ecr.write(frame.mid(22));
            QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        }
        ecr.write(registerFrame(0x06, 9, QByteArray()));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        QVERIFY(m_host->waitForWord("DOWNLOAD END"));
        QCOMPARE(m_host->words, QList<QByteArray>({ "DOWNLOAD DEPT1", "DOWNLOAD DEPT2", "DOWNLOAD END" }));
        QCOMPARE(m_host->received.size(), 1);
        QCOMPARE(m_host->received.first().first, QByteArray("DEPTDATA"));
        QCOMPARE(m_host->received.first().second.size(), 2);
        QCOMPARE(m_host->received.first().second.at(1).at(1).toString(), QStringLiteral("DEPT2"));
        QCOMPARE(m_host->received.first().second.at(0).at(6).toString(), QStringLiteral("1.25"));
    }

    void longestAndShortRecords()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        emit m_host->signal_MrcvData("DEPTDATA");
        QCOMPARE(ecr.read(6).size(), 6);
        // Prefix 250: 256 bytes follow it, the most a frame may have.
        QByteArray longest = deptRecord(departments(1).first()) + QByteArray(250 - 47, char(0x77));
        ecr.write(registerFrame(0x05, 9, longest));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        // A record shorter than a department is read from a zero-filled copy, never past it.
        ecr.write(registerFrame(0x05, 9, deptRecord(departments(1).first()).left(20)));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        ecr.write(registerFrame(0x06, 9, QByteArray()));
        QVERIFY(m_host->waitForWord("DOWNLOAD END"));
        const ItemTable rows = m_host->received.first().second;
        QCOMPARE(rows.at(0).at(1).toString(), QStringLiteral("DEPT1"));
        QCOMPARE(rows.at(1).at(1).toString(), QStringLiteral("DEPT1"));
        QCOMPARE(rows.at(1).at(2).toString(), QStringLiteral("1"));
        QCOMPARE(rows.at(1).at(6).toString(), QStringLiteral("0.00"));
    }

    void downloadFailures_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("word");
        const QByteArray good = registerFrame(0x05, 9, deptRecord(departments(1).first()));
        QByteArray badCrc = good;
        badCrc[badCrc.size() - 1] = char(badCrc.at(badCrc.size() - 1) ^ 1);
        QTest::newRow("crc") << badCrc << QByteArray("BCC ERR");
        QTest::newRow("control 0x04") << registerFrame(0x04, 9, deptRecord(departments(1).first())) << QByteArray("RCV ERR");
        QTest::newRow("overrun") << (QByteArray(1, char(0xFF)) + QByteArray(300, char(0x11))) << QByteArray("RCV ERR");
    }

    void downloadFailures()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, word);
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        emit m_host->signal_MrcvData("DEPTDATA");
        QCOMPARE(ecr.read(6).size(), 6);
        ecr.write(frame);
        QVERIFY(m_host->waitForWord(word, 5000));
        // The register gets no reply byte, and the window gets no rows.
        QVERIFY(ecr.quietFor(300));
        QCOMPARE(m_host->words, QList<QByteArray>({ word }));
        QVERIFY(m_host->received.isEmpty());
    }

    void silentRegisterEndsTheDownload()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        emit m_host->signal_MrcvData("DEPTDATA");
        QCOMPARE(ecr.read(6).size(), 6);
        QVERIFY(m_host->waitForWord("RCV ERR", 6000));
    }

    void endFrameWithoutRows()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        emit m_host->signal_MrcvData("TAXDATA");
        QCOMPARE(ecr.read(6), hexBytes("08 00 0B 00 05 74"));
        ecr.write(registerFrame(0x06, 11, QByteArray()));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        QVERIFY(m_host->waitForWord("DOWNLOAD END"));
        QVERIFY(m_host->received.isEmpty());
    }

    void framesOfTypesWithoutDecoderAreAcknowledged()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        emit m_host->signal_MrcvData("EXTHEADERDATA");
        QCOMPARE(ecr.read(6), hexBytes("08 00 22 00 1A E4"));
        ecr.write(registerFrame(0x05, 34, QByteArray(43, 'x')));
        QCOMPARE(ecr.read(1), QByteArray(1, kAck));
        ecr.write(registerFrame(0x06, 34, QByteArray()));
        QVERIFY(m_host->waitForWord("DOWNLOAD END"));
        QCOMPARE(m_host->words, QList<QByteArray>({ "DOWNLOAD END" }));
    }

    void twoRegistersEachCompleteASend()
    {
        auto first = connectRegister();
        auto second = connectRegister();
        QVERIFY(first && second);
        FakeRegister a(first.get()), b(second.get());
        m_host->send("DEPTDATA", departments(2));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(a.read(53).size(), 53);
            a.write(QByteArray(1, kAck));
            QCOMPARE(b.read(53).size(), 53);
            b.write(QByteArray(1, kAck));
        }
        QVERIFY(m_host->waitForWord("UPDATE END", 5000, 2));
        QCOMPARE(m_host->count("UPDATE DEPT1"), 2);
        QCOMPARE(m_host->count("UPDATE DEPT2"), 2);
    }

    void twoDownloadsKeepTheirRowsApart()
    {
        auto first = connectRegister();
        auto second = connectRegister();
        QVERIFY(first && second);
        FakeRegister a(first.get()), b(second.get());
        emit m_host->signal_MrcvData("DEPTDATA");
        QCOMPARE(a.read(6).size(), 6);
        QCOMPARE(b.read(6).size(), 6);
        const ItemTable table = departments(3);
        a.write(registerFrame(0x05, 9, deptRecord(table.at(0))));
        b.write(registerFrame(0x05, 9, deptRecord(table.at(1))));
        QCOMPARE(a.read(1), QByteArray(1, kAck));
        QCOMPARE(b.read(1), QByteArray(1, kAck));
        b.write(registerFrame(0x05, 9, deptRecord(table.at(2))));
        QCOMPARE(b.read(1), QByteArray(1, kAck));
        a.write(registerFrame(0x06, 9, QByteArray()));
        b.write(registerFrame(0x06, 9, QByteArray()));
        QVERIFY(m_host->waitForWord("DOWNLOAD END", 5000, 2));
        QCOMPARE(m_host->received.size(), 2);
        QList<int> sizes { int(m_host->received.at(0).second.size()), int(m_host->received.at(1).second.size()) };
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, QList<int>({ 1, 2 }));
    }

    void vanishingRegisterEndsEveryTransferItTook()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        FakeRegister ecr(socket.get());
        QSignalSpy ended(m_host.get(), &LinkHost::signal_transfersEnded);
        QCOMPARE(m_host->send("DEPTDATA", departments(3)), 1);
        // The download waits in the port's queue behind the send.
        QCOMPARE(m_host->request("DEPTDATA"), 1);
        QCOMPARE(m_host->runningTransfers(), 2);
        QCOMPARE(ecr.read(53).size(), 53);
        ecr.write(QByteArray(1, kAck));
        QCOMPARE(ecr.read(53).size(), 53);
        socket->abort();
        QVERIFY(QTest::qWaitFor([&] { return m_host->runningTransfers() == 0; }, 5000));
        QCOMPARE(m_host->disconnections.size(), 1);
        // The send's own outcome is the one counted: what it was and how far it came.
        QCOMPARE(m_host->outcomes.size(), 2);
        const TransferOutcome& send = m_host->outcomes.first();
        QCOMPARE(send.result, TransferOutcome::Closed);
        QCOMPARE(send.datatype, QByteArray("DEPTDATA"));
        QCOMPARE(send.done, 1);
        QCOMPARE(send.total, 3);
        // It still names the register that went: its baseline and journal entry are its own.
        QCOMPARE(send.link, QStringLiteral("tcp:127.0.0.1"));
        QCOMPARE(send.peer, QStringLiteral("127.0.0.1"));
        // A late report of the port is not counted again.
        QTest::qWait(200);
        QCOMPARE(m_host->runningTransfers(), 0);
        QCOMPARE(ended.size(), 1);
        // Later requests reach nobody.
        QCOMPARE(m_host->send("DEPTDATA", departments(1)), 0);
        QCOMPARE(m_host->request("DEPTDATA"), 0);
        QCOMPARE(m_host->runningTransfers(), 0);
    }

    // Peers in bursts, every third one resetting, while the system reuses their descriptors.
    void everyAnnouncedConnectionIsReportedGoneOnce()
    {
        const int threads = threadCount();
        for (int round = 0; round < 6; ++round) {
            QList<int> burst;
            for (int i = 0; i < 20; ++i)
                burst << connectPeer(m_server->serverPort());
            QCoreApplication::processEvents();
            for (int i = 0; i < burst.size(); ++i) {
                QVERIFY(burst.at(i) >= 0);
                closePeer(burst.at(i), i % 3 == 0);
            }
        }
        QVERIFY(QTest::qWaitFor([&] { return threadCount() <= threads; }, 30000));
        QTest::qWait(300);
        QVERIFY(QTest::qWaitFor([&] { return threadCount() <= threads; }, 30000));
        QVERIFY(!m_host->connections.isEmpty());
        QVERIFY(!m_host->connections.contains(QString()));
        QCOMPARE(m_host->disconnections.size(), m_host->connections.size());
        QCOMPARE(QSet<int>(m_host->disconnections.begin(), m_host->disconnections.end()).size(),
            m_host->disconnections.size());
        QCOMPARE(m_host->takenAddresses, QStringList(m_host->connections.size(), QStringLiteral("127.0.0.1")));
        QCOMPARE(ConnectionRegistry::count(), 0);
    }

    void connectAndDisconnectAreAnnouncedOnce()
    {
        auto socket = connectRegister();
        QVERIFY(socket);
        QCOMPARE(m_host->connections, QStringList(QStringLiteral("127.0.0.1")));
        socket->disconnectFromHost();
        QVERIFY(QTest::qWaitFor([&] { return !m_host->disconnections.isEmpty(); }, 3000));
        QTest::qWait(100);
        QCOMPARE(m_host->connections.size(), 1);
        QCOMPARE(m_host->disconnections.size(), 1);
        QCOMPARE(m_host->takenAddresses, QStringList(QStringLiteral("127.0.0.1")));
        QCOMPARE(ConnectionRegistry::take(m_host->disconnections.first()), QString());
    }

    void destroyingTheServerClosesEveryConnection()
    {
        auto first = connectRegister();
        auto second = connectRegister();
        QVERIFY(first && second);
        LogCapture log;
        m_server.reset();
        QVERIFY(first->state() == QAbstractSocket::UnconnectedState || first->waitForDisconnected(2000));
        QVERIFY(second->state() == QAbstractSocket::UnconnectedState || second->waitForDisconnected(2000));
        const QStringList lines = log.lines();
        QVERIFY(lines.indexOf(QStringLiteral("close tcp server")) >= 0);
        QVERIFY(lines.indexOf(QStringLiteral("close tcp server")) < lines.indexOf(QStringLiteral("close server thread")));
        QCOMPARE(log.count(QStringLiteral("close server thread")), 2);
        QCOMPARE(log.count(QStringLiteral("close socket")), 2);
    }

    void listenFailureIsReported()
    {
        TcpServer other(m_host.get(), QHostAddress::LocalHost, m_server->serverPort());
        QVERIFY(!other.isListening());
        QVERIFY(other.listenError().contains(QString::number(m_server->serverPort())));
    }
};

QTEST_GUILESS_MAIN(TestTcpLink)
#include "tst_tcplink.moc"
