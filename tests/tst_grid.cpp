#include "app/grid/itemgrid.h"
#include "guisupport.h"
#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "records/categories.h"
#include "records/dept.h"
#include "records/gridcells.h"
#include "records/plu.h"
#include "records/recordcodec.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "base/language.h"
#include "users/usrdb.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

class TestGrid : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;

    static ItemRow row(const QStringList& cells)
    {
        ItemRow r;
        for (const QString& cell : cells)
            r << cell;
        return r;
    }
    static ColumnDescription columns(const QStringList& headers, std::initializer_list<quint8> kinds)
    {
        ColumnDescription description;
        description.headers = headers;
        int i = 0;
        for (quint8 kind : kinds)
            description.kinds[i++] = kind;
        return description;
    }
    static ItemTable departments()
    {
        return { row({ "1", "BREAD", "2", "10000000", "00000101", "1", "12.50", "100.00", "13" }),
            row({ "2", "MILK", "1", "00000000", "00000000", "2", "0.99", "10.00", "" }),
            row({ "3", "FISH", "3", "00000000", "00000001", "0", "7.25", "0.00", "8" }) };
    }

    // Opens the next popup menu, hands its entries and states to `inspect` and closes it.
    static void inspectNextMenu(QStringList* entries, QList<bool>* checked)
    {
        QTimer::singleShot(0, [entries, checked] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                *entries << action->text();
                *checked << action->isChecked();
            }
            menu->close();
        });
    }

    // Fills `model` with `count` PLUs "ITEM 0", "ITEM 1", ... coded from 1; returns the rows.
    static ItemTable numberedPlus(GridModel* model, int count)
    {
        ItemTable rows;
        for (int i = 0; i < count; ++i)
            rows << row({ QString::number(i + 1), QStringLiteral("ITEM %1").arg(i), "1", "2.5", "1" });
        ColumnDescription description
            = columns({ "Random", "Name", "Dept", "Price", "Stock+" }, { 0x88, 0x01, 0x02, 0x04, 0x04 });
        ItemGrid::fill(model, rows, description, CategoryPlu);
        return rows;
    }

private slots:
    void initTestCase() { m_session = std::make_unique<GuiTestSession>(m_dir.path()); }
    void cleanupTestCase() { m_session.reset(); }

    void fillConvertsAndLocks()
    {
        GridModel model;
        ColumnDescription description = columns({ "A", "B", "C", "D", "E" }, { 0x82, 0x01, 0x04, 0x88, 0x81 });
        const ItemTable table = { row({ "01", "x", "2.5", "98765432109876", "00000001" }) };
        ItemGrid::fill(&model, table, description, CategoryDept);
        QVERIFY(description.headers.isEmpty());
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("E"));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data(Qt::EditRole).typeId(), QMetaType::Int);
        QCOMPARE(model.index(0, 0).data(Qt::EditRole).toInt(), 1);
        QCOMPARE(model.index(0, 2).data(Qt::EditRole).typeId(), QMetaType::Double);
        QCOMPARE(model.index(0, 3).data(Qt::EditRole).typeId(), QMetaType::LongLong);
        QCOMPARE(model.index(0, 3).data(Qt::EditRole).toLongLong(), 98765432109876LL);
        QCOMPARE(model.index(0, 1).data(Qt::EditRole).typeId(), QMetaType::QString);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(0, 4)) & Qt::ItemIsEditable));
        QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(), Qt::Alignment(0x84));

        // An empty table empties the grid; headers set earlier stay.
        ItemGrid::fill(&model, {}, description, CategoryDept);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("E"));
    }

    void fifthTaxRateIsFixed()
    {
        GridModel model;
        ColumnDescription description = columns({ "Indx", "Name", "Rate", "Options" }, { 0x82, 0x01, 0x04, 0x81 });
        ItemTable taxes;
        for (int i = 1; i <= 6; ++i)
            taxes << row({ QString::number(i), "VAT", "5", "00000000" });
        ItemGrid::fill(&model, taxes, description, CategoryTax);
        QVERIFY(!(model.flags(model.index(4, 2)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(3, 2)) & Qt::ItemIsEditable);
        // The same cell on another page is an ordinary one.
        ItemGrid::fill(&model, taxes, description, CategoryDept);
        QVERIFY(model.flags(model.index(4, 2)) & Qt::ItemIsEditable);
    }

    void collect()
    {
        GridModel model;
        ColumnDescription description = columns({ "Random", "Name", "Dept", "Price", "Stock+" }, { 0x88, 0x01, 0x02, 0x04, 0x04 });
        ItemGrid::fill(&model, { row({ "12", "TEA", "1", "2.50", "3" }) }, description, CategoryPlu);
        const ItemTable plain = ItemGrid::collect(&model, CategoryPlu, false);
        QCOMPARE(plain.size(), 1);
        QCOMPARE(plain.first(), row({ "12", "TEA", "1", "2.5", "3" }));
        const ItemTable headed = ItemGrid::collect(&model, CategoryPlu, true);
        QCOMPARE(headed.size(), 2);
        QCOMPARE(headed.first(), row({ "Random", "Name", "Dept", "Price", "Stock+" }));
        // The extended header has a header row too (import takes the first line for one).
        QCOMPARE(ItemGrid::collect(&model, CategoryExtHeader, true).size(), 2);
        QCOMPARE(ItemGrid::collect(&model, CategorySysParm, true).size(), 1);
    }

    void textsWithoutTheGrid_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<ItemTable>("table");
        QTest::newRow("departments") << int(CategoryDept) << departments();
        QTest::newRow("numbers that are not")
            << int(CategoryDept) << ItemTable { row({ "1.0", "A,B", "x", "", "", "abc", "1e3", "-0.5", "" }) };
        QTest::newRow("ragged rows") << int(CategoryGroup)
                                     << ItemTable { row({ "1", "DRINKS" }), row({ "2", "FOOD", "70000", "extra" }) };
        QTest::newRow("fixed fifth tax rate")
            << int(CategoryTax)
            << ItemTable { row({ "1", "A", "15.50", "1" }), row({ "2", "B", "5", "0" }), row({ "3", "C", "0", "0" }),
                   row({ "4", "D", "1", "0" }), row({ "5", "E", "7.125", "0" }) };
        // Filled and collected in slices on several threads.
        ItemTable plus;
        for (int i = 0; i < 10000; ++i)
            plus << row({ QString::number(400000 + i * 7), QStringLiteral("ITEM %1").arg(i), QString::number(i % 40),
                QStringLiteral("%1.%2").arg(i % 900).arg(i % 100), i % 3 ? "1" : "x" });
        QTest::newRow("PLUs, more than a few slices") << int(CategoryPlu) << plus;
    }

    // A table converted as the grid converts it gives what the grid gives back.
    void textsWithoutTheGrid()
    {
        QFETCH(int, category);
        QFETCH(ItemTable, table);
        const RecordCodec* codec = codecForCategory(category);
        QVERIFY(codec);
        codec->initColumns();
        GridModel model;
        ItemGrid::fill(&model, table, currentColumns(), category);
        QCOMPARE(gridTexts(table, codec, category), ItemGrid::collect(&model, category, false));
    }

    void collectSelected()
    {
        GridModel model;
        ColumnDescription description = columns({ "A", "B" }, { 0x01, 0x01 });
        ItemGrid::fill(&model, { row({ "a", "1" }), row({ "b", "2" }), row({ "c", "3" }) }, description, CategoryPlu);
        QItemSelectionModel selection(&model);
        QVERIFY(ItemGrid::collectSelected(&model, &selection).isEmpty());
        selection.select(model.index(0, 1), QItemSelectionModel::Select);
        selection.select(model.index(2, 0), QItemSelectionModel::Select);
        QCOMPARE(ItemGrid::collectSelected(&model, &selection), (ItemTable { row({ "a", "1" }), row({ "c", "3" }) }));
        selection.clear();
        selection.select(model.index(1, 0), QItemSelectionModel::Select);
        selection.select(model.index(1, 1), QItemSelectionModel::Select);
        QCOMPARE(ItemGrid::collectSelected(&model, &selection), (ItemTable { row({ "b", "2" }), row({ "b", "2" }) }));
    }

    void departmentPageEndToEnd()
    {
        const QString path = m_dir.filePath(QStringLiteral("shop.db"));
        createDatabase(path);
        QVERIFY(Dept::instance()->saveTable(departments()));

        TestWindow w(m_dir.path());
        click(w, "btn_dept");
        GridModel* model = w.itemModel();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Print"));
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("MILK"));
        QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("3"));
        const bool editable[9] = { false, true, true, false, false, true, true, true, true };
        for (int c = 0; c < 9; ++c)
            QCOMPARE(bool(model->flags(model->index(0, c)) & Qt::ItemIsEditable), editable[c]);

        auto* view = child<QTableView>(w, "tableView");
        // The print menu offers only "ACTIVE", ticked for the first department.
        view->setCurrentIndex(model->index(0, 3));
        QStringList entries;
        QList<bool> checked;
        inspectNextMenu(&entries, &checked);
        emit view->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(entries, QStringList(QStringLiteral("ACTIVE")));
        QCOMPARE(checked, QList<bool>({ true }));

        entries.clear();
        checked.clear();
        view->setCurrentIndex(model->index(2, 4));
        inspectNextMenu(&entries, &checked);
        emit view->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(entries, (QStringList { "PRICE NEGATIVE", "ZERO PRICE", "TICKET SIGNLE" }));
        QCOMPARE(checked, (QList<bool> { true, false, false }));

        // A column without option bits offers the row commands.
        entries.clear();
        view->setCurrentIndex(model->index(0, 2));
        inspectNextMenu(&entries, &checked);
        emit view->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(entries, (QStringList { "Insert row", "Delete row(s)" }));

        view->setCurrentIndex(model->index(2, 4));
        w.on_option3_click(true);
        QCOMPARE(model->index(2, 4).data().toString(), QStringLiteral("00000101"));
        view->setCurrentIndex(model->index(1, 3));
        w.on_option1_click(true);
        QCOMPARE(model->index(1, 3).data().toString(), QStringLiteral("10000000"));
        model->setData(model->index(1, 6), 1.5);

        child<QAction>(w, "actionSave")->trigger();
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_dept"), &records));
        QCOMPARE(records.size(), 3);
        QCOMPARE(uchar(records.at(1).at(33)), uchar(0x80));
        QCOMPARE(records.at(1).mid(37, 5), hexBytes("50 01 00 00 00"));
        QCOMPARE(uchar(records.at(2).at(34)), uchar(0x05));
        QCOMPARE(records.at(0), [] {
            QByteArray record;
            Dept::instance()->encodeRow(departments().first(), &record);
            return record;
        }());

        w.open("btn_dept");
        QCOMPARE(model->index(1, 3).data().toString(), QStringLiteral("10000000"));
        QCOMPARE(model->index(1, 6).data().toString(), QStringLiteral("1.5"));
    }

    void sortMovesContentsAndFollowers()
    {
        GridModel model;
        ColumnDescription description = columns({ "Random", "Name" }, { 0x88, 0x01 });
        ItemGrid::fill(&model, { row({ "30", "c" }), row({ "4", "a" }), row({ "30", "d" }), row({ "200", "b" }) },
            description, CategoryPlu);
        QItemSelectionModel selection(&model);
        selection.setCurrentIndex(model.index(1, 1), QItemSelectionModel::Select);
        selection.select(model.index(3, 0), QItemSelectionModel::Select);
        model.sort(0, Qt::DescendingOrder);
        // Equal codes keep their order.
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false),
            (ItemTable { row({ "200", "b" }), row({ "30", "c" }), row({ "30", "d" }), row({ "4", "a" }) }));
        QCOMPARE(selection.currentIndex(), model.index(3, 1));
        QCOMPARE(ItemGrid::collectSelected(&model, &selection), (ItemTable { row({ "4", "a" }), row({ "200", "b" }) }));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(model.index(0, 0).data(Qt::EditRole).typeId(), QMetaType::LongLong);
        QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).toInt(), Qt::Alignment(0x84));
        // A sorted grid empties and fills again like any other.
        ItemGrid::fill(&model, { row({ "7", "x" }) }, description, CategoryPlu);
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false), ItemTable { row({ "7", "x" }) });
    }

    void pricesSurviveTheGrid_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0.29") << "0.29" << hexBytes("29 00 00 00 00");
        QTest::newRow("1.15") << "1.15" << hexBytes("15 01 00 00 00");
        QTest::newRow("4.35") << "4.35" << hexBytes("35 04 00 00 00");
        QTest::newRow("19.99") << "19.99" << hexBytes("99 19 00 00 00");
        QTest::newRow("300000.01") << "300000.01" << hexBytes("01 00 00 30 00");
        QTest::newRow("99999999.99") << "99999999.99" << hexBytes("99 99 99 99 99");
    }

    void pricesSurviveTheGrid()
    {
        QFETCH(QString, price);
        QFETCH(QByteArray, bytes);
        GridModel model;
        Plu::instance()->initColumns();
        ItemGrid::fill(&model, { row({ "12", "TEA", "1", price, price }) }, currentColumns(), CategoryPlu);
        QCOMPARE(model.index(0, 3).data(Qt::EditRole).typeId(), QMetaType::Double);
        const ItemTable back = ItemGrid::collect(&model, CategoryPlu, false);
        QByteArray record;
        Plu::instance()->encodeRow(back.first(), &record);
        QCOMPARE(record.mid(36, 5), bytes);
        QCOMPARE(record.mid(64, 5), bytes);
    }

    void largeGridIsReplaced()
    {
        GridModel model;
        QTableView view;
        view.setModel(&model);
        ColumnDescription description = columns({ "Random", "Name", "Dept", "Price", "Stock+" }, { 0x88, 0x01, 0x02, 0x04, 0x04 });
        ItemTable large;
        for (int i = 0; i < 3000; ++i)
            large << row({ QString::number(3000 - i), QStringLiteral("ITEM %1").arg(i), "1", "2.50", "1" });
        ItemGrid::fill(&model, large, description, CategoryPlu);
        view.setCurrentIndex(model.index(2999, 1));
        model.sort(0, Qt::AscendingOrder);
        QCOMPARE(view.currentIndex(), model.index(0, 1));
        // Its 15,000 cells leave on a worker thread while the new rows come in.
        description.headers = QStringList { "Random", "Name", "Dept", "Price", "Stock+" };
        ItemGrid::fill(&model, { row({ "5", "ONE", "1", "1e3", " 7.5 " }) }, description, CategoryPlu);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 3).data(Qt::EditRole).toDouble(), 1000.0);
        QCOMPARE(model.index(0, 4).data(Qt::EditRole).toDouble(), 7.5);
        QVERIFY(!view.currentIndex().isValid());
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    }

    void scatteredRowsRemovedAndBack_data()
    {
        QTest::addColumn<int>("every");
        QTest::addColumn<QString>("filter");
        QTest::newRow("a few, one by one") << 100 << QString();
        QTest::newRow("hundreds at once") << 3 << QString();
        QTest::newRow("under a filter") << 3 << QStringLiteral("ITEM");
    }

    // Rows taken apart leave the others in order; undo puts each back where it was.
    void scatteredRowsRemovedAndBack()
    {
        QFETCH(int, every);
        QFETCH(QString, filter);
        GridModel model;
        const ItemTable rows = numberedPlus(&model, 1000);
        model.setFilter(filter);
        QList<int> taken;
        ItemTable left;
        for (int i = 0; i < rows.size(); ++i) {
            if (i % every == 1)
                taken << i;
            else
                left << rows.at(i);
        }
        model.removeTableRows(taken);
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false), left);
        QCOMPARE(model.rowCount(), left.size());
        model.undoStack()->undo();
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false), rows);
        QCOMPARE(model.rowCount(), rows.size());
        model.undoStack()->redo();
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false), left);
    }

    // A step of many cells (a clearing, a paste) tells the views once, and its undo and redo
    // bring back every cell, also around rows the step added.
    void aStepOfManyCellsIsOneChange()
    {
        GridModel model;
        const ItemTable rows = numberedPlus(&model, 500);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.beginChange(QStringLiteral("clear"));
        for (int r = 0; r < 500; ++r)
            model.setData(model.index(r, 1), QString());
        model.insertRows(500, 1);
        model.setData(model.index(500, 1), QStringLiteral("NEW"));
        model.setData(model.index(0, 1), QStringLiteral("FIRST"));
        model.endChange();
        const ItemTable after = ItemGrid::collect(&model, CategoryPlu, false);
        QCOMPARE(after.size(), 501);
        QCOMPARE(after.at(0).at(1).toString(), QStringLiteral("FIRST"));
        QCOMPARE(after.at(250).at(1).toString(), QString());
        QCOMPARE(after.at(500).at(1).toString(), QStringLiteral("NEW"));
        QCOMPARE(changed.size(), 2); // the cells before the row came, and those after
        QCOMPARE(model.undoStack()->count(), 1);
        model.undoStack()->undo();
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false), rows);
        model.undoStack()->redo();
        QCOMPARE(ItemGrid::collect(&model, CategoryPlu, false), after);
    }

    void pluCodesSortAsNumbers()
    {
        createDatabase(m_dir.filePath(QStringLiteral("codes.db")));
        ItemTable plus;
        for (const char* code : { "10", "98765432109876", "9", "1234567890123", "200", "99999999999999", "1" })
            plus << row({ code, QStringLiteral("ITEM %1").arg(QLatin1String(code)), "1", "1.00", "0" });
        QVERIFY(Plu::instance()->saveTable(plus));

        TestWindow w(m_dir.path());
        click(w, "btn_plu");
        GridModel* model = w.itemModel();
        auto* view = child<QTableView>(w, "tableView");
        QHeaderView* header = view->horizontalHeader();
        QVERIFY(header->isSortIndicatorShown());
        auto codes = [model] {
            QStringList list;
            for (int r = 0; r < model->rowCount(); ++r)
                list << model->index(r, 0).data().toString();
            return list;
        };
        auto clickHeader = [header](int section) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
        };
        const QStringList ascending { "1", "9", "10", "200", "1234567890123", "98765432109876", "99999999999999" };
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());

        // Each click on "Random" turns the order; names go with their codes. The operator's
        // selection stays as it was: the click selects no column for the item commands.
        view->selectionModel()->select(model->index(4, 1), QItemSelectionModel::Select);
        clickHeader(0);
        QCOMPARE(view->selectionModel()->selectedIndexes(), QModelIndexList { model->index(3, 1) });
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(codes(), descending);
        clickHeader(0);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(codes(), ascending);
        QCOMPARE(model->index(3, 1).data().toString(), QStringLiteral("ITEM 200"));

        // The name column does not sort, and the indicator stays on the codes.
        clickHeader(1);
        QCOMPARE(codes(), ascending);
        QCOMPARE(header->sortIndicatorSection(), 0);
        clickHeader(0);
        QCOMPARE(codes(), descending);

        // Saving keeps the sorted order; other pages show no sort order.
        child<QAction>(w, "actionSave")->trigger();
        ItemTable saved;
        QVERIFY(Plu::instance()->loadTable(&saved));
        QCOMPARE(saved.first().first().toString(), QStringLiteral("99999999999999"));
        w.open("btn_dept");
        QVERIFY(!header->isSortIndicatorShown());
    }

    void emptyPageShowsItsOwnColumns()
    {
        createDatabase(m_dir.filePath(QStringLiteral("columns.db")));
        QVERIFY(Dept::instance()->saveTable(departments()));
        TestWindow w(m_dir.path());
        click(w, "btn_dept");
        QCOMPARE(w.itemModel()->columnCount(), 9);
        w.open("btn_plu");
        QCOMPARE(w.itemModel()->rowCount(), 0);
        QCOMPARE(w.itemModel()->columnCount(), 5);
        QCOMPARE(w.itemModel()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Random"));
    }

    void onlyThePluCodeColumnSorts()
    {
        createDatabase(m_dir.filePath(QStringLiteral("sort.db")));
        TestWindow w(m_dir.path());
        click(w, "btn_plu");
        QCOMPARE(w.currentCategory(), 3);
        ColumnDescription description = columns({ "Random", "Name" }, { 0x88, 0x01 });
        ItemGrid::fill(w.itemModel(), { row({ "30", "c" }), row({ "4", "a" }), row({ "200", "b" }) }, description, 3);
        w.view_sort(1);
        QCOMPARE(w.itemModel()->index(0, 0).data().toString(), QStringLiteral("30"));
        w.view_sort(0);
        QCOMPARE(w.itemModel()->index(0, 0).data().toString(), QStringLiteral("4"));
        QCOMPARE(w.itemModel()->index(2, 0).data().toString(), QStringLiteral("200"));

        // The sort is a change of the page: leaving drops it.
        MessageBox::setNextAnswer(QMessageBox::Discard);
        w.open("btn_dept");
        ItemGrid::fill(w.itemModel(), { row({ "30", "c" }), row({ "4", "a" }) }, description, 2);
        w.view_sort(0);
        QCOMPARE(w.itemModel()->index(0, 0).data().toString(), QStringLiteral("30"));
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
