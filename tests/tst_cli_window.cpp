#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "cliharness.h"
#include "guisupport.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// tallvane-cli and the window on the same files: what the tool exports and imports is what
// the window's export writes and its import and save store, byte for byte.
class TestCliWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    std::unique_ptr<CliProgram> m_cli;
    int m_serial = 0;

    QString fresh(const QString& suffix) { return m_dir.filePath(QStringLiteral("f%1%2").arg(++m_serial).arg(suffix)); }

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    static ItemTable table(const QList<QStringList>& rows)
    {
        ItemTable t;
        for (const QStringList& cells : rows)
            t << textRow(cells);
        return t;
    }

    // The window showing `category` of the current database.
    std::unique_ptr<TestWindow> windowOn(int category)
    {
        auto w = std::make_unique<TestWindow>(m_dir.path());
        w->openCategory(category);
        return w;
    }

    // Every stored row of `table` in `path`: key, name and record bytes.
    static QList<QByteArray> storedRows(const QString& path, const QString& table)
    {
        QList<QByteArray> rows;
        forEachRow(path, QStringLiteral("select itemRandom, itemName, itemData from %1").arg(table),
            [&](const QSqlQuery& query) {
                rows << query.value(0).toByteArray() + '|' + query.value(1).toByteArray() + '|'
                        + query.value(2).toByteArray().toHex();
            });
        return rows;
    }

private slots:
    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        m_cli = std::make_unique<CliProgram>(m_dir.filePath(QStringLiteral("bin")));
        QVERIFY(m_cli->ok());
    }
    void cleanupTestCase() { m_session.reset(); }

    void exportEqualsTheWindows_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<ItemTable>("rows");
        QTest::newRow("departments") << int(CategoryDept)
                                     << table({ { "1", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00",
                                                    "13" },
                                            { "2", "MILK \"FRESH\"", "1", "0", "0", "2", "0.99", "10.00", "" } });
        QTest::newRow("taxes with the fixed fifth rate")
            << int(CategoryTax)
            << table({ { "1", "VAT", "15.50", "00000011" }, { "2", "LOW", "5", "0" }, { "3", "C", "0", "0" },
                   { "4", "D", "1", "0" }, { "5", "E", "7.125", "0" } });
        QTest::newRow("discounts") << int(CategoryDisc)
                                   << table({ { "1", "STAFF", "10", "50", "00000100", "00000001", "00100010" } });
        QTest::newRow("groups") << int(CategoryGroup) << table({ { "1", "DRINKS, COLD", "500" } });
        QTest::newRow("clerks") << int(CategoryClerk) << table({ { "1", "ANNA", "1234", "00000101" } });
        QTest::newRow("header lines, none stored") << int(CategoryHeader) << ItemTable();
        QTest::newRow("trailer lines") << int(CategoryTrailer)
                                       << table({ { "1", "THANK YOU" }, { "2", "COME AGAIN" } });
        QTest::newRow("extended header, no header row") << int(CategoryExtHeader) << table({ { "1", "WWW.SHOP" } });
        QTest::newRow("network parameters, none stored") << int(CategoryNetParm) << ItemTable();
    }

    void exportEqualsTheWindows()
    {
        QFETCH(int, category);
        QFETCH(ItemTable, rows);
        const QString db = fresh(QStringLiteral(".db"));
        createDatabase(db);
        if (!rows.isEmpty())
            QVERIFY(codecForCategory(category)->saveTable(rows));

        auto w = windowOn(category);
        QCOMPARE(w->currentCategory(), category);
        const QString windows = fresh(QStringLiteral(".csv"));
        FileDialog::setNextFileName(windows);
        w->findChild<QPushButton*>(QStringLiteral("btn_savefile"))->click();

        const QString tools = fresh(QStringLiteral(".csv"));
        const CliProgram::Result result = m_cli->run(asAdmin({ "export", "--db", db, "--type",
            QString::fromLatin1(categoryByNumber(category)->typeName), "--out", tools }));
        QCOMPARE(result.status, 0);
        QCOMPARE(contents(tools), contents(windows));
    }

    // An import stores what the window's import and save store.
    void importEqualsTheWindows()
    {
        const QString csv = fresh(QStringLiteral(".csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Indx;Name;Group;Print;Options;Tax;Price;PriceMax;Kp\n"
                   "1;BREAD;2;10000000;101;1;2,50;100;1\n"
                   "7;\"SOUP; HOT\";x;0;0;1;1.5E+3;1e2\n"
                   "3;TEA\n");
        file.close();

        const QString byWindow = fresh(QStringLiteral(".db"));
        createDatabase(byWindow);
        auto w = windowOn(CategoryDept);
        FileDialog::setNextFileName(csv);
        // Replace the starting rows, and save cells that would be cut, as the tool does.
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w->findChild<QPushButton*>(QStringLiteral("btn_openfile"))->click();
        w->findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        MessageBox::clearAnswers();
        w.reset();

        const QString byTool = fresh(QStringLiteral(".db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", byTool })).status, 0);
        QCOMPARE(m_cli->run(asAdmin({ "import", "--db", byTool, "--type", "dept", "--in", csv })).status, 0);

        const QList<QByteArray> stored = storedRows(byWindow, QStringLiteral("table_dept"));
        QCOMPARE(stored.size(), 3);
        QCOMPARE(storedRows(byTool, QStringLiteral("table_dept")), stored);
    }
};

QTEST_MAIN(TestCliWindow)
#include "tst_cli_window.moc"
