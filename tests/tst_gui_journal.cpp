#include "app/dialogs/filedialog.h"
#include "base/categorynumber.h"
#include "app/grid/gridmodel.h"
#include "guisupport.h"
#include "journal/journal.h"
#include "link/linksettings.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

// The journal page of the window: newest first, its filters, the details of an entry, Back;
// and what the window writes to the journal and shows when it cannot.
class TestGuiJournal : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    std::unique_ptr<TestWindow> m_window;

    QWidget* shownPage() { return child<QStackedWidget>(*m_window, "stackedWidget")->currentWidget(); }

    // The summaries the page's table shows, top to bottom.
    QStringList shownSummaries()
    {
        const QAbstractItemModel* model = child<QTableView>(*m_window, "tableView_journal")->model();
        QStringList summaries;
        for (int row = 0; row < model->rowCount(); ++row)
            summaries << model->index(row, model->columnCount() - 1).data().toString();
        return summaries;
    }

    static void choose(QComboBox* box, const QString& value) { box->setCurrentIndex(box->findData(value)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        QVERIFY(useTestLinkSettings(m_dir.path()));
        Journal::appendAs(QStringLiteral("admin"), Journal::Login, QString(), QString(), QStringLiteral("first"));
        Journal::appendAs(QStringLiteral("anna"), Journal::Transfer, QStringLiteral("PLUDATA"),
            QStringLiteral("tcp:127.0.0.1"), QStringLiteral("second"), QStringLiteral("command: install"));
        Journal::appendAs(QStringLiteral("bob"), Journal::Transfer, QStringLiteral("DEPTDATA"),
            QStringLiteral("serial:/dev/ttyS0"), QStringLiteral("third"), QStringLiteral("command: download"));
        Journal::appendAs(QStringLiteral("anna"), Journal::Import, QStringLiteral("PLUDATA"), QString(),
            QStringLiteral("fourth"), QStringLiteral("file: /tmp/plu.csv\nrows: 3"));
        m_window = std::make_unique<TestWindow>(m_dir.path());
    }

    void cleanupTestCase()
    {
        m_window.reset();
        LinkSettings::setFilePath(QString());
        m_session.reset();
    }

    // Windows > Journal shows the entries newest first with the chosen one's details below;
    // the filters offer what the entries hold; Back leaves for the button page.
    void pageShowsTheJournal()
    {
        child<QAction>(*m_window, "actionJournal")->trigger();
        QCOMPARE(shownPage()->objectName(), QStringLiteral("page_Journal"));
        QCOMPARE(shownSummaries(), QStringList({ "fourth", "third", "second", "first" }));
        const QString details = child<QTextEdit>(*m_window, "textEdit_details")->toPlainText();
        QVERIFY2(details.contains(QStringLiteral("fourth\n\nfile: /tmp/plu.csv\nrows: 3")), qPrintable(details));
        QVERIFY2(details.startsWith(QStringLiteral("Entry 4, ")), qPrintable(details));

        auto* registers = child<QComboBox>(*m_window, "comboBox_register");
        QStringList offered;
        for (int i = 0; i < registers->count(); ++i)
            offered << registers->itemText(i);
        QCOMPARE(offered, QStringList({ "All", "serial:/dev/ttyS0", "tcp:127.0.0.1" }));
        QCOMPARE(child<QComboBox>(*m_window, "comboBox_user")->count(), 4);
        // Categories read as their rows are called, kinds in the display language's words.
        auto* categories = child<QComboBox>(*m_window, "comboBox_category");
        QCOMPARE(categories->itemText(1), QStringLiteral("departments"));
        QCOMPARE(categories->itemData(1).toString(), QStringLiteral("DEPTDATA"));
        const QAbstractItemModel* model = child<QTableView>(*m_window, "tableView_journal")->model();
        QCOMPARE(model->index(0, 3).data().toString() + QLatin1Char('/') + model->index(0, 4).data().toString(),
            QStringLiteral("import/PLUs"));

        // However long the registers' names, the page leaves the window as narrow as the grid.
        const int gridWidth = m_window->findChild<QWidget*>(QStringLiteral("page_Form"))->minimumSizeHint().width();
        QVERIFY2(shownPage()->minimumSizeHint().width() <= gridWidth,
            qPrintable(QStringLiteral("%1 > %2").arg(shownPage()->minimumSizeHint().width()).arg(gridWidth)));

        click(*m_window, "btn_return");
        QCOMPARE(shownPage()->objectName(), QStringLiteral("page_Item"));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("reg");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("dates");
        QTest::addColumn<int>("fromDays"); // from today
        QTest::addColumn<int>("toDays");
        QTest::addColumn<QStringList>("shown");

        const QStringList all { "fourth", "third", "second", "first" };
        QTest::newRow("none") << QString() << QString() << QString() << false << 0 << 0 << all;
        QTest::newRow("register") << "tcp:127.0.0.1" << QString() << QString() << false << 0 << 0
                                  << QStringList { "second" };
        QTest::newRow("user") << QString() << "anna" << QString() << false << 0 << 0
                              << QStringList { "fourth", "second" };
        QTest::newRow("category") << QString() << QString() << "DEPTDATA" << false << 0 << 0 << QStringList { "third" };
        QTest::newRow("user and category, none both") << QString() << "bob"
                                                      << "PLUDATA" << false << 0 << 0 << QStringList();
        QTest::newRow("today only") << QString() << QString() << QString() << true << 0 << 0 << all;
        QTest::newRow("from tomorrow") << QString() << QString() << QString() << true << 1 << 5 << QStringList();
        QTest::newRow("up to yesterday") << QString() << QString() << QString() << true << -5 << -1 << QStringList();
        QTest::newRow("register and days")
            << "serial:/dev/ttyS0" << QString() << QString() << true << -1 << 0 << QStringList { "third" };
    }

    void filters()
    {
        QFETCH(QString, reg);
        QFETCH(QString, user);
        QFETCH(QString, category);
        QFETCH(bool, dates);
        QFETCH(int, fromDays);
        QFETCH(int, toDays);
        QFETCH(QStringList, shown);

        child<QAction>(*m_window, "actionJournal")->trigger();
        choose(child<QComboBox>(*m_window, "comboBox_register"), reg);
        choose(child<QComboBox>(*m_window, "comboBox_user"), user);
        choose(child<QComboBox>(*m_window, "comboBox_category"), category);
        const QDate today = QDate::currentDate();
        child<QDateEdit>(*m_window, "dateEdit_from")->setDate(today.addDays(fromDays));
        child<QDateEdit>(*m_window, "dateEdit_to")->setDate(today.addDays(toDays));
        child<QCheckBox>(*m_window, "cb_dates")->setChecked(dates);
        QCOMPARE(shownSummaries(), shown);
        QCOMPARE(child<QLabel>(*m_window, "label_count")->text(), QStringLiteral("%1 of 4 entries").arg(shown.size()));
        // What was chosen stays chosen when the page reads the journal again.
        click(*m_window, "btn_return");
        child<QAction>(*m_window, "actionJournal")->trigger();
        QCOMPARE(shownSummaries(), shown);
    }

    // An import onto a page is written to the journal; a journal that cannot be written says
    // so in the status bar until it can be written again.
    void importAndFailureInTheWindow()
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("DB")));
        createDatabase(m_dir.filePath(QStringLiteral("DB/shop.db")));
        m_window->openCategory(CategoryDept);
        const QString csv = m_dir.filePath(QStringLiteral("two departments.csv"));
        QVERIFY(writeFileBytes(csv,
            "Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n1,BREAD,2,10000000,00000101,1,12.50,100.00,1\n"
            "2,MILK,1,00000000,00000001,1,0.99,10,3\n"));
        FileDialog::setNextFileName(csv);
        click(*m_window, "btn_openfile");
        QList<JournalEntry> entries;
        QVERIFY(Journal::read(JournalFilter(), &entries));
        QCOMPARE(entries.first().kind, QStringLiteral("import"));
        QCOMPARE(entries.first().user, QStringLiteral("admin"));
        QCOMPARE(entries.first().category, QStringLiteral("DEPTDATA"));
        QCOMPARE(
            entries.first().summary, QStringLiteral("2 rows imported from two departments.csv onto the empty page"));
        QCOMPARE(entries.first().details,
            QStringLiteral("file: %1\nrows: 2\nmode: replace\nset: %2")
                .arg(QDir::toNativeSeparators(csv), QDir::toNativeSeparators(m_dir.filePath("DB/shop.db"))));

        // The save names each row added, changed field by field, or deleted.
        m_window->itemModel()->setData(m_window->itemModel()->index(1, 6), 1.05);
        child<QAction>(*m_window, "actionSave")->trigger();
        QVERIFY(Journal::read(JournalFilter(), &entries));
        QCOMPARE(entries.first().kind, QStringLiteral("save"));
        QCOMPARE(entries.first().summary, QStringLiteral("2 departments saved: 2 new"));
        m_window->itemModel()->setData(m_window->itemModel()->index(1, 6), 1.10);
        child<QAction>(*m_window, "actionSave")->trigger();
        QVERIFY(Journal::read(JournalFilter(), &entries));
        QCOMPARE(entries.first().summary, QStringLiteral("2 departments saved: 1 changed"));
        QVERIFY2(entries.first().details.endsWith(QStringLiteral("\nrow 2: Price 1.05 \u2192 1.10")),
            qPrintable(entries.first().details));
        // The system parameters, one record, name the bytes that changed.
        m_window->openCategory(CategorySysParm);
        child<QAction>(*m_window, "actionSave")->trigger();
        QVERIFY(Journal::read(JournalFilter(), &entries));
        QCOMPARE(entries.first().summary, QStringLiteral("system parameters saved: 64 bytes, the set's first"));
        child<QSpinBox>(*m_window, "sb_ideltime")->setValue(42);
        child<QAction>(*m_window, "actionSave")->trigger();
        QVERIFY(Journal::read(JournalFilter(), &entries));
        QCOMPARE(entries.first().summary, QStringLiteral("system parameters saved: 1 of 64 bytes changed"));
        QVERIFY2(entries.first().details.contains(QStringLiteral("\nbyte 21: "))
                && entries.first().details.endsWith(QStringLiteral(" \u2192 2a")),
            qPrintable(entries.first().details));

        auto* mark = child<QLabel>(*m_window, "label_journal");
        QVERIFY(mark->isHidden());
        const QString good = Journal::filePath();
        const QString unwritable = m_dir.filePath(QStringLiteral("no-such-folder/Journal.db"));
        Journal::setFilePath(unwritable);
        QVERIFY(!Journal::append(Journal::Save, QStringLiteral("DEPTDATA"), QString(), QStringLiteral("saved")));
        QVERIFY(!mark->isHidden());
        QCOMPARE(mark->text(), QStringLiteral("Journal not written"));
        QVERIFY2(mark->toolTip().contains(QDir::toNativeSeparators(unwritable)), qPrintable(mark->toolTip()));
        QCOMPARE(m_window->status(), mark->toolTip());
        Journal::setFilePath(good);
        QVERIFY(Journal::append(Journal::Save, QStringLiteral("DEPTDATA"), QString(), QStringLiteral("saved")));
        QVERIFY(mark->isHidden());
    }
};

QTEST_MAIN(TestGuiJournal)
#include "tst_gui_journal.moc"
