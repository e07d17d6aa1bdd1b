#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "guisupport.h"
#include "records/categories.h"
#include "records/clerk.h"
#include "records/columns.h"
#include "records/disc.h"
#include "records/group.h"
#include "records/recordcodec.h"
#include "records/tax.h"
#include "storage/configdb.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QUndoStack>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

// The tax, discount, group and clerk pages: their option menus opened from the grid and
// applied to the current cell, the dialog of every option column's bits, the fixed fifth tax
// rate, and received against loaded rows.
class TestOptionMenus : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;

    static ItemTable taxes()
    {
        ItemTable table;
        for (int i = 1; i <= 6; ++i)
            table << textRow(
                { QString::number(i), QStringLiteral("TAX%1").arg(i), QStringLiteral("%1.50").arg(i), "00000010" });
        return table;
    }
    static ItemTable discounts()
    {
        ItemTable table;
        for (int i = 1; i <= 5; ++i)
            table << textRow({ QString::number(i), QStringLiteral("DISC%1").arg(i), "1", "10", "00000001", "00000000",
                i == 1 ? "00000000" : "00100001" });
        return table;
    }
    static ItemTable clerks()
    {
        return { textRow({ "1", "ANNA", "1234", "00000101" }), textRow({ "2", "BO", "99", "00000000" }) };
    }
    static ItemTable groups() { return { textRow({ "1", "DRINKS", "500" }), textRow({ "2", "FOOD", "70000" }) }; }

    struct Menu {
        QStringList entries;
        QList<bool> checked;
    };

    // Opens the menu of cell (r, c) as a right click does; when `choose` is not empty the
    // entry of that text is chosen (toggling its tick), otherwise the menu is dismissed.
    // What a cell without options offers: the page's row commands.
    static QStringList rowMenu() { return { QStringLiteral("Insert row"), QStringLiteral("Delete row(s)") }; }

    static Menu openMenu(MainWindow& w, int r, int c, const QString& choose = QString(), int chooseIndex = -1)
    {
        auto* view = w.findChild<QTableView*>(QStringLiteral("tableView"));
        view->setCurrentIndex(w.itemModel()->index(r, c));
        Menu seen;
        // Owned here, so that it cannot fire into a later menu when this cell has none.
        QTimer inspect;
        inspect.setSingleShot(true);
        QObject::connect(&inspect, &QTimer::timeout, [&seen, choose, chooseIndex] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction* chosen = nullptr;
            const QList<QAction*> actions = menu->actions();
            for (int i = 0; i < actions.size(); ++i) {
                seen.entries << actions.at(i)->text();
                seen.checked << actions.at(i)->isChecked();
                if ((!choose.isEmpty() && actions.at(i)->text() == choose) || i == chooseIndex)
                    chosen = actions.at(i);
            }
            menu->close();
            if (chosen)
                chosen->trigger();
        });
        inspect.start(0);
        emit view->customContextMenuRequested(QPoint(5, 5));
        return seen;
    }

    static QString cell(MainWindow& w, int r, int c) { return w.itemModel()->index(r, c).data().toString(); }

    // Runs `act` on the option bits dialog once `open` has opened it, then presses `button`.
    // False when no such dialog opened.
    static bool inDialog(const std::function<void()>& open, const std::function<void(QDialog*)>& act,
        QDialogButtonBox::StandardButton button)
    {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = dialog->objectName() == QLatin1String("OptionBitsDialog");
            if (opened)
                act(dialog);
            dialog->findChild<QDialogButtonBox*>()->button(button)->click();
        });
        open();
        return opened;
    }
    static QCheckBox* optionBox(QDialog* dialog, int entry)
    {
        return dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_option%1").arg(entry));
    }

private slots:
    void initTestCase()
    {
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
        createDatabase(m_dir.filePath(QStringLiteral("shop.db")));
        QVERIFY(Tax::instance()->saveTable(taxes()));
        QVERIFY(Disc::instance()->saveTable(discounts()));
        QVERIFY(Clerk::instance()->saveTable(clerks()));
        QVERIFY(Group::instance()->saveTable(groups()));
    }
    void cleanupTestCase() { m_session.reset(); }

    // Every option column of every category, opened on Enter: the boxes show the codec's
    // states and each tick does what choosing the menu entry does; OK stores the cell as one
    // undo step, Cancel (opened by a double click) stores nothing.
    void optionBitsDialog_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("column");
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c) {
            const RecordCodec* codec = c->codec ? c->codec() : nullptr;
            for (int column = 0; codec && column < int(codec->columns().size()); ++column)
                if (!codec->optionMenuEntries(column).isEmpty())
                    QTest::addRow("%s %s", c->typeName, codec->columns()[size_t(column)].header) << c->number << column;
        }
    }
    void optionBitsDialog()
    {
        QFETCH(int, category);
        QFETCH(int, column);
        const RecordCodec* codec = codecForCategory(category);
        const QStringList entries = codec->optionMenuEntries(column);
        TestWindow w(m_dir.path());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.openCategory(category);
        GridModel* model = w.itemModel();
        if (model->rowCount() == 0)
            QVERIFY(model->insertRows(0, 1));
        const QModelIndex index = model->index(0, column);
        const QString start = QStringLiteral("10100101");
        QVERIFY(model->setData(index, start));
        auto* view = w.findChild<QTableView*>(QStringLiteral("tableView"));
        view->setFocus();
        view->setCurrentIndex(index);
        const int steps = model->undoStack()->count();

        QString expected = start;
        QStringList faults;
        auto tickEach = [&](QDialog* dialog) {
            if (dialog->windowTitle() != model->headerData(column, Qt::Horizontal).toString())
                faults << QStringLiteral("title ") + dialog->windowTitle();
            for (int entry = 0; entry <= entries.size(); ++entry) {
                if (entry > 0) {
                    const bool wanted = !optionBox(dialog, entry)->isChecked();
                    optionBox(dialog, entry)->click();
                    expected = codec->applyOption(expected, column, entry, wanted);
                }
                const QByteArray states = codec->optionStates(expected, column);
                for (int i = 0; i < entries.size(); ++i) {
                    QCheckBox* box = optionBox(dialog, i + 1);
                    const QString name = entries.at(i);
                    if (!box || box->text().isEmpty() || (!name.isEmpty() && box->text() != name)) {
                        faults << QStringLiteral("box %1 of %2").arg(i + 1).arg(name);
                        return;
                    }
                    if (box->isChecked() != (states.at(i) != 0))
                        faults << QStringLiteral("after entry %1: box %2 (%3)").arg(entry).arg(i + 1).arg(expected);
                }
            }
            if (optionBox(dialog, entries.size() + 1))
                faults << QStringLiteral("more boxes than entries");
            // A bit that no entry sets has a box of its own, which sets or clears that bit alone.
            for (int bit = 0; bit < 8; ++bit)
                if (auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_bit%1").arg(bit))) {
                    const bool wanted = !box->isChecked();
                    box->click();
                    expected = normalisedOptionText(expected);
                    expected[7 - bit] = wanted ? QLatin1Char('1') : QLatin1Char('0');
                    if (box->isChecked() != wanted || box->text().isEmpty())
                        faults << QStringLiteral("bit %1").arg(bit);
                }
            // A department's print flags offer ACTIVE in the menu: its seven other bits have boxes,
            // named as the tool tip names them. A discount's entries go together: no bit alone.
            const QList<QCheckBox*> boxes = dialog->findChildren<QCheckBox*>();
            const auto* first = dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_bit0"));
            if (category == CategoryDept && column == 3
                && (boxes.size() != 8 || !first || first->text() != "DPOPTION1"))
                faults << QStringLiteral("%1 boxes for eight bits").arg(boxes.size());
            if (category == CategoryDisc && boxes.size() != entries.size())
                faults << QStringLiteral("a discount's bit set alone");
        };
        QVERIFY(inDialog([&] { QTest::keyClick(view, Qt::Key_Return); }, tickEach, QDialogButtonBox::Ok));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY(expected != start);
        QCOMPARE(index.data(Qt::EditRole).toString(), expected);
        QCOMPARE(model->undoStack()->count(), steps + 1);

        const QPoint centre = view->visualRect(index).center();
        QVERIFY(inDialog([&] { QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre); },
            [](QDialog* dialog) { optionBox(dialog, 1)->click(); }, QDialogButtonBox::Cancel));
        QCOMPARE(index.data(Qt::EditRole).toString(), expected);
        QCOMPARE(model->undoStack()->count(), steps + 1);

        model->undoStack()->undo();
        QCOMPARE(index.data(Qt::EditRole).toString(), start);
    }

    void taxPage()
    {
        TestWindow w(m_dir.path());
        w.open("btn_tax");
        QCOMPARE(w.currentCategory(), int(CategoryTax));
        GridModel* model = w.itemModel();
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Options"));
        // The fifth tax's rate is a real that cannot be typed into; the others can.
        QCOMPARE(model->index(4, 2).data(Qt::EditRole).typeId(), QMetaType::Double);
        QCOMPARE(model->index(4, 2).data(Qt::EditRole).toDouble(), 5.5);
        QVERIFY(!(model->flags(model->index(4, 2)) & Qt::ItemIsEditable));
        QVERIFY(model->flags(model->index(3, 2)) & Qt::ItemIsEditable);
        QVERIFY(model->flags(model->index(5, 2)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(0, 3)) & Qt::ItemIsEditable));

        Menu menu = openMenu(w, 0, 3);
        QCOMPARE(menu.entries, (QStringList { "TAX ADD", "PRINT VAT", "PRINT ZERO", "GST TAX", "PRINT TAX" }));
        QCOMPARE(menu.checked, (QList<bool> { false, true, false, false, false }));
        QCOMPARE(openMenu(w, 0, 2).entries, rowMenu());

        openMenu(w, 1, 3, QStringLiteral("PRINT TAX"));
        QCOMPARE(cell(w, 1, 3), QStringLiteral("00010010"));
        openMenu(w, 1, 3, QStringLiteral("PRINT VAT"));
        QCOMPARE(cell(w, 1, 3), QStringLiteral("00010000"));

        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        w.open("btn_tax");
        QCOMPARE(cell(w, 1, 3), QStringLiteral("00010000"));
        QCOMPARE(openMenu(w, 1, 3).checked, (QList<bool> { false, false, false, false, true }));
    }

    void discountPage()
    {
        TestWindow w(m_dir.path());
        w.open("btn_disc");
        QCOMPARE(w.itemModel()->rowCount(), 5);
        // Only the first four rows have option menus: Enter opens the bits of the fourth row's
        // options, not of the fifth's.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* view = w.findChild<QTableView*>(QStringLiteral("tableView"));
        view->setFocus();
        auto enterOn = [view](int r) {
            return [view, r] {
                view->setCurrentIndex(view->model()->index(r, 6));
                QTest::keyClick(view, Qt::Key_Return);
            };
        };
        QVERIFY(inDialog(enterOn(3), [](QDialog*) {}, QDialogButtonBox::Cancel));
        QVERIFY(!inDialog(enterOn(4), [](QDialog*) {}, QDialogButtonBox::Ok));
        QCOMPARE(cell(w, 4, 6), QStringLiteral("00100001"));

        Menu tax = openMenu(w, 0, 4);
        QCOMPARE(tax.entries, (QStringList { "TAX A", "TAX B", "TAX C", "TAX D", "TAX E" }));
        QCOMPARE(tax.checked, (QList<bool> { true, false, false, false, false }));
        openMenu(w, 0, 4, QStringLiteral("TAX C"));
        QCOMPARE(cell(w, 0, 4), QStringLiteral("00000100"));

        // A type of 00 shows FIXED ticked.
        Menu options = openMenu(w, 0, 6);
        QCOMPARE(options.entries, (QStringList { "FIXED", "FREE", "FIX/FREE", "PRINT DISC", "DISC 1", "DISC 2" }));
        QCOMPARE(options.checked, (QList<bool> { true, false, false, false, false, false }));
        QCOMPARE(openMenu(w, 1, 6).checked, (QList<bool> { false, true, false, true, false, false }));
        openMenu(w, 1, 6, QStringLiteral("FIX/FREE"));
        QCOMPARE(cell(w, 1, 6), QStringLiteral("00100010"));
        // Choosing the ticked FIXED un-ticks it, which leaves the type as it is.
        openMenu(w, 0, 6, QStringLiteral("FIXED"));
        QCOMPARE(cell(w, 0, 6), QStringLiteral("00000000"));
        openMenu(w, 0, 6, QStringLiteral("PRINT DISC"));
        QCOMPARE(cell(w, 0, 6), QStringLiteral("00100000"));

        // No menu on the print column, nor from the fifth row on.
        QCOMPARE(openMenu(w, 0, 5).entries, rowMenu());
        QCOMPARE(openMenu(w, 4, 6).entries, rowMenu());
        QCOMPARE(openMenu(w, 4, 4).entries, rowMenu());
        QCOMPARE(openMenu(w, 3, 6).entries.size(), 6);

        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_disc"), &records));
        QCOMPARE(records.size(), 5);
        QCOMPARE(records.at(0).size(), 23);
        QCOMPARE(uchar(records.at(0).at(5)), uchar(0x04));
        QCOMPARE(uchar(records.at(0).at(1)), uchar(0x20));
        QCOMPARE(uchar(records.at(1).at(1)), uchar(0x22));
    }

    void clerkPage()
    {
        TestWindow w(m_dir.path());
        w.open("btn_clerk");
        QCOMPARE(w.itemModel()->rowCount(), 2);
        QCOMPARE(cell(w, 0, 2), QStringLiteral("1234"));
        QVERIFY(w.itemModel()->flags(w.itemModel()->index(0, 2)) & Qt::ItemIsEditable);

        Menu menu = openMenu(w, 0, 3);
        // The entry without a name is named by its bit, as the bits dialog names it.
        QCOMPARE(menu.entries,
            (QStringList { "VOID", "CANCEL", "REFUND", "%DISCOUNT", "%SURCHARGE", "NET DIS/SURCH", "Bit 7" }));
        QCOMPARE(menu.checked, (QList<bool> { true, true, false, false, false, false, false }));
        openMenu(w, 1, 3, QString(), 6);
        QCOMPARE(cell(w, 1, 3), QStringLiteral("10000000"));
        openMenu(w, 1, 3, QStringLiteral("CANCEL"));
        QCOMPARE(cell(w, 1, 3), QStringLiteral("10000100"));
        QCOMPARE(openMenu(w, 0, 1).entries, rowMenu());
    }

    void groupPage()
    {
        TestWindow w(m_dir.path());
        w.open("btn_group");
        QCOMPARE(w.currentCategory(), int(CategoryGroup));
        GridModel* model = w.itemModel();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, 2).data(Qt::EditRole).typeId(), QMetaType::Double);
        QCOMPARE(model->index(1, 2).data(Qt::EditRole).toDouble(), 4464.0);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(openMenu(w, 0, c).entries, rowMenu());
        // A real typed into the maximum is stored truncated.
        model->setData(model->index(0, 2), 1234.75);
        MessageBox::setNextAnswer(QMessageBox::Yes); // save although the cell is cut
        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        QList<QByteArray> records;
        QVERIFY(loadRecords(QStringLiteral("table_group"), &records));
        QCOMPARE(records.at(0).left(2), hexBytes("D2 04"));
    }

    // Received rows show the register's own index; saved and loaded again, row numbers.
    void receivedThenSaved()
    {
        TestWindow w(m_dir.path());
        w.open("btn_clerk");
        ItemTable received;
        for (int own : { 9, 12 }) {
            QByteArray record;
            Clerk::instance()->encodeRow(textRow({ "x", QStringLiteral("C%1").arg(own), "77", "00000001" }), &record);
            record[17] = char(own);
            ItemRow decoded;
            Clerk::instance()->decodeRecord(record, &decoded);
            received << decoded;
        }
        w.rcvData("CLERKDATA", &received);
        QCOMPARE(cell(w, 0, 0), QStringLiteral("9"));
        QCOMPARE(cell(w, 1, 0), QStringLiteral("12"));
        QCOMPARE(cell(w, 1, 1), QStringLiteral("C12"));
        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        w.open("btn_clerk");
        QCOMPARE(w.itemModel()->rowCount(), 2);
        QCOMPARE(cell(w, 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(w, 1, 0), QStringLiteral("2"));
        QCOMPARE(cell(w, 1, 1), QStringLiteral("C12"));
        QCOMPARE(cell(w, 1, 2), QStringLiteral("77"));
    }

    // With a translator installed the headers, option entries, option tool tips and page
    // title are shown translated, while the grid keeps its headers and cells in English.
    void translatedDisplay()
    {
        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        TestWindow w(m_dir.path());
        w.open("btn_tax");
        GridModel* model = w.itemModel();
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("<Options>"));
        QVERIFY2(w.windowTitle().startsWith(QStringLiteral("<Taxes>")), qPrintable(w.windowTitle()));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("<Tax>"));
        QCOMPARE(model->index(0, 3).data(Qt::ToolTipRole).toString(), QStringLiteral("<PRINT VAT>"));

        // The dialog of the bits names them translated, as the menu does.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* view = w.findChild<QTableView*>(QStringLiteral("tableView"));
        view->setFocus();
        view->setCurrentIndex(model->index(0, 3));
        QString label;
        QVERIFY(inDialog([view] { QTest::keyClick(view, Qt::Key_Return); },
            [&label](QDialog* dialog) { label = optionBox(dialog, 4)->text(); }, QDialogButtonBox::Cancel));
        QCOMPARE(label, QStringLiteral("<GST TAX>"));

        Menu menu = openMenu(w, 0, 3, QStringLiteral("<GST TAX>"));
        QCOMPARE(menu.entries,
            (QStringList { "<TAX ADD>", "<PRINT VAT>", "<PRINT ZERO>", "<GST TAX>", "<PRINT TAX>" }));
        QCOMPARE(cell(w, 0, 3), QStringLiteral("00001010"));

        // A table that brings no headers keeps the English ones, translated once on show.
        QCOMPARE(model->headers(), Tax::instance()->headers());
        ColumnDescription none;
        std::copy(std::begin(currentColumns().kinds), std::end(currentColumns().kinds), none.kinds);
        ItemGrid::fill(model, ItemTable(), none, CategoryTax);
        QCOMPARE(model->headers(), Tax::instance()->headers());
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("<Options>"));
        QCoreApplication::removeTranslator(&marking);
    }

private:
    // Marks the texts of the contexts whose source text stays English elsewhere: "Text"
    // shown as "<Text>".
    class MarkingTranslator : public QTranslator {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            for (const char* marked : { "Columns", "Options", "CategoryPage" })
                if (qstrcmp(context, marked) == 0)
                    return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
            return QString();
        }
    };
};

QTEST_MAIN(TestOptionMenus)
#include "tst_optionmenus.moc"
