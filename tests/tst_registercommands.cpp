// The commands that act on registers, as an operator meets them: a command that cannot start
// says why, each transfer ends with one sentence per register, and Cancel stops every
// register after its current frame, over TCP and RS-232, against the register simulator.

#include "app/dialogs/messagebox.h"
#include "app/grid/gridmodel.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "linkharness.h"
#include "records/dept.h"
#include "records/plu.h"
#include "storage/configdb.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestRegisterCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    QString fresh(const char* what) { return m_dir.filePath(QStringLiteral("%1-%2.db").arg(what).arg(++m_serial)); }

    // A set with `count` departments, open; and a register's memory holding the same.
    QString shopWithDepartments(int count)
    {
        const QString shop = fresh("shop");
        createDatabase(shop);
        Dept::instance()->saveTable(departments(count));
        const QString memory = fresh("register");
        QFile::copy(shop, memory);
        return memory;
    }

    static bool openSerial(MainWindow& w, const QString& port)
    {
        auto* ports = child<QComboBox>(w, "comboBox_ComNum");
        ports->setCurrentIndex(ports->findText(port));
        click(w, "btn_serial");
        return w.serialLink() && w.serialLink()->isOpen();
    }

    // Writes a settings file of its own with `text` and uses it.
    void useSettings(const QByteArray& text)
    {
        const QString path = fresh("settings") + QStringLiteral(".ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        LinkSettings::setFilePath(path);
    }

    static int dataFrames(Simulator& ecr)
    {
        // Department frames: control 05 or 06, record length 47, payload code 9.
        const QByteArray out = ecr.output();
        return int(out.count("recv 05 2F 09 00") + out.count("recv 06 2F 09 00"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
    }

    void init()
    {
        MessageBox::clearShown();
        QVERIFY(useTestLinkSettings(m_dir.path()));
    }

    // Every way a command ends, with the sentence the error or progress log and the status
    // bar show, and the window idle afterwards.
    void outcomes_data()
    {
        QTest::addColumn<QString>("link"); // tcp, serial (not opened), busy-port, foreign-address
        QTest::addColumn<QStringList>("faults"); // of the simulator; none: no register connects
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("progress"); // the progress log's last line
        QTest::addColumn<QString>("error"); // the error log's last line
        const QStringList none { QStringLiteral("none") };
        QTest::newRow("success with verify") << "tcp" << QStringList() << true << "btn_install"
                                             << "127.0.0.1: 3 departments installed and verified" << "";
        QTest::newRow("download") << "tcp" << QStringList() << false << "btn_download"
                                  << "127.0.0.1: 3 departments downloaded" << "";
        QTest::newRow("refusal on row 3")
            << "tcp" << QStringList { "--refuse", "3:15" } << false << "btn_install" << "DEPT2"
            << "127.0.0.1: the register refused department 3 (code 15) after 2 of 3 rows";
        QTest::newRow("silent register") << "tcp" << QStringList { "--silent", "all" } << false << "btn_install" << ""
                                         << "127.0.0.1: no answer from the register to department 1, the first of 3 "
                                            "rows (1 attempt, 3 s)";
        QTest::newRow("silent register, download")
            << "tcp" << QStringList { "--silent", "all" } << false << "btn_download" << ""
            << "127.0.0.1: no answer from the register (3 s)";
        QTest::newRow("download refused") << "tcp" << QStringList { "--refuse-requests" } << false << "btn_download"
                                          << "" << "127.0.0.1: the register refused the request (code 15)";
        QTest::newRow("no register") << "tcp" << none << false << "btn_install" << ""
                                     << "No register is connected. Registers must connect to 127.0.0.1, port %1.";
        QTest::newRow("serial port not opened")
            << "serial" << none << false << "btn_download" << "" << "Open the serial port first.";
        QTest::newRow("listen failure: port taken")
            << "busy-port" << none << false << "btn_install" << ""
            << "Tallvane cannot listen for registers on 127.0.0.1, port %1: port %1 is taken by another program. "
               "The address and port are set under [tcp] in tallvane.ini.";
        QTest::newRow("listen failure: address not on this PC")
            << "foreign-address" << none << false << "btn_install" << ""
            << "Tallvane cannot listen for registers on 192.0.2.7, port 55391: 192.0.2.7 is not an address of this "
               "PC. The address and port are set under [tcp] in tallvane.ini.";
    }

    void outcomes()
    {
        QFETCH(QString, link);
        QFETCH(QStringList, faults);
        QFETCH(bool, verify);
        QFETCH(QString, button);
        QFETCH(QString, progress);
        QFETCH(QString, error);
        const QString memory = shopWithDepartments(3);
        QTcpServer squatter;
        if (link == QLatin1String("busy-port")) {
            QVERIFY(squatter.listen(QHostAddress::LocalHost));
            useSettings("[tcp]\naddress=127.0.0.1\nport=" + QByteArray::number(squatter.serverPort()) + "\n");
            error = error.arg(squatter.serverPort());
        } else if (link == QLatin1String("foreign-address")) {
            useSettings("[tcp]\naddress=192.0.2.7\nport=55391\n");
        }
        TestWindow w(m_dir.path());
        child<QCheckBox>(w, "cb_verify")->setChecked(verify);
        std::unique_ptr<Simulator> ecr;
        if (link == QLatin1String("tcp"))
            QVERIFY(w.useTcp());
        else if (link != QLatin1String("serial"))
            w.chooseTcp(); // it never listens: nothing to wait for
        if (faults != QStringList { QStringLiteral("none") }) {
            ecr = w.connectSimulator(memory, faults);
            QVERIFY(ecr);
        }
        if (link == QLatin1String("tcp") && !ecr)
            error = error.arg(w.tcpLink()->serverPort());
        // The panel's line says where registers connect, or why they cannot.
        if (link == QLatin1String("tcp"))
            QCOMPARE(child<QLabel>(w, "label_listen")->text(),
                QStringLiteral("Registers connect to 127.0.0.1, port %1").arg(w.tcpLink()->serverPort()));
        else if (link != QLatin1String("serial"))
            QCOMPARE(child<QLabel>(w, "label_listen")->text(), error);

        w.open("btn_dept");
        QElapsedTimer clock;
        clock.start();
        click(w, button.toLatin1().constData());
        QVERIFY(w.waitIdle(20000));
        if (faults.contains(QStringLiteral("all"))) // one time-out, not one per row or attempt
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(w.log("textEdit_snd").section(QLatin1Char('\n'), -1), progress);
        QCOMPARE(w.log("textEdit_rcv").section(QLatin1Char('\n'), -1), error);
        QCOMPARE(w.status(), error.isEmpty() ? progress : error);
        QVERIFY(child<QAction>(w, "actionInstall")->isEnabled());
        QVERIFY(!child<QAction>(w, "actionCancel")->isEnabled());
        // The rows on the page stay the shop's; a download brings the register's same three.
        QCOMPARE(w.itemModel()->rowCount(), 3);
    }

    // Cancel at row N: no further data frame goes out, a download's rows are dropped, the
    // window is idle at once, and the next transfer is not disturbed by what was left.
    void cancelStopsAfterTheCurrentFrame_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("download");
        QTest::newRow("install over tcp") << false << false;
        QTest::newRow("download over tcp") << false << true;
        QTest::newRow("install over serial") << true << false;
        QTest::newRow("download over serial") << true << true;
    }

    void cancelStopsAfterTheCurrentFrame()
    {
        QFETCH(bool, serial);
        QFETCH(bool, download);
        constexpr int kRows = 40;
        const QString memory = shopWithDepartments(kRows);
        // The page shows a table of its own, which a cancelled download must leave alone.
        Dept::instance()->saveTable(departments(2));
        std::unique_ptr<PtyPair> pty;
        std::unique_ptr<Simulator> ecr;
        const QStringList slow { QStringLiteral("--delay"), QStringLiteral("40") };
        if (serial) {
            pty = std::make_unique<PtyPair>();
            if (!pty->ok())
                QSKIP("socat is needed for pseudo-terminal pairs");
            QVERIFY(useTestLinkSettings(m_dir.path(), pty->first()));
            ecr = std::make_unique<Simulator>(
                QStringList { QStringLiteral("--serial"), pty->second(), QStringLiteral("--db"), memory } + slow);
            QVERIFY(ecr->waitReady());
        }
        TestWindow w(m_dir.path());
        if (serial)
            QVERIFY(openSerial(w, pty->first()));
        else
            ecr = w.connectSimulator(memory, slow);
        QVERIFY(ecr);
        w.open("btn_dept");
        QCOMPARE(w.itemModel()->rowCount(), 2);
        if (!download)
            Dept::instance()->saveTable(departments(kRows));
        w.open("btn_dept");

        click(w, download ? "btn_download" : "btn_install");
        QVERIFY(w.isBusy());
        auto* bar = child<QProgressBar>(w, "progressBar_transfer");
        QVERIFY(QTest::qWaitFor([&] { return bar->value() >= 5; }, 10000));
        QElapsedTimer clock;
        clock.start();
        if (serial)
            child<QAction>(w, "actionCancel")->trigger(); // Esc
        else
            click(w, "btn_cancel");
        QVERIFY(w.waitIdle(1000));
        qInfo("idle %lld ms after Cancel", clock.elapsed());
        const QString sentence = w.log("textEdit_rcv").section(QLatin1Char('\n'), -1);
        const QString name = serial ? pty->first() : QStringLiteral("127.0.0.1");
        const QRegularExpression expected(download
                ? QStringLiteral("^%1: cancelled by the operator after (\\d+) departments; the rows received were "
                                 "discarded$")
                      .arg(QRegularExpression::escape(name))
                : QStringLiteral("^%1: cancelled by the operator after (\\d+) of %2 rows; the register keeps what it "
                                 "received \\((\\d+) departments(, perhaps with the row on its way)?\\)$")
                      .arg(QRegularExpression::escape(name))
                      .arg(kRows));
        const QRegularExpressionMatch match = expected.match(sentence);
        QVERIFY2(match.hasMatch(), qPrintable(sentence));
        const int done = match.captured(1).toInt();
        QVERIFY(done >= 5 && done < kRows);

        if (download) {
            // The page is left as it was.
            QCOMPARE(w.itemModel()->rowCount(), 2);
            QVERIFY(!w.itemModel()->isModified());
        } else {
            // Nothing after the frame that was on its way.
            QTest::qWait(300);
            const int frames = dataFrames(*ecr);
            // A frame whose reply came too late for the count is said to be perhaps taken.
            const bool onItsWay = !match.captured(3).isEmpty();
            QVERIFY2(frames == done + int(onItsWay), qPrintable(QStringLiteral("%1 %2").arg(frames).arg(done)));
            QTest::qWait(300);
            QCOMPARE(dataFrames(*ecr), frames);
        }

        // The next transfer runs as if nothing had happened: no stray bytes, no stale reply.
        Dept::instance()->saveTable(departments(3));
        w.open("btn_dept");
        click(w, "btn_install");
        QVERIFY(w.waitIdle(10000));
        QCOMPARE(w.log("textEdit_rcv"), QString());
        QCOMPARE(w.log("textEdit_snd").section(QLatin1Char('\n'), -1), name + QStringLiteral(": 3 departments installed"));
    }

    // The page compared with what the register holds, and only the difference sent; a whole
    // install over a known table asks first.
    void compareAndSendChanges()
    {
        createDatabase(fresh("plus"));
        QVERIFY(Plu::instance()->saveTable(
            { textRow({ "1001", "COFFEE", "1", "2.50", "10" }), textRow({ "1002", "TEA", "1", "1.80", "10" }) }));
        const QString memory = fresh("register");
        TestWindow w(m_dir.path());
        auto ecr = w.connectSimulator(memory);
        QVERIFY(ecr);
        // The panel's buttons follow their commands: off away from a table page and while busy.
        auto panelButtons = [&w] {
            return child<QPushButton>(w, "btn_compare")->isEnabled()
                + child<QPushButton>(w, "btn_changes")->isEnabled();
        };
        QCOMPARE(panelButtons(), 0);
        w.open("btn_plu");
        QCOMPARE(panelButtons(), 2);
        auto tree = [&w] { return w.findChild<QTreeWidget*>(QStringLiteral("treeWidget_changes")); };

        click(w, "btn_compare");
        QVERIFY(tree());
        QCOMPARE(tree()->topLevelItem(0)->text(0),
            QStringLiteral("127.0.0.1: no baseline yet: download to compare, or install the whole table"));
        QVERIFY(!child<QPushButton>(w, "btn_sendChanges")->isEnabled());
        // Read from the register, which holds no PLUs yet: every row of the page is new.
        child<QPushButton>(w, "btn_downloadCompare")->click();
        QVERIFY(w.waitIdle());
        QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("127.0.0.1: 2 new"));
        tree()->window()->close();

        click(w, "btn_install");
        QVERIFY(w.isBusy());
        QCOMPARE(panelButtons(), 0);
        QVERIFY(w.waitIdle());
        QCOMPARE(panelButtons(), 2);
        w.itemModel()->setData(w.itemModel()->index(1, 3), 1.95);
        click(w, "btn_compare");
        QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("127.0.0.1: 1 changed"));
        QCOMPARE(tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("1002 TEA: Price 1.80 \u2192 1.95"));
        // Enter only closes the list.
        QTest::keyClick(tree()->window(), Qt::Key_Return);
        QVERIFY(!tree()->window()->isVisible());
        QVERIFY(w.idle());
        click(w, "btn_compare");
        click(w, "btn_sendChanges");
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_snd").section(QLatin1Char('\n'), -1),
            QStringLiteral("127.0.0.1: PLUs changed: 1 updated"));
        QCOMPARE(ecr->output().count("recv 04 48 07 00"), 1);

        // Nothing left to send: said, nothing goes.
        click(w, "btn_changes");
        QVERIFY(w.idle());
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("PLUs unchanged on 127.0.0.1: not sent"));
        // The comparison says the same without speaking of a send.
        click(w, "btn_compare");
        QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("PLUs unchanged on 127.0.0.1"));
        tree()->window()->close();

        // A whole install is asked about; Cancel sends nothing.
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(w, "btn_install");
        QVERIFY(w.idle());
        QVERIFY2(MessageBox::shown().last().contains(QStringLiteral(
                     "PLUs not on the page stay on the register. PLU totals kept by the register may be lost")),
            qPrintable(MessageBox::shown().last()));
        QCOMPARE(ecr->output().count("recv 05 48 05 00"), 1);
        // The log still tells of the last send.
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("PLUs unchanged on 127.0.0.1: not sent"));

        // The dialog stays open beside the window; once its page has gone, it sends nothing.
        w.itemModel()->setData(w.itemModel()->index(0, 3), 2.75);
        QVERIFY(w.idle());
        click(w, "btn_compare");
        MessageBox::setNextAnswer(QMessageBox::Discard);
        w.open("btn_dept");
        click(w, "btn_sendChanges");
        QVERIFY(w.idle());
        QCOMPARE(w.status(), QStringLiteral("Open the PLU page first."));
        QCOMPARE(ecr->output().count(" 48 07 00"), 1);
        tree()->window()->close();

        // A PLU gone from the page goes from the register only when the operator says so.
        w.open("btn_plu");
        QVERIFY(w.itemModel()->removeRows(0, 1));
        click(w, "btn_changes");
        QVERIFY(w.idle());
        QCOMPARE(MessageBox::shown().last(),
            QStringLiteral(
                "Delete from the register: Delete 1 PLU (1001 COFFEE) from the connected register "
                "(127.0.0.1)?\n\nSend the other changes without deleting them, or nothing at all (Cancel)."));
        QCOMPARE(ecr->output().count(" 48 06 00"), 0);
        // The other changes may go without the delete: the PLU stays on the register.
        w.itemModel()->setData(w.itemModel()->index(0, 3), 2.85);
        MessageBox::setNextAnswer(QMessageBox::No);
        click(w, "btn_changes");
        QVERIFY(w.waitIdle());
        QCOMPARE(ecr->output().count(" 48 06 00"), 0);
        QCOMPARE(ecr->output().count(" 48 07 00"), 2);

        // A register without a baseline gets nothing, and the status bar says so beside the
        // sentences of those that got their changes.
        auto other = w.connectSimulator(fresh("register2"), { QStringLiteral("--from"), QStringLiteral("127.0.0.2") });
        QVERIFY(other);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "btn_changes");
        QVERIFY(w.waitIdle());
        QCOMPARE(ecr->output().count(" 48 06 00"), 1);
        QVERIFY2(w.status().endsWith(QStringLiteral(
                     "Not sent to tcp:127.0.0.2: no baseline yet (download from it, or install the whole table).")),
            qPrintable(w.status()));
    }

    // The link chosen and the serial port opened are there again at the next start.
    void linkChoiceIsRemembered()
    {
        PtyPair pty;
        QVERIFY(useTestLinkSettings(m_dir.path(), pty.ok() ? pty.first() : QString()));
        {
            TestWindow w(m_dir.path());
            QVERIFY(w.useTcp());
        }
        {
            MainWindow w(nullptr, m_dir.path());
            QCOMPARE(child<QComboBox>(w, "comboBox_Connect")->currentText(), QStringLiteral("Tcp"));
            QVERIFY(w.tcpLink() && w.tcpLink()->isListening());
        }
        if (!pty.ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        {
            TestWindow w(m_dir.path());
            QVERIFY(openSerial(w, pty.first()));
        }
        MainWindow w(nullptr, m_dir.path());
        QCOMPARE(child<QComboBox>(w, "comboBox_Connect")->currentText(), QStringLiteral("Serial"));
        QCOMPARE(child<QComboBox>(w, "comboBox_ComNum")->currentText(), pty.first());

        // In a right-to-left window the port's path reads left to right, and opens as itself.
        QApplication::setLayoutDirection(Qt::RightToLeft);
        MainWindow rtl(nullptr, m_dir.path());
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(child<QComboBox>(rtl, "comboBox_ComNum")->currentText(), QChar(0x2066) + pty.first() + QChar(0x2069));
        click(rtl, "btn_serial");
        QVERIFY(rtl.serialLink() && rtl.serialLink()->isOpen());
    }
};

QTEST_MAIN(TestRegisterCommands)
#include "tst_registercommands.moc"
