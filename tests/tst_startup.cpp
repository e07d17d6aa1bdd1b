#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "testsupport.h"
#include "base/language.h"
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

    void languageIsAppliedBeforeTheWindow()
    {
        const LanguageScope english(English); // the login switches to Greek
        QString treeHeader;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            emit dialog->findChild<QComboBox*>(QStringLiteral("comboBox_language"))->activated(1);
            dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_username"))->setText(QStringLiteral("admin"));
            dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_password"))->setText(QStringLiteral("604218"));
            QTimer::singleShot(50, [&] {
                MainWindow* window = mainWindow();
                QVERIFY(window);
                QVERIFY(window->isVisible());
                treeHeader = window->findChild<QTreeWidget*>(QStringLiteral("treeWidget_Item"))->headerItem()->text(0);
                window->close();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("btn_login"))->click();
        });
        QCOMPARE(runTallvane(m_dir.filePath(QStringLiteral("USRData.db"))), 0);
        QCOMPARE(treeHeader, QStringLiteral("Γραμμή Πλοήγησης"));
        QCOMPARE(usrdb::instance()->loginRecord().UserGroup, 1);
        QVERIFY(!mainWindow());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
