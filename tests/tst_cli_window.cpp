#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "base/language.h"
#include "cliharness.h"
#include "guisupport.h"
#include "records/categories.h"
#include "records/recordcodec.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QAction>
#include <QFile>
#include <QLabel>
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

    // One department named `name`, as cells and as a CSV file.
    static ItemTable department(const QString& name)
    {
        return table({ { "1", name, "1", "0", "0", "1", "1.5", "10", "1" } });
    }
    QString departmentFile(const QString& name)
    {
        const QString path = fresh(QStringLiteral(".csv"));
        writeFileBytes(
            path, "Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n1," + name.toUtf8() + ",1,0,0,1,1.5,10,1\n");
        return path;
    }
    // A new set made under a login in `language`, holding one department named `name`.
    QString departmentSet(int language, const QString& name)
    {
        const LanguageScope login(language);
        const QString db = fresh(QStringLiteral(".db"));
        createDatabase(db);
        return codecForCategory(CategoryDept)->saveTable(department(name)) ? db : QString();
    }
    // tallvane-cli logged in with `language` (as its --language names it).
    CliProgram::Result runIn(int language, const QStringList& command) const
    {
        static const char* const kNames[] = { "", "english", "greek", "hebrew", "arabic", "thailand" };
        return m_cli->run(asAdmin(QStringList { "--language", kNames[language] } + command));
    }
    // The window opening `db` as File > Open does.
    static void openSet(TestWindow& w, const QString& db)
    {
        FileDialog::setNextFileName(db);
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
    }
    static QString languageNote(TestWindow& w)
    {
        const QLabel* label = child<QLabel>(w, "label_dbLanguage");
        return label && !label->isHidden() ? label->text() : QString();
    }
    static QStringList setInfo(const QString& path)
    {
        QStringList rows;
        forEachRow(path, QStringLiteral("select key || '=' || value from set_info order by key"),
            [&](const QSqlQuery& query) { rows << query.value(0).toString(); });
        return rows;
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
        // Replace the starting rows, and save cells that would be cut, as the tool does with --yes.
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w->findChild<QPushButton*>(QStringLiteral("btn_openfile"))->click();
        w->findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        MessageBox::clearAnswers();
        w.reset();

        const QString byTool = fresh(QStringLiteral(".db"));
        QCOMPARE(m_cli->run(asAdmin({ "new-db", byTool })).status, 0);
        // Unasked, the tool saves nothing of a file whose cells would be cut ("x" as a group, a
        // price with a decimal comma), as the window's save question does by default.
        const QStringList import { "import", "--db", byTool, "--type", "dept", "--in", csv };
        const CliProgram::Result unasked = m_cli->run(asAdmin(import));
        QCOMPARE(unasked.status, 2);
        QVERIFY2(unasked.err.contains("row 3, Group: ") && unasked.err.contains("Nothing was saved: give --yes"),
            unasked.err.constData());
        QVERIFY(storedRows(byTool, QStringLiteral("table_dept")).isEmpty());
        QCOMPARE(m_cli->run(asAdmin(import + QStringList { "--yes" })).status, 0);

        const QList<QByteArray> stored = storedRows(byWindow, QStringLiteral("table_dept"));
        QCOMPARE(stored.size(), 3);
        QCOMPARE(storedRows(byTool, QStringLiteral("table_dept")), stored);
    }

    void setKeepsItsLanguage_data()
    {
        QTest::addColumn<int>("setLanguage");
        QTest::addColumn<int>("display");
        QTest::addColumn<QString>("name"); // stored first
        QTest::addColumn<QString>("other"); // imported under the display language
        QTest::addColumn<QString>("sentence"); // %1: the set's file name
        QTest::newRow("Greek set, English window")
            << int(Greek) << int(English) << "ΚΑΦΕΣ" << "ΤΣΑΪ"
            << "%1 holds Greek register texts (windows-1253); the window shows English";
        QTest::newRow("English set, Greek window")
            << int(English) << int(Greek) << "ΚΑΦΕΣ" << "ΤΣΑΪ"
            << "%1 holds English register texts (UTF-8); the window shows Greek";
        QTest::newRow("Hebrew set, Greek window")
            << int(Hebrew) << int(Greek) << "קפה 12" << "תה"
            << "%1 holds Hebrew register texts (windows-1255); the window shows Greek";
    }

    // A set's texts are read and written in its own language whatever language the login
    // chose, by the window and by the tool alike; records saved unchanged keep their bytes.
    void setKeepsItsLanguage()
    {
        QFETCH(int, setLanguage);
        QFETCH(int, display);
        QFETCH(QString, name);
        QFETCH(QString, other);
        QFETCH(QString, sentence);
        const QString db = departmentSet(setLanguage, name);
        const QString reference = departmentSet(setLanguage, other);
        QVERIFY(!db.isEmpty() && !reference.isEmpty());
        const QString note = sentence.arg(QFileInfo(db).fileName());
        const QList<QByteArray> original = storedRows(db, QStringLiteral("table_dept"));
        const QList<QByteArray> imported = storedRows(reference, QStringLiteral("table_dept"));
        QCOMPARE(original.size(), 1);

        const LanguageScope login(display);
        {
            TestWindow w(m_dir.path());
            openSet(w, db);
            QCOMPARE(languageNote(w), note);
            w.openCategory(CategoryDept);
            QCOMPARE(w.itemModel()->index(0, 1).data().toString(), name);
            w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
            QCOMPARE(storedRows(db, QStringLiteral("table_dept")), original);
            // Imported under the display language, stored as a login in the set's language stores it.
            FileDialog::setNextFileName(departmentFile(other));
            MessageBox::setNextAnswer(QMessageBox::Yes); // replace the page's row
            w.findChild<QPushButton*>(QStringLiteral("btn_openfile"))->click();
            w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
            QCOMPARE(storedRows(db, QStringLiteral("table_dept")), imported);
        }

        const CliProgram::Result exported = runIn(display, { "export", "--db", db, "--type", "dept" });
        QCOMPARE(exported.status, 0);
        QVERIFY2(exported.out.contains("\n1," + other.toUtf8() + ","), exported.out.constData());
        QCOMPARE(QString::fromUtf8(exported.err),
            QStringLiteral("tallvane-cli: %1\n")
                .arg(QString(note).replace(
                    QStringLiteral("the window shows"), QStringLiteral("the tool's --language is"))));
        const CliProgram::Result import
            = runIn(display, { "import", "--db", db, "--type", "dept", "--in", departmentFile(name) });
        QCOMPARE(import.status, 0);
        QCOMPARE(storedRows(db, QStringLiteral("table_dept")), original);
    }

    // A log out leaves the set open and the next login sets the register language to its own:
    // the new window reads the set in the set's language again, not in the login's.
    void setKeepsItsLanguageAfterLogOut()
    {
        const QString db = departmentSet(Greek, QStringLiteral("ΚΑΦΕΣ"));
        QVERIFY(!db.isEmpty());
        {
            const LanguageScope first(English);
            TestWindow w(m_dir.path());
            openSet(w, db);
        }
        const LanguageScope next(Hebrew);
        // Laid out right to left, the sentence that begins with the Latin file name stays a
        // right-to-left sentence.
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        TestWindow w(m_dir.path());
        w.reopenLastSet();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(languageNote(w),
            QStringLiteral("\u200F%1 holds Greek register texts (windows-1253); the window shows Hebrew")
                .arg(QFileInfo(db).fileName()));
        w.openCategory(CategoryDept);
        QCOMPARE(w.itemModel()->index(0, 1).data().toString(), QStringLiteral("ΚΑΦΕΣ"));
    }

    // A set made before sets recorded their language is read in the login language, by the
    // tool and by the window, and records that language at its first save.
    void oldSetTakesTheLoginLanguage()
    {
        const QString db = departmentSet(Greek, QStringLiteral("ΚΑΦΕΣ"));
        QVERIFY(!db.isEmpty());
        createDatabase(fresh(QStringLiteral(".db"))); // lets go of the file
        QVERIFY(
            withDatabaseFile(db, [](QSqlQuery& query) { return query.exec(QStringLiteral("drop table set_info")); }));
        const QList<QByteArray> original = storedRows(db, QStringLiteral("table_dept"));

        // Reading records nothing.
        const CliProgram::Result read = runIn(Greek, { "export", "--db", db, "--type", "dept" });
        QCOMPARE(read.status, 0);
        QVERIFY2(read.out.contains("\n1,ΚΑΦΕΣ,"), read.out.constData());
        QCOMPARE(read.err, QByteArray());
        QCOMPARE(setInfo(db), QStringList());

        {
            const LanguageScope greek(Greek);
            TestWindow w(m_dir.path());
            openSet(w, db);
            QCOMPARE(languageNote(w), QString());
            w.openCategory(CategoryDept);
            QCOMPARE(w.itemModel()->index(0, 1).data().toString(), QStringLiteral("ΚΑΦΕΣ"));
            w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
            QCOMPARE(storedRows(db, QStringLiteral("table_dept")), original);
            QCOMPARE(setInfo(db), (QStringList { "codePage=windows-1253", "language=2" }));
        }

        // From then on a login in English reads it as Greek.
        const CliProgram::Result english = runIn(English, { "export", "--db", db, "--type", "dept" });
        QCOMPARE(english.status, 0);
        QVERIFY2(english.out.contains("\n1,ΚΑΦΕΣ,"), english.out.constData());
        QVERIFY2(english.err.contains("holds Greek register texts (windows-1253); the tool's --language is English"),
            english.err.constData());
    }
};

QTEST_MAIN(TestCliWindow)
#include "tst_cli_window.moc"
