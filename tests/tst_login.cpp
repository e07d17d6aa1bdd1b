#include "app/dialogs/adminmoddialog.h"
#include "app/dialogs/logindialog.h"
#include "app/displaylanguage.h"
#include "base/language.h"
#include "guisupport.h"
#include "link/linksettings.h"
#include "testsupport.h"
#include "users/password.h"
#include "users/usrdb.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestLogin : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<UserDatabaseScope> m_users;
    usrdb* m_db = nullptr;

    struct Attempt {
        bool accepted;
        QStringList notices;
        QString nameAfter;
        QString passwordAfter;
        bool nameHasFocus;
    };

    // Key clicks for Latin-1 text; other letters are inserted as an input method would.
    static void type(QLineEdit* edit, const QString& text)
    {
        const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; });
        if (latin1)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text);
    }

    Attempt login(const QString& name, const QString& password)
    {
        NoticeRecorder notices;
        loginDialog dialog;
        dialog.show();
        auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_username"));
        auto* passwordEdit = dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_password"));
        auto* loginButton = dialog.findChild<QPushButton*>(QStringLiteral("btn_login"));
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        type(nameEdit, name);
        passwordEdit->setFocus();
        type(passwordEdit, password);
        QTest::mouseClick(loginButton, Qt::LeftButton);
        return { accepted.count() == 1, notices.shown, nameEdit->text(), passwordEdit->text(),
            dialog.focusWidget() == nameEdit };
    }

private slots:
    void init()
    {
        m_users = std::make_unique<UserDatabaseScope>(m_dir.filePath(QStringLiteral("USRData.db")));
        m_db = m_users->database();
        QFile::remove(m_dir.filePath(QStringLiteral("tallvane.ini")));
        LinkSettings::setFilePath(m_dir.filePath(QStringLiteral("tallvane.ini")));
    }

    void cleanup()
    {
        m_users.reset();
        LinkSettings::setFilePath(QString());
        installDisplayTranslation(English); // a language chosen in a dialog puts up its own
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
        // Each language is named as the list's English has it and in its own script, whatever
        // the dialog speaks: a dealer finds his own.
        QVERIFY(combo->itemText(4).contains(QStringLiteral("Thailand (ไทย)")));
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("label_userDbProblem")));
        // Passwords are typed unseen, here and where users are added or the administrator's changes.
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_password"))->echoMode(), QLineEdit::Password);
        adminmodDialog users;
        for (const char* name : { "Password1edit", "Password2edit", "OldPwdedit", "NewPwd1edit", "NewPwd2edit" })
            QVERIFY2(users.findChild<QLineEdit*>(QLatin1String(name))->echoMode() == QLineEdit::Password, name);
    }

    void adminLogsIn()
    {
        const Attempt attempt = login(QStringLiteral("admin"), QStringLiteral("604218"));
        QVERIFY(attempt.accepted);
        QVERIFY(attempt.notices.isEmpty());
        // The typed password does not stay in the hidden dialog.
        QCOMPARE(attempt.passwordAfter, QString());
        QCOMPARE(attempt.nameAfter, QStringLiteral("admin"));
        const UserInfo& user = m_db->loginRecord();
        QCOMPARE(user.UserGroup, 1);
        QCOMPARE(user.UserName, QStringLiteral("admin"));
        QCOMPARE(user.UserPerm, 1u);
    }

    // Until the first password is changed or another user is added, the dialog says how to
    // get in.
    void firstStartSaysHowToGetIn()
    {
        // A user database of its own, put aside afterwards.
        const QString path = m_dir.filePath(QStringLiteral("USRData.db"));
        m_users.reset();
        QVERIFY(QFile::rename(path, path + QStringLiteral(".kept")));
        m_users = std::make_unique<UserDatabaseScope>(path);
        usrdb* db = m_users->database();
        auto putBack = qScopeGuard([&] {
            m_users.reset();
            QFile::remove(path);
            QFile::rename(path + QStringLiteral(".kept"), path);
        });
        auto hint = [] {
            loginDialog dialog;
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("label_firstStart"));
            return label ? label->text() : QString();
        };
        QVERIFY(hint().contains(QStringLiteral("log in as admin with the password 604218")));
        QVERIFY(hint().contains(QStringLiteral("(the USERS button)")));
        const QString table = QStringLiteral("USRMG");
        UserInfo admin = makeUserInfo(1, QStringLiteral("admin"), QString(), 0);
        QCOMPARE(db->findUser(&admin, table), 0);
        UserInfo changed = admin;
        changed.UserPassword = hashPassword(QStringLiteral("7391"));
        QVERIFY(db->modifyUser(changed, admin, table));
        QCOMPARE(hint(), QString());
        QVERIFY(db->modifyUser(admin, changed, table));
        QVERIFY(!hint().isEmpty());
        QVERIFY(db->insertUser(makeUserInfo(2, QStringLiteral("op1"), hashPassword(QStringLiteral("1")), 0), table));
        QCOMPARE(hint(), QString());
        // The screen no longer tells, but the first password still lets anyone in: the login
        // says so to the administrator; op1 and a changed password hear nothing.
        const Attempt first = login(QStringLiteral("admin"), QStringLiteral("604218"));
        QVERIFY(first.accepted);
        QCOMPARE(first.notices.size(), 1);
        QVERIFY2(first.notices.first().contains(QStringLiteral("still has the first password")),
            qPrintable(first.notices.first()));
        QVERIFY(login(QStringLiteral("op1"), QStringLiteral("1")).notices.isEmpty());
        QVERIFY(db->modifyUser(changed, admin, table));
        const Attempt changedLogin = login(QStringLiteral("admin"), QStringLiteral("7391"));
        QVERIFY(changedLogin.accepted && changedLogin.notices.isEmpty());
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

    // Neither a longer name nor a longer password reaches an account through its first 31
    // bytes, whether the password is hashed or still clear text from an older file.
    void wholeTextsAreCompared_data()
    {
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedPassword");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<QString>("notice");
        const QString name31(31, QLatin1Char('n'));
        const QString pw31(31, QLatin1Char('p'));
        QTest::newRow("40-character name") << name31 << hashPassword(pw31) << name31 + "123456789" << pw31
                                           << "Warning!: username is not exist!";
        QTest::newRow("32-character password, hashed")
            << "hashed31" << hashPassword(pw31) << "hashed31" << pw31 + "x" << "Warning!: password err!";
        QTest::newRow("32-character password, clear") << "clear31" << pw31 << "clear31" << pw31 + "x"
                                                      << "Warning!: password err!";
        QTest::newRow("exact, hashed") << "exact31" << hashPassword(pw31) << "exact31" << pw31 << "";
    }

    void wholeTextsAreCompared()
    {
        QFETCH(QString, storedName);
        QFETCH(QString, storedPassword);
        QFETCH(QString, typedName);
        QFETCH(QString, typedPassword);
        QFETCH(QString, notice);
        if (m_db->userExists(storedName, QStringLiteral("USRMG")) == 0)
            QVERIFY(m_db->insertUser(makeUserInfo(2, storedName, storedPassword, PermPlu), QStringLiteral("USRMG")));
        const Attempt attempt = login(typedName, typedPassword);
        QCOMPARE(attempt.accepted, notice.isEmpty());
        QCOMPARE(attempt.notices, notice.isEmpty() ? QStringList() : QStringList(notice));
    }

    void clearTextRowIsHashedAtLogin()
    {
        QVERIFY(m_db->insertUser(makeUserInfo(2, "legacy", "old-pw", PermPlu), QStringLiteral("USRMG")));
        QVERIFY(login(QStringLiteral("legacy"), QStringLiteral("old-pw")).accepted);
        UserInfo stored = makeUserInfo(0, "legacy", QString(), 0);
        QCOMPARE(m_db->findUser(&stored, QStringLiteral("USRMG")), 0);
        QVERIFY(isPasswordHash(stored.UserPassword));
        QCOMPARE(m_db->loginRecord().UserPassword, stored.UserPassword);
        QVERIFY(login(QStringLiteral("legacy"), QStringLiteral("old-pw")).accepted);
        const Attempt wrong = login(QStringLiteral("legacy"), QStringLiteral("old-pX"));
        QCOMPARE(wrong.notices, QStringList(QStringLiteral("Warning!: password err!")));
    }

    // A user file that cannot be read is named, with its place, before anyone types; every
    // login is refused and the file stays as it was.
    void unreadableDatabaseIsNamedAtStart_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not a database") << QByteArray(2048, '#') << "file is not a database";
        QTest::newRow("another table") << QByteArray() << "no such table: USRMG";
    }

    void unreadableDatabaseIsNamedAtStart()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        m_users.reset(); // the user databases share one connection
        const QString damaged = m_dir.filePath(QStringLiteral("damaged-%1.db").arg(QTest::currentDataTag()));
        if (content.isEmpty()) {
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                other.setDatabaseName(damaged);
                QVERIFY(other.open());
                QVERIFY(QSqlQuery(other).exec(QStringLiteral("create table shifts (clerk, hours)")));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        } else {
            QVERIFY(writeFileBytes(damaged, content));
        }
        const QByteArray before = fileBytes(damaged);
        const UserDatabaseScope users(damaged);
        {
            loginDialog dialog;
            dialog.show();
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("label_userDbProblem"));
            QVERIFY(label);
            QVERIFY(label->isVisible());
            QVERIFY(label->text().contains(problem));
            QVERIFY(label->text().contains(QDir::toNativeSeparators(damaged)));
        }
        for (const char* password : { "604218", "", "' OR '1'='1" }) {
            const Attempt attempt = login(QStringLiteral("admin"), QLatin1String(password));
            QVERIFY(!attempt.accepted);
            QCOMPARE(attempt.notices, QStringList(QStringLiteral("Warning!: username is not exist!")));
        }
        QCOMPARE(fileBytes(damaged), before);
    }

    void languageChoice()
    {
        const LanguageScope english(English);
        loginDialog dialog;
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboBox_language"));
        emit combo->activated(1);
        QCOMPARE(int(currentLanguage), int(Greek));
        // The dialog speaks the language chosen at once, right to left where it reads so.
        QTRY_COMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btn_login"))->text(), QStringLiteral("Είσοδος"));
        emit combo->activated(2);
        QTRY_VERIFY(dialog.isRightToLeft());
        emit combo->activated(0);
        QCOMPARE(int(currentLanguage), int(English));
        emit combo->activated(4);
        QCOMPARE(int(currentLanguage), int(Thailand));
    }

    // The language logged in with comes preselected in the next login on this PC and stands
    // as chosen; one only picked in a dialog that was left is not remembered.
    void languageIsRemembered()
    {
        const LanguageScope english(English);
        auto combo = [](QDialog& dialog) { return dialog.findChild<QComboBox*>(QStringLiteral("comboBox_language")); };
        {
            loginDialog left;
            QCOMPARE(combo(left)->currentIndex(), 0);
            combo(left)->setCurrentIndex(1);
            emit combo(left)->activated(1);
            left.reject();
        }
        {
            loginDialog dialog;
            QCOMPARE(combo(dialog)->currentIndex(), 0);
            combo(dialog)->setCurrentIndex(3);
            emit combo(dialog)->activated(3);
            dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_username"))->setText(QStringLiteral("admin"));
            dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_password"))->setText(QStringLiteral("604218"));
            dialog.findChild<QPushButton*>(QStringLiteral("btn_login"))->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        currentLanguage = English; // as the start-up flow sets it before each login
        loginDialog next;
        QCOMPARE(combo(next)->currentIndex(), 3); // Arabic
        QCOMPARE(int(currentLanguage), int(Arabic));
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
