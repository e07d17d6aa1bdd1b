#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "base/language.h"
#include "link/linksettings.h"
#include "testsupport.h"
#include "users/usrdb.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

class TestStartup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    JournalScope m_journal { m_dir.filePath(QStringLiteral("Journal.db")) };

    static MainWindow* mainWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<MainWindow*>(widget))
                return window;
        return nullptr;
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }

    void cancelledLoginEndsQuietly()
    {
        LogCapture log;
        const int codecs = QTextCodec::availableCodecs().size();
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("User Login"));
            // The codec list is written before the dialog shows, one line per codec, and
            // the user database already exists.
            QCOMPARE(log.count(QStringLiteral("code is :")), codecs);
            QVERIFY(usrdb::instance());
            QVERIFY(!mainWindow());
            dialog->findChild<QPushButton*>(QStringLiteral("btn_exit"))->click();
            checked = true;
        });
        QCOMPARE(runTallvane(m_dir.filePath(QStringLiteral("USRData.db"))), 0);
        QVERIFY(checked);
        QVERIFY(!mainWindow());
        QVERIFY(log.contains(QCoreApplication::applicationDirPath() + QStringLiteral("/plugin")));
    }

    // Runs the program: logs in as the administrator in `language` (the combo box's entry),
    // hands the shown window to `look` and closes it. The program's status.
    int runLoggedIn(int language, const std::function<void(MainWindow*)>& look)
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            emit dialog->findChild<QComboBox*>(QStringLiteral("comboBox_language"))->activated(language);
            dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_username"))->setText(QStringLiteral("admin"));
            dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_password"))->setText(QStringLiteral("604218"));
            QTimer::singleShot(50, [&] {
                MainWindow* window = mainWindow();
                QVERIFY(window);
                QVERIFY(window->isVisible());
                look(window);
                window->close();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("btn_login"))->click();
        });
        return runTallvane(m_dir.filePath(QStringLiteral("USRData.db")));
    }

    void languageIsAppliedBeforeTheWindow()
    {
        const LanguageScope english(English); // the login switches to Greek
        QString treeHeader;
        QCOMPARE(
            runLoggedIn(1,
                [&](MainWindow* window) {
                    treeHeader
                        = window->findChild<QTreeWidget*>(QStringLiteral("treeWidget_Item"))->headerItem()->text(0);
                }),
            0);
        QCOMPARE(treeHeader, QStringLiteral("Γραμμή Πλοήγησης"));
        QCOMPARE(usrdb::instance()->loginRecord().UserGroup, 1);
        QVERIFY(!mainWindow());
    }

    // The window opens as large as it was left at the last start.
    void windowOpensAsItWasLeft()
    {
        const LanguageScope english(English);
        LinkSettings::setFilePath(m_dir.filePath(QStringLiteral("tallvane.ini")));
        QSize first, second, screen;
        bool firstMaximised = false, secondMaximised = true;
        QCOMPARE(runLoggedIn(0,
                     [&](MainWindow* window) {
                         first = window->size();
                         firstMaximised = window->isMaximized();
                         screen = window->screen()->availableGeometry().size();
                         window->showNormal();
                         window->resize(1200, 700);
                     }),
            0);
        QCOMPARE(runLoggedIn(0,
                     [&](MainWindow* window) {
                         second = window->size();
                         secondMaximised = window->isMaximized();
                     }),
            0);
        LinkSettings::setFilePath(QString());
        // The first time, on a screen too small for 1280 x 600 (the test screen is 800 wide), the
        // window takes the whole screen instead, as far as its own minimum lets it.
        QVERIFY2(screen.width() < 1280, "the test screen is expected to be narrower than 1280");
        QVERIFY(firstMaximised);
        QVERIFY2(first.width() < 1280 && first.height() <= screen.height(),
            qPrintable(QStringLiteral("%1x%2").arg(first.width()).arg(first.height())));
        QCOMPARE(second, QSize(1200, 700));
        QVERIFY(!secondMaximised);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
