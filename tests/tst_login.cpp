#include "testsupport.h"
#include "users/language.h"
#include "users/logindialog.h"
#include "users/usrdb.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestLogin : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    usrdb* m_db = nullptr;

    struct Attempt {
        bool accepted;
        QStringList notices;
        QString nameAfter;
        QString passwordAfter;
        bool nameHasFocus;
    };

    Attempt login(const QString& name, const QString& password)
    {
        NoticeRecorder notices;
        loginDialog dialog;
        dialog.show();
        auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_username"));
        auto* passwordEdit = dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_password"));
        auto* loginButton = dialog.findChild<QPushButton*>(QStringLiteral("btn_login"));
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QTest::keyClicks(nameEdit, name);
        passwordEdit->setFocus();
        QTest::keyClicks(passwordEdit, password);
        QTest::mouseClick(loginButton, Qt::LeftButton);
        return { accepted.count() == 1, notices.shown, nameEdit->text(), passwordEdit->text(),
            dialog.focusWidget() == nameEdit };
    }

private slots:
    void initTestCase()
    {
        m_db = new usrdb(m_dir.filePath(QStringLiteral("USRData.db")));
        usrdb::setInstance(m_db);
    }

    void cleanupTestCase()
    {
        usrdb::setInstance(nullptr);
        delete m_db;
    }

    void labelsAreBuddies()
    {
        loginDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("User Login"));
        for (const auto& pair : { std::pair { "label_username", "lineEdit_username" },
                 std::pair { "label_password", "lineEdit_password" }, std::pair { "label_language", "comboBox_language" } }) {
            auto* label = dialog.findChild<QLabel*>(QLatin1String(pair.first));
            QVERIFY(label);
            QCOMPARE(label->buddy()->objectName(), QLatin1String(pair.second));
        }
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboBox_language"));
        QCOMPARE(combo->count(), 5);
        QCOMPARE(combo->itemText(4), QStringLiteral("Thailand"));
    }

    void adminLogsIn()
    {
        const Attempt attempt = login(QStringLiteral("admin"), QStringLiteral("604218"));
        QVERIFY(attempt.accepted);
        QVERIFY(attempt.notices.isEmpty());
        const UserInfo& user = m_db->loginRecord();
        QCOMPARE(user.UserGroup, 1);
        QCOMPARE(QByteArray(user.UserName), QByteArray("admin"));
        QCOMPARE(user.UserPerm, 1u);
    }

    void nameIsTrimmedPasswordIsNot()
    {
        QVERIFY(login(QStringLiteral("  admin "), QStringLiteral("604218")).accepted);
        const Attempt trailing = login(QStringLiteral("admin"), QStringLiteral("604218 "));
        QVERIFY(!trailing.accepted);
        QCOMPARE(trailing.notices, QStringList(QStringLiteral("Warning!: password err!")));
    }

    void refusalsClearTheFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("notice");
        QTest::newRow("unknown name") << "nobody" << "604218" << "Warning!: username is not exist!";
        QTest::newRow("wrong password") << "admin" << "604219" << "Warning!: password err!";
        QTest::newRow("password case") << "Admin" << "604218" << "Warning!: username is not exist!";
    }

    void refusalsClearTheFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, notice);
        const Attempt attempt = login(name, password);
        QVERIFY(!attempt.accepted);
        QCOMPARE(attempt.notices, QStringList(notice));
        QCOMPARE(attempt.nameAfter, QString());
        QCOMPARE(attempt.passwordAfter, QString());
        QVERIFY(attempt.nameHasFocus);
    }

    void languageChoice()
    {
        currentLanguage = English;
        loginDialog dialog;
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboBox_language"));
        emit combo->activated(1);
        QCOMPARE(int(currentLanguage), int(Greek));
        emit combo->activated(0);
        QCOMPARE(int(currentLanguage), int(English));
        emit combo->activated(4);
        QCOMPARE(int(currentLanguage), int(Thailand));
        currentLanguage = English;
    }

    void exitRejects()
    {
        loginDialog dialog;
        dialog.show();
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btn_exit")), Qt::LeftButton);
        QCOMPARE(rejected.count(), 1);
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
