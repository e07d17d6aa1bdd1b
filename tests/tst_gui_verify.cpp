#include "app/dialogs/messagebox.h"
#include "app/grid/cellmarks.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "hostilerecords.h"
#include "link/linksettings.h"
#include "link/tcpserver.h"
#include "linkharness.h"
#include "records/dept.h"
#include "records/plu.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

// The fit check and verify after install in the main window: marks, the question before a
// send, the option in the connection panel and the results of reading back.
class TestGuiVerify : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    static QString iniPath() { return LinkSettings::filePath(); }

    static ItemRow dept(int index, const QString& name, const QString& price = QStringLiteral("1.25"))
    {
        return { QString::number(index), name, "1", "10000000", "00000001", "1", price, "99.00", "1" };
    }

    // A department page whose grid has a name one byte too long (row 2) and a price with
    // three decimals (row 3), as typed: the database keeps only what fits.
    void openWithTwoMisfits(TestWindow& w)
    {
        createDatabase(m_dir.filePath(QStringLiteral("shop%1.db").arg(++m_serial)));
        Dept::instance()->saveTable({ dept(1, "BREAD"), dept(2, "BUTTER"), dept(3, "MILK"), dept(4, "EGGS") });
        click(w, "btn_dept");
        QVERIFY(checked(w));
        w.itemModel()->setData(w.itemModel()->index(1, 1), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        w.itemModel()->setData(w.itemModel()->index(2, 6), 12.345);
    }

    std::unique_ptr<Simulator> connectSimulator(TestWindow& w, const QStringList& faults = {})
    {
        return w.connectSimulator(m_dir.filePath(QStringLiteral("ecr%1.db").arg(++m_serial)), faults);
    }

    // Waits until the grid's cells have been checked.
    static bool checked(MainWindow& w)
    {
        auto* marks = w.findChild<CellMarks*>();
        return marks && QTest::qWaitFor([&] { return !marks->checking(); }, 10000);
    }

    static QString mark(MainWindow& w, int row, int column, int role = FitRole)
    {
        return w.itemModel()->index(row, column).data(role).toString();
    }

private slots:
    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        QVERIFY(useTestLinkSettings(m_dir.path()));
    }

    void cleanupTestCase()
    {
        LinkSettings::setFilePath(QString());
        m_session.reset();
    }

    void init() { MessageBox::clearShown(); }

    void cellsThatDoNotFitAreMarkedAndCounted()
    {
        TestWindow w(m_dir.path());
        openWithTwoMisfits(w);
        QCOMPARE(mark(w, 1, 1), QStringLiteral("26 bytes in UTF-8; the register keeps 25: ABCDEFGHIJKLMNOPQRSTUVWXY"));
        QCOMPARE(mark(w, 2, 6), QStringLiteral("3 decimals, the field takes 2; the register keeps: 12.34"));
        QVERIFY(mark(w, 0, 1).isEmpty());
        auto* label = child<QLabel>(w, "label_fit");
        QCOMPARE(label->text(), QStringLiteral("2 cells will not reach the register as shown"));

        // The tool tip and the tint come from the mark.
        // The tip may open with the full name where the column cuts it short.
        QVERIFY(w.itemModel()->index(1, 1).data(Qt::ToolTipRole).toString().endsWith(mark(w, 1, 1)));
        QVERIFY(!w.itemModel()->index(0, 1).data(Qt::ToolTipRole).toString().contains(QStringLiteral("register")));
        QStyleOptionViewItem marked, plain;
        CellMarkView::tint(&marked, w.itemModel()->index(1, 1));
        CellMarkView::tint(&plain, w.itemModel()->index(0, 1));
        QVERIFY(marked.backgroundBrush.style() != Qt::NoBrush);
        QCOMPARE(plain.backgroundBrush.style(), Qt::NoBrush);

        // Typing re-checks the row.
        w.itemModel()->setData(w.itemModel()->index(1, 1), QStringLiteral("BUTTER"), Qt::EditRole);
        QVERIFY(!mark(w, 2, 6).isEmpty());
        QVERIFY(mark(w, 1, 1).isEmpty());
        QCOMPARE(label->text(), QStringLiteral("1 cell will not reach the register as shown"));
        w.itemModel()->setData(w.itemModel()->index(3, 2), 0, Qt::EditRole);
        QCOMPARE(mark(w, 3, 2), QStringLiteral("outside 1 to 256; the register keeps: 256"));
        QCOMPARE(label->text(), QStringLiteral("2 cells will not reach the register as shown"));

        // Back on the button page (the edits dropped) the count goes.
        MessageBox::setNextAnswer(QMessageBox::Discard);
        click(w, "btn_return");
        QVERIFY(label->text().isEmpty());
    }

    // A save asks about cells it would cut as install does; once saved, the page shows them as
    // they were stored, unmarked.
    void saveAsksAndShowsWhatItStored()
    {
        TestWindow w(m_dir.path());
        openWithTwoMisfits(w);
        MessageBox::setNextAnswer(QMessageBox::No);
        child<QAction>(w, "actionSave")->trigger();
        QVERIFY(MessageBox::shown().last().endsWith(QStringLiteral("Save anyway?")));
        QCOMPARE(w.status(), QStringLiteral("Not saved: the page keeps its rows as they are"));
        QVERIFY(w.windowTitle().endsWith(QLatin1Char('*')));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QAction>(w, "actionSave")->trigger();
        QVERIFY2(w.status().endsWith(QStringLiteral("(2 cells shown as stored)")), qPrintable(w.status()));
        QCOMPARE(w.itemModel()->index(1, 1).data().toString(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
        QCOMPARE(w.itemModel()->index(2, 6).data(Qt::EditRole).toDouble(), 12.34);
        QVERIFY(checked(w));
        QVERIFY(child<QLabel>(w, "label_fit")->text().isEmpty());
        QVERIFY(!w.windowTitle().endsWith(QLatin1Char('*')));
    }

    // Marks are set without telling the views that data changed, which would make them
    // reload an open editor and drop what was typed in it.
    void typingSurvivesTheCheck()
    {
        createDatabase(m_dir.filePath(QStringLiteral("typing%1.db").arg(++m_serial)));
        Dept::instance()->saveTable({ dept(1, "BREAD"), dept(2, "MILK") });
        TestWindow w(m_dir.path());
        click(w, "btn_dept");
        auto* view = child<QTableView>(w, "tableView");
        const QModelIndex name = w.itemModel()->index(1, 1);
        view->setCurrentIndex(name);
        view->edit(name);
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QVERIFY(checked(w)); // the check of the freshly filled grid has been applied
        QCOMPARE(editor->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(name.data().toString(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QVERIFY(!mark(w, 1, 1).isEmpty());
    }

    // The grid's table is checked on a worker thread; a row typed into before its result is
    // back is checked again as it now stands.
    void rowEditedWhileTheTableIsChecked()
    {
        createDatabase(m_dir.filePath(QStringLiteral("early%1.db").arg(++m_serial)));
        Dept::instance()->saveTable({ dept(1, "BREAD"), dept(2, "MILK") });
        TestWindow w(m_dir.path());
        click(w, "btn_dept");
        QVERIFY(w.findChild<CellMarks*>()->checking());
        w.itemModel()->setData(w.itemModel()->index(1, 1), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QVERIFY(checked(w));
        QCOMPARE(mark(w, 1, 1), QStringLiteral("26 bytes in UTF-8; the register keeps 25: ABCDEFGHIJKLMNOPQRSTUVWXY"));
        QCOMPARE(child<QLabel>(w, "label_fit")->text(), QStringLiteral("1 cell will not reach the register as shown"));
    }

    void greekCharacterOutsideTheCodePage()
    {
        const LanguageScope greek(Greek);
        createDatabase(m_dir.filePath(QStringLiteral("greek%1.db").arg(++m_serial)));
        Dept::instance()->saveTable({ dept(1, QStringLiteral("ΚΑΦΕΣ")) });
        TestWindow w(m_dir.path());
        click(w, "btn_dept");
        QVERIFY(checked(w));
        QVERIFY(child<QLabel>(w, "label_fit")->text().isEmpty());
        w.itemModel()->setData(w.itemModel()->index(0, 1), QStringLiteral("ΚΑΦΕΣ TÜRK"), Qt::EditRole);
        QCOMPARE(mark(w, 0, 1), QStringLiteral("'Ü' not in windows-1253; the register keeps: ΚΑΦΕΣ T?RK"));

        // A mark that opens with a Hebrew letter still reads left to right in the tool tip.
        w.itemModel()->setData(w.itemModel()->index(0, 1), QStringLiteral("ΤΣΑΙ אב"), Qt::EditRole);
        const QString hebrew = mark(w, 0, 1);
        QVERIFY(hebrew.startsWith(QStringLiteral("'א', 'ב' not in windows-1253")));
        QVERIFY(w.itemModel()->index(0, 1).data(Qt::ToolTipRole).toString().endsWith(QChar(0x200E) + hebrew));
        // In a right-to-left window (its marks translated into Arabic or Hebrew) it reads right to left.
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const QString rightToLeft = w.itemModel()->index(0, 1).data(Qt::ToolTipRole).toString();
        // What the register keeps, mixed scripts, stays one run inside the sentence.
        w.itemModel()->setData(w.itemModel()->index(0, 1), QStringLiteral("ΤΣΑΙ אב 12"), Qt::EditRole);
        const QString isolated = mark(w, 0, 1);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QVERIFY(rightToLeft.endsWith(QChar(0x200F) + hebrew));
        QVERIFY2(isolated.endsWith(QChar(0x2068) + QStringLiteral("ΤΣΑΙ ?? 12") + QChar(0x2069)), qPrintable(isolated));
    }

    void questionBeforeInstall_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No sends nothing") << false;
        QTest::newRow("Yes sends") << true;
    }

    void questionBeforeInstall()
    {
        QFETCH(bool, yes);
        TestWindow w(m_dir.path());
        auto ecr = connectSimulator(w);
        QVERIFY(ecr);
        openWithTwoMisfits(w);
        if (yes)
            MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "btn_install");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first(),
            QStringLiteral("warning: 2 cells will not reach the register as shown:\n"
                           "row 2, Name: 26 bytes in UTF-8; the register keeps 25: ABCDEFGHIJKLMNOPQRSTUVWXY\n"
                           "row 3, Price: 3 decimals, the field takes 2; the register keeps: 12.34\n\n"
                           "Send anyway?"));
        if (!yes) {
            QVERIFY(!w.isBusy());
            QVERIFY(w.log("textEdit_snd").isEmpty());
            QVERIFY(w.log("textEdit_rcv").isEmpty());
            QTest::qWait(200);
            QVERIFY(!ecr->output().contains("recv 0"));
            return;
        }
        QVERIFY(w.waitIdle(20000));
        QVERIFY(w.log("textEdit_snd").contains(QStringLiteral("END\n127.0.0.1: ")));
    }

    void tableThatFitsIsSentWithoutAQuestion()
    {
        createDatabase(m_dir.filePath(QStringLiteral("fine%1.db").arg(++m_serial)));
        Dept::instance()->saveTable({ dept(1, "BREAD"), dept(2, "MILK") });
        TestWindow w(m_dir.path());
        auto ecr = connectSimulator(w);
        QVERIFY(ecr);
        click(w, "btn_dept");
        click(w, "btn_install");
        QVERIFY(w.waitIdle(20000));
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("BREAD\nMILK\nEND\n127.0.0.1: 2 departments installed"));
    }

    void keptRecordsAreInstalledAsStored_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Greek") << int(Greek);
        QTest::newRow("Hebrew") << int(Hebrew);
    }

    // Rows whose stored names the code page cannot show go to the register as stored: no
    // mark, no question, and the table read back is what was sent. A row the operator edits
    // is encoded from its cells, marked and asked about like any other.
    void keptRecordsAreInstalledAsStored()
    {
        QFETCH(int, language);
        const LanguageScope scope(language);
        const QString db = m_dir.filePath(QStringLiteral("kept%1.db").arg(++m_serial));
        createDatabase(db);
        const QList<QByteArray> records = hostileRecords(Dept::instance(), language, false);
        QVERIFY(writeStoredRecords(db, QStringLiteral("table_dept"), records));
        TestWindow w(m_dir.path());
        child<QCheckBox>(w, "cb_verify")->setChecked(true);
        auto ecr = connectSimulator(w);
        QVERIFY(ecr);
        const QString ecrDb = m_dir.filePath(QStringLiteral("ecr%1.db").arg(m_serial));
        click(w, "btn_dept");
        QVERIFY(checked(w));
        QCOMPARE(w.itemModel()->rowCount(), 3);
        // What the grid shows would not encode to the stored records.
        const ItemTable shown = ItemGrid::collect(w.itemModel(), CategoryDept, false);
        int changed = 0;
        for (int row = 0; row < 3; ++row) {
            QByteArray encoded;
            Dept::instance()->encodeRow(shown.at(row), &encoded);
            changed += encoded != records.at(row);
        }
        QCOMPARE(changed, 3);
        for (int row = 0; row < 3; ++row)
            QVERIFY2(mark(w, row, 1).isEmpty(), qPrintable(mark(w, row, 1)));
        QVERIFY(child<QLabel>(w, "label_fit")->text().isEmpty());

        click(w, "btn_install");
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(w.waitIdle(20000));
        QVERIFY2(w.log("textEdit_snd").endsWith(QStringLiteral(
                     "END\n127.0.0.1 verified: 3 rows identical\n127.0.0.1: 3 departments installed and verified")),
            qPrintable(w.log("textEdit_snd")));
        QVERIFY(w.log("textEdit_rcv").isEmpty());
        QCOMPARE(storedData(ecrDb, QStringLiteral("table_dept")), records);

        // The edited row loses its record: it is encoded, marked, and the send asks first.
        w.itemModel()->setData(w.itemModel()->index(1, 1), QStringLiteral("T\u00DCRK"), Qt::EditRole);
        QVERIFY(mark(w, 1, 1).startsWith(QStringLiteral("'\u00DC' not in windows-125")));
        QVERIFY(mark(w, 0, 1).isEmpty());
        QVERIFY(mark(w, 2, 1).isEmpty());
        QCOMPARE(child<QLabel>(w, "label_fit")->text(), QStringLiteral("1 cell will not reach the register as shown"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::No); // "Install all"
        click(w, "btn_install");
        QCOMPARE(MessageBox::shown().size(), 2);
        QVERIFY2(MessageBox::shown().first().startsWith(
                     QStringLiteral("warning: 1 cell will not reach the register as shown:\nrow 2, Name: ")),
            qPrintable(MessageBox::shown().first()));
        // The register holds the table of the first install: a whole install is asked about.
        QVERIFY2(MessageBox::shown().last().startsWith(QStringLiteral(
                     "Install: Install replaces the whole department table of the connected register (127.0.0.1)")),
            qPrintable(MessageBox::shown().last()));
        QVERIFY(w.waitIdle(20000));
        QVERIFY(w.log("textEdit_snd").endsWith(QStringLiteral(
                     "END\n127.0.0.1 verified: 3 rows identical\n127.0.0.1: 3 departments installed and verified")));
        const QList<QByteArray> held = storedData(ecrDb, QStringLiteral("table_dept"));
        QCOMPARE(held.size(), 3);
        QCOMPARE(held.at(0), records.at(0));
        QCOMPARE(held.at(2), records.at(2));
        ItemRow edited;
        Dept::instance()->decodeRecord(held.at(1), &edited, 2);
        QCOMPARE(edited.value(1).toString(), QStringLiteral("T?RK"));
    }

    // A code typed that another row has marks the earlier row, which the register loses; typed
    // back, the mark goes.
    void codeTypedTwice()
    {
        createDatabase(m_dir.filePath(QStringLiteral("twice%1.db").arg(++m_serial)));
        QVERIFY(Plu::instance()->saveTable(
            { textRow({ "11", "BREAD", "1", "1.20", "10" }), textRow({ "22", "MILK", "1", "0.99", "10" }) }));
        TestWindow w(m_dir.path());
        click(w, "btn_plu");
        QVERIFY(checked(w));
        w.itemModel()->setData(w.itemModel()->index(1, 0), QStringLiteral("11"), Qt::EditRole);
        QVERIFY(checked(w));
        QCOMPARE(mark(w, 0, 0).section(QLatin1Char(':'), 0, 0),
            QStringLiteral("a later row has the same code; of this row the register keeps"));
        QCOMPARE(child<QLabel>(w, "label_fit")->text(), QStringLiteral("1 cell will not reach the register as shown"));
        w.itemModel()->setData(w.itemModel()->index(1, 0), QStringLiteral("22"), Qt::EditRole);
        QVERIFY(checked(w));
        QVERIFY(mark(w, 0, 0).isEmpty());
        QVERIFY(child<QLabel>(w, "label_fit")->text().isEmpty());
    }

    // PLU add asks about the selected rows only, naming them by their place in the grid;
    // a row that the register holds otherwise is marked where it stands in the grid.
    void pluAddAsksAndMarksItsGridRow()
    {
        createDatabase(m_dir.filePath(QStringLiteral("plu%1.db").arg(++m_serial)));
        QVERIFY(Plu::instance()->saveTable({ textRow({ "11", "BREAD", "1", "1.20", "10" }),
            textRow({ "22", "MILK", "1", "0.99", "10" }), textRow({ "33", "TEA", "1", "3.10", "10" }) }));
        TestWindow w(m_dir.path());
        child<QCheckBox>(w, "cb_verify")->setChecked(true);
        auto ecr = connectSimulator(w, { QStringLiteral("--alter"), QStringLiteral("1") });
        QVERIFY(ecr);
        click(w, "btn_plu");
        QVERIFY(checked(w));
        GridModel* model = w.itemModel();
        model->setData(model->index(0, 3), QStringLiteral("1.205")); // not selected: not asked about
        model->setData(model->index(2, 2), 0);
        auto* view = child<QTableView>(w, "tableView");
        view->selectionModel()->select(model->index(2, 1), QItemSelectionModel::Select);

        click(w, "btn_add");
        QCOMPARE(MessageBox::shown(),
            QStringList { "warning: 1 cell will not reach the register as shown:\n"
                          "row 3, Dept: outside 1 to 256; the register keeps: 256\n\nSend anyway?" });
        QVERIFY(!w.isBusy());
        QVERIFY(w.log("textEdit_snd").isEmpty());

        model->setData(model->index(2, 2), 2);
        click(w, "btn_add");
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(w.waitIdle(20000));
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("33\nEND"));
        QCOMPARE(w.log("textEdit_rcv"),
            QStringLiteral("127.0.0.1 verify: 1 of 1 row differs\n127.0.0.1 33: Name sent \"TEA\", the register "
                           "holds \"#EA\"\n127.0.0.1: 1 PLU added; verify: 1 of 1 row differs"));
        QCOMPARE(mark(w, 2, 1, VerifyRole), QStringLiteral("127.0.0.1: Name sent \"TEA\", the register holds \"#EA\""));
        QVERIFY(mark(w, 0, 1, VerifyRole).isEmpty());
    }

    // A row with two selected cells is sent twice, but its cells are asked about once and it
    // is verified as one row.
    void rowSelectedInTwoCells()
    {
        createDatabase(m_dir.filePath(QStringLiteral("plu%1.db").arg(++m_serial)));
        QVERIFY(Plu::instance()->saveTable(
            { textRow({ "11", "BREAD", "1", "1.20", "10" }), textRow({ "22", "MILK", "1", "0.99", "10" }) }));
        TestWindow w(m_dir.path());
        child<QCheckBox>(w, "cb_verify")->setChecked(true);
        auto ecr = connectSimulator(w);
        QVERIFY(ecr);
        click(w, "btn_plu");
        QVERIFY(checked(w));
        GridModel* model = w.itemModel();
        model->setData(model->index(1, 1), QStringLiteral("MILK SEMI-SKIMMED LONG LIFE"));
        auto* view = child<QTableView>(w, "tableView");
        view->selectionModel()->select(model->index(1, 0), QItemSelectionModel::Select);
        view->selectionModel()->select(model->index(1, 1), QItemSelectionModel::Select);
        QCOMPARE(child<QLabel>(w, "label_fit")->text(), QStringLiteral("1 cell will not reach the register as shown"));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "btn_update");
        QCOMPARE(MessageBox::shown(),
            QStringList { "warning: 1 cell will not reach the register as shown:\n"
                          "row 2, Name: 27 bytes in UTF-8; the register keeps 25: MILK SEMI-SKIMMED LONG LI\n\n"
                          "Send anyway?" });
        QVERIFY(w.waitIdle(20000));
        QCOMPARE(w.log("textEdit_snd"), QStringLiteral("22\n22\nEND\n127.0.0.1 verified: 1 row identical\n127.0.0.1: 2 PLUs updated and verified"));
        QVERIFY(w.log("textEdit_rcv").isEmpty());
    }

    // The option is kept in tallvane.ini; with it, each register's table is read back and
    // the result logged, and rows held otherwise are marked.
    void verifyAfterInstall_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QString>("errors");
        QTest::addColumn<QString>("rowMark");
        QTest::newRow("identical") << QStringList()
                                   << "DEPT1\nDEPT2\nDEPT3\nEND\n127.0.0.1 verified: 3 rows identical\n127.0.0.1: 3 "
                                      "departments installed and verified"
                                   << ""
                                   << "";
        QTest::newRow("one field held otherwise")
            << QStringList { "--alter", "3" } << "DEPT1\nDEPT2\nDEPT3\nEND"
            << "127.0.0.1 verify: 1 of 3 rows differs\n127.0.0.1 row 3: Name sent "
               "\"DEPT3\", the register holds \"#EPT3\"\n127.0.0.1: 3 departments installed; verify: 1 of 3 rows "
               "differs"
            << "127.0.0.1: Name sent \"DEPT3\", the register holds \"#EPT3\"";
        QTest::newRow("download refused")
            << QStringList { "--refuse-requests" } << "DEPT1\nDEPT2\nDEPT3\nEND"
            << "127.0.0.1 not verified: the register refused to send the table back (15)\n"
               "127.0.0.1: 3 departments installed; not verified: the register refused "
               "to send the table back (15)"
            << "";
    }

    void verifyAfterInstall()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, progress);
        QFETCH(QString, errors);
        QFETCH(QString, rowMark);
        createDatabase(m_dir.filePath(QStringLiteral("verify%1.db").arg(++m_serial)));
        Dept::instance()->saveTable(departments(3));
        {
            TestWindow w(m_dir.path());
            child<QCheckBox>(w, "cb_verify")->setChecked(false);
            child<QCheckBox>(w, "cb_verify")->setChecked(true);
        }
        QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).value("transfer/verifyAfterInstall").toBool(), true);

        TestWindow w(m_dir.path());
        QVERIFY(child<QCheckBox>(w, "cb_verify")->isChecked());
        auto ecr = connectSimulator(w, faults);
        QVERIFY(ecr);
        click(w, "btn_dept");
        click(w, "btn_install");
        QVERIFY(w.isBusy());
        QVERIFY(w.waitIdle(20000));
        QCOMPARE(w.log("textEdit_snd"), progress);
        QCOMPARE(w.log("textEdit_rcv"), errors);
        QCOMPARE(mark(w, 2, 1, VerifyRole), rowMark);
        QCOMPARE(mark(w, 2, 4, VerifyRole), rowMark);
        QVERIFY(mark(w, 0, 1, VerifyRole).isEmpty());
        if (!rowMark.isEmpty())
            QVERIFY(w.itemModel()->index(2, 1).data(Qt::ToolTipRole).toString().contains(rowMark));

        // The next send starts without the old marks.
        child<QCheckBox>(w, "cb_verify")->setChecked(false);
        click(w, "btn_install");
        QVERIFY(w.waitIdle(20000));
        QVERIFY(mark(w, 2, 1, VerifyRole).isEmpty());
    }
};

QTEST_MAIN(TestGuiVerify)
#include "tst_gui_verify.moc"
