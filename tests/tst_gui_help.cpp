#include "app/dialogs/messagebox.h"
#include "app/grid/gridmodel.h"
#include "app/help/helpmenu.h"
#include "app/help/quickstartdialog.h"
#include "base/categorynumber.h"
#include "base/programinfo.h"
#include "guisupport.h"
#include "storage/datafolder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Help > Quick start at the page's own section (F1), Help > About, and File > Log out, which
// asks about unsaved work like every other way out.
class TestGuiHelp : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;

private slots:
    void initTestCase() { m_session = std::make_unique<GuiTestSession>(m_dir.path()); }

    void quickStartOpensAtThePagesSection_data()
    {
        QTest::addColumn<int>("category"); // 0: the button page
        QTest::addColumn<QString>("focus"); // a widget to give the focus first, or none
        QTest::addColumn<QString>("section");
        QTest::newRow("button page") << 0 << ""
                                     << "sets";
        QTest::newRow("PLU page") << int(CategoryPlu) << ""
                                  << "pages";
        QTest::newRow("logo page") << int(CategoryGraphic) << ""
                                   << "logo";
        QTest::newRow("connection panel") << int(CategoryPlu) << "comboBox_Connect"
                                          << "connect";
    }

    void quickStartOpensAtThePagesSection()
    {
        QFETCH(int, category);
        QFETCH(QString, focus);
        QFETCH(QString, section);
        TestWindow window(m_dir.path());
        if (category)
            window.openCategory(category);
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (!focus.isEmpty())
            window.findChild<QWidget*>(focus)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_F1);
        auto* help = window.findChild<HelpMenu*>();
        QVERIFY(help && help->quickStart());
        QVERIFY(help->quickStart()->isVisible());
        QCOMPARE(help->quickStart()->shownSection(), section);
    }

    void aboutNamesVersionAndDataFolder()
    {
        TestWindow window(m_dir.path());
        QStringList texts;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            for (const QLabel* label : about->findChildren<QLabel*>())
                texts << label->text();
            about->close();
        });
        child<QAction>(window, "actionAbout")->trigger();
        const QString all = texts.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(tallvaneVersion()), qPrintable(all));
        QVERIFY2(all.contains(QDir::toNativeSeparators(dataFolder())), qPrintable(all));
        QVERIFY2(all.contains(QString::fromLatin1(qVersion())), qPrintable(all));
    }

    // Alt+F opens File; the arrow keys move among the category buttons; Enter presses a focused
    // one as the space bar does.
    void keyboardReachesMenusAndButtons()
    {
        TestWindow window(m_dir.path());
        QCOMPARE(child<QMenu>(window, "menuFile")->title(), QStringLiteral("&File"));
        auto* dept = child<QPushButton>(window, "btn_dept");
        // The arrow keys walk the buttons as they stand (mirrored right to left), stopping
        // at the edges.
        const struct {
            Qt::LayoutDirection direction;
            Qt::Key key;
            const char* reached;
        } steps[] = { { Qt::LeftToRight, Qt::Key_Right, "btn_plu" }, { Qt::LeftToRight, Qt::Key_Down, "btn_th" },
            { Qt::LeftToRight, Qt::Key_Left, "btn_clerk" }, { Qt::LeftToRight, Qt::Key_Up, "btn_dept" },
            { Qt::LeftToRight, Qt::Key_Up, "btn_dept" }, { Qt::RightToLeft, Qt::Key_Left, "btn_plu" },
            { Qt::RightToLeft, Qt::Key_Right, "btn_dept" }, { Qt::RightToLeft, Qt::Key_Right, "btn_group" },
            { Qt::RightToLeft, Qt::Key_Right, "btn_group" } };
        QApplication::setActiveWindow(&window);
        dept->setFocus(Qt::TabFocusReason);
        for (const auto& step : steps) {
            window.setLayoutDirection(step.direction);
            QTest::keyClick(QApplication::focusWidget(), step.key);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(step.reached));
        }
        window.setLayoutDirection(Qt::LeftToRight);
        dept->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dept, Qt::Key_Return);
        QCOMPARE(window.currentCategory(), int(CategoryDept));
        // The pages' plain push buttons answer Enter too, as in a dialog: Compare on the panel
        // (with no register to compare with, it says so in the error log).
        auto* compare = child<QPushButton>(window, "btn_compare");
        compare->setFocus(Qt::TabFocusReason);
        QVERIFY(window.log("textEdit_rcv").isEmpty());
        QTest::keyClick(compare, Qt::Key_Return);
        QVERIFY(!window.log("textEdit_rcv").isEmpty());
    }

    void logOutAsksAboutUnsavedWork()
    {
        TestWindow window(m_dir.path());
        window.openCategory(CategoryDept);
        GridModel* model = window.itemModel();
        QVERIFY(model->insertRows(0, 1));
        QVERIFY(window.windowTitle().endsWith(QLatin1Char('*')));

        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        child<QAction>(window, "actionLogOut")->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(!window.loggedOut());
        QCOMPARE(MessageBox::shown().size(), 1);

        MessageBox::setNextAnswer(QMessageBox::Discard);
        child<QAction>(window, "actionLogOut")->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(window.loggedOut());
    }
};

QTEST_MAIN(TestGuiHelp)
#include "tst_gui_help.moc"
