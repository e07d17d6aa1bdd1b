#include "app/databasestatus.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/messagebox.h"
#include "app/grid/itemgrid.h"
#include "app/mainwindow.h"
#include "app/pages/systempage.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "records/dept.h"
#include "records/system.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"
#include "testsupport.h"
#include "base/language.h"
#include "users/usrdb.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;

    static QStackedWidget* pages(MainWindow& w) { return w.findChild<QStackedWidget*>(QStringLiteral("stackedWidget")); }
    static QTreeWidget* tree(MainWindow& w) { return w.findChild<QTreeWidget*>(QStringLiteral("treeWidget_Item")); }
    static QTreeWidgetItem* topItem(MainWindow& w, const QString& text)
    {
        const auto found = tree(w)->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    static QTreeWidgetItem* childItem(MainWindow& w, const QString& parent, const QString& text)
    {
        QTreeWidgetItem* top = topItem(w, parent);
        for (int i = 0; top && i < top->childCount(); ++i)
            if (top->child(i)->text(0) == text)
                return top->child(i);
        return nullptr;
    }
    // Answers the next modal dialog: fills its line edit and presses OK (or Cancel).
    // Types `text` into the next dialog and presses OK (when offered; else Cancel, keeping the
    // dialog's reason in s_refusal) or Cancel.
    static void answerNextDialog(const QString& text, bool ok)
    {
        s_refusal.clear();
        QTimer::singleShot(0, [text, ok] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>()->setText(text);
            auto* box = dialog->findChild<QDialogButtonBox*>();
            QPushButton* button = box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
            if (!button->isEnabled()) {
                const auto* hint = dialog->findChild<QLabel*>(QStringLiteral("label_hint"));
                s_refusal = hint && !hint->isHidden() ? hint->text() : QStringLiteral("(OK off)");
                button = box->button(QDialogButtonBox::Cancel);
            }
            button->click();
        });
    }
    static inline QString s_refusal;

    QString base(const QString& name)
    {
        const QString folder = m_dir.filePath(name);
        copyButtonImages(folder);
        return folder;
    }

private slots:
    void initTestCase() { m_session = std::make_unique<GuiTestSession>(m_dir.path()); }
    void cleanupTestCase() { m_session.reset(); }

    void init()
    {
        MessageBox::clearShown();
        m_session->logIn(1, 1);
    }

    void construction()
    {
        TestWindow w(base(QStringLiteral("construction")));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tallvane"));
        QCOMPARE(w.size(), QSize(1280, 600));
        QVERIFY(w.minimumSizeHint().width() <= 1024); // a screen 1024 pixels wide shows it all
        QCOMPARE(w.currentCategory(), 0);
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("widget_LogId"))->isHidden());
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("widget_time"))->isHidden());
        QCOMPARE(tree(w)->headerItem()->text(0), QStringLiteral("NAVIGATION BAR"));
        QCOMPARE(tree(w)->topLevelItemCount(), 2);
        QTreeWidgetItem* items = topItem(w, QStringLiteral("ITEM VIEW"));
        QStringList children;
        for (int i = 0; i < items->childCount(); ++i)
            children << items->child(i)->text(0);
        QCOMPARE(children, (QStringList { "group", "dept", "plu", "disc", "tax", "clerk", "header", "trailer", "extheader" }));
        QVERIFY(items->isExpanded());
        const QString folder = QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("construction"))) + QDir::separator();
        QCOMPARE(w.databaseFolder(), folder + QStringLiteral("DB") + QDir::separator());
        QCOMPARE(w.imageFolder(), folder + QStringLiteral("Image") + QDir::separator());
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("btn_dept"))->styleSheet(),
            QStringLiteral("QPushButton#btn_dept{border-image:url(%1Image/Dept.ico);}").arg(folder));
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("btn_install"))->styleSheet(),
            QStringLiteral("QPushButton#btn_install{background-image:url(%1Image/install.png);}").arg(folder));
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("widget_image"))->size(), QSize(192, 64));
        auto* mode = w.findChild<QComboBox*>(QStringLiteral("comboBox_Connect"));
        QCOMPARE(mode->count(), 2);
        QCOMPARE(mode->currentText(), QStringLiteral("Serial"));
    }

    void languagesShapeTheWindow()
    {
        {
            const LanguageScope scope(Greek);
            TestWindow w(base(QStringLiteral("greek")));
            QCOMPARE(w.findChild<QAction*>(QStringLiteral("actionSave"))->text(), QStringLiteral("Αποθήκευση"));
            QCOMPARE(w.findChild<QMenu*>(QStringLiteral("menuFile"))->title(), QStringLiteral("Αρχείο"));
            // The described Greek titles have no mnemonic, and Alt+F and Alt+E open them still.
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            for (const auto& [key, name] : { std::pair(Qt::Key_F, "menuFile"), std::pair(Qt::Key_E, "menuEdit") }) {
                auto* menu = w.findChild<QMenu*>(QLatin1String(name));
                QTest::keyClick(&w, key, Qt::AltModifier);
                QTRY_VERIFY2(menu->isVisible(), name);
                menu->close();
            }
            QCOMPARE(tree(w)->headerItem()->text(0), QStringLiteral("Γραμμή Πλοήγησης"));
            QVERIFY(childItem(w, QStringLiteral("Μενού"), QStringLiteral("Τμήματα")));
            QVERIFY(w.findChild<QWidget*>(QStringLiteral("widget_LogId"))->isHidden());
        }
        {
            const LanguageScope scope(Hebrew);
            TestWindow w(base(QStringLiteral("hebrew")));
            QTreeWidgetItem* dept = childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("מחלקה"));
            QVERIFY(dept);
            emit tree(w)->itemClicked(dept, 0);
            QCOMPARE(w.currentCategory(), 2);
        }
        {
            const LanguageScope scope(Thailand);
            TestWindow w(base(QStringLiteral("thai")));
            QVERIFY(!w.findChild<QWidget*>(QStringLiteral("widget_LogId"))->isHidden());
        }
    }

    void administratorOpensEveryCategory()
    {
        m_session->logIn(1, 0);
        TestWindow w(base(QStringLiteral("admin")));
        createDatabase(m_dir.filePath(QStringLiteral("admin.db")));
        const struct {
            const char* button;
            int category;
            int page;
            const char* status;
        } buttons[] = { { "btn_group", 1, 1, "Group" }, { "btn_dept", 2, 1, "Dept" }, { "btn_plu", 3, 1, "Plu" },
            { "btn_tax", 4, 1, "Tax" }, { "btn_disc", 5, 1, "Disc" }, { "btn_clerk", 6, 1, "Clerk" },
            { "btn_th", 7, 1, "Header" }, { "btn_trailer", 8, 1, "Trailer" }, { "btn_graphic", 9, 2, "graphic" },
            { "btn_net", 10, 1, "NetParm" }, { "btn_system", 11, 3, "SysParm" } };
        for (const auto& b : buttons) {
            click(w, b.button);
            QCOMPARE(w.currentCategory(), b.category);
            QCOMPARE(pages(w)->currentIndex(), b.page);
            QCOMPARE(w.status(), QLatin1String(b.status));
        }
        w.on_btn_extth_clicked();
        QCOMPARE(w.currentCategory(), 12);
        QCOMPARE(w.status(), QStringLiteral("EXTHeader"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void headerPermissionOpensBothHeaders()
    {
        m_session->logIn(2, 0x40);
        TestWindow w(base(QStringLiteral("perm")));
        click(w, "btn_th");
        QCOMPARE(w.currentCategory(), 7);
        w.on_btn_extth_clicked();
        QCOMPARE(w.currentCategory(), 12);
        QCOMPARE(w.status(), QStringLiteral("EXTHeader"));
        for (const char* refused : { "btn_group", "btn_dept", "btn_plu", "btn_tax", "btn_disc", "btn_clerk",
                 "btn_trailer", "btn_graphic", "btn_net", "btn_system", "btn_admin" }) {
            MessageBox::clearShown();
            click(w, refused);
            QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: No authority.")));
            QCOMPARE(w.currentCategory(), 12);
            QCOMPARE(pages(w)->currentIndex(), 1);
            QCOMPARE(w.status(), QStringLiteral("EXTHeader"));
        }
    }

    // A category the user may not open is shown locked, button and tree entry alike: still
    // clickable, with the missing permission and who grants it in the tool tip.
    void lockedCategoriesNameTheMissingPermission()
    {
        m_session->logIn(2, PermPlu | PermTax);
        TestWindow w(base(QStringLiteral("locks")));
        const QString deptTip = QStringLiteral("Locked: opening Departments needs the DEPARTMENT permission. An "
                                               "administrator grants it in user management.");
        auto* dept = child<QPushButton>(w, "btn_dept");
        QVERIFY(dept->isEnabled());
        QCOMPARE(dept->toolTip(), QStringLiteral("Dept\n") + deptTip);
        QCOMPARE(dept->accessibleName(), QStringLiteral("Dept"));
        QCOMPARE(child<QPushButton>(w, "btn_plu")->toolTip(), QStringLiteral("Plu"));
        QVERIFY(child<QPushButton>(w, "btn_system")->toolTip().contains(QStringLiteral("the SYSTEM permission")));
        QVERIFY(child<QPushButton>(w, "btn_admin")->toolTip().contains(QStringLiteral("only the administrator")));
        QCOMPARE(childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("dept"))->toolTip(0), deptTip);
        QVERIFY(!childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("dept"))->icon(0).isNull());
        QCOMPARE(childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("tax"))->toolTip(0), QString());
        QVERIFY(childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("tax"))->icon(0).isNull());
        // So is the Windows menu's entry.
        QCOMPARE(child<QAction>(w, "actionDept")->statusTip(), deptTip);
        QVERIFY(!child<QAction>(w, "actionDept")->icon().isNull());
        click(w, "btn_dept");
        QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: No authority.")));
        // The next login builds a new window, which follows the new user's permissions.
        m_session->logIn(1, 0);
        TestWindow admin(base(QStringLiteral("locks-admin")));
        QCOMPARE(child<QPushButton>(admin, "btn_dept")->toolTip(), QStringLiteral("Dept"));
        QVERIFY(!child<QPushButton>(admin, "btn_admin")->toolTip().contains(QStringLiteral("Locked")));
    }

    void windowsMenuOpensPagesThroughThePermissionCheck()
    {
        m_session->logIn(2, 0x04); // departments only
        TestWindow w(base(QStringLiteral("windows")));
        createDatabase(m_dir.filePath(QStringLiteral("windows.db")));
        w.findChild<QAction*>(QStringLiteral("actionDept"))->trigger();
        QCOMPARE(w.currentCategory(), 2);
        QCOMPARE(pages(w)->currentIndex(), 1);
        QCOMPARE(w.status(), QStringLiteral("Dept"));
        w.findChild<QAction*>(QStringLiteral("actionGroup"))->trigger();
        QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: No authority.")));
        QCOMPARE(w.currentCategory(), 2);
        m_session->logIn(1, 0);
        w.findChild<QAction*>(QStringLiteral("actionGroup"))->trigger();
        QCOMPARE(w.currentCategory(), 1);
        QCOMPARE(w.status(), QStringLiteral("Group"));
    }

    void secondPermissionByte()
    {
        m_session->logIn(2, PermNet | PermSystem);
        TestWindow w(base(QStringLiteral("perm2")));
        createDatabase(m_dir.filePath(QStringLiteral("perm2.db")));
        click(w, "btn_net");
        QCOMPARE(w.currentCategory(), 10);
        click(w, "btn_system");
        QCOMPARE(w.currentCategory(), 11);
        click(w, "btn_graphic");
        QCOMPARE(w.currentCategory(), 11);
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void menuAndReturn()
    {
        TestWindow w(base(QStringLiteral("menu")));
        click(w, "btn_dept");
        w.findChild<QAction*>(QStringLiteral("actionMenu"))->trigger();
        QCOMPARE(pages(w)->currentIndex(), 0);
        QCOMPARE(w.status(), QStringLiteral("Menu"));
        QCOMPARE(w.currentCategory(), 2);
        click(w, "btn_dept");
        click(w, "btn_return");
        QCOMPARE(pages(w)->currentIndex(), 0);
        QCOMPARE(w.currentCategory(), 0);
    }

    void treeClicks()
    {
        const QString folder = base(QStringLiteral("tree"));
        currentDatabasePath.clear();
        TestWindow w(folder);
        QDir().mkpath(w.databaseFolder());
        createDatabase(w.databaseFolder() + QStringLiteral("shop.db"));
        const QString elsewhere = m_dir.filePath(QStringLiteral("elsewhere.db"));
        createDatabase(elsewhere);

        FileDialog::setNextFileName(w.databaseFolder() + QStringLiteral("shop.db"));
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(currentDatabasePath, w.databaseFolder() + QStringLiteral("shop.db"));
        QTreeWidgetItem* shop = childItem(w, QStringLiteral("DB VIEW"), QStringLiteral("shop.db"));
        QVERIFY(shop);

        // "DB VIEW" itself does nothing.
        currentDatabasePath = elsewhere;
        emit tree(w)->itemClicked(topItem(w, QStringLiteral("DB VIEW")), 0);
        QCOMPARE(currentDatabasePath, elsewhere);
        QCOMPARE(pages(w)->currentIndex(), 0);

        // A child opens its file in the database folder without switching pages.
        emit tree(w)->itemClicked(shop, 0);
        QCOMPARE(currentDatabasePath, w.databaseFolder() + QStringLiteral("shop.db"));
        QCOMPARE(pages(w)->currentIndex(), 0);
        QCOMPARE(w.currentCategory(), 0);

        emit tree(w)->itemClicked(childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("tax")), 0);
        QCOMPARE(w.currentCategory(), 4);
        emit tree(w)->itemClicked(childItem(w, QStringLiteral("ITEM VIEW"), QStringLiteral("disc")), 0);
        QCOMPARE(w.currentCategory(), 5);
        emit tree(w)->itemClicked(topItem(w, QStringLiteral("ITEM VIEW")), 0);
        QCOMPARE(w.currentCategory(), 0);
        QCOMPARE(pages(w)->currentIndex(), 0);

        // An empty answer adds nothing: the folder's sets are listed once each; a file
        // outside the folder is listed by its name.
        FileDialog::setNextFileName(QString());
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(topItem(w, QStringLiteral("DB VIEW"))->childCount(),
            QDir(w.databaseFolder()).entryList({ QStringLiteral("*.db") }, QDir::Files).size());
        FileDialog::setNextFileName(elsewhere);
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(currentDatabasePath, elsewhere);
        QVERIFY(childItem(w, QStringLiteral("DB VIEW"), QStringLiteral("elsewhere.db")));
    }

    void newDatabase()
    {
        TestWindow w(base(QStringLiteral("new")));
        answerNextDialog(QStringLiteral("shop"), true);
        w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
        const QString path = w.databaseFolder() + QStringLiteral("shop.db");
        QCOMPARE(w.newDatabaseName(), QStringLiteral("shop.db"));
        QVERIFY(QFile::exists(path));
        QCOMPARE(currentDatabasePath, path);
        // The new set is listed and selected, and the window's title names it.
        QCOMPARE(tree(w)->currentItem(), childItem(w, QStringLiteral("DB VIEW"), QStringLiteral("shop.db")));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tallvane \u2014 shop.db"));

        answerNextDialog(QStringLiteral("other"), false);
        w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
        QVERIFY(!QFile::exists(w.databaseFolder() + QStringLiteral("other.db")));
        QCOMPARE(currentDatabasePath, path);

        answerNextDialog(QStringLiteral("shop"), true);
        w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
        QCOMPARE(MessageBox::shown(), QStringList(QStringLiteral("Warnning!: %1 is exist.").arg(path)));

        // A name is that of a visible file of the database folder: "menu.db" is "menu"; an
        // empty name, a path or a leading dot is not taken, and the dialog says why.
        answerNextDialog(QStringLiteral("menu.db"), true);
        w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
        QCOMPARE(currentDatabasePath, w.databaseFolder() + QStringLiteral("menu.db"));
        const QStringList before
            = QDir(w.databaseFolder() + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::Hidden);
        const QPair<QString, QString> refused[] = { { QString(), QStringLiteral("(OK off)") },
            { QStringLiteral("../outside"), QStringLiteral("cannot hold '/' or '\\'") },
            { QStringLiteral(".db"), QStringLiteral("Type a name") },
            { QStringLiteral(".hidden"), QStringLiteral("dot") } };
        for (const auto& [typed, reason] : refused) {
            answerNextDialog(typed, true);
            w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
            QVERIFY2(s_refusal.contains(reason), qPrintable(typed + QLatin1String(": ") + s_refusal));
        }
        QCOMPARE(currentDatabasePath, w.databaseFolder() + QStringLiteral("menu.db"));
        QCOMPARE(QDir(w.databaseFolder()).entryList({ QStringLiteral("*.db") }, QDir::Files | QDir::Hidden),
            QStringList({ "menu.db", "shop.db" }));
        QCOMPARE(QDir(w.databaseFolder() + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::Hidden), before);
        // The open set alone is bold, which marks it once the selection moves to a table.
        const QTreeWidgetItem* sets = topItem(w, QStringLiteral("DB VIEW"));
        QVERIFY(sets->childCount() >= 2);
        for (int i = 0; i < sets->childCount(); ++i)
            QCOMPARE(sets->child(i)->font(0).bold(), sets->child(i)->text(0) == QStringLiteral("menu.db"));
    }

    void picturesAreBroughtToTheButtonSize()
    {
        const QString folder = base(QStringLiteral("art"));
        const QString install = folder + QStringLiteral("/Image/install.png");
        const QString save = folder + QStringLiteral("/Image/savefile.png");
        QImage small(10, 10, QImage::Format_ARGB32);
        small.fill(Qt::red);
        QVERIFY(small.save(install));
        // Drawn here: the pictures beside the test program are rewritten by other tests that
        // start the window there in other languages.
        QImage exact(80, 30, QImage::Format_ARGB32);
        exact.fill(Qt::blue);
        QVERIFY(exact.save(save));
        QFile saveFile(save);
        QVERIFY(saveFile.open(QIODevice::ReadOnly));
        const QByteArray saveBytes = saveFile.readAll();
        saveFile.close();
        QCOMPARE(QImage(save).size(), QSize(80, 30));
        {
            TestWindow w(folder);
        }
        QCOMPARE(QImage(install).size(), QSize(80, 40));
        QVERIFY(saveFile.open(QIODevice::ReadOnly));
        QCOMPARE(saveFile.readAll(), saveBytes);
    }

    void systemPageShowsAndSavesTheRecord()
    {
        System::setRecord(System::defaultRecord());
        const QString folder = base(QStringLiteral("system"));
        TestWindow w(folder);
        QDir().mkpath(w.databaseFolder());
        createDatabase(w.databaseFolder() + QStringLiteral("sys.db"));
        click(w, "btn_system");
        QCOMPARE(pages(w)->currentIndex(), 3);
        auto spin = [&](const char* name) { return w.findChild<QSpinBox*>(QLatin1String(name)); };
        auto box = [&](const char* name) { return w.findChild<QCheckBox*>(QLatin1String(name)); };
        QCOMPARE(spin("sb_ecrno")->value(), 0);
        QVERIFY(!spin("sb_ecrno")->isEnabled());
        QCOMPARE(spin("sb_ecrno")->maximum(), 255);
        QCOMPARE(spin("sb_printdensity")->value(), 3);
        QCOMPARE(spin("sb_printdensity")->maximum(), 4);
        QCOMPARE(spin("sb_ideltime")->value(), 5);
        QCOMPARE(spin("sb_amountmax")->maximum(), 99999999);
        QStringList ticked;
        for (QCheckBox* check : w.findChild<QWidget*>(QStringLiteral("widget_sysparm"))->findChildren<QCheckBox*>())
            if (check->isChecked())
                ticked << check->objectName();
        ticked.sort();
        QCOMPARE(ticked, (QStringList { "cb_buzzer", "cb_copyreceipt", "cb_decimal" }));

        // Any edit marks the page; a save or a reload clears the mark.
        auto* page = w.findChild<SystemPage*>(QStringLiteral("systemparm"));
        QSignalSpy modified(page, &SystemPage::modifiedChanged);
        QVERIFY(!page->isModified());
        box("cb_buzzer")->setChecked(false);
        spin("sb_amountmax")->setValue(99999999);
        QVERIFY(page->isModified());
        // A send takes the page into the record; the set, with no record stored, has the defaults.
        System::setBuzzer(false);
        page->reload();
        QVERIFY(!page->isModified());
        QVERIFY(box("cb_buzzer")->isChecked());
        box("cb_buzzer")->setChecked(false);
        spin("sb_amountmax")->setValue(99999999);
        spin("sb_ideltime")->setValue(42);
        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        QVERIFY(!page->isModified());
        QCOMPARE(modified.size(), 4);
        QSqlQuery query(QSqlDatabase::database(currentDatabasePath));
        QVERIFY(query.exec(QStringLiteral("select itemRandom, itemName, itemData from table_system")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("1"));
        QCOMPARE(query.value(1).toString(), QStringLiteral("sysparm"));
        const QByteArray stored = query.value(2).toByteArray();
        QCOMPARE(stored.size(), 64);
        QCOMPARE(uchar(stored.at(4)), uchar(0x29));
        QCOMPARE(stored.mid(54, 4), hexBytes("FF E0 F5 05"));
        QCOMPARE(uchar(stored.at(21)), uchar(42));
        QVERIFY(!query.next());
        query.finish();

        // The page's own Back button leaves it; shown again, it holds what the set keeps.
        System::setRecord(System::defaultRecord());
        QSignalSpy back(page, &SystemPage::backRequested);
        page->findChild<QPushButton*>(QStringLiteral("btn_return"))->click();
        QCOMPARE(back.size(), 1);
        QCOMPARE(pages(w)->currentIndex(), 0);
        click(w, "btn_system");
        QCOMPARE(spin("sb_ideltime")->value(), 42);
        QVERIFY(!box("cb_buzzer")->isChecked());

        // A set that refuses the record: false, said in the status bar, and the edit stays.
        QVERIFY(query.exec(QStringLiteral("create trigger refuse before insert on table_system "
                                          "begin select raise(abort, 'refused by the test'); end")));
        spin("sb_ideltime")->setValue(7);
        QVERIFY(!page->save());
        QCOMPARE(w.status(), QStringLiteral("Not saved (refused by the test): the database keeps its previous rows."));
        QVERIFY(page->isModified());
        QCOMPARE(spin("sb_ideltime")->value(), 7);
        System::setRecord(System::defaultRecord());
    }

    void accessibleAndKeyboardFriendly()
    {
        TestWindow w(base(QStringLiteral("a11y")));
        for (QPushButton* button : w.findChildren<QPushButton*>()) {
            if (!button->text().isEmpty())
                continue;
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        }
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("btn_dept"))->accessibleName(), QStringLiteral("Dept"));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("btn_install"))->accessibleName(), QStringLiteral("install"));

        QSet<QString> buddies;
        for (QLabel* label : w.findChildren<QLabel*>())
            if (label->buddy())
                buddies << label->buddy()->objectName();
        QList<QWidget*> inputs;
        for (QLineEdit* edit : w.findChildren<QLineEdit*>())
            if (!qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) && !edit->parentWidget()->inherits("QComboBox"))
                inputs << edit;
        for (QAbstractSpinBox* spin : w.findChildren<QAbstractSpinBox*>())
            if (!spin->objectName().startsWith(QLatin1String("qt_"))) // the calendar's own year field
                inputs << spin;
        QVERIFY(inputs.size() >= 7);
        for (QWidget* input : inputs)
            QVERIFY2(buddies.contains(input->objectName()), qPrintable(input->objectName()));

        QCOMPARE(w.findChild<QAction*>(QStringLiteral("actionNew"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("actionOpen"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("actionSave"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QVERIFY(!w.findChild<QAction*>(QStringLiteral("actionOpen"))->icon().isNull());
        QVERIFY(!w.findChild<QAction*>(QStringLiteral("actionInsert"))->icon().isNull());
    }

    // The user database, the configuration folder, the pictures and the link settings all
    // follow the one decision of where the program's files live.
    void filesShareTheDataFolder()
    {
        MainWindow w;
        const QString folder = QDir::toNativeSeparators(dataFolder()) + QDir::separator();
        QCOMPARE(w.databaseFolder(), folder + QStringLiteral("DB") + QDir::separator());
        QCOMPARE(w.imageFolder(), folder + QStringLiteral("Image") + QDir::separator());
        QCOMPARE(usrdb::defaultFilePath(), folder + QStringLiteral("USRData.db"));
        QCOMPARE(QDir::toNativeSeparators(LinkSettings::filePath()), folder + QStringLiteral("tallvane.ini"));
    }

    // Opening a damaged file says what is wrong with it in the status bar, at once and for as
    // long as it is open; saving, even an empty grid, writes nothing into it.
    void damagedDatabaseIsNamedInTheStatusBar_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("reason");
        QTest::newRow("random bytes") << "random" << "shop.db cannot be read: file is not a database." << "file is not a database";
        QTest::newRow("truncated") << "truncated" << "shop.db cannot be read: database disk image is malformed."
                                   << "database disk image is malformed";
        QTest::newRow("no table_dept") << "drop" << "shop.db: no such table: table_dept." << "no such table: table_dept";
    }

    void damagedDatabaseIsNamedInTheStatusBar()
    {
        QFETCH(QString, damage);
        QFETCH(QString, problem);
        QFETCH(QString, reason);
        TestWindow w(base(QStringLiteral("damaged-") + damage));
        QDir().mkpath(w.databaseFolder());
        const QString sound = w.databaseFolder() + QStringLiteral("sound.db");
        const QString path = w.databaseFolder() + QStringLiteral("shop.db");
        createDatabase(sound);
        QVERIFY(Dept::instance()->saveTable({ textRow({ "1", "BREAD", "1", "10000000", "00000000", "1", "1.00", "9.99", "" }) }));
        if (damage == QLatin1String("random")) {
            QByteArray noise(4096, 0);
            QRandomGenerator random(5);
            for (char& byte : noise)
                byte = char(random.bounded(256));
            QVERIFY(writeFileBytes(path, noise));
        } else if (damage == QLatin1String("truncated")) {
            const QByteArray real = fileBytes(sound);
            QVERIFY(writeFileBytes(path, real.left(real.size() - 4096)));
        } else {
            createDatabase(path);
            QVERIFY(QSqlQuery(QSqlDatabase::database(path)).exec(QStringLiteral("drop table table_dept")));
        }
        const QByteArray before = fileBytes(path);

        click(w, "btn_dept");
        FileDialog::setNextFileName(path);
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(MessageBox::shown(), QStringList());
        QVERIFY2(DatabaseStatus::shown(w.statusBar()).startsWith(problem), qPrintable(DatabaseStatus::shown(w.statusBar())));
        QVERIFY(DatabaseStatus::shown(w.statusBar()).contains(QStringLiteral("Nothing was changed")));
        QCOMPARE(w.itemModel()->rowCount(), 0);

        // Still said on another page, after the page's own status text.
        click(w, "btn_plu");
        click(w, "btn_dept");
        QVERIFY(DatabaseStatus::shown(w.statusBar()).startsWith(problem));
        w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        QCOMPARE(w.status(), QStringLiteral("Not saved (%1): the database keeps its previous rows.").arg(reason));
        QCOMPARE(MessageBox::shown(), QStringList());
        QCOMPARE(fileBytes(path), before);

        // A sound file clears the account, from the tree as from the open command.
        emit tree(w)->itemClicked(childItem(w, QStringLiteral("DB VIEW"), QStringLiteral("shop.db")), 0);
        QVERIFY(DatabaseStatus::shown(w.statusBar()).startsWith(problem));
        FileDialog::setNextFileName(sound);
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCOMPARE(DatabaseStatus::shown(w.statusBar()), QString());
        QCOMPARE(w.itemModel()->rowCount(), 1);
    }

    // A file the operator may only read shows its rows; a save is refused with the reason and
    // the grid keeps the operator's edits.
    void readOnlyDatabaseKeepsTheGrid()
    {
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        TestWindow w(base(QStringLiteral("readonly")));
        const QString path = rights.filePath(QStringLiteral("shop.db"));
        createDatabase(path);
        const ItemTable rows { textRow({ "1", "BREAD", "1", "10000000", "00000000", "1", "1.00", "9.99", "" }),
            textRow({ "2", "MILK", "1", "10000000", "00000000", "1", "1.00", "9.99", "" }) };
        QVERIFY(Dept::instance()->saveTable(rows));
        createDatabase(m_dir.filePath(QStringLiteral("readonly-other.db")));
        QVERIFY(rights.setWritable(path, false));
        const QByteArray before = fileBytes(path);

        click(w, "btn_dept");
        {
            OrdinaryRights::Scope scope;
            FileDialog::setNextFileName(path);
            w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
            QCOMPARE(DatabaseStatus::shown(w.statusBar()), QStringLiteral("shop.db is read-only: saves are refused."));
            QCOMPARE(w.itemModel()->rowCount(), 2);
            QVERIFY(w.itemModel()->setData(w.itemModel()->index(1, 1), QStringLiteral("CHEESE")));
            w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
        }
        QCOMPARE(w.status(),
            QStringLiteral("Not saved (attempt to write a readonly database): the database keeps its previous rows."));
        QCOMPARE(MessageBox::shown(), QStringList());
        const ItemTable grid = ItemGrid::collect(w.itemModel(), w.currentCategory(), false);
        QCOMPARE(grid.size(), 2);
        QCOMPARE(grid.at(1).at(1).toString(), QStringLiteral("CHEESE"));
        QCOMPARE(fileBytes(path), before);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
