#include "link/linksettings.h"
#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "testsupport.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <poll.h>
#include <unistd.h>

// Peers that send what nobody asked for, a lot of it, outside any transfer; too many peers,
// and peers from where no register stands.
class TestHostilePeers : public QObject {
    Q_OBJECT

private:
    static constexpr qint64 kMiB = 1024 * 1024;
    QTemporaryDir m_dir;

    static LinkSettings loopback(int maxConnections = LinkSettings::kDefaultMaxConnections, const QString& allow = {})
    {
        LinkSettings settings;
        settings.tcpAddress = QHostAddress::LocalHost;
        settings.tcpPort = 0;
        settings.maxConnections = maxConnections;
        settings.tcpAllow = AllowList::parse(allow.split(QLatin1Char(',')));
        return settings;
    }

    // True when the server has closed the peer `fd`: it reads the end of the stream.
    static bool closedByServer(int fd, int timeoutMs = 3000)
    {
        pollfd readable { fd, POLLIN, 0 };
        char byte = 0;
        return ::poll(&readable, 1, timeoutMs) == 1 && ::read(fd, &byte, 1) == 0;
    }

    // Waits until every connection of `server` has ended and the threads are back to `threads`.
    static bool allGone(const TcpServer& server, const TestHost& host, int threads)
    {
        return QTest::qWaitFor(
            [&] {
                return server.connectionCount() == 0 && threadCount() <= threads
                    && host.disconnections.size() == host.connections.size();
            },
            30000);
    }

    // The drain word of `words`, split into its shown bytes and the count of pending bytes.
    static bool drainWord(const QList<QByteArray>& words, QByteArray* shown, qint64* total)
    {
        for (const QByteArray& word : words)
            if (splitPendingWord(word, shown, total))
                return true;
        return false;
    }

    // Waits for the peer's stream to end, sampling this process's resident memory meanwhile.
    static qint64 streamAndMeasure(StreamingPeer* peer, qint64 bytes, int frameSize, const QByteArray& reply)
    {
        const qint64 before = residentBytes();
        qint64 peak = before;
        peer->start(bytes, frameSize, reply);
        const bool streamed = QTest::qWaitFor(
            [&] {
                peak = qMax(peak, residentBytes());
                return peer->streamed();
            },
            120000);
        // The last bytes in flight reach the port.
        QTest::qWait(500);
        peak = qMax(peak, residentBytes());
        qInfo("resident memory grew by %.1f MiB while a peer streamed %lld MiB", double(peak - before) / kMiB,
            bytes / kMiB);
        return streamed ? peak - before : -1;
    }

private slots:
    void tcpPeerStreamingOutsideATransfer()
    {
        TestHost host;
        TcpServer server(&host, QHostAddress::LocalHost, 0);
        QVERIFY(server.isListening());
        QTcpSocket good;
        good.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(good.waitForConnected(3000));
        std::unique_ptr<StreamingPeer> peer(StreamingPeer::tcp(server.serverPort()));
        QVERIFY(peer->ok());
        QVERIFY(QTest::qWaitFor([&] { return host.connections.size() == 2; }, 5000));

        const qint64 stream = 64 * kMiB;
        const qint64 growth = streamAndMeasure(peer.get(), stream, 53, hexBytes("15"));
        QVERIFY(growth >= 0);
        QVERIFY2(growth < 8 * kMiB, "what a peer streams outside a transfer is not kept");

        FakeRegister ecr(&good);
        QCOMPARE(host.send("DEPTDATA", departments(1)), 2);
        QCOMPARE(ecr.read(53).size(), 53);
        ecr.write(QByteArray(1, kAck));
        QVERIFY(QTest::qWaitFor([&] { return host.runningTransfers() == 0; }, 10000));

        // The well-behaved register got the whole install; the stream cost one short word.
        QCOMPARE(host.count("UPDATE DEPT1"), 1);
        QCOMPARE(host.count("UPDATE END"), 1);
        QByteArray shown;
        qint64 total = 0;
        QVERIFY(drainWord(host.words, &shown, &total));
        qInfo("drain word: %lld of %lld streamed bytes counted", total, stream);
        QCOMPARE(shown, StreamingPeer::pattern(kShownPendingBytes));
        QVERIFY(total > kShownPendingBytes && total <= stream);
        for (const QByteArray& word : host.words)
            QVERIFY2(word.size() <= 200, word.left(80).toHex(' ').constData());
    }

    void serialPeerStreamingOutsideATransfer()
    {
        PtyPair pty;
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        TestHost host;
        SerialServer link(&host, pty.first());
        QVERIFY(link.isOpen());
        std::unique_ptr<StreamingPeer> peer(StreamingPeer::device(pty.second()));
        QVERIFY(peer->ok());

        // After its stream the peer behaves: it acknowledges the frame of the install.
        const qint64 stream = 16 * kMiB;
        const qint64 growth = streamAndMeasure(peer.get(), stream, 53, QByteArray(1, kAck));
        QVERIFY(growth >= 0);
        QVERIFY2(growth < 8 * kMiB, "what a peer streams outside a transfer is not kept");

        QCOMPARE(host.send("DEPTDATA", departments(1)), 1);
        QVERIFY(QTest::qWaitFor([&] { return host.runningTransfers() == 0; }, 15000));
        QVERIFY(peer->answered());
        QCOMPARE(host.words.size(), 3);
        QCOMPARE(host.words.mid(1), QList<QByteArray>({ "UPDATE 1", "UPDATE END" }));
        QByteArray shown;
        qint64 total = 0;
        QVERIFY(splitPendingWord(host.words.first(), &shown, &total));
        qInfo("drain word: %lld of %lld streamed bytes counted", total, stream);
        QCOMPARE(shown, StreamingPeer::pattern(kShownPendingBytes));
        QVERIFY(total > kShownPendingBytes && total <= stream);
    }

    void settingsOfTheTcpServer_data()
    {
        QTest::addColumn<QByteArray>("tcp");
        QTest::addColumn<int>("maxConnections");
        QTest::addColumn<QStringList>("allowed");
        QTest::addColumn<QStringList>("refused");
        const QStringList anyone { "127.0.0.1", "10.1.2.3", "192.168.1.77", "::1" };
        QTest::newRow("nothing set") << QByteArray() << 64 << anyone << QStringList();
        QTest::newRow("cap of 5") << QByteArray("maxConnections=5") << 5 << anyone << QStringList();
        QTest::newRow("cap of 0") << QByteArray("maxConnections=0") << 64 << anyone << QStringList();
        QTest::newRow("negative cap") << QByteArray("maxConnections=-3") << 64 << anyone << QStringList();
        QTest::newRow("cap not a number") << QByteArray("maxConnections=many") << 64 << anyone << QStringList();
        QTest::newRow("empty allow") << QByteArray("allow=") << 64 << anyone << QStringList();
        QTest::newRow("network and address")
            << QByteArray("allow=192.168.1.0/24, 10.0.0.5") << 64
            << QStringList { "192.168.1.77", "192.168.1.0", "10.0.0.5", "::ffff:10.0.0.5" }
            << QStringList { "192.168.2.1", "10.0.0.6", "127.0.0.1", "::1" };
        QTest::newRow("quoted, blank separated")
            << QByteArray("allow=\"10.0.0.0/8 127.0.0.1\"") << 64 << QStringList { "10.200.0.1", "127.0.0.1" }
            << QStringList { "127.0.0.2", "11.0.0.1" };
        QTest::newRow("IPv6 network") << QByteArray("allow=fd00::/8") << 64 << QStringList { "fd12::7" }
                                      << QStringList { "fe80::1", "10.0.0.1" };
        QTest::newRow("unreadable entry skipped")
            << QByteArray("allow=10.0.0.5, register-1") << 64 << QStringList { "10.0.0.5" }
            << QStringList { "127.0.0.1" };
        // A list that was meant to restrict but says nothing readable lets nobody in.
        QTest::newRow("only unreadable entries")
            << QByteArray("allow=300.1.2.3, 10.0.0.0/40") << 64 << QStringList()
            << QStringList { "127.0.0.1", "10.0.0.1", "300.1.2.3" };
    }

    void settingsOfTheTcpServer()
    {
        QFETCH(QByteArray, tcp);
        QFETCH(int, maxConnections);
        QFETCH(QStringList, allowed);
        QFETCH(QStringList, refused);
        QVERIFY(useTestLinkSettings(m_dir.path(), QString(), tcp));
        const LinkSettings settings = LinkSettings::load();
        LinkSettings::setFilePath(QString());
        QCOMPARE(settings.maxConnections, maxConnections);
        QCOMPARE(settings.tcpAddress, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(settings.tcpPort, quint16(0));
        for (const QString& address : allowed)
            QVERIFY2(settings.tcpAllow.allows(QHostAddress(address)), qPrintable(address));
        for (const QString& address : refused)
            QVERIFY2(!settings.tcpAllow.allows(QHostAddress(address)), qPrintable(address));
    }

    // No settings file lets every peer in; one that is there but cannot be read may hold an
    // allow list, and lets nobody in.
    void unreadableSettingsLetNobodyIn()
    {
        const QHostAddress peer(QHostAddress::LocalHost);
        LinkSettings::setFilePath(m_dir.filePath(QStringLiteral("missing.ini")));
        QVERIFY(LinkSettings::load().tcpAllow.allows(peer));
        // A folder where the file should be: not even root reads it.
        const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(folder));
        LinkSettings::setFilePath(folder);
        const LinkSettings settings = LinkSettings::load();
        LinkSettings::setFilePath(QString());
        QVERIFY(!settings.tcpAllow.allows(peer));
    }

    // Peers beyond the cap are closed at once and reported; a place that frees is taken again.
    void connectionsBeyondTheCap()
    {
        TestHost host;
        TcpServer server(&host, loopback(5));
        QVERIFY(server.isListening());
        QSignalSpy refused(&server, &TcpServer::connectionRefused);
        const int threads = threadCount();
        QList<int> peers;
        for (int i = 0; i < 8; ++i)
            peers << connectPeer(server.serverPort());
        QVERIFY(!peers.contains(-1));
        QVERIFY(QTest::qWaitFor([&] { return host.connections.size() == 5 && refused.size() == 3; }, 5000));
        QTest::qWait(200);
        QCOMPARE(host.connections.size(), 5);
        QCOMPARE(refused.size(), 3);
        QCOMPARE(server.connectionCount(), 5);
        QCOMPARE(threadCount(), threads + 5);
        for (const QList<QVariant>& refusal : refused) {
            QCOMPARE(refusal.at(0).toString(), QStringLiteral("127.0.0.1"));
            QCOMPARE(refusal.at(1).toString(), QStringLiteral("already 5 open ([tcp] maxConnections)"));
        }
        // The peers accepted last are the ones closed; the others stay open.
        for (int i = 0; i < 8; ++i)
            QCOMPARE(closedByServer(peers.at(i), i < 5 ? 100 : 3000), i >= 5);

        closePeer(peers.takeFirst(), false);
        closePeer(peers.takeFirst(), true);
        QVERIFY(QTest::qWaitFor([&] { return server.connectionCount() == 3; }, 5000));
        peers << connectPeer(server.serverPort());
        QVERIFY(QTest::qWaitFor([&] { return host.connections.size() == 6; }, 5000));
        QCOMPARE(refused.size(), 3);
        for (const int fd : peers)
            closePeer(fd, false);
        QVERIFY(allGone(server, host, threads));
        QCOMPARE(ConnectionRegistry::count(), 0);
    }

    void peersOutsideTheAllowList_data()
    {
        QTest::addColumn<QString>("allow");
        QTest::addColumn<bool>("announced");
        QTest::newRow("other networks") << "10.0.0.5, 192.168.1.0/24" << false;
        QTest::newRow("unreadable list") << "register-1" << false;
        QTest::newRow("loopback network") << "10.0.0.5, 127.0.0.0/8" << true;
        QTest::newRow("loopback address") << "127.0.0.1" << true;
    }

    void peersOutsideTheAllowList()
    {
        QFETCH(QString, allow);
        QFETCH(bool, announced);
        TestHost host;
        TcpServer server(&host, loopback(LinkSettings::kDefaultMaxConnections, allow));
        QVERIFY(server.isListening());
        QSignalSpy refused(&server, &TcpServer::connectionRefused);
        const int threads = threadCount();
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(peer.waitForConnected(3000));
        // What the peer says is never taken for a register's.
        peer.write(QByteArray(1, kAck) + hexBytes("05 2F 09 00"));
        if (announced) {
            QVERIFY(QTest::qWaitFor([&] { return host.connections.size() == 1; }, 5000));
            QVERIFY(refused.isEmpty());
            peer.disconnectFromHost();
        } else {
            QVERIFY(QTest::qWaitFor([&] { return peer.state() == QAbstractSocket::UnconnectedState; }, 3000));
            QVERIFY(QTest::qWaitFor([&] { return refused.size() == 1; }, 3000));
            QCOMPARE(refused.first().at(0).toString(), QStringLiteral("127.0.0.1"));
            QCOMPARE(refused.first().at(1).toString(), QStringLiteral("not in [tcp] allow"));
            // A request now reaches nobody.
            QCOMPARE(host.send("DEPTDATA", departments(1)), 0);
        }
        QVERIFY(allGone(server, host, threads));
        QCOMPARE(host.connections.size(), announced ? 1 : 0);
        QVERIFY(host.words.isEmpty());
        QCOMPARE(ConnectionRegistry::count(), 0);
    }

    // 1,000 peers one after the other, some saying something, some resetting; then 200 at
    // once, silent, each costing one thread while it stays. The server ends with nothing.
    void floodsOfPeers_data()
    {
        QTest::addColumn<int>("maxConnections");
        QTest::newRow("room for all 200") << 256;
        QTest::newRow("default cap") << LinkSettings::kDefaultMaxConnections;
    }

    void floodsOfPeers()
    {
        QFETCH(int, maxConnections);
        TestHost host;
        TcpServer server(&host, loopback(maxConnections));
        QVERIFY(server.isListening());
        QSignalSpy refused(&server, &TcpServer::connectionRefused);
        const quint16 port = server.serverPort();
        // One connection first, so that whatever the program starts only once is counted in.
        closePeer(connectPeer(port), false);
        QVERIFY(allGone(server, host, 1 << 20));
        QTest::qWait(100);
        const int threads = threadCount();

        QElapsedTimer clock;
        clock.start();
        const QByteArray noise = StreamingPeer::pattern(300);
        for (int i = 0; i < 1000; ++i) {
            const int fd = connectPeer(port);
            QVERIFY(fd >= 0);
            if (i % 2 == 0)
                QVERIFY(::write(fd, noise.constData(), size_t(i % 300 + 1)) > 0);
            QCoreApplication::processEvents();
            closePeer(fd, i % 3 == 0);
        }
        QVERIFY(allGone(server, host, threads));
        qInfo("1000 peers in succession: %lld ms, %lld announced, %lld refused", clock.elapsed(),
            qint64(host.connections.size()), qint64(refused.size()));
        QVERIFY(!host.connections.isEmpty());
        QVERIFY(host.connections.size() + refused.size() <= 1000);
        QCOMPARE(ConnectionRegistry::count(), 0);

        const int before = int(host.connections.size());
        refused.clear();
        clock.restart();
        // Opened from another thread, as from other machines: the server goes on accepting.
        QList<int> crowd;
        std::atomic<bool> opened { false };
        std::thread opening([&] {
            for (int i = 0; i < 200; ++i)
                crowd << connectPeer(port);
            opened = true;
        });
        const bool allOpened = QTest::qWaitFor([&] { return opened.load(); }, 30000);
        opening.join();
        QVERIFY(allOpened);
        QVERIFY(!crowd.contains(-1));
        const int room = qMin(200, maxConnections);
        QVERIFY(QTest::qWaitFor(
            [&] { return host.connections.size() == before + room && refused.size() == 200 - room; }, 30000));
        QTest::qWait(100);
        QCOMPARE(server.connectionCount(), room);
        QCOMPARE(threadCount(), threads + room);
        QCOMPARE(int(refused.size()), 200 - room);
        for (int i = 0; i < crowd.size(); ++i)
            closePeer(crowd.at(i), i % 2 == 0);
        QVERIFY(allGone(server, host, threads));
        qInfo("200 peers at once: %lld ms", clock.elapsed());
        QCOMPARE(host.disconnections.size(), host.connections.size());
        QCOMPARE(ConnectionRegistry::count(), 0);
        QVERIFY(host.words.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHostilePeers)
#include "tst_hostilepeers.moc"
