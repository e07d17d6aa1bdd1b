#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "app/setlibrary.h"
#include "cliharness.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "records/categories.h"
#include "records/dept.h"
#include "records/netparm.h"
#include "records/plu.h"
#include "records/system.h"
#include "storage/configdb.h"
#include "testsupport.h"
#include "users/usrdb.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

enum Way {
    Back,
    BackKey,
    TreeCategory,
    CategoryButton,
    TreeSet,
    FileOpen,
    FileNew,
    RecentSet,
    Import,
    Download,
    Close
};

ItemTable plus()
{
    return { textRow({ "1001", "COFFEE", "1", "2.50", "0" }), textRow({ "1002", "TEA", "1", "1.80", "0" }) };
}

} // namespace

// An operator's work is never lost or mixed up: unsaved changes are marked and asked about,
// every grid change can be undone, rows are added by hand, imports ask, and the window always
// says which set is open.
class TestWorkKept : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_serial = 0;

    static QTableView* grid(MainWindow& w) { return child<QTableView>(w, "tableView"); }
    static QString text(MainWindow& w, int r, int c) { return w.itemModel()->index(r, c).data().toString(); }

    // A window over a folder of its own whose DB folder holds a.db (two PLUs, open, on the
    // PLU page) and b.db (empty).
    std::unique_ptr<TestWindow> shop(QString* a, QString* b)
    {
        const QString folder = m_dir.filePath(QStringLiteral("case%1").arg(++m_serial));
        currentDatabasePath.clear();
        copyButtonImages(folder);
        auto w = std::make_unique<TestWindow>(folder);
        QDir().mkpath(w->databaseFolder());
        *a = w->databaseFolder() + QStringLiteral("a.db");
        *b = w->databaseFolder() + QStringLiteral("b.db");
        createDatabase(*b);
        createDatabase(*a);
        Plu::instance()->saveTable(plus());
        FileDialog::setNextFileName(*b);
        child<QAction>(*w, "actionOpen")->trigger();
        FileDialog::setNextFileName(*a);
        child<QAction>(*w, "actionOpen")->trigger();
        w->openCategory(CategoryPlu);
        return w;
    }

    static QString storedName(const QString& path, int row)
    {
        const QString open = currentDatabasePath;
        openDatabase(path);
        ItemTable table;
        Plu::instance()->loadTable(&table);
        if (!open.isEmpty())
            openDatabase(open);
        return row < table.size() ? table.at(row).value(1).toString() : QString();
    }

    QString csv(const QByteArray& body)
    {
        const QString path = m_dir.filePath(QStringLiteral("in%1.csv").arg(++m_serial));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(body);
        return path;
    }

    // Answers the next modal dialog (File > new's name) with `name` and OK, unless
    // forgetNextSet() comes first.
    QTimer m_nameNextSet;
    void nameNextSet(const QString& name)
    {
        m_nameNextSet.disconnect();
        m_nameNextSet.setSingleShot(true);
        connect(&m_nameNextSet, &QTimer::timeout, this, [name] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>()->setText(name);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        m_nameNextSet.start(0);
    }

    static QTreeWidgetItem* setItem(MainWindow& w, const QString& name)
    {
        QTreeWidgetItem* sets = child<QTreeWidget>(w, "treeWidget_Item")->topLevelItem(0);
        for (int i = 0; i < sets->childCount(); ++i)
            if (sets->child(i)->text(0) == name)
                return sets->child(i);
        return nullptr;
    }

    void leave(TestWindow& w, Way way, const QString& b)
    {
        QTreeWidget* tree = child<QTreeWidget>(w, "treeWidget_Item");
        switch (way) {
        case Back:
            click(w, "btn_return");
            break;
        case BackKey:
            QApplication::setActiveWindow(&w);
            QTest::keyClick(&w, Qt::Key_Left, Qt::AltModifier);
            break;
        case TreeCategory: // a click marks the entry, then says so
            tree->setCurrentItem(tree->topLevelItem(1)->child(1)); // dept
            emit tree->itemClicked(tree->currentItem(), 0);
            break;
        case CategoryButton:
            child<QAction>(w, "actionDept")->trigger();
            break;
        case TreeSet:
            emit tree->itemClicked(setItem(w, QStringLiteral("b.db")), 0);
            break;
        case FileOpen:
            FileDialog::setNextFileName(b);
            child<QAction>(w, "actionOpen")->trigger();
            break;
        case FileNew:
            nameNextSet(QStringLiteral("c"));
            child<QAction>(w, "actionNew")->trigger();
            break;
        case RecentSet:
            w.findChild<QMenu*>(QStringLiteral("menuRecent"))->actions().at(1)->trigger(); // b.db
            break;
        case Import:
            FileDialog::setNextFileName(csv("Random,Name,Dept,Price,Stock+\n7,SOUP,1,3.00,0\n"));
            MessageBox::setNextAnswer(QMessageBox::Yes); // replace
            click(w, "btn_openfile");
            break;
        case Download: {
            // With no register to answer, the download cannot start: nothing is asked.
            child<QAction>(w, "actionDownload")->trigger();
            QVERIFY(MessageBox::shown().isEmpty());
            QVERIFY(w.windowTitle().endsWith(QLatin1String(" *")));
            auto ecr = w.connectSimulator(m_dir.filePath(QStringLiteral("register%1.db").arg(++m_serial)));
            QVERIFY(ecr);
            child<QAction>(w, "actionDownload")->trigger();
            QVERIFY(w.waitIdle());
            break;
        }
        case Close:
            child<QAction>(w, "actionQuit")->trigger(); // closes the window, as its frame's button does
            break;
        }
        // A way out that stayed leaves its dialogs' answers untaken.
        MessageBox::clearAnswers();
        FileDialog::clearNextFileNames();
        m_nameNextSet.stop();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Registers dial a port of this test's own, not the one another Tallvane may listen on.
        QVERIFY(useTestLinkSettings(m_dir.path()));
        m_session = std::make_unique<GuiTestSession>(m_dir.path());
    }
    void cleanupTestCase() { LinkSettings::setFilePath(QString()); }
    void init()
    {
        MessageBox::clearShown();
        MessageBox::clearAnswers();
    }

    void everyWayOutAsks_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("answer");
        const struct {
            const char* name;
            int way; // a Way
        } ways[] = { { "Back", Back }, { "Alt+Left", BackKey }, { "tree category", TreeCategory },
            { "category button", CategoryButton }, { "tree set", TreeSet }, { "File > open", FileOpen },
            { "File > new", FileNew }, { "recent set", RecentSet }, { "import", Import }, { "download", Download },
            { "File > quit", Close } };
        const struct {
            const char* name;
            QMessageBox::StandardButton answer;
        } answers[] = { { "save", QMessageBox::Save }, { "discard", QMessageBox::Discard },
            { "cancel", QMessageBox::Cancel } };
        for (const auto& way : ways)
            for (const auto& answer : answers)
                QTest::addRow("%s/%s", way.name, answer.name) << way.way << int(answer.answer);
    }

    // An edited name, then each way out with each answer: saved, dropped, or everything stays.
    void everyWayOutAsks()
    {
        QFETCH(int, way);
        QFETCH(int, answer);
        QString a, b;
        auto w = shop(&a, &b);
        QCOMPARE(w->windowTitle(), QStringLiteral("PLU \u2014 a.db"));
        w->itemModel()->setData(w->itemModel()->index(0, 1), QStringLiteral("EDITED"));
        QCOMPARE(w->windowTitle(), QStringLiteral("PLU \u2014 a.db *"));

        MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
        leave(*w, Way(way), b);
        QCOMPARE(MessageBox::shown().value(0),
            QStringLiteral("unsaved changes: PLU \u2014 a.db has changes that are not saved.\nSave them before going on?"));
        QCOMPARE(storedName(a, 0), answer == QMessageBox::Save ? QStringLiteral("EDITED") : QStringLiteral("COFFEE"));
        if (answer == QMessageBox::Cancel) {
            // A tree entry clicked in vain is not left marked: the open set is.
            QCOMPARE(child<QTreeWidget>(*w, "treeWidget_Item")->currentItem(), setItem(*w, QStringLiteral("a.db")));
            QCOMPARE(currentDatabasePath, a);
            QCOMPARE(w->currentCategory(), int(CategoryPlu));
            QCOMPARE(text(*w, 0, 1), QStringLiteral("EDITED"));
            QCOMPARE(w->windowTitle(), QStringLiteral("PLU \u2014 a.db *"));
            QVERIFY(w->isVisible());
            return;
        }
        // Gone on: the way out did what it does.
        switch (way) {
        case Back:
        case BackKey:
        case TreeCategory:
        case CategoryButton:
            QVERIFY(w->currentCategory() != CategoryPlu);
            break;
        case TreeSet:
        case FileOpen:
        case RecentSet:
            QCOMPARE(currentDatabasePath, b);
            break;
        case FileNew:
            QCOMPARE(currentDatabasePath, w->databaseFolder() + QStringLiteral("c.db"));
            break;
        case Import:
            QCOMPARE(text(*w, 0, 1), QStringLiteral("SOUP"));
            break;
        case Close:
            QVERIFY(!w->isVisible());
            break;
        default:
            break;
        }
        QVERIFY(!w->windowTitle().endsWith(QLatin1String(" *")) || way == Import);
    }

    // File > new after a filled page: the new set opens empty, is listed and selected, and a
    // save writes nothing of the other set into it.
    void newSetOpensEmpty()
    {
        QString a, b;
        auto w = shop(&a, &b);
        QCOMPARE(w->itemModel()->rowCount(), 2);
        // The other set's network and system parameters, as loading it left them.
        NetParm::setRecord(QByteArray(NetParm::kRecordSize, '\x07'));
        System::setRecord(QByteArray(System::kRecordSize, '\x01'));
        // A transfer of the other set, whose words the logs hold.
        auto ecr = w->connectSimulator(m_dir.filePath(QStringLiteral("register%1.db").arg(++m_serial)));
        QVERIFY(ecr);
        child<QAction>(*w, "actionInstall")->trigger();
        QVERIFY(w->waitIdle());
        QVERIFY(!w->log("textEdit_snd").isEmpty());
        nameNextSet(QStringLiteral("fresh"));
        child<QAction>(*w, "actionNew")->trigger();
        QCOMPARE(w->itemModel()->rowCount(), 0);
        QVERIFY(w->log("textEdit_snd").isEmpty());
        w->open("btn_system");
        QCOMPARE(System::record(), System::defaultRecord());
        w->open("btn_net");
        QCOMPARE(NetParm::record(), QByteArray(NetParm::kRecordSize, 0));
        QCOMPARE(w->itemModel()->index(0, 2).data().toString(), QStringLiteral("0.0.0.0"));
        w->open("btn_plu");
        QCOMPARE(w->windowTitle(), QStringLiteral("PLU \u2014 fresh.db"));
        QCOMPARE(child<QTreeWidget>(*w, "treeWidget_Item")->currentItem(), setItem(*w, QStringLiteral("fresh.db")));
        QCOMPARE(child<QTreeWidget>(*w, "treeWidget_Item")->topLevelItem(0)->childCount(), 3);
        child<QAction>(*w, "actionSave")->trigger();
        QCOMPARE(w->status(), QStringLiteral("Saved 0 PLUs to fresh.db"));
        // On the button page Save has nothing to store, and says so.
        child<QAbstractButton>(*w, "btn_return")->click();
        child<QAction>(*w, "actionSave")->trigger();
        QCOMPARE(w->status(), QStringLiteral("Nothing to save here: Save stores the page of a category"));
        ItemTable stored;
        Plu::instance()->loadTable(&stored);
        QVERIFY(stored.isEmpty());

        // The sets are remembered for the user: the last one reopens at start.
        QCOMPARE(w->sets()->recentSets().value(0), QFileInfo(currentDatabasePath).canonicalFilePath());
        FileDialog::setNextFileName(a);
        child<QAction>(*w, "actionOpen")->trigger();
        w.reset();
        currentDatabasePath.clear();
        TestWindow again(m_dir.filePath(QStringLiteral("case%1").arg(m_serial)));
        again.reopenLastSet();
        QCOMPARE(QFileInfo(currentDatabasePath).canonicalFilePath(), QFileInfo(a).canonicalFilePath());

        // A user without sets of their own, logged in after, finds that set open, but not among
        // their own sets.
        const QString admin = usrdb::instance()->loginRecord().UserName;
        usrdb::instance()->loginRecord().UserName = QStringLiteral("clerk9");
        again.reopenLastSet();
        QCOMPARE(QFileInfo(currentDatabasePath).canonicalFilePath(), QFileInfo(a).canonicalFilePath());
        QVERIFY(again.sets()->recentSets().isEmpty());
        // Nor are the sets of a user whose name differs only in a blank or a mark.
        usrdb::instance()->loginRecord().UserName = QStringLiteral("op two");
        FileDialog::setNextFileName(a);
        child<QAction>(again, "actionOpen")->trigger();
        QCOMPARE(again.sets()->recentSets().size(), 1);
        usrdb::instance()->loginRecord().UserName = QStringLiteral("op_two");
        QVERIFY(again.sets()->recentSets().isEmpty());
        usrdb::instance()->loginRecord().UserName = admin;
    }

    void valueBeingTyped_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* command : { "actionSave", "actionQuit", "actionAdd" })
            QTest::newRow(command) << QString::fromLatin1(command);
    }

    // A name typed into a cell without Enter is the page's value for Save, for a way out and
    // for a register command, as the screen shows it.
    void valueBeingTyped()
    {
        QFETCH(QString, command);
        QString a, b;
        auto w = shop(&a, &b);
        const QString register_ = m_dir.filePath(QStringLiteral("register%1.db").arg(++m_serial));
        std::unique_ptr<Simulator> ecr
            = command == QLatin1String("actionAdd") ? w->connectSimulator(register_) : nullptr;
        const QModelIndex name = w->itemModel()->index(0, 1);
        grid(*w)->setCurrentIndex(name);
        grid(*w)->edit(name);
        auto* editor = qobject_cast<QLineEdit*>(grid(*w)->indexWidget(name));
        QVERIFY(editor);
        editor->setText(QStringLiteral("TYPED"));
        MessageBox::setNextAnswer(QMessageBox::Save);
        w->findChild<QAction*>(command)->trigger();
        QVERIFY(w->waitIdle());
        QVERIFY(!grid(*w)->indexWidget(name));
        QCOMPARE(text(*w, 0, 1), QStringLiteral("TYPED"));
        if (ecr) {
            QCOMPARE(storedName(register_, 0), QStringLiteral("TYPED"));
            return;
        }
        // Quit asks about it as about any edit, and the answer saves it.
        QCOMPARE(MessageBox::shown().size(), command == QLatin1String("actionQuit") ? 1 : 0);
        QCOMPARE(storedName(a, 0), QStringLiteral("TYPED"));
    }

    void undoRedo_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change : { "cell", "paste", "option", "insert", "delete", "import", "sort" })
            QTest::newRow(change) << QString::fromLatin1(change);
    }

    // Each kind of change is one step; undo brings the page back, redo the change again.
    void undoRedo()
    {
        QFETCH(QString, change);
        QString a, b;
        auto w = shop(&a, &b);
        const bool departments = change == QLatin1String("option") || change == QLatin1String("insert");
        if (departments) {
            Dept::instance()->saveTable({ textRow({ "1", "BREAD", "1", "00000000", "00000000", "1", "1.25", "9.00", "0" }),
                textRow({ "2", "MILK", "1", "00000000", "00000000", "1", "0.99", "9.00", "0" }) });
            w->open("btn_dept");
        }
        GridModel* model = w->itemModel();
        const ItemTable before = ItemGrid::collect(model, w->currentCategory(), false);
        QTableView* view = grid(*w);
        if (change == QLatin1String("cell")) {
            model->setData(model->index(1, 3), 9.5);
        } else if (change == QLatin1String("paste")) {
            view->setCurrentIndex(model->index(1, 1));
            QApplication::clipboard()->setText(QStringLiteral("MILK\t2\nJUICE\t3\n"));
            child<QAction>(*w, "actionPast")->trigger();
            QCOMPARE(model->rowCount(), 3);
        } else if (change == QLatin1String("option")) {
            view->setCurrentIndex(model->index(0, 4));
            w->on_option2_click(true);
        } else if (change == QLatin1String("insert")) {
            view->setCurrentIndex(model->index(0, 1));
            child<QAction>(*w, "actionInsert")->trigger();
            // A department added by hand after the first takes the next free number.
            QCOMPARE(text(*w, 1, 0), QStringLiteral("3"));
            QCOMPARE(view->currentIndex(), model->index(1, 1));
        } else if (change == QLatin1String("delete")) {
            view->selectionModel()->select(model->index(0, 2), QItemSelectionModel::ClearAndSelect);
            child<QAction>(*w, "actionDeleteRows")->trigger();
            QCOMPARE(model->rowCount(), 1);
        } else if (change == QLatin1String("import")) {
            FileDialog::setNextFileName(csv("Random,Name,Dept,Price,Stock+\n7,SOUP,1,3.00,0\n"));
            MessageBox::setNextAnswer(QMessageBox::Yes);
            click(*w, "btn_openfile");
        } else {
            model->sort(0, Qt::DescendingOrder);
        }
        const ItemTable after = ItemGrid::collect(model, w->currentCategory(), false);
        QVERIFY(after != before);
        QUndoStack* steps = model->undoStack();
        QCOMPARE(steps->count(), 1);
        QVERIFY(w->windowTitle().endsWith(QLatin1String(" *")));
        const QString step = steps->undoText();
        QVERIFY(!step.isEmpty());
        child<QAction>(*w, "actionUndo")->trigger();
        QCOMPARE(ItemGrid::collect(model, w->currentCategory(), false), before);
        QVERIFY(!w->windowTitle().endsWith(QLatin1String(" *")));
        QCOMPARE(w->status(), QStringLiteral("Undone: ") + step);
        child<QAction>(*w, "actionRedo")->trigger();
        QCOMPARE(ItemGrid::collect(model, w->currentCategory(), false), after);
        QCOMPARE(w->status(), QStringLiteral("Redone: ") + step);
        // Saved (a department added by hand has cells still to fill: saved all the same),
        // there is nothing left to undo.
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QAction>(*w, "actionSave")->trigger();
        MessageBox::clearAnswers();
        QCOMPARE(steps->count(), 0);
        QVERIFY(!w->windowTitle().endsWith(QLatin1String(" *")));
        // A step undone, then the page left: nothing is left to redo from another page.
        child<QAction>(*w, "actionInsert")->trigger();
        child<QAction>(*w, "actionUndo")->trigger();
        QVERIFY(child<QAction>(*w, "actionRedo")->isEnabled());
        child<QAbstractButton>(*w, "btn_return")->click();
        QVERIFY(!child<QAction>(*w, "actionRedo")->isEnabled());
    }

    void importReplaceOrAdd_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QStringList>("codes");
        const QByteArray plu = "Random,Name,Dept,Price,Stock+\n1002,GREEN TEA,1,2.00,0\n7,SOUP,1,3.00,0\n";
        const QByteArray dept = "Indx,Name,Group,Print,Options,Tax,Price,PriceMax,Kp\n"
                                "2,BAKERY,1,00000000,00000000,1,0.00,0.00,0\n";
        QTest::newRow("PLU replace") << int(CategoryPlu) << plu << false << QStringList { "1002", "7" };
        QTest::newRow("PLU add by code") << int(CategoryPlu) << plu << true << QStringList { "1001", "1002", "7" };
        QTest::newRow("departments add") << int(CategoryDept) << dept << true << QStringList { "1", "2" };
        QTest::newRow("departments add by number")
            << int(CategoryDept) << QByteArray(dept).replace("\n2,BAKERY", "\n1,BAKERY") << true << QStringList { "1" };
        QTest::newRow("departments add without a number")
            << int(CategoryDept) << QByteArray(dept).replace("\n2,BAKERY", "\n,BAKERY") << true
            << QStringList { "1", "0" };
    }

    // The question names the rows and the file; Add places PLUs by code (the one present is
    // replaced) and appends other rows; the tool's --add does the same.
    void importReplaceOrAdd()
    {
        QFETCH(int, category);
        QFETCH(QByteArray, file);
        QFETCH(bool, add);
        QFETCH(QStringList, codes);
        QString a, b;
        auto w = shop(&a, &b);
        if (category == CategoryDept) {
            Dept::instance()->saveTable({ textRow({ "1", "BREAD", "1", "00000000", "00000000", "1", "1.25", "9.00", "0" }) });
            w->open("btn_dept");
        }
        const QString path = csv(file);
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(add ? QMessageBox::No : QMessageBox::Yes);
        click(*w, "btn_openfile");
        // Two PLUs on the page and in the file; one department each, said in the singular.
        const QString rows = category == CategoryPlu ? QStringLiteral("2 PLUs") : QStringLiteral("1 department");
        // PLUs are added by item code, and the question says so.
        QCOMPARE(MessageBox::shown(),
            QStringList(
                QStringLiteral("import: Replace the %1 on this page with the %1 from %2, or add them?%3")
                    .arg(rows, QFileInfo(path).fileName(),
                        category == CategoryPlu
                            ? QStringLiteral("\n\nAn added PLU replaces the one with the same item code on the page.")
                            : QStringLiteral("\n\nAn added row replaces the one with the same number on the page."))));
        QStringList shown;
        for (int r = 0; r < w->itemModel()->rowCount(); ++r)
            shown << text(*w, r, 0);
        QCOMPARE(shown, codes);
        if (category == CategoryPlu && add)
            QCOMPARE(text(*w, 1, 1), QStringLiteral("GREEN TEA"));

        // Cancel leaves the page as it was.
        const ItemTable now = ItemGrid::collect(w->itemModel(), category, false);
        MessageBox::setNextAnswer(QMessageBox::Discard);
        FileDialog::setNextFileName(path);
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        click(*w, "btn_openfile");
        MessageBox::clearAnswers();
        QCOMPARE(ItemGrid::collect(w->itemModel(), category, false).size(), category == CategoryPlu ? 2 : 1);
        Q_UNUSED(now);

        if (!add)
            return;
        // The tool adds to what the set stores, as the window added to the page (--yes: the
        // department's Kp "0" is kept as none).
        w.reset();
        CliProgram cli(m_dir.filePath(QStringLiteral("bin")));
        QVERIFY(cli.ok());
        const QString type = category == CategoryPlu ? QStringLiteral("plu") : QStringLiteral("dept");
        const CliProgram::Result result
            = cli.run(asAdmin({ QStringLiteral("import"), QStringLiteral("--db"), a, QStringLiteral("--type"), type,
                QStringLiteral("--in"), path, QStringLiteral("--add"), QStringLiteral("--yes") }));
        QCOMPARE(result.status, 0);
        openDatabase(a);
        ItemTable stored;
        codecForCategory(category)->loadTable(&stored);
        QStringList storedCodes;
        for (const ItemRow& row : stored)
            storedCodes << QString::number(row.value(0).toLongLong());
        QCOMPARE(storedCodes, codes);
    }

    // Find goes from match to match; the filter shows matching rows, and a save still
    // stores every row.
    void findAndFilter()
    {
        QString a, b;
        auto w = shop(&a, &b);
        child<QAction>(*w, "actionFind")->trigger();
        auto* find = child<QLineEdit>(*w, "lineEdit_find");
        find->setText(QStringLiteral("tea"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(grid(*w)->currentIndex(), w->itemModel()->index(1, 1));
        find->setText(QStringLiteral("10"));
        click(*w, "btn_find_previous");
        QCOMPARE(grid(*w)->currentIndex(), w->itemModel()->index(1, 0));
        click(*w, "btn_find_previous");
        QCOMPARE(grid(*w)->currentIndex(), w->itemModel()->index(0, 0));
        click(*w, "btn_find_previous"); // round from the first cell to the last match
        QCOMPARE(grid(*w)->currentIndex(), w->itemModel()->index(1, 0));
        find->setText(QStringLiteral("nothing"));
        click(*w, "btn_find_next");
        QCOMPARE(w->status(), QStringLiteral("\"nothing\" is not on this page"));

        child<QLineEdit>(*w, "lineEdit_filter")->setText(QStringLiteral("TEA"));
        QCOMPARE(w->itemModel()->rowCount(), 1);
        QCOMPARE(text(*w, 0, 0), QStringLiteral("1002"));
        QCOMPARE(w->status(), QStringLiteral("1 of 2 PLUs shown"));
        w->itemModel()->setData(w->itemModel()->index(0, 3), 2.0);
        // A block pasted under the filter stops at its last row: no nameless PLU is added.
        grid(*w)->setCurrentIndex(w->itemModel()->index(0, 3));
        QApplication::clipboard()->setText(QStringLiteral("2.00\n5.00\n6.00\n"));
        child<QAction>(*w, "actionPast")->trigger();
        QCOMPARE(w->itemModel()->tableRowCount(), 2);
        QCOMPARE(w->status(), QStringLiteral("1 cell pasted, 2 skipped (2 below the rows the filter shows)"));
        child<QAction>(*w, "actionSave")->trigger();
        QCOMPARE(w->status(), QStringLiteral("Saved 2 PLUs to a.db"));
        child<QLineEdit>(*w, "lineEdit_filter")->clear();
        QCOMPARE(w->itemModel()->rowCount(), 2);
        ItemTable stored;
        Plu::instance()->loadTable(&stored);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.at(1).value(3).toString(), QStringLiteral("2.00"));
    }

    // A PLU added by hand takes the next free code, which the operator may type over; a page
    // emptied by hand exports the header row alone, a template for the dealer.
    void rowsByHand()
    {
        QString a, b;
        auto w = shop(&a, &b);
        GridModel* model = w->itemModel();
        grid(*w)->setCurrentIndex(model->index(0, 1));
        child<QAction>(*w, "actionInsert")->trigger();
        QCOMPARE(text(*w, 1, 0), QStringLiteral("1003"));
        QCOMPARE(text(*w, 1, 2), QStringLiteral("1")); // the lowest department a register takes
        QVERIFY(model->flags(model->index(1, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(grid(*w)->currentIndex(), model->index(1, 0));

        grid(*w)->selectAll();
        child<QAction>(*w, "actionDeleteRows")->trigger();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(w->status(), QStringLiteral("3 PLUs deleted from the page (not from the register)"));
        const QString out = m_dir.filePath(QStringLiteral("template"));
        FileDialog::setNextFileName(out);
        click(*w, "btn_savefile");
        QFile file(out + QStringLiteral(".csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBFRandom,Name,Dept,Price,Stock+\n"));

        // The empty page's menu still offers a first row.
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QList<QAction*> actions = menu->actions();
            menu->close();
            QCOMPARE(actions.size(), 1);
            QCOMPARE(actions.first()->text(), QStringLiteral("Insert row"));
            actions.first()->trigger();
        });
        emit grid(*w)->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(model->rowCount(), 1);
    }

    // Codes are copied without thousands separators; a decimal comma pastes into a price.
    void clipboardForms()
    {
        QString a, b;
        auto w = shop(&a, &b);
        grid(*w)->selectionModel()->select(w->itemModel()->index(0, 0), QItemSelectionModel::ClearAndSelect);
        child<QAction>(*w, "actionCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1001\n"));
        grid(*w)->setCurrentIndex(w->itemModel()->index(1, 3));
        QApplication::clipboard()->setText(QStringLiteral("3,50"));
        child<QAction>(*w, "actionPast")->trigger();
        QCOMPARE(w->itemModel()->index(1, 3).data(Qt::EditRole).toDouble(), 3.5);
    }
};

QTEST_MAIN(TestWorkKept)
#include "tst_workkept.moc"
