#include "app/dialogs/messagebox.h"
#include "app/dialogs/filedialog.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "records/categories.h"
#include "records/dept.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"
#include "workbookbuilder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ItemRow row(const QStringList& cells)
{
    ItemRow r;
    for (const QString& cell : cells)
        r << cell;
    return r;
}

ItemTable departments()
{
    return { row({ "1", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00", "13" }),
        row({ "2", "MILK", "1", "00000000", "00000000", "2", "0.99", "10.00", "" }),
        row({ "3", "FISH, FRESH", "3", "00000000", "00000001", "0", "7.25", "0.00", "8" }) };
}

QStringList gridTexts(const GridModel* model)
{
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        texts << cells.join(QLatin1Char('|'));
    }
    return texts;
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    bool writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    static QByteArray readFile(const QString& name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    void importFile(MainWindow& w, const QString& name)
    {
        // A page with rows asks whether to replace them or add to them: replace.
        FileDialog::setNextFileName(name.isEmpty() ? QString() : path(name));
        // Unsaved rows of an earlier import are dropped first.
        if (w.itemModel()->isModified())
            MessageBox::setNextAnswer(QMessageBox::Discard);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(w, "btn_openfile");
        MessageBox::clearAnswers();
    }

    // A window on a database holding three departments, showing the department page.
    std::unique_ptr<TestWindow> departmentWindow(const QString& database)
    {
        createDatabase(path(database));
        if (!Dept::instance()->saveTable(departments()))
            return nullptr;
        auto w = std::make_unique<TestWindow>(m_dir.path());
        w->openCategory(CategoryDept);
        return w;
    }

private slots:
    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        // The dialogs keep their folder in the settings file: one of the test's own.
        QVERIFY(useTestLinkSettings(m_dir.path()));
    }

    void cleanupTestCase()
    {
        LinkSettings::setFilePath(QString());
        m_session.reset();
    }

    void exportHeaderRow_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("header");
        QTest::newRow("group") << int(CategoryGroup) << "Indx,Name,Family";
        QTest::newRow("department") << int(CategoryDept) << "Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp";
        QTest::newRow("PLU") << int(CategoryPlu) << "Random,Name,Dept,Price,Stock+";
        QTest::newRow("tax") << int(CategoryTax) << "Indx,Name,Rate,Options";
        QTest::newRow("discount") << int(CategoryDisc) << "Indx,Name,Fixed,Max,Tax,Print,Options";
        QTest::newRow("clerk") << int(CategoryClerk) << "Indx,Name,Passwd,Options";
        QTest::newRow("header") << int(CategoryHeader) << "Indx,Header";
        QTest::newRow("trailer") << int(CategoryTrailer) << "Indx,Trailer";
        QTest::newRow("network parameters")
            << int(CategoryNetParm)
            << "Indx,Option,IPAddress,ClientPort,ServerIP,ServerPort,GateWay,IPMask,PrimaryDNS,SecondDNS,ServerURL,APN,"
               "UserName,Password,ECR_ID,SecurityCode";
        // Import takes the first line for a header: without one, a line was lost each way.
        QTest::newRow("extended header") << int(CategoryExtHeader) << "Indx,EXTHeader";
    }

    void exportHeaderRow()
    {
        QFETCH(int, category);
        QFETCH(QString, header);
        createDatabase(path(QStringLiteral("headers-%1.db").arg(category)));
        TestWindow w(m_dir.path());
        w.openCategory(category);
        QCOMPARE(w.currentCategory(), category);

        const QString file = path(QStringLiteral("header-%1.csv").arg(category));
        FileDialog::setNextFileName(file);
        click(w, "btn_savefile");
        const QByteArray bytes = readFile(file);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const int headerLines = header.isEmpty() ? 0 : 1;
        QCOMPARE(lines.size(), w.itemModel()->rowCount() + headerLines);
        if (headerLines)
            QCOMPARE(lines.first(), header);
    }

    void departmentRoundTrip()
    {
        auto w = departmentWindow(QStringLiteral("roundtrip.db"));
        QVERIFY(w);
        GridModel* model = w->itemModel();
        model->setData(model->index(1, 1), QStringLiteral("MILK \"FRESH\""));
        const QStringList before = gridTexts(model);

        FileDialog::setNextFileName(path(QStringLiteral("dept.csv")));
        click(*w, "btn_savefile");
        QCOMPARE(w->status(), QStringLiteral("3 departments written to dept.csv"));
        QCOMPARE(readFile(path(QStringLiteral("dept.csv"))),
            QByteArray("\xEF\xBB\xBFIndx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n"
                       "1,BREAD,2,10000000,00000101,1,12.5,100,31\n"
                       "2,\"MILK \"\"FRESH\"\"\",1,00000000,00000000,2,0.99,10,\n"
                       "3,\"FISH, FRESH\",3,00000000,00000001,0,7.25,0,8\n"));

        // Imported back unchanged: the grid shows what it showed.
        ItemGrid::fill(w->itemModel(), {}, currentColumns(), CategoryDept);
        importFile(*w, QStringLiteral("dept.csv"));
        QCOMPARE(gridTexts(model), before);
        QCOMPARE(w->status(), QStringLiteral("3 departments imported from dept.csv"));

        // New prices typed into the file, saved without a byte-order mark, come in.
        QByteArray edited = readFile(path(QStringLiteral("dept.csv"))).mid(3);
        edited.replace(",12.5,", ",13.75,").replace(",0.99,", ",1.05,");
        QVERIFY(writeFile(QStringLiteral("edited.csv"), edited));
        importFile(*w, QStringLiteral("edited.csv"));
        QCOMPARE(model->index(0, 6).data(Qt::EditRole).toDouble(), 13.75);
        QCOMPARE(model->index(1, 6).data(Qt::EditRole).toDouble(), 1.05);
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("MILK \"FRESH\""));
        QCOMPARE(model->index(2, 1).data().toString(), QStringLiteral("FISH, FRESH"));
        QCOMPARE(model->rowCount(), 3);
    }

    void gridStaysOnFailure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("header only") << "header.csv" << QByteArray("Indx,Name\n")
                                     << "header.csv holds no rows below its header line. The grid is unchanged.";
        QTest::newRow("empty file") << "empty.csv" << QByteArray()
                                    << "empty.csv holds no rows below its header line. The grid is unchanged.";
        QTest::newRow("empty first line") << "blank.csv" << QByteArray("\nIndx,Name\n")
                                          << "blank.csv holds no rows below its header line. The grid is unchanged.";
        QTest::newRow("not a workbook")
            << "broken.xlsx" << QByteArray("PK\x03\x04 certainly not a workbook")
            << "Cannot import broken.xlsx: not an .xlsx workbook (the file is no zip archive, or a damaged one). The "
               "grid is unchanged.";
        QTest::newRow("missing file") << "missing.csv" << QByteArray() << "Cannot import missing.csv: ";
    }

    void gridStaysOnFailure()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        auto w = departmentWindow(QStringLiteral("stays.db"));
        QVERIFY(w);
        if (name != QLatin1String("missing.csv"))
            QVERIFY(writeFile(name, bytes));
        const QStringList before = gridTexts(w->itemModel());
        QCOMPARE(before.size(), 3);
        importFile(*w, name);
        QCOMPARE(gridTexts(w->itemModel()), before);
        QVERIFY2(w->status().startsWith(message), qPrintable(w->status()));
    }

    void cancelledImportChangesNothing()
    {
        auto w = departmentWindow(QStringLiteral("cancel.db"));
        QVERIFY(w);
        const QStringList before = gridTexts(w->itemModel());
        const QString status = w->status();
        LogCapture log;
        importFile(*w, QString());
        QVERIFY(log.contains(QStringLiteral("\"\" is empty")));
        QCOMPARE(gridTexts(w->itemModel()), before);
        QCOMPARE(w->status(), status);
    }

    void importReportsWhatToCheck()
    {
        auto w = departmentWindow(QStringLiteral("report.db"));
        QVERIFY(w);
        // Three columns on a page of nine, two codes that a spreadsheet showed in
        // scientific notation, a short row and a semicolon file.
        QVERIFY(writeFile(
            QStringLiteral("codes.csv"), "Indx;Name;Group\n5;TEA, GREEN;1\n1.2E+5;CAKE;2\n7\n8;TAKE+AWAY;1.5E+1\n"));
        importFile(*w, QStringLiteral("codes.csv"));
        // The page keeps its nine columns; those the file lacks are empty.
        QCOMPARE(gridTexts(w->itemModel()),
            (QStringList { "5|TEA, GREEN|1|||0|0|0|", "120000|CAKE|2|||0|0|0|", "7||0|||0|0|0|",
                "8|TAKE+AWAY|15|||0|0|0|" }));
        QCOMPARE(w->status(),
            QStringLiteral(
                "4 departments imported from codes.csv; the file has 3 columns, the page 9; 2 cells in scientific "
                "notation were converted, first: row 3, column 1: check the codes"));
        // Longer than the bar: read whole in its tool tip.
        QCOMPARE(w->statusBar()->toolTip(), w->status());
    }

    void cellsThatAreNotNumbersAreAskedAbout()
    {
        // A column of numbers keeps "3,50" as 0: the import names such cells and asks first.
        auto w = departmentWindow(QStringLiteral("numbers.db"));
        QVERIFY(w);
        QVERIFY(writeFile(QStringLiteral("prices.csv"),
            "Indx,Name,Group,Print,Options,Tax,Price\n5,TEA,1,,,1,\"3,50\"\n6,CAKE,2.5,,,,2.50 EUR\n"
            "7,BUN,,,,0,0.80\n"));
        const QStringList before = gridTexts(w->itemModel());
        MessageBox::clearShown();
        FileDialog::setNextFileName(path(QStringLiteral("prices.csv")));
        MessageBox::setNextAnswer(QMessageBox::No);
        click(*w, "btn_openfile");
        MessageBox::clearAnswers();
        QCOMPARE(gridTexts(w->itemModel()), before);
        QCOMPARE(w->status(), QStringLiteral("Nothing imported: the page is unchanged"));
        QCOMPARE(MessageBox::shown(),
            QStringList(QStringLiteral("import: 3 cells of prices.csv are not numbers: the page would show them as 0.\n"
                                       "row 2, Price: \"3,50\"\nrow 3, Group: \"2.5\"\nrow 3, Price: \"2.50 EUR\"\n\n"
                                       "Import anyway?")));
        // Imported anyway, in place of the page's rows: those cells are 0, the empty ones too.
        FileDialog::setNextFileName(path(QStringLiteral("prices.csv")));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(*w, "btn_openfile");
        MessageBox::clearAnswers();
        QCOMPARE(
            gridTexts(w->itemModel()), (QStringList { "5|TEA|1|||1|0|0|", "6|CAKE|0|||0|0|0|", "7|BUN|0|||0|0.8|0|" }));
    }

    void importWorkbookUnderGreek()
    {
        LanguageScope greek(Greek);
        createDatabase(path(QStringLiteral("greek.db")));
        TestWindow w(m_dir.path());
        click(w, "btn_plu");
        // The column kinds that the PLU page publishes.
        const quint8 kinds[5] = { 0x88, 0x01, 0x02, 0x04, 0x04 };
        std::copy(kinds, kinds + 5, currentColumns().kinds);

        const QByteArray shared = "<si><t>Random</t></si><si><t>Name</t></si><si><t>Dept</t></si><si><t>Price</t></si>"
                                  "<si><t>Stock+</t></si><si><t>"
            + WorkbookBuilder::escaped(QStringLiteral("Καφές ελληνικός")) + "</t></si><si><t>"
            + WorkbookBuilder::escaped(QStringLiteral("Τσάι, βουνού")) + "</t></si>";
        auto cells = [](int row, const QByteArray& code, int name, const QByteArray& price) {
            const QByteArray r = QByteArray::number(row);
            return "<row r=\"" + r + "\"><c r=\"A" + r + "\"><v>" + code + "</v></c><c r=\"B" + r + "\" t=\"s\"><v>"
                + QByteArray::number(name) + "</v></c><c r=\"C" + r + "\"><v>1</v></c><c r=\"D" + r + "\"><v>" + price
                + "</v></c><c r=\"E" + r + "\"><v>10</v></c></row>";
        };
        const QByteArray header = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                                  "<c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"D1\" t=\"s\"><v>3</v></c>"
                                  "<c r=\"E1\" t=\"s\"><v>4</v></c></row>";
        QVERIFY(WorkbookBuilder::writeZip(path(QStringLiteral("greek.xlsx")),
            WorkbookBuilder::workbook({ { QStringLiteral("sheet1.xml"),
                                          header + cells(2, "1.23456789012E+11", 5, "2.5")
                                              + cells(3, "520000000001", 6, "1.7999999999999998") } },
                shared)));
        importFile(w, QStringLiteral("greek.xlsx"));
        greek.restore();

        QCOMPARE(gridTexts(w.itemModel()),
            (QStringList { QStringLiteral("123456789012|Καφές ελληνικός|1|2.5|10"),
                QStringLiteral("520000000001|Τσάι, βουνού|1|1.8|10") }));
        QCOMPARE(w.status(), QStringLiteral("2 PLUs imported from greek.xlsx"));
    }

    // A dialog opens where the last one was closed on a file, from run to run, unless its
    // caller names a folder; import offers every supported file first; an export named
    // without an extension is written as CSV.
    void dialogsRememberTheFolder()
    {
        auto w = departmentWindow(QStringLiteral("dialogs.db"));
        QVERIFY(w);
        const QString folder = path(QStringLiteral("exports"));
        QVERIFY(QDir().mkpath(folder));
        FileDialog::setNextFileName(folder + QStringLiteral("/prices"));
        click(*w, "btn_savefile");
        QVERIFY(QFile::exists(folder + QStringLiteral("/prices.csv")));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/prices")));
        QCOMPARE(QSettings(LinkSettings::filePath(), QSettings::IniFormat).value("dialogs/lastFolder").toString(),
            QDir::toNativeSeparators(folder));

        // A cancelled dialog opens there and changes nothing.
        FileDialog::setNextFileName(QString());
        click(*w, "btn_openfile");
        QCOMPARE(FileDialog::lastStart(), QDir::toNativeSeparators(folder));
        QVERIFY(FileDialog::lastFilter().startsWith(QStringLiteral("all supported files (*.xlsx *.csv);;")));

        FileDialog::setNextFileName(folder + QStringLiteral("/prices.txt"));
        click(*w, "btn_savefile");
        QCOMPARE(FileDialog::lastStart(), QDir(folder).filePath(QStringLiteral("001")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/prices.txt")));

        FileDialog::setNextFileName(QString());
        w->findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(FileDialog::lastStart(), w->databaseFolder());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
