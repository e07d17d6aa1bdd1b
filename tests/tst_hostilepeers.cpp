#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "testsupport.h"

#include <QTcpSocket>
#include <QtTest>

#include <memory>

// Peers that send what nobody asked for, a lot of it, outside any transfer.
class TestHostilePeers : public QObject {
    Q_OBJECT

private:
    static constexpr qint64 kMiB = 1024 * 1024;

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
};

QTEST_GUILESS_MAIN(TestHostilePeers)
#include "tst_hostilepeers.moc"
