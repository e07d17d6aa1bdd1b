#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "base/language.h"
#include "guisupport.h"
#include "hostilerecords.h"
#include "link/linksettings.h"
#include "link/serialserver.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/dept.h"
#include "records/plu.h"
#include "records/system.h"
#include "records/translation.h"
#include "storage/baselinestore.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "users/usrdb.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

// A translation given as (context, source) -> text, for as long as it lives.
class WordTranslator : public QTranslator {
public:
    explicit WordTranslator(const QList<std::array<const char*, 3>>& texts)
    {
        for (const auto& [context, source, text] : texts)
            m_texts.insert({ QLatin1String(context), QLatin1String(source) }, QString::fromUtf8(text));
        QCoreApplication::installTranslator(this);
    }
    ~WordTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return m_texts.value({ QLatin1String(context), QLatin1String(source) });
    }

private:
    QHash<std::pair<QString, QString>, QString> m_texts;
};

class TestGuiTransfer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    QString shopWithDepartments(int count)
    {
        const QString path = m_dir.filePath(QStringLiteral("shop%1.db").arg(++m_serial));
        createDatabase(path);
        Dept::instance()->saveTable(departments(count));
        return path;
    }

    static int storedRows(const QString& file, const QString& table)
    {
        int rows = -1;
        forEachRow(file, QStringLiteral("select count(*) from %1").arg(table),
            [&](const QSqlQuery& query) { rows = query.value(0).toInt(); });
        return rows;
    }

    // The PLUs a register keeps in `file`, decoded, in stored order.
    static ItemTable storedPlus(const QString& file)
    {
        ItemTable rows;
        forEachRow(file, QStringLiteral("select itemData from table_plu"), [&](const QSqlQuery& query) {
            ItemRow row;
            Plu::instance()->decodeRecord(query.value(0).toByteArray(), &row);
            rows << row;
        });
        return rows;
    }

    static ItemRow plu(const char* code, const char* name, const char* price)
    {
        return { QLatin1String(code), QLatin1String(name), "2", QLatin1String(price), "10.00" };
    }

    // btn_serial shows `serial`, and every button that shows a text is announced by it.
    static bool buttonsAnnounceTheirText(MainWindow& w, const char* serial)
    {
        const auto* button = child<QPushButton>(w, "btn_serial");
        bool same = button->text() == QLatin1String(serial) && button->accessibleName() == button->text();
        for (const QAbstractButton* other : w.findChildren<QAbstractButton*>()) {
            if (!other->text().isEmpty() && !other->accessibleName().isEmpty()
                && other->accessibleName() != other->text()) {
                qWarning() << other->objectName() << "shows" << other->text() << "but is announced as"
                           << other->accessibleName();
                same = false;
            }
        }
        return same;
    }

private slots:
    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        useTestLinkSettings(m_dir.path());
    }

    void cleanupTestCase()
    {
        LinkSettings::setFilePath(QString());
        m_session.reset();
    }

    void init() { MessageBox::clearShown(); }

    void installAndDownloadOverTcp()
    {
        shopWithDepartments(3);
        TestWindow w(m_dir.path());
        QVERIFY(w.useTcp());
        QVERIFY(!w.serialLink());
        const QString simDb = m_dir.filePath(QStringLiteral("register.db"));
        auto ecr = w.connectSimulator(simDb, { QStringLiteral("--delay"), QStringLiteral("20") });
        QVERIFY(ecr);
        auto* table = child<QTableWidget>(w, "tableWidget_Tcp");
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(table->item(0, 0)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));

        click(w, "btn_dept");
        QCOMPARE(w.itemModel()->rowCount(), 3);
        const int height = w.height();
        auto* install = child<QWidget>(w, "btn_install");
        install->setFocus();
        click(w, "btn_install");
        QVERIFY(w.isBusy());
        // The focus waits on Cancel, not on Download, which Enter would start after the install.
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, "btn_cancel"));
        QVERIFY(!child<QWidget>(w, "stackedWidget")->isEnabled());
        QVERIFY(!child<QWidget>(w, "comboBox_Connect")->isEnabled());
        QVERIFY(!child<QWidget>(w, "btn_install")->isEnabled());
        QVERIFY(child<QWidget>(w, "btn_cancel")->isEnabled());
        QVERIFY(!child<QWidget>(w, "treeWidget_Item")->isEnabled());
        QVERIFY(child<QProgressBar>(w, "progressBar_transfer")->isVisible());
        QCOMPARE(child<QProgressBar>(w, "progressBar_transfer")->maximum(), 3);
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("DEPT1\nDEPT2\nDEPT3\nEND\n127.0.0.1: 3 departments installed"));
        QCOMPARE(w.status(), QStringLiteral("127.0.0.1: 3 departments installed"));
        QVERIFY(w.log("textEdit_rcv").isEmpty());
        QCOMPARE(QApplication::focusWidget(), install);
        QVERIFY(!child<QProgressBar>(w, "progressBar_transfer")->isVisible());
        QCOMPARE(w.height(), height); // the bar took no room of its own
        QCOMPARE(storedRows(simDb, QStringLiteral("table_dept")), 3);

        // The register's table comes back into the grid over a local table of one row.
        Dept::instance()->saveTable(departments(1));
        click(w, "btn_return");
        click(w, "btn_dept");
        QCOMPARE(w.itemModel()->rowCount(), 1);
        click(w, "btn_download");
        QVERIFY(w.isBusy());
        QVERIFY(w.waitIdle());
        QCOMPARE(w.itemModel()->rowCount(), 3);
        QCOMPARE(w.itemModel()->index(2, 1).data().toString(), QStringLiteral("DEPT3"));
        QVERIFY(!(w.itemModel()->flags(w.itemModel()->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("DEPT1\nDEPT2\nDEPT3\nEND\n127.0.0.1: 3 departments downloaded"));

        // Received rows are not stored until the operator saves.
        QList<QByteArray> stored;
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &stored));
        QCOMPARE(stored.size(), 1);

        // The register goes away: its row goes with it.
        ecr.reset();
        QVERIFY(QTest::qWaitFor([&] { return w.registers() == 0; }, 5000));
    }

    // Registers with other tables: the page takes the first register's by its link, not the
    // one that answered last, and the others are named, also one that holds no rows at all.
    void downloadFromTwoRegisters()
    {
        const QString five = shopWithDepartments(5);
        const QString three = shopWithDepartments(3);
        TestWindow w(m_dir.path());
        QVERIFY(w.useTcp());
        auto first = w.connectSimulator(three);
        auto second = w.connectSimulator(five,
            { QStringLiteral("--from"), QStringLiteral("127.0.0.2"), QStringLiteral("--delay"), QStringLiteral("60") });
        auto empty = w.connectSimulator(m_dir.filePath(QStringLiteral("empty%1.db").arg(++m_serial)),
            { QStringLiteral("--from"), QStringLiteral("127.0.0.3") });
        QVERIFY(first && second && empty);
        click(w, "btn_dept");
        click(w, "btn_download");
        QVERIFY(w.waitIdle());
        QCOMPARE(w.itemModel()->rowCount(), 3);
        QVERIFY2(w.log("textEdit_rcv")
                     .contains(QStringLiteral(
                         "The page shows the table of tcp:127.0.0.1; tcp:127.0.0.2, tcp:127.0.0.3 sent another")),
            qPrintable(w.log("textEdit_rcv")));
    }

    // Downloaded and saved without an edit, every table holds the register's records byte for
    // byte: names cut in a character, bytes no column covers, system values no box shows.
    void downloadSavedUnchangedKeepsTheRegistersRecords()
    {
        const QString memory = m_dir.filePath(QStringLiteral("hostile-register%1.db").arg(++m_serial));
        createDatabase(memory);
        // The TCP carrier does not decode extended header lines.
        const std::map<int, const char*> buttons { { CategoryGroup, "btn_group" }, { CategoryDept, "btn_dept" },
            { CategoryPlu, "btn_plu" }, { CategoryTax, "btn_tax" }, { CategoryDisc, "btn_disc" },
            { CategoryClerk, "btn_clerk" }, { CategoryHeader, "btn_th" }, { CategoryTrailer, "btn_trailer" },
            { CategoryNetParm, "btn_net" } };
        std::map<int, QList<QByteArray>> expected;
        for (const auto& [category, button] : buttons) {
            const RecordCodec* codec = codecForCategory(category);
            QList<QByteArray> records
                = hostileRecords(codec, English, false, 2) + hostileRecords(codec, English, true, 2);
            // The register keeps one PLU per item code.
            if (category == CategoryPlu)
                for (int i = 0; i < 2; ++i)
                    translation::unitsToBcd(records[i].data(), 7, i + 1);
            QList<RecordEntry> entries;
            for (int i = 0; i < records.size(); ++i)
                entries << RecordEntry::make(QByteArray::number(i + 1), "x", records.at(i));
            QVERIFY(saveRecords(QString::fromLatin1(codec->category().table), entries));
            std::sort(records.begin(), records.end());
            expected[category] = records;
        }
        QByteArray system = hostileRecords(System::instance(), English, true, 1).first();
        system[21] = char(150); // idle time above the box's 99
        system[17] = char(9); // print density above 4
        QVERIFY(saveRecords(QStringLiteral("table_system"), { RecordEntry::make("1", "sysparm", system) }));

        const QString shop = m_dir.filePath(QStringLiteral("shop%1.db").arg(++m_serial));
        createDatabase(shop);
        TestWindow w(m_dir.path());
        auto ecr = w.connectSimulator(memory);
        QVERIFY(ecr);
        for (const auto& [category, button] : buttons) {
            const RecordCodec* codec = codecForCategory(category);
            click(w, button);
            click(w, "btn_download");
            QVERIFY(w.waitIdle());
            QCOMPARE(w.itemModel()->rowCount(), 4);
            child<QAction>(w, "actionSave")->trigger();
            QList<QByteArray> stored = storedData(shop, QString::fromLatin1(codec->category().table));
            std::sort(stored.begin(), stored.end());
            QVERIFY2(stored == expected[category], codec->category().typeName);
            click(w, "btn_return");
        }

        click(w, "btn_system");
        click(w, "btn_download");
        QVERIFY(w.waitIdle());
        // The register's bytes; its reply ends with the frame's CRC where the record's last two are.
        const QByteArray received = System::record();
        QCOMPARE(received.left(62), system.left(62));
        child<QAction>(w, "actionSave")->trigger();
        QCOMPARE(storedData(shop, QStringLiteral("table_system")), QList<QByteArray> { received });
    }

    void pluItemCommandsSendTheSelectedRows()
    {
        createDatabase(m_dir.filePath(QStringLiteral("plus%1.db").arg(++m_serial)));
        QVERIFY(Plu::instance()->saveTable(
            { plu("11", "BREAD", "1.20"), plu("22", "MILK", "0.99"), plu("33", "TEA", "3.10"), plu("44", "RICE", "2.00") }));
        TestWindow w(m_dir.path());
        const QString simDb = m_dir.filePath(QStringLiteral("plu-register%1.db").arg(m_serial));
        auto ecr = w.connectSimulator(simDb);
        QVERIFY(ecr);
        click(w, "btn_plu");
        GridModel* model = w.itemModel();
        QCOMPARE(model->rowCount(), 4);

        click(w, "btn_install");
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("11\n22\n33\n44\nEND\n127.0.0.1: 4 PLUs installed"));
        QCOMPARE(storedPlus(simDb).size(), 4);

        // New prices for MILK and RICE; the operator selects a cell in each of their rows.
        model->setData(model->index(1, 3), 1.05);
        model->setData(model->index(3, 3), 2.35);
        model->setData(model->index(2, 3), 9.99); // edited, not selected: stays unsent
        auto* view = child<QTableView>(w, "tableView");
        view->selectionModel()->select(model->index(1, 1), QItemSelectionModel::Select);
        view->selectionModel()->select(model->index(3, 4), QItemSelectionModel::Select);
        click(w, "btn_update");
        QVERIFY(w.isBusy());
        QCOMPARE(child<QProgressBar>(w, "progressBar_transfer")->maximum(), 2);
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("22\n44\nEND\n127.0.0.1: 2 PLUs updated"));
        QVERIFY(w.log("textEdit_rcv").isEmpty());
        QCOMPARE(ecr->output().count("recv 05 48 07 00"), 1);
        QCOMPARE(ecr->output().count("recv 06 48 07 00"), 1);
        ItemTable stored = storedPlus(simDb);
        QCOMPARE(stored.size(), 4);
        QCOMPARE(stored.at(1), (ItemRow { "22", "MILK", "2", "1.05", "10.00" }));
        QCOMPARE(stored.at(2).at(3).toString(), QStringLiteral("3.10"));
        QCOMPARE(stored.at(3), (ItemRow { "44", "RICE", "2", "2.35", "10.00" }));

        // Two rows go from the register.
        view->selectionModel()->clearSelection();
        view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::Select);
        view->selectionModel()->select(model->index(2, 2), QItemSelectionModel::Select);
        // Asked first, No by default: nothing goes. A PLU selected in two cells is one PLU.
        view->selectionModel()->select(model->index(2, 3), QItemSelectionModel::Select);
        click(w, "btn_delete");
        QVERIFY(w.idle());
        QCOMPARE(MessageBox::shown().last(),
            QStringLiteral("Delete from the register: Delete 2 PLUs (11 BREAD, 33 TEA) from the connected register "
                           "(127.0.0.1)?"));
        view->selectionModel()->select(model->index(2, 3), QItemSelectionModel::Deselect);
        QCOMPARE(storedPlus(simDb).size(), 4);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "btn_delete");
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("11\n33\nEND\n127.0.0.1: 2 PLUs deleted"));
        stored = storedPlus(simDb);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.at(0).at(0).toString(), QStringLiteral("22"));
        QCOMPARE(stored.at(1).at(0).toString(), QStringLiteral("44"));

        // Nothing selected: nothing is sent, and the status bar says what is missing.
        view->selectionModel()->clearSelection();
        click(w, "btn_add");
        QVERIFY(w.idle());
        QCOMPARE(w.status(), QStringLiteral("Select the PLUs to send first."));

        // The register's two PLUs come back into the grid, in code order.
        click(w, "btn_download");
        QVERIFY(w.waitIdle());
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, 0).data(Qt::EditRole).typeId(), QMetaType::LongLong);
        QCOMPARE(model->index(1, 3).data().toString(), QStringLiteral("2.35"));
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("MILK\nRICE\nEND\n127.0.0.1: 2 PLUs downloaded"));
    }

    void errorsGoToTheErrorLog()
    {
        shopWithDepartments(2);
        TestWindow w(m_dir.path());
        auto ecr = w.connectSimulator(
            m_dir.filePath(QStringLiteral("refusing.db")), { QStringLiteral("--refuse"), QStringLiteral("1:15") });
        QVERIFY(ecr);
        click(w, "btn_dept");
        click(w, "btn_install");
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_rcv"),
            QStringLiteral("15\n127.0.0.1: the register refused department 1 (code 15), the first of 2 rows"));
        QVERIFY(w.log("textEdit_snd").isEmpty());
        QCOMPARE(w.itemModel()->rowCount(), 2);
    }

    // Why a command cannot start is said by tst_registercommands; here: the commands that do
    // not apply.
    void commandsThatDoNotApply()
    {
        shopWithDepartments(2);
        TestWindow w(m_dir.path());
        // The button page has nothing to install; the logo page nothing to download: the
        // commands are off there, and their tool tips say why.
        auto ecr = w.connectSimulator(m_dir.filePath(QStringLiteral("idle.db")));
        QVERIFY(ecr);
        click(w, "btn_return");
        for (const char* name : { "btn_install", "btn_download" }) {
            QVERIFY(!child<QWidget>(w, name)->isEnabled());
            QVERIFY(child<QWidget>(w, name)->toolTip().contains(QStringLiteral("open a category page first")));
        }
        QVERIFY(!child<QAction>(w, "actionInstall")->isEnabled());
        click(w, "btn_install");
        QVERIFY(w.idle());
        click(w, "btn_graphic");
        QVERIFY(child<QWidget>(w, "btn_install")->isEnabled());
        QVERIFY(!child<QAction>(w, "actionDownload")->isEnabled());
        QVERIFY(child<QWidget>(w, "btn_download")->toolTip().contains(QStringLiteral("does not send its logo back")));
        click(w, "btn_download");
        QVERIFY(w.idle());

        // Clear data goes over the serial link only, and the PLU commands work on PLUs only:
        // elsewhere they are disabled, and their tool tips say why.
        click(w, "btn_return");
        click(w, "btn_dept");
        auto* clear = child<QAction>(w, "actionClearData");
        QVERIFY(!clear->isEnabled());
        QVERIFY(clear->toolTip().contains(QStringLiteral("serial link only")));
        for (const char* name : { "btn_add", "btn_update", "btn_delete" }) {
            QVERIFY(!child<QWidget>(w, name)->isEnabled());
            QVERIFY(child<QWidget>(w, name)->toolTip().contains(QStringLiteral("PLU page only")));
        }
        QVERIFY(!child<QAction>(w, "actionDelet")->isEnabled());
        QCOMPARE(ecr->output().count("recv "), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void ackWords()
    {
        TestWindow w(m_dir.path());
        auto* snd = child<QTextEdit>(w, "textEdit_snd");
        auto* rcv = child<QTextEdit>(w, "textEdit_rcv");
        w.ackData("UPDATE 7");
        w.ackData("DOWNLOAD 12");
        w.ackData(hexBytes("01 AB FF"));
        w.ackData("BCC ERR");
        // The logs show the words together, shortly after they came.
        QTRY_COMPARE(snd->toPlainText(), QStringLiteral("7\n12"));
        QTRY_COMPARE(rcv->toPlainText(), QStringLiteral("01 AB FF\nBCC ERR"));
        // Rows that arrive while another page is shown are dropped.
        ItemTable rows = departments(2);
        w.rcvData("DEPTDATA", &rows);
        QCOMPARE(w.itemModel()->rowCount(), 0);
        w.rcvData("DEPTDATA", nullptr);
        QCOMPARE(w.itemModel()->rowCount(), 0);
    }

    // Translated, the log shows the link's own words in the operator's language but item names
    // as they came, and the connection types are translated on show but kept in English.
    void translatedWordsAndConnectionTypes()
    {
        const WordTranslator greek({ { "StatusWord", "END", "ΤΕΛΟΣ" },
            { "StatusWord", "BCC ERR", "ΣΦΑΛΜΑ BCC" }, { "StatusWord", "7", "ΕΠΤΑ" },
            { "ConnectionPanel", "Serial", "Σειριακή" }, { "ConnectionPanel", "Tcp", "Δίκτυο" } });
        TestWindow w(m_dir.path());
        w.ackData("UPDATE 7");
        w.ackData("UPDATE END");
        w.ackData("BCC ERR");
        QTRY_COMPARE(w.log("textEdit_snd"), QStringLiteral("7\nΤΕΛΟΣ"));
        QTRY_COMPARE(w.log("textEdit_rcv"), QStringLiteral("ΣΦΑΛΜΑ BCC"));

        auto* mode = child<QComboBox>(w, "comboBox_Connect");
        QCOMPARE(mode->itemText(1), QStringLiteral("Δίκτυο"));
        QVERIFY(w.useTcp());
        QCOMPARE(LinkSettings::load().link, QStringLiteral("Tcp"));
        click(w, "btn_dept");
        click(w, "btn_download");
        QVERIFY(w.log("textEdit_rcv").startsWith(QStringLiteral("No register is connected.")));
        mode->setCurrentIndex(0);
        QVERIFY(!w.tcpLink());
        QCOMPARE(LinkSettings::load().link, QStringLiteral("Serial"));
        click(w, "btn_download");
        QCOMPARE(w.log("textEdit_rcv"), QStringLiteral("Open the serial port first."));
    }

    void longWordsAndLogsStayBounded()
    {
        TestWindow w(m_dir.path());
        auto* snd = child<QTextEdit>(w, "textEdit_snd");
        auto* rcv = child<QTextEdit>(w, "textEdit_rcv");
        const QByteArray head = StreamingPeer::pattern(kShownPendingBytes);
        const QString hex = QString::fromLatin1(translation::hexSpaced(head));
        // The drain word of a stream shows its first bytes and their count.
        w.ackData(pendingWord(head, 67108864));
        QTRY_COMPARE(rcv->toPlainText(), hex + QStringLiteral(" (64 of 67108864 bytes shown)"));
        // So does any other long run of raw bytes; names are cut short.
        rcv->clear();
        w.ackData(head + QByteArray(1 << 20, 'x'));
        QTRY_COMPARE(rcv->toPlainText(), hex + QStringLiteral(" (64 of 1048640 bytes shown)"));
        w.ackData("UPDATE " + QByteArray(100000, 'N'));
        w.ackData("DOWNLOAD " + QByteArray(100000, 'N'));
        QTRY_VERIFY(!snd->toPlainText().isEmpty());
        const QStringList names = snd->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(names.size(), 2);
        for (const QString& name : names)
            QVERIFY(name.size() >= 100 && name.size() <= 300);

        // The logs keep their latest lines, also after a command has cleared them.
        QVERIFY(w.useTcp());
        click(w, "btn_dept");
        click(w, "btn_download");
        QVERIFY(rcv->toPlainText().startsWith(QStringLiteral("No register is connected.")));
        const int kept = snd->document()->maximumBlockCount();
        QVERIFY(kept > 0 && kept == rcv->document()->maximumBlockCount());
        for (int i = 0; i < kept + 200; ++i) {
            w.ackData("UPDATE " + QByteArray::number(i));
            w.ackData("TIME OUT");
        }
        QTRY_COMPARE(snd->document()->blockCount(), kept);
        QTRY_COMPARE(rcv->document()->blockCount(), kept);
        QVERIFY(snd->toPlainText().endsWith(QStringLiteral("\n%1").arg(kept + 199)));
        QVERIFY(snd->toPlainText().startsWith(QStringLiteral("200\n")));
    }

    void manyWordsCostLittle()
    {
        TestWindow w(m_dir.path());
        auto* snd = child<QTextEdit>(w, "textEdit_snd");
        auto* bar = child<QProgressBar>(w, "progressBar_transfer");
        bar->show();
        bar->setRange(0, 20000);
        constexpr int kWords = 20000;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < kWords; ++i) {
            w.ackData("UPDATE PLU " + QByteArray::number(i));
            // The window goes on with its events as the words come.
            if (i % 500 == 0)
                QCoreApplication::processEvents();
        }
        w.ackData("UPDATE END");
        QTRY_VERIFY(snd->toPlainText().endsWith(QStringLiteral("\nEND")));
        qInfo("%d words through ackData, shown: %lld ms", kWords, clock.elapsed());
        // The latest lines, in order, within the log's bound; the bar counted every row.
        const QStringList lines = snd->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), snd->document()->maximumBlockCount());
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("PLU %1").arg(kWords - 1));
        QCOMPARE(lines.first(), QStringLiteral("PLU %1").arg(kWords + 1 - lines.size()));
        QCOMPARE(bar->value(), kWords);
    }

    void toolBarRunsTheButtonsCommands_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("request"); // download: the type asked for
        QTest::addColumn<QByteArray>("sent"); // the type sent, or nothing
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("log");
        QTest::newRow("install") << QByteArray("actionInstall") << QByteArray("btn_dept") << QByteArray()
                                 << QByteArray("DEPTDATA") << int(CommandInstall)
                                 << "DEPT1\nDEPT2\nEND\n127.0.0.1: 2 departments installed";
        QTest::newRow("import") << QByteArray("actionDownload") << QByteArray("btn_dept") << QByteArray("DEPTDATA")
                                << QByteArray() << -1 << "DEPT1\nDEPT2\nEND\n127.0.0.1: 2 departments downloaded";
        QTest::newRow("update") << QByteArray("actionUpdate") << QByteArray("btn_plu") << QByteArray()
                                << QByteArray("PLUDATA") << int(CommandUpdate) << "22\nEND\n127.0.0.1: 1 PLU updated";
        QTest::newRow("Add") << QByteArray("actionAdd") << QByteArray("btn_plu") << QByteArray()
                             << QByteArray("PLUDATA") << int(CommandAdd) << "22\nEND\n127.0.0.1: 1 PLU added";
        QTest::newRow("Delete") << QByteArray("actionDelet") << QByteArray("btn_plu") << QByteArray()
                                << QByteArray("PLUDATA") << int(CommandDelete) << "22\nEND\n127.0.0.1: 1 PLU deleted";
        QTest::newRow("Add on the department page") << QByteArray("actionAdd") << QByteArray("btn_dept") << QByteArray()
                                                    << QByteArray() << int(CommandAdd) << "";
    }

    void toolBarRunsTheButtonsCommands()
    {
        QFETCH(QByteArray, action);
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, sent);
        QFETCH(int, command);
        QFETCH(QString, log);
        const QString shop = shopWithDepartments(2);
        QVERIFY(Plu::instance()->saveTable({ plu("11", "BREAD", "1.20"), plu("22", "MILK", "0.99") }));
        TestWindow w(m_dir.path());
        // The register knows the shop's departments, so that "import" brings them back.
        QVERIFY(QFile::copy(shop, m_dir.filePath(QStringLiteral("toolbar%1.db").arg(m_serial))));
        auto ecr = w.connectSimulator(m_dir.filePath(QStringLiteral("toolbar%1.db").arg(m_serial)));
        QVERIFY(ecr);
        click(w, page.constData());
        auto* view = child<QTableView>(w, "tableView");
        view->selectionModel()->select(w.itemModel()->index(1, 1), QItemSelectionModel::Select);
        QSignalSpy sends(w.linkHost(), &LinkHost::signal_MsendData);
        QSignalSpy requests(w.linkHost(), &LinkHost::signal_MrcvData);
        QAction* toolAction = child<QAction>(w, action.constData());
        // A command that does not apply to the page is disabled and does nothing.
        QCOMPARE(toolAction->isEnabled(), !log.isEmpty());
        if (command == CommandDelete)
            MessageBox::setNextAnswer(QMessageBox::Yes);
        toolAction->trigger();
        QCOMPARE(requests.size(), request.isEmpty() ? 0 : 1);
        QCOMPARE(sends.size(), sent.isEmpty() ? 0 : 1);
        if (!sent.isEmpty()) {
            const SharedRequest sentRequest = sends.first().first().value<SharedRequest>();
            QCOMPARE(sentRequest->datatype, sent);
            QCOMPARE(int(sentRequest->command), command);
            // Rows loaded keep their records; a deleted PLU needs only its code: it is encoded.
            const bool kept = std::any_of(sentRequest->records.cbegin(), sentRequest->records.cend(),
                [](const QByteArray& record) { return !record.isEmpty(); });
            QCOMPARE(kept, command != CommandDelete);
        }
        if (!request.isEmpty())
            QCOMPARE(requests.first().first().toByteArray(), request);
        if (log.isEmpty()) {
            QVERIFY(w.idle());
            return;
        }
        // As its button, the command keeps the window busy: no other command can start.
        QVERIFY(w.isBusy());
        for (const char* other : { "actionInstall", "actionDownload", "actionUpdate", "actionAdd", "actionDelet",
                 "actionClearData", "actionGroup", "actionDept", "actionPast", "actionInsert", "actionUndo",
                 "actionRedo", "actionNew", "actionOpen", "actionSave", "actionOpenServerSet", "actionCut",
                 "actionClearCells", "actionDeleteRows" })
            QVERIFY2(!child<QAction>(w, other)->isEnabled(), other);
        QVERIFY(child<QAction>(w, "actionCancel")->isEnabled());
        QVERIFY(w.waitIdle());
        QCOMPARE(w.log("textEdit_snd"), log);
        QVERIFY(toolAction->isEnabled());
        QVERIFY(child<QAction>(w, "actionInsert")->isEnabled());
    }

    // Closing the window during a transfer asks; Keep running keeps it going, Stop and close
    // stops it after the current frame and waits for its end, so that it is journalled.
    void closingWhileATransferRuns()
    {
        shopWithDepartments(3);
        TestWindow w(m_dir.path());
        auto slow = w.connectSimulator(
            m_dir.filePath(QStringLiteral("slow.db")), { QStringLiteral("--delay"), QStringLiteral("300") });
        QVERIFY(slow);
        click(w, "btn_dept");
        click(w, "btn_install");
        QVERIFY(w.isBusy());
        // Unsaved work is asked about first: a Cancel there leaves the transfer running.
        QVERIFY(w.itemModel()->setData(w.itemModel()->index(0, 1), QStringLiteral("EDITED")));
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!w.close());
        QVERIFY(w.isBusy());
        QVERIFY2(MessageBox::shown().last().startsWith(QStringLiteral("unsaved changes")),
            qPrintable(MessageBox::shown().last()));
        MessageBox::setNextAnswer(QMessageBox::Discard);
        MessageBox::setNextAnswer(QMessageBox::No);
        QVERIFY(!w.close());
        QVERIFY(w.isBusy());
        QVERIFY2(MessageBox::shown().last().contains(QStringLiteral("still running")),
            qPrintable(MessageBox::shown().last()));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QVERIFY(w.close());
        QVERIFY(w.idle());
        QVERIFY2(w.log("textEdit_rcv").contains(QStringLiteral("127.0.0.1: cancelled by the operator after ")),
            qPrintable(w.log("textEdit_rcv")));
    }

    // A download that ends while the operator is asked about stopping it fills the page: the
    // close then asks about those rows as well.
    void closingAsksAgainWhenADownloadEndedMeanwhile()
    {
        shopWithDepartments(3);
        TestWindow w(m_dir.path());
        auto slow = w.connectSimulator(
            m_dir.filePath(QStringLiteral("slow.db")), { QStringLiteral("--delay"), QStringLiteral("200") });
        QVERIFY(slow);
        click(w, "btn_dept");
        click(w, "btn_install");
        QVERIFY(w.waitIdle());
        // A download that finds what the set holds leaves nothing to save.
        click(w, "btn_download");
        QVERIFY(w.waitIdle());
        QCOMPARE(w.itemModel()->rowCount(), 3);
        QVERIFY2(!w.windowTitle().endsWith(QLatin1Char('*')), qPrintable(w.windowTitle()));
        // The set changes meanwhile: the rows downloaded are not what it holds.
        QVERIFY(codecForCategory(CategoryDept)->saveTable(ItemTable()));
        click(w, "btn_download");
        QVERIFY(w.isBusy());
        MessageBox::setWhileAsked([&w] { QVERIFY(w.waitIdle()); });
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!w.close());
        QVERIFY2(MessageBox::shown().last().startsWith(QStringLiteral("unsaved changes")),
            qPrintable(MessageBox::shown().join(QLatin1Char('\n'))));
        QCOMPARE(w.itemModel()->rowCount(), 3);
        QVERIFY(w.windowTitle().endsWith(QLatin1Char('*')));
    }

    void busyUntilEveryRegisterHasEnded()
    {
        shopWithDepartments(3);
        TestWindow w(m_dir.path());
        auto fast = w.connectSimulator(m_dir.filePath(QStringLiteral("fast.db")));
        auto slow = w.connectSimulator(
            m_dir.filePath(QStringLiteral("slow.db")), { QStringLiteral("--delay"), QStringLiteral("300") });
        QVERIFY(fast && slow);
        click(w, "btn_dept");
        click(w, "btn_install");
        QVERIFY(w.isBusy());
        QCOMPARE(child<QProgressBar>(w, "progressBar_transfer")->maximum(), 6);
        auto* snd = child<QTextEdit>(w, "textEdit_snd");
        auto ends = [&] { return snd->toPlainText().split(QLatin1Char('\n')).count(QStringLiteral("END")); };
        // The first register's end leaves the window busy while the second one still works.
        QVERIFY(QTest::qWaitFor([&] { return ends() == 1; }, 10000));
        QVERIFY(w.isBusy());
        QVERIFY(w.waitIdle());
        QCOMPARE(ends(), 2);
        QVERIFY(w.log("textEdit_rcv").isEmpty());
    }

    void drainedBytesDoNotEndTheTransfer()
    {
        shopWithDepartments(1);
        TestWindow w(m_dir.path());
        QVERIFY(w.useTcp());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, w.tcpLink()->serverPort());
        QVERIFY(socket.waitForConnected(3000));
        QVERIFY(QTest::qWaitFor([&] { return w.registers() == 1; }, 5000));
        FakeRegister ecr(&socket);
        ecr.write(hexBytes("AA BB"));
        QTest::qWait(100);
        click(w, "btn_dept");
        click(w, "btn_install");
        QCOMPARE(ecr.read(53).size(), 53);
        auto* rcv = child<QTextEdit>(w, "textEdit_rcv");
        QVERIFY(QTest::qWaitFor([&] { return rcv->toPlainText() == QStringLiteral("AA BB"); }, 5000));
        QVERIFY(w.isBusy());
        ecr.write(QByteArray(1, kAck));
        QVERIFY(w.waitIdle(5000));
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("DEPT1\nEND\n127.0.0.1: 1 department installed"));
    }

    // Peers that connect and go at once, some with a reset, one after the other and in bursts.
    void connectionTableAfterChurn()
    {
        shopWithDepartments(2);
        TestWindow w(m_dir.path());
        QVERIFY(w.useTcp());
        const quint16 port = w.tcpLink()->serverPort();
        int announced = 0;
        connect(child<QTableWidget>(w, "tableWidget_Tcp")->model(), &QAbstractItemModel::rowsInserted,
            [&] { ++announced; });
        // One connection first, so that whatever the program starts only once is counted in.
        closePeer(connectPeer(port), false);
        QVERIFY(QTest::qWaitFor([&] { return announced == 1 && w.registers() == 0; }, 5000));
        // A joined thread leaves the process's task list a moment later.
        QTest::qWait(200);
        const int threads = threadCount();

        QElapsedTimer clock;
        clock.start();
        int cycles = 0;
        for (int round = 0; round < 50; ++round) {
            QList<int> burst;
            for (int i = 0; i < 20; ++i) {
                const int fd = connectPeer(port);
                QVERIFY(fd >= 0);
                if (round % 2 == 1) {
                    burst << fd;
                    continue;
                }
                // One after the other, each living a little longer than the one before.
                QTest::qWait(i % 4);
                closePeer(fd, ++cycles % 3 == 0);
            }
            QCoreApplication::processEvents();
            for (const int fd : burst)
                closePeer(fd, ++cycles % 3 == 0);
        }
        QCOMPARE(cycles, 1000);
        // Every connection has ended once its thread has; the server may still accept the last.
        auto threadsBack = [&] { return threadCount() <= threads; };
        QVERIFY(QTest::qWaitFor(threadsBack, 60000));
        QTest::qWait(300);
        QVERIFY(QTest::qWaitFor(threadsBack, 60000));
        qInfo("1000 connections in %lld ms: %d announced, %d rows left, %d threads (%d before)", clock.elapsed(),
            announced - 1, w.registers(), threadCount(), threads);
        QCOMPARE(w.registers(), 0);
        QCOMPARE(ConnectionRegistry::count(), 0);
        QVERIFY(threadCount() <= threads);
        QVERIFY(announced > 1);

        // With only vanished peers behind it, a command ends at once and says why.
        auto* rcv = child<QTextEdit>(w, "textEdit_rcv");
        click(w, "btn_dept");
        click(w, "btn_download");
        QVERIFY(w.idle());
        QVERIFY(rcv->toPlainText().startsWith(QStringLiteral("No register is connected.")));
        w.showConnection(QStringLiteral("10.0.0.9"));
        click(w, "btn_install");
        QVERIFY(w.idle());
        QCOMPARE(rcv->toPlainText(), QStringLiteral("No register took the request."));
        QVERIFY(w.log("textEdit_snd").isEmpty());
    }

    void connectionPanel()
    {
        TestWindow w(m_dir.path());
        auto* mode = child<QComboBox>(w, "comboBox_Connect");
        mode->setCurrentIndex(1);
        auto ecr = w.connectSimulator(m_dir.filePath(QStringLiteral("panel.db")));
        QVERIFY(ecr);
        QCOMPARE(w.registers(), 1);
        // Leaving TCP drops the rows and the link; coming back starts afresh.
        mode->setCurrentIndex(0);
        QVERIFY(!w.tcpLink());
        QCOMPARE(w.registers(), 0);
        QCOMPARE(child<QStackedWidget>(w, "stackedWidget_Connect")->currentIndex(), 0);
        QVERIFY(!child<QPushButton>(w, "pushButton")->isHidden());
        mode->setCurrentIndex(1);
        QVERIFY(w.tcpLink());
        QCOMPARE(w.registers(), 0);
        QVERIFY(child<QPushButton>(w, "pushButton")->isHidden());

        // A disconnect removes one row of that address: two registers may dial from one
        // address, and the one still connected stays listed (the questions name the table's).
        auto* table = child<QTableWidget>(w, "tableWidget_Tcp");
        w.showConnection(QStringLiteral("10.0.0.9"));
        w.showConnection(QStringLiteral("10.0.0.7"));
        w.showConnection(QStringLiteral("10.0.0.9"));
        QCOMPARE(table->currentRow(), 2);
        ConnectionRegistry::put(9001, QStringLiteral("10.0.0.9"));
        w.showDisconnection(9001);
        QCOMPARE(w.registers(), 2);
        w.showDisconnection(9001); // taken already: nothing more goes
        QCOMPARE(w.registers(), 2);
        ConnectionRegistry::put(9002, QStringLiteral("10.0.0.9"));
        w.showDisconnection(9002);
        QCOMPARE(w.registers(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("10.0.0.7"));
    }

    // Peers beyond the cap and outside the allow-list are named in the status bar, never listed.
    void refusedPeersInTheStatusBar_data()
    {
        QTest::addColumn<QString>("tcp");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("message");
        QTest::newRow("cap") << "maxConnections=1" << 1
                             << "Tcp: connection from 127.0.0.1 refused: already 1 open ([tcp] maxConnections)";
        QTest::newRow("allow-list") << "allow=10.0.0.0/8, 192.168.1.20" << 0
                                    << "Tcp: connection from 127.0.0.1 refused: not in [tcp] allow";
    }

    void refusedPeersInTheStatusBar()
    {
        QFETCH(QString, tcp);
        QFETCH(int, listed);
        QFETCH(QString, message);
        QVERIFY(useTestLinkSettings(m_dir.path(), QString(), tcp.toLatin1()));
        TestWindow w(m_dir.path());
        QVERIFY(w.useTcp());
        // One after the other, so that an announcement cannot come after the refusal.
        QList<int> peers;
        peers << connectPeer(w.tcpLink()->serverPort());
        QCOMPARE(w.status(), QStringLiteral("Tcp"));
        QVERIFY(QTest::qWaitFor([&] { return w.registers() == listed && w.status() != QLatin1String("Tcp"); }, 5000));
        peers << connectPeer(w.tcpLink()->serverPort());
        QVERIFY(QTest::qWaitFor([&] { return w.status() == message; }, 5000));
        QTest::qWait(100);
        QCOMPARE(w.status(), message);
        QCOMPARE(w.registers(), listed);
        for (const int fd : peers)
            closePeer(fd, false);
        QVERIFY(QTest::qWaitFor([&] { return w.registers() == 0; }, 5000));
    }

    void serialPanel()
    {
        useTestLinkSettings(m_dir.path(), QStringLiteral("/dev/tallvane-no-such-port"));
        {
            TestWindow w(m_dir.path());
            QCOMPARE(child<QComboBox>(w, "comboBox_ComNum")->findText(QStringLiteral("/dev/tallvane-no-such-port")), -1);
            // The machine's own ports may be listed; with none selected the link is refused.
            child<QComboBox>(w, "comboBox_ComNum")->clear();
            click(w, "btn_serial");
            QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("can not open serial: no select serial port.")));
            QVERIFY(buttonsAnnounceTheirText(w, "Open Serial"));
            QVERIFY(!w.serialLink());
        }

        auto pty = std::make_unique<PtyPair>();
        if (!pty->ok())
            QSKIP("socat is needed for pseudo-terminal pairs");
        useTestLinkSettings(m_dir.path(), pty->first());
        shopWithDepartments(2);
        TestWindow w(m_dir.path());
        auto* ports = child<QComboBox>(w, "comboBox_ComNum");
        QVERIFY(ports->findText(pty->first()) >= 0);
        ports->setCurrentIndex(ports->findText(pty->first()));

        // Against the simulator on the other end.
        {
            Simulator ecr({ QStringLiteral("--serial"), pty->second(), QStringLiteral("--db"),
                m_dir.filePath(QStringLiteral("serial-register.db")) });
            QVERIFY(ecr.waitReady());
            // Refused while the port is closed; the reason goes once the port is open.
            click(w, "btn_dept");
            click(w, "btn_install");
            QCOMPARE(w.log("textEdit_rcv"), QStringLiteral("Open the serial port first."));
            click(w, "btn_serial");
            QCOMPARE(w.log("textEdit_rcv"), QString());
            QVERIFY(w.serialLink() && w.serialLink()->isOpen());
            QVERIFY(buttonsAnnounceTheirText(w, "Close Serial"));
            QVERIFY(!ports->isEnabled());
            QVERIFY(!child<QPushButton>(w, "pushButton")->isEnabled());
            click(w, "btn_dept");
            click(w, "btn_install");
            QVERIFY(w.isBusy());
            QVERIFY(w.waitIdle());
            QCOMPARE(w.log("textEdit_snd"), QStringLiteral("1\n2\nEND\n%1: 2 departments installed").arg(pty->first()));
            const QString reg = serialLinkId(pty->first());
            QList<QByteArray> baseline;
            QVERIFY(BaselineStore::load(reg, CategoryDept, &baseline) && baseline.size() == 2);

            // Clear data over serial on the department page: asked first, No by default.
            auto* clear = child<QAction>(w, "actionClearData");
            QVERIFY(clear->isEnabled());
            clear->trigger();
            QVERIFY(w.idle());
            QCOMPARE(MessageBox::shown().last(),
                QStringLiteral("warning: Erase every table of the connected register (%1)? This cannot be undone.")
                    .arg(pty->first()));
            MessageBox::setNextAnswer(QMessageBox::Yes);
            clear->trigger();
            QVERIFY(w.waitIdle());
            QCOMPARE(w.log("textEdit_snd"), QStringLiteral("END\n%1: every table erased").arg(pty->first()));
            QCOMPARE(ecr.output().count("recv 04 00 21 00 19 44"), 1);
            // The register is known to be empty now: a comparison shows every row as new.
            QVERIFY(BaselineStore::load(reg, CategoryDept, &baseline) && baseline.isEmpty());

            // Only the administrator may: others see it disabled, with the reason.
            m_session->logIn(2, 0xFFFFFFFF);
            w.openCategory(CategoryTax);
            QVERIFY(!clear->isEnabled());
            QVERIFY(clear->toolTip().contains(QStringLiteral("only the administrator")));
            m_session->logIn(1, 0xFFFFFFFF);
            w.openCategory(CategoryDept);
            QVERIFY(clear->isEnabled());

            // Closing gives the port back.
            click(w, "btn_serial");
            QVERIFY(!w.serialLink());
            QVERIFY(buttonsAnnounceTheirText(w, "Open Serial"));
            QVERIFY(ports->isEnabled());
        }

        // Switching to TCP with the port open closes it.
        click(w, "btn_serial");
        QVERIFY(w.serialLink());
        QVERIFY(w.useTcp());
        QVERIFY(!w.serialLink());
        QVERIFY(buttonsAnnounceTheirText(w, "Open Serial"));
        QVERIFY(ports->isEnabled());
        child<QComboBox>(w, "comboBox_Connect")->setCurrentIndex(0);

        // A port that has gone away since the scan: the operator is told, no link is left.
        ports->addItem(m_dir.filePath(QStringLiteral("vanished")));
        ports->setCurrentIndex(ports->count() - 1);
        MessageBox::clearShown();
        click(w, "btn_serial");
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().first().startsWith(QStringLiteral("can not open serial: ")));
        QVERIFY(!w.serialLink());
        QVERIFY(buttonsAnnounceTheirText(w, "Open Serial"));
        QVERIFY(ports->isEnabled());
        click(w, "btn_install");
        QVERIFY(w.idle());
        useTestLinkSettings(m_dir.path());
    }
};

QTEST_MAIN(TestGuiTransfer)
#include "tst_gui_transfer.moc"
