#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/lines.h"
#include "records/netparm.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

// The header, extended header, trailer and network pages of the main window.
class TestLinePages : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    static QTableView* grid(MainWindow& w) { return child<QTableView>(w, "tableView"); }

    QString newShop()
    {
        const QString path = m_dir.filePath(QStringLiteral("shop%1.db").arg(++m_serial));
        createDatabase(path);
        return path;
    }

    static int storedRows(const QString& table)
    {
        QList<QByteArray> records;
        return loadRecords(table, &records) ? int(records.size()) : -1;
    }

    // Opens the editor of a cell and returns it.
    static QLineEdit* edit(MainWindow& w, int row, int column)
    {
        QTableView* view = grid(w);
        const QModelIndex index = w.itemModel()->index(row, column);
        view->setCurrentIndex(index);
        view->edit(index);
        return view->viewport()->findChild<QLineEdit*>();
    }

    // Presses Return in an editor; true when the editor took the text and closed.
    static bool commit(QLineEdit* editor)
    {
        QPointer<QLineEdit> watched(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        return QTest::qWaitFor([&] { return watched.isNull() || !watched->isVisible(); }, 500);
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
    void cleanup() { NetParm::setRecord(QByteArray()); }

    void newTablesShowTheirStartingRows_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("textHeader");
        QTest::newRow("header") << QByteArray("btn_th") << "table_ht"
                                << "Header";
        QTest::newRow("trailer") << QByteArray("btn_trailer") << "table_tr"
                                 << "Trailer";
        QTest::newRow("extheader") << QByteArray() << "table_extht"
                                   << "EXTHeader";
    }

    void newTablesShowTheirStartingRows()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, table);
        QFETCH(QString, textHeader);
        newShop();
        TestWindow w(m_dir.path());
        if (button.isEmpty())
            w.on_btn_extth_clicked();
        else
            child<QPushButton>(w, button.constData())->click();
        GridModel* model = w.itemModel();
        QCOMPARE(model->rowCount(), 8);
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), textHeader);
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(model->index(row, 0).data().toString(), QString::number(row + 1));
            QCOMPARE(model->index(row, 1).data().toString(), QString());
            QVERIFY(!(model->flags(model->index(row, 0)) & Qt::ItemIsEditable));
        }
        // The empty text column is as wide as a full line.
        const int fullLine = grid(w)->fontMetrics().horizontalAdvance(QString(32, QLatin1Char('X')));
        QVERIFY2(grid(w)->columnWidth(1) >= fullLine, qPrintable(QString::number(grid(w)->columnWidth(1))));
        // Nothing is stored until the operator saves.
        QCOMPARE(storedRows(table), 0);
        child<QAction>(w, "actionSave")->trigger();
        QCOMPARE(storedRows(table), 8);
    }

    void newNetworkTableShowsTheCurrentRecord()
    {
        newShop();
        TestWindow w(m_dir.path());
        child<QPushButton>(w, "btn_net")->click();
        GridModel* model = w.itemModel();
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->columnCount(), 16);
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("00000000"));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("0.0.0.0"));
        QCOMPARE(model->index(0, 3).data(Qt::EditRole).typeId(), QMetaType::Int);
        QCOMPARE(grid(w)->horizontalHeader()->sectionResizeMode(10), QHeaderView::ResizeToContents);
        QCOMPARE(storedRows(QStringLiteral("table_net")), 0);

        // The option menu sets the bits of the "Option" cell.
        grid(w)->setCurrentIndex(model->index(0, 1));
        w.on_option1_click(true);
        w.on_option3_click(true);
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("00000101"));
        child<QAction>(w, "actionSave")->trigger();
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_net"), &records));
        QCOMPARE(uchar(records.first().at(0)), uchar(0x05));
    }

    void lineEditorStopsAtTheFieldSize_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QString latin = QStringLiteral("WELCOME TO THE SHOP OF THE YEAR 2024 AND MORE");
        QTest::newRow("header") << int(English) << false << latin << latin.left(32);
        QTest::newRow("extended header") << int(English) << true << latin << latin.left(40);
        // Greek letters take two bytes in the English code page, one in the Greek one.
        const QString greek = QString(40, QChar(0x03A9));
        QTest::newRow("Greek letters, English") << int(English) << false << greek << greek.left(16);
        QTest::newRow("Greek letters, Greek") << int(Greek) << false << greek << greek.left(32);
    }

    void lineEditorStopsAtTheFieldSize()
    {
        QFETCH(int, language);
        QFETCH(bool, extended);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const LanguageScope scope(language);
        newShop();
        TestWindow w(m_dir.path());
        if (extended)
            w.on_btn_extth_clicked();
        else
            child<QPushButton>(w, "btn_th")->click();
        QLineEdit* editor = edit(w, 2, 1);
        QVERIFY(editor);
        // Key events carry only ASCII text; other letters arrive as input would put them in.
        for (const QChar ch : typed) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(editor, ch.toLatin1());
            else
                editor->insert(QString(ch));
        }
        QCOMPARE(editor->text(), kept);
        QVERIFY(commit(editor));
        QCOMPARE(w.itemModel()->index(2, 1).data().toString(), kept);
    }

    void pastedTextIsCutAtTheCursor()
    {
        newShop();
        TestWindow w(m_dir.path());
        child<QPushButton>(w, "btn_trailer")->click();
        QLineEdit* editor = edit(w, 0, 1);
        QVERIFY(editor);
        editor->setText(QStringLiteral("THANKS"));
        editor->setCursorPosition(5);
        editor->insert(QString(40, QLatin1Char('x')));
        QCOMPARE(editor->text(), QStringLiteral("THANK") + QString(26, QLatin1Char('x')) + QStringLiteral("S"));
        QCOMPARE(editor->cursorPosition(), 31);
    }

    void networkEditorRefusesBadCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("good");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("address") << 2 << "10.0.0.300"
                                 << "IPAddress: an address is four numbers from 0 to 255"
                                 << "192.168.1.10" << QVariant(QStringLiteral("192.168.1.10"));
        QTest::newRow("port") << 3 << "70000"
                              << "ClientPort: a port is a number from 0 to 65535"
                              << "8080" << QVariant(8080);
        QTest::newRow("key") << 15 << QString(64, QLatin1Char('a'))
                             << "SecurityCode: the letters of the key must be upper-case"
                             << QString(64, QLatin1Char('A')) << QVariant(QString(64, QLatin1Char('A')));
    }

    void networkEditorRefusesBadCells()
    {
        QFETCH(int, column);
        QFETCH(QString, bad);
        QFETCH(QString, reason);
        QFETCH(QString, good);
        QFETCH(QVariant, stored);
        newShop();
        TestWindow w(m_dir.path());
        child<QPushButton>(w, "btn_net")->click();
        const QVariant before = w.itemModel()->index(0, column).data(Qt::EditRole);

        QLineEdit* editor = edit(w, 0, column);
        QVERIFY(editor);
        editor->clear();
        QTest::keyClicks(editor, bad);
        QVERIFY(!commit(editor));
        QVERIFY2(w.status().startsWith(reason), qPrintable(w.status()));
        QCOMPARE(w.itemModel()->index(0, column).data(Qt::EditRole), before);

        editor->clear();
        QTest::keyClicks(editor, good);
        QVERIFY(commit(editor));
        QCOMPARE(w.itemModel()->index(0, column).data(Qt::EditRole), stored);
        QCOMPARE(w.status(), QStringLiteral("NetParm"));
    }

    void networkTextsStopAtTheirFieldSizes()
    {
        newShop();
        TestWindow w(m_dir.path());
        child<QPushButton>(w, "btn_net")->click();
        const int limits[][2] = { { 10, 127 }, { 11, 7 }, { 12, 15 }, { 13, 15 }, { 14, 10 } };
        for (const auto& limit : limits) {
            QLineEdit* editor = edit(w, 0, limit[0]);
            QVERIFY(editor);
            editor->insert(QString(200, QLatin1Char('z')));
            QCOMPARE(editor->text().size(), limit[1]);
            QVERIFY(commit(editor));
        }
        child<QAction>(w, "actionSave")->trigger();
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_net"), &records));
        QCOMPARE(records.first().mid(30, 128), QByteArray(127, 'z') + QByteArray(1, 0));
        QCOMPARE(records.first().mid(198, 10), QByteArray(10, 'z'));
    }

    void wrongLineNumberIsNotSent()
    {
        newShop();
        TestWindow w(m_dir.path());
        auto ecr = w.connectSimulator(m_dir.filePath(QStringLiteral("register.db")));
        QVERIFY(ecr);

        child<QPushButton>(w, "btn_trailer")->click();
        // Rows read from a file may carry any number.
        w.itemModel()->setData(w.itemModel()->index(8 - 1, 0), 9, Qt::EditRole);
        w.itemModel()->setData(w.itemModel()->index(1, 0), 0, Qt::EditRole);
        child<QPushButton>(w, "btn_install")->click();
        QVERIFY(!w.isBusy());
        QVERIFY(child<QWidget>(w, "stackedWidget")->isEnabled());
        QCOMPARE(w.log("textEdit_rcv"),
            QStringLiteral("row 2: line number must be 1 to 8\nrow 8: line number must be 1 to 8"));
        QVERIFY(w.log("textEdit_snd").isEmpty());
        QTest::qWait(200);
        QVERIFY(!ecr->output().contains("recv"));

        // Saving asks the same question, No by default; a corrected table goes out.
        child<QAction>(w, "actionSave")->trigger();
        QCOMPARE(storedRows(QStringLiteral("table_tr")), 0);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QAction>(w, "actionSave")->trigger();
        QCOMPARE(storedRows(QStringLiteral("table_tr")), 8);
        w.itemModel()->setData(w.itemModel()->index(7, 0), 8, Qt::EditRole);
        w.itemModel()->setData(w.itemModel()->index(1, 0), 2, Qt::EditRole);
        w.itemModel()->setData(w.itemModel()->index(1, 1), QStringLiteral("SEE YOU"), Qt::EditRole);
        child<QPushButton>(w, "btn_install")->click();
        QVERIFY(w.isBusy());
        QVERIFY(w.waitIdle());
        QVERIFY(w.log("textEdit_rcv").isEmpty());
        QVERIFY(w.log("textEdit_snd").endsWith(QStringLiteral("trailer8\nEND\n127.0.0.1: 8 trailer lines installed")));

        // And comes back from the register into the grid.
        w.itemModel()->setData(w.itemModel()->index(1, 1), QString(), Qt::EditRole);
        child<QPushButton>(w, "btn_download")->click();
        QVERIFY(w.waitIdle());
        QCOMPARE(w.itemModel()->rowCount(), 8);
        QCOMPARE(w.itemModel()->index(1, 1).data().toString(), QStringLiteral("SEE YOU"));
    }
};

QTEST_MAIN(TestLinePages)
#include "tst_linepages.moc"
