#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/fielddelegate.h"
#include "app/grid/gridclipboard.h"
#include "app/grid/gridview.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "records/categories.h"
#include "records/clerk.h"
#include "records/dept.h"
#include "records/disc.h"
#include "records/plu.h"
#include "records/tax.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

// The grid as an operator reads and feeds it: column widths, tool tips of option cells and
// of cut texts, copy and paste of blocks, the keys that edit, and what an empty page says.
class TestGuiGrid : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    static QTableView* grid(MainWindow& w) { return child<QTableView>(w, "tableView"); }
    static QString text(MainWindow& w, int r, int c) { return w.itemModel()->index(r, c).data().toString(); }
    static QString toolTip(MainWindow& w, int r, int c)
    {
        return w.itemModel()->index(r, c).data(Qt::ToolTipRole).toString();
    }
    static void select(MainWindow& w, int top, int left, int bottom, int right)
    {
        QAbstractItemModel* model = w.itemModel();
        grid(w)->selectionModel()->select(
            QItemSelection(model->index(top, left), model->index(bottom, right)), QItemSelectionModel::ClearAndSelect);
    }
    // Width a text needs in a cell of the grid, as the style lays it out.
    static int needed(MainWindow& w, const QString& text)
    {
        QTableView* view = grid(w);
        const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        return view->fontMetrics().horizontalAdvance(text) + 2 * margin;
    }

    void newShop() { createDatabase(m_dir.filePath(QStringLiteral("grid%1.db").arg(++m_serial))); }

    static ItemTable departments()
    {
        return { textRow({ "1", "BREAD", "1", "10000000", "00000101", "1", "1.25", "99999999.99", "0" }),
            textRow({ "2", "MILK AND DAIRY PRODUCTS 1", "2", "00000000", "00000000", "2", "12.50", "99.00", "0" }) };
    }

    // A window of the program's size, shown, on the page of `button`.
    std::unique_ptr<TestWindow> window(const char* button)
    {
        auto w = std::make_unique<TestWindow>(m_dir.path());
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            qWarning("window not active");
        w->open(button);
        QCoreApplication::processEvents();
        return w;
    }

private slots:
    // A header's tool tip says what its column holds, texts in bytes of the set's code page.
    void headerTipsGiveTheLimits()
    {
        auto w = window("btn_plu");
        const QAbstractItemModel* model = grid(*w)->model();
        auto tip = [model](int column) { return model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString(); };
        QCOMPARE(tip(1), QStringLiteral("Name: up to 25 bytes; in UTF-8 a letter beyond ASCII takes two or more bytes"));
        QCOMPARE(tip(3), QStringLiteral("Price: an amount of up to 10 digits, 2 of them after the point"));
        const LanguageScope greek(Greek);
        QCOMPARE(tip(1), QStringLiteral("Name: up to 25 bytes; in windows-1253 one byte a letter"));
        // An option column says how its options are chosen.
        w = window("btn_dept");
        QVERIFY(grid(*w)
                    ->model()
                    ->headerData(4, Qt::Horizontal, Qt::ToolTipRole)
                    .toString()
                    .endsWith(QStringLiteral("double-click the cell, or right-click it, to choose them")));
    }

    // A name column has room for a name before one is typed, whatever its header's width.
    void nameColumnHasRoomBeforeANameIsTyped()
    {
        newShop();
        auto w = window("btn_dept");
        QCOMPARE(w->itemModel()->rowCount(), 0);
        child<QAction>(*w, "actionInsert")->trigger();
        QTableView* view = grid(*w);
        QVERIFY2(view->columnWidth(1) >= view->fontMetrics().horizontalAdvance(QString(12, QLatin1Char('X'))),
            qPrintable(QString::number(view->columnWidth(1))));
    }

    // A clerk's number is its place in the table: a row put in between shows the numbers the
    // rows get when the page is saved, and undoing it gives the old ones back. Ctrl++ leaves
    // only the new row selected.
    void rowsNumberedByPlace()
    {
        newShop();
        QVERIFY(Clerk::instance()->saveTable(
            { textRow({ "1", "BOB", "1111", "00000000" }), textRow({ "2", "CARL", "2222", "00000000" }) }));
        auto w = window("btn_clerk");
        QTableView* view = grid(*w);
        GridModel* model = w->itemModel();
        const auto numbers = [&] {
            QStringList texts;
            for (int r = 0; r < model->rowCount(); ++r)
                texts << text(*w, r, 0) + QLatin1Char(' ') + text(*w, r, 1);
            return texts;
        };
        view->setFocus();
        view->setCurrentIndex(model->index(0, 1));
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(numbers(), QStringList({ "1 BOB", "2 ", "3 CARL" }));
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList());
        QCOMPARE(view->selectionModel()->selectedIndexes().size(), 1);
        child<QAction>(*w, "actionUndo")->trigger();
        QCOMPARE(numbers(), QStringList({ "1 BOB", "2 CARL" }));
        child<QAction>(*w, "actionRedo")->trigger();
        model->setData(model->index(1, 1), QStringLiteral("DAVE"));
        child<QAction>(*w, "actionSave")->trigger();
        child<QPushButton>(*w, "btn_clerk")->click();
        QCOMPARE(numbers(), QStringList({ "1 BOB", "2 DAVE", "3 CARL" }));
    }

    // The register holds eight header lines: a page that has them takes no ninth.
    void noRowBeyondTheRegistersLines()
    {
        newShop();
        auto w = window("btn_th");
        QCOMPARE(w->itemModel()->rowCount(), 8);
        child<QAction>(*w, "actionInsert")->trigger();
        QCOMPARE(w->itemModel()->rowCount(), 8);
        QCOMPARE(w->status(), QStringLiteral("The register holds 8 header lines: the page has every one"));
    }

    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        copyButtonImages(m_dir.path());
        // Over Tcp the window listens on a free port of its own, whatever else runs.
        QVERIFY(useTestLinkSettings(m_dir.path()));
        qRegisterMetaType<Rows>();
    }
    void cleanupTestCase()
    {
        LinkSettings::setFilePath(QString());
        m_session.reset();
    }
    void init() { MessageBox::clearShown(); }

    void optionCellsNameTheirBits_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("tip");
        QTest::newRow("department print") << QByteArray("btn_dept") << 3 << "10000000"
                                          << "ACTIVE";
        QTest::newRow("department print, unnamed bits") << QByteArray("btn_dept") << 3 << "10000011"
                                                        << "DPOPTION1, DPOPTION2, ACTIVE";
        QTest::newRow("department options") << QByteArray("btn_dept") << 4 << "00000101"
                                            << "PRICE NEGATIVE, TICKET SINGLE";
        QTest::newRow("department options, none") << QByteArray("btn_dept") << 4 << "00000000"
                                                  << "none";
        QTest::newRow("department name") << QByteArray("btn_dept") << 1 << "BREAD"
                                         << "";
        QTest::newRow("department price") << QByteArray("btn_dept") << 6 << "1.25"
                                          << "";
        QTest::newRow("tax options") << QByteArray("btn_tax") << 3 << "00010010"
                                     << "PRINT VAT, PRINT TAX";
        QTest::newRow("tax options, bit without a name") << QByteArray("btn_tax") << 3 << "10000001"
                                                         << "TAX ADD, BIT 7";
        QTest::newRow("discount taxes") << QByteArray("btn_disc") << 4 << "00000101"
                                        << "TAX A, TAX C";
        QTest::newRow("discount type fixed") << QByteArray("btn_disc") << 6 << "00000000"
                                             << "FIXED";
        QTest::newRow("discount type free") << QByteArray("btn_disc") << 6 << "00100001"
                                            << "FREE, PRINT DISC";
        QTest::newRow("discount fixed or free") << QByteArray("btn_disc") << 6 << "11000110"
                                                << "FIX/FREE, AMOUNT, DISC 1, DISC 2";
        QTest::newRow("discount print flags") << QByteArray("btn_disc") << 5 << "00000001"
                                              << "";
        QTest::newRow("clerk options") << QByteArray("btn_clerk") << 3 << "00000101"
                                       << "VOID, CANCEL";
        QTest::newRow("clerk unnamed bit") << QByteArray("btn_clerk") << 3 << "10000000"
                                           << "BIT 7";
        QTest::newRow("clerk password") << QByteArray("btn_clerk") << 2 << "1234"
                                        << "";
    }

    void optionCellsNameTheirBits()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(QString, tip);
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        QVERIFY(Tax::instance()->saveTable({ textRow({ "1", "VAT", "20.00", "00000010" }) }));
        QVERIFY(Disc::instance()->saveTable({ textRow({ "1", "OFF", "1.00", "5.00", "00000001", "00000000", "0" }) }));
        QVERIFY(Clerk::instance()->saveTable({ textRow({ "1", "ANNA", "1", "00000001" }) }));
        auto w = window(button.constData());
        w->itemModel()->setData(w->itemModel()->index(0, column), cell, Qt::EditRole);
        QCOMPARE(toolTip(*w, 0, column), tip);
        // The cell itself keeps its eight characters.
        QCOMPARE(text(*w, 0, column), cell);
    }

    void toolTipShowsOverTheCell()
    {
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window("btn_dept");
        QTableView* view = grid(*w);
        const QRect cell = view->visualRect(w->itemModel()->index(0, 4));
        QHelpEvent help(QEvent::ToolTip, cell.center(), view->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(view->viewport(), &help);
        // The menu keeps the entry's spelling "TICKET SIGNLE"; the tip reads as it should.
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("PRICE NEGATIVE, TICKET SINGLE"));
        QToolTip::hideText();
    }

    void columnsHoldTheirValues()
    {
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        QVERIFY(Plu::instance()->saveTable({ textRow({ "7", "TEA", "1", "1.00", "2.00" }) }));
        auto w = window("btn_dept");
        QTableView* view = grid(*w);
        QHeaderView* header = view->horizontalHeader();
        const int room = view->viewport()->width();
        int total = 0;
        for (int c = 0; c < w->itemModel()->columnCount(); ++c) {
            total += view->columnWidth(c);
            QVERIFY2(view->columnWidth(c) >= header->sectionSizeHint(c), qPrintable(QString::number(c)));
        }
        QVERIFY2(total <= room, qPrintable(QStringLiteral("%1 > %2").arg(total).arg(room)));
        for (const int c : { 3, 4 })
            QVERIFY(view->columnWidth(c) >= needed(*w, QStringLiteral("10000000")));
        QVERIFY(view->columnWidth(7) >= needed(*w, QStringLiteral("99999999.99")));
        QCOMPARE(header->sectionResizeMode(0), QHeaderView::Interactive);

        // A narrow window cuts the long name short, never the numbers; its tool tip is the name.
        w->resize(700, 600);
        QTRY_VERIFY(view->viewport()->width() < total);
        QTRY_VERIFY(view->columnWidth(1) < needed(*w, text(*w, 1, 1)));
        QVERIFY(view->columnWidth(7) >= needed(*w, QStringLiteral("99999999.99")));
        QVERIFY(view->columnWidth(4) >= needed(*w, QStringLiteral("00000101")));
        QCOMPARE(toolTip(*w, 1, 1), QStringLiteral("MILK AND DAIRY PRODUCTS 1"));
        QCOMPARE(toolTip(*w, 0, 1), QString());

        // Short values still leave room for the widest a column takes: a fourteen-digit
        // code and a ten-digit price.
        w->resize(1280, 600);
        w->open("btn_plu");
        QCOMPARE(w->itemModel()->rowCount(), 1);
        QVERIFY(view->columnWidth(0) >= needed(*w, QStringLiteral("99999999999999")));
        QVERIFY(view->columnWidth(3) >= needed(*w, QStringLiteral("99999999.99")));
    }

    // Rows imported onto an empty page get the room a fill would give them, and keep it
    // through undo and redo; a filter does not move the columns.
    void importedRowsGetRoom()
    {
        newShop();
        auto w = window("btn_plu");
        const QString name = QStringLiteral("CHOCOLATE MILK 1L BOTTLE");
        const QString csv = m_dir.filePath(QStringLiteral("long-names.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("Random,Name,Dept,Price,Stock+\n1001," + name + ",1,1.50,0\n").toLatin1());
        file.close();
        FileDialog::setNextFileName(csv);
        click(*w, "btn_openfile");
        QCOMPARE(text(*w, 0, 1), name);
        QTableView* view = grid(*w);
        QVERIFY2(view->columnWidth(1) >= needed(*w, name), qPrintable(QString::number(view->columnWidth(1))));
        auto* undo = child<QAction>(*w, "actionUndo");
        undo->trigger();
        QCOMPARE(w->itemModel()->rowCount(), 0);
        child<QAction>(*w, "actionRedo")->trigger();
        QCOMPARE(w->itemModel()->rowCount(), 1);
        const int width = view->columnWidth(1);
        QVERIFY(width >= needed(*w, name));
        w->itemModel()->setFilter(QStringLiteral("no such row"));
        QCOMPARE(w->itemModel()->rowCount(), 0);
        QCOMPARE(view->columnWidth(1), width);
    }

    void copyABlock()
    {
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window("btn_dept");
        QApplication::clipboard()->clear();
        select(*w, 0, 4, 1, 6);
        child<QAction>(*w, "actionCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("00000101\t1\t1.25\n00000000\t2\t12.50\n"));
        // Cells between two selected ones are copied empty; Ctrl+C does the same.
        grid(*w)->selectionModel()->select(w->itemModel()->index(0, 1), QItemSelectionModel::ClearAndSelect);
        grid(*w)->selectionModel()->select(w->itemModel()->index(1, 3), QItemSelectionModel::Select);
        grid(*w)->setFocus();
        QTest::keyClick(grid(*w), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("BREAD\t\t\n\t\t00000000\n"));
    }

    void tabText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("block") << "a\tb\nc\td\n" << Rows { { "a", "b" }, { "c", "d" } };
        QTest::newRow("no last line break") << "a\tb" << Rows { { "a", "b" } };
        QTest::newRow("windows line breaks") << "a\r\nb\r\n" << Rows { { "a" }, { "b" } };
        QTest::newRow("empty cells") << "\t\nx\t\n" << Rows { { "", "" }, { "x", "" } };
        QTest::newRow("quoted tab, line break and quote") << "\"a\tb\"\t\"two\nlines\"\t\"say \"\"hi\"\"\"\n"
                                                          << Rows { { "a\tb", "two\nlines", "say \"hi\"" } };
        QTest::newRow("quote inside a cell") << "5\" disk\tx\n" << Rows { { "5\" disk", "x" } };
        QTest::newRow("unclosed quote") << "\"open\tx" << Rows { { "\"open", "x" } };
        QTest::newRow("nothing") << "" << Rows {};
    }

    void tabText()
    {
        QFETCH(QString, text);
        QFETCH(Rows, rows);
        QCOMPARE(GridClipboard::fromTabText(text), rows);
        // What is written reads back the same.
        QCOMPARE(GridClipboard::fromTabText(GridClipboard::toTabText(rows)), rows);
    }

    void pasteAcrossALockedColumn()
    {
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window("btn_dept");
        GridModel* model = w->itemModel();
        // Group, Print (locked), Options (locked), Tax; three rows into a grid of two add a
        // third, numbered after the last.
        grid(*w)->setCurrentIndex(model->index(0, 2));
        QApplication::clipboard()->setText(QStringLiteral("5\t11111111\t00000001\t3\n6\t22222222\t00000010\t4\n"
                                                          "7\t33333333\t00000011\t5\n"));
        grid(*w)->setFocus();
        QTest::keyClick(grid(*w), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->status(), QStringLiteral("6 cells pasted (1 row added), 6 skipped (6 locked)"));
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(text(*w, 2, 0), QStringLiteral("3"));
        QCOMPARE(model->index(2, 5).data(Qt::EditRole), QVariant(5));
        QCOMPARE(model->index(0, 2).data(Qt::EditRole), QVariant(5));
        QCOMPARE(model->index(1, 5).data(Qt::EditRole), QVariant(4));
        QCOMPARE(text(*w, 0, 3), QStringLiteral("10000000"));
        QCOMPARE(text(*w, 1, 4), QStringLiteral("00000000"));
        // The pasted block is selected.
        QCOMPARE(grid(*w)->selectionModel()->selectedIndexes().size(), 12);
    }

    // Delete empties the selected cells as one step (texts empty, numbers 0, locked cells kept);
    // Cut copies them first.
    void clearAndCutCells()
    {
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window("btn_dept");
        QTableView* view = grid(*w);
        GridModel* model = w->itemModel();
        select(*w, 0, 1, 1, 1);
        view->selectionModel()->select(model->index(0, 3), QItemSelectionModel::Select);
        view->selectionModel()->select(model->index(0, 6), QItemSelectionModel::Select);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(w->status(), QStringLiteral("3 cells cleared, 1 skipped (1 locked)"));
        QCOMPARE(text(*w, 0, 1), QString());
        QCOMPARE(text(*w, 1, 1), QString());
        QCOMPARE(model->index(0, 6).data(Qt::EditRole), QVariant(0.0));
        QCOMPARE(text(*w, 0, 3), QStringLiteral("10000000"));
        QVERIFY(model->isModified());
        child<QAction>(*w, "actionUndo")->trigger();
        QCOMPARE(text(*w, 0, 1), QStringLiteral("BREAD"));
        QCOMPARE(text(*w, 1, 1), QStringLiteral("MILK AND DAIRY PRODUCTS 1"));
        QCOMPARE(model->index(0, 6).data(Qt::EditRole), QVariant(1.25));

        select(*w, 0, 1, 0, 2);
        QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("BREAD\t1\n"));
        QCOMPARE(text(*w, 0, 1), QString());
        QCOMPARE(model->index(0, 2).data(Qt::EditRole), QVariant(0));
        QCOMPARE(model->undoStack()->undoText(), QStringLiteral("cut"));

        // Elsewhere Delete is not the grid's: the find box deletes a letter, the tree nothing.
        auto* findBox = child<QLineEdit>(*w, "lineEdit_find");
        findBox->setFocus();
        findBox->setText(QStringLiteral("MILK"));
        findBox->setCursorPosition(0);
        select(*w, 1, 1, 1, 1);
        QTest::keyClick(findBox, Qt::Key_Delete);
        QCOMPARE(findBox->text(), QStringLiteral("ILK"));
        child<QWidget>(*w, "treeWidget_Item")->setFocus();
        QTest::keyClick(child<QWidget>(*w, "treeWidget_Item"), Qt::Key_Delete);
        QCOMPARE(text(*w, 1, 1), QStringLiteral("MILK AND DAIRY PRODUCTS 1"));
    }

    void pastedTextsAreCheckedAsTyped_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QVariant>("stored"); // invalid: the cell keeps its value
        QTest::addColumn<QString>("message");
        QTest::newRow("whole number") << QByteArray("btn_dept") << 2 << " 7 " << QVariant(7) << "1 cell pasted";
        QTest::newRow("not a whole number") << QByteArray("btn_dept") << 2 << "2.5" << QVariant()
                                            << "0 cells pasted, 1 skipped (1 not accepted: \"2.5\" is not a number)";
        QTest::newRow("price, two decimals")
            << QByteArray("btn_dept") << 6 << "12.345" << QVariant(12.35) << "1 cell pasted";
        QTest::newRow("price, not a number") << QByteArray("btn_dept") << 6 << "cheap" << QVariant()
                                             << "0 cells pasted, 1 skipped (1 not accepted: \"cheap\" is not a number)";
        QTest::newRow("name on one line")
            << QByteArray("btn_dept") << 1 << "\"TWO\nLINES\"" << QVariant("TWO LINES") << "1 cell pasted";
        QTest::newRow("header line cut at its limit")
            << QByteArray("btn_th") << 1 << QString(40, QLatin1Char('H')) << QVariant(QString(32, QLatin1Char('H')))
            << "1 cell pasted (1 cut to what the field takes)";
        QTest::newRow("network address with a fault") << QByteArray("btn_net") << 2 << "300.1.2.3" << QVariant() << "";
    }

    void pastedTextsAreCheckedAsTyped()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, column);
        QFETCH(QString, pasted);
        QFETCH(QVariant, stored);
        QFETCH(QString, message);
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window(button.constData());
        GridModel* model = w->itemModel();
        const QVariant before = model->index(0, column).data(Qt::EditRole);
        grid(*w)->setCurrentIndex(model->index(0, column));
        QApplication::clipboard()->setText(pasted);
        child<QAction>(*w, "actionPast")->trigger();
        QCOMPARE(model->index(0, column).data(Qt::EditRole), stored.isValid() ? stored : before);
        if (!message.isEmpty())
            QCOMPARE(w->status(), message);
        else
            QVERIFY2(w->status().startsWith(QStringLiteral("0 cells pasted, 1 skipped (1 not accepted: ")),
                qPrintable(w->status()));
    }

    // A cut keeps whole letters: a Thai vowel and tone mark go with their consonant or not at all.
    void cutsKeepWholeLetters()
    {
        const LanguageScope thai(Thailand);
        QString said;
        FieldValidator validator(
            codecForCategory(CategoryHeader), 1, [&said](const QString& reason) { said = reason; });
        const QString consonants(31, QChar(0x0E01));
        QString line = consonants + QStringLiteral("\u0E01\u0E35\u0E48"); // 34 bytes in CP874, 32 taken
        int cursor = int(line.size());
        validator.validate(line, cursor);
        QCOMPARE(line, consonants);
        // The cut is said, not silent.
        QVERIFY(validator.cut());
        QCOMPARE(said, QStringLiteral("Header takes at most 32 bytes: what went past them was not taken"));
        // A mark typed onto the last letter of a full field is refused; it takes no letter along.
        QString full = consonants + QStringLiteral("\u0E19"); // 32 bytes
        cursor = int(full.size());
        QCOMPARE(validator.validate(full, cursor), QValidator::Acceptable);
        for (const QChar mark : { QChar(0x0E31), QChar(0x0E49) }) {
            QString typed = full + mark;
            cursor = int(typed.size());
            validator.validate(typed, cursor);
            QCOMPARE(typed, full);
        }
    }

    void pasteFromACsvFile()
    {
        // Lines of an exported department file, copied as a spreadsheet copies them.
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window("btn_dept");
        const QString csv = QStringLiteral("1,SOAP,3,10000000,00000001,2,4.75,50.00,0\n"
                                           "2,SALT,4,10000000,00000001,1,0.60,9.00,0\n");
        QString copied = csv;
        copied.replace(QLatin1Char(','), QLatin1Char('\t'));
        grid(*w)->setCurrentIndex(w->itemModel()->index(0, 0));
        QApplication::clipboard()->setText(copied);
        child<QAction>(*w, "actionPast")->trigger();
        QCOMPARE(w->status(), QStringLiteral("12 cells pasted, 6 skipped (6 locked)"));
        const ItemTable back = ItemGrid::collect(w->itemModel(), CategoryDept, false);
        QCOMPARE(
            rowTexts(back.at(0)), (QStringList { "1", "SOAP", "3", "10000000", "00000101", "2", "4.75", "50", "0" }));
        QCOMPARE(
            rowTexts(back.at(1)), (QStringList { "2", "SALT", "4", "00000000", "00000000", "1", "0.6", "9", "0" }));
    }

    void keys()
    {
        newShop();
        QVERIFY(Dept::instance()->saveTable(departments()));
        auto w = window("btn_dept");
        QTableView* view = grid(*w);
        GridModel* model = w->itemModel();
        view->setFocus();
        view->setCurrentIndex(model->index(1, 1));
        auto editor = [&] { return view->viewport()->findChild<QLineEdit*>(); };
        // Enter starts editing; Escape leaves the cell as it was.
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(editor() && editor()->isVisible());
        editor()->selectAll();
        QTest::keyClicks(editor(), QStringLiteral("OIL"));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QTRY_VERIFY(!editor() || !editor()->isVisible());
        QCOMPARE(text(*w, 1, 1), QStringLiteral("MILK AND DAIRY PRODUCTS 1"));
        // Enter again, and Enter commits.
        QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_VERIFY(editor() && editor()->isVisible());
        editor()->selectAll();
        QTest::keyClicks(editor(), QStringLiteral("OIL"));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_COMPARE(text(*w, 1, 1), QStringLiteral("OIL"));
        // A price takes a decimal comma as its point, as a Greek operator types it: "3,50" is
        // 3.50, not 350.
        for (const auto& [typed, value] : { std::pair("3,50", 3.5), std::pair("2.25", 2.25) }) {
            view->setFocus();
            view->setCurrentIndex(model->index(1, 6));
            QTest::keyClick(view, Qt::Key_Return);
            QDoubleSpinBox* box = nullptr;
            QTRY_VERIFY((box = view->viewport()->findChild<QDoubleSpinBox*>()) && box->isVisible());
            box->selectAll();
            QTest::keyClicks(box, QLatin1String(typed));
            QTest::keyClick(box, Qt::Key_Return);
            QTRY_COMPARE(model->index(1, 6).data(Qt::EditRole).toDouble(), value);
            QTRY_VERIFY(!view->viewport()->findChild<QDoubleSpinBox*>());
        }
        // A locked cell is not opened.
        view->setFocus();
        view->setCurrentIndex(model->index(1, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(!editor() || !editor()->isVisible());
        // Keys typed on a cell that takes no typing go nowhere, not to a row that begins so.
        view->setCurrentIndex(model->index(0, 3));
        QTest::keyClicks(view, QStringLiteral("00"));
        QCOMPARE(view->currentIndex(), model->index(0, 3));

        // Saved and shown again, the page keeps its current cell, with nothing selected.
        view->setCurrentIndex(model->index(1, 6));
        child<QAction>(*w, "actionSave")->trigger();
        child<QPushButton>(*w, "btn_dept")->click();
        QCOMPARE(text(*w, 1, 1), QStringLiteral("OIL"));
        QCOMPARE(view->currentIndex(), model->index(1, 6));
        QVERIFY(!view->selectionModel()->hasSelection());
        // Another page starts at no cell.
        w->open("btn_plu");
        QVERIFY(!view->currentIndex().isValid());

        // F5 lists the serial ports again (the serial page is shown).
        auto* ports = child<QComboBox>(*w, "comboBox_ComNum");
        ports->addItem(QStringLiteral("not a port"));
        QTest::keyClick(w.get(), Qt::Key_F5);
        QTRY_COMPARE(ports->findText(QStringLiteral("not a port")), -1);
        // Over TCP the refresh button is hidden, and so is its key.
        QVERIFY(w->useTcp());
        ports->addItem(QStringLiteral("not a port"));
        const int listed = ports->count();
        QTest::keyClick(w.get(), Qt::Key_F5);
        QTest::qWait(300);
        QCOMPARE(ports->count(), listed);
    }

    void emptyPagesSayWhy()
    {
        newShop();
        auto w = window("btn_plu");
        auto* note = grid(*w)->viewport()->findChild<QLabel*>(QStringLiteral("label_emptyGrid"));
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->text(), GridView::noRowsText());
        QCOMPARE(w->status(), QStringLiteral("Plu"));
        // Its columns are ready for the codes and prices to come.
        QVERIFY(grid(*w)->columnWidth(0) >= needed(*w, QStringLiteral("99999999999999")));
        QVERIFY(grid(*w)->columnWidth(3) >= needed(*w, QStringLiteral("99999999.99")));
        ItemTable received = { textRow({ "5", "TEA", "1", "1.00", "0.00" }) };
        w->rcvData("PLUDATA", &received);
        QVERIFY(!note->isVisible());

        // No database at all: the status bar says how to get one. The rows received are
        // dropped on the way.
        currentDatabasePath.clear();
        MessageBox::setNextAnswer(QMessageBox::Discard);
        w->open("btn_dept");
        QCOMPARE(w->status(), QStringLiteral("Open or create a configuration database (File > open / new)"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), GridView::noDatabaseText());
        QCOMPARE(MessageBox::shown().size(), 3);
        QVERIFY(MessageBox::shown().first().startsWith(QStringLiteral("unsaved changes: PLU has changes")));
        QCOMPARE(MessageBox::shown().last(), QStringLiteral("Warnning!: database is not connect."));
        // A new database: the page, still empty, now says how rows arrive.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>()->setText(QStringLiteral("fresh"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        child<QAction>(*w, "actionNew")->trigger();
        QVERIFY(!currentDatabasePath.isEmpty());
        QCOMPARE(w->itemModel()->rowCount(), 0);
        QCOMPARE(note->text(), GridView::noRowsText());
        QCOMPARE(w->status(), QStringLiteral("fresh.db created: every page of it is empty"));
        // The button page has no note.
        child<QPushButton>(*w, "btn_return")->click();
        QVERIFY(!note->isVisible());
    }
};

QTEST_MAIN(TestGuiGrid)
#include "tst_gui_grid.moc"
