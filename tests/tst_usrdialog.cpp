#include "app/dialogs/adminmoddialog.h"
#include "app/dialogs/logindialog.h"
#include "app/dialogs/messagebox.h"
#include "app/dialogs/usrdialog.h"
#include "app/mainwindow.h"
#include "base/language.h"
#include "guisupport.h"
#include "journal/journal.h"
#include "users/password.h"
#include "users/usrdb.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const QString kTable = QStringLiteral("USRMG");
const char* const kBoxes[]
    = { "clerkcheckBox", "groupcheckBox", "departmentcheckBox", "plucheckBox", "discountcheckBox", "taxcheckBox",
          "headercheckBox", "trailercheckBox", "graphiccheckBox", "netcheckBox", "systemcheckBox" };
} // namespace

class TestUsrdialog : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GuiTestSession> m_session;
    int m_folders = 0;

    usrdb* db() const { return m_session->userDatabase(); }

    static QLineEdit* edit(QWidget* parent, const char* name) { return child<QLineEdit>(parent, name); }
    static QTableWidget* list(QWidget* dialog) { return child<QTableWidget>(dialog, "UserList"); }

    void addUsers(const QStringList& names, quint32 perm = PermAll)
    {
        for (const QString& name : names)
            QVERIFY(db()->insertUser(makeUserInfo(2, name, hashPassword(name + "-pw"), perm), kTable));
    }

    QStringList listedNames()
    {
        QVector<UserInfo> users;
        db()->listUsersOfGroup(2, &users, kTable);
        QStringList names;
        for (const UserInfo& user : users)
            names << user.UserName;
        return names;
    }

    UserInfo stored(const QString& name)
    {
        UserInfo user = makeUserInfo(0, name, QString(), 0);
        db()->findUser(&user, kTable);
        return user;
    }

    static QStringList rows(QWidget* dialog)
    {
        QStringList names;
        for (int row = 0; row < list(dialog)->rowCount(); ++row)
            names << list(dialog)->item(row, 0)->text();
        return names;
    }

    static void clickRow(QWidget* dialog, int row)
    {
        QTableWidget* table = list(dialog);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(row, 0)).center());
    }

    static quint32 tickedBoxes(QWidget* dialog)
    {
        quint32 ticked = 0;
        for (int bit = 0; bit < 11; ++bit)
            if (child<QCheckBox>(dialog, kBoxes[bit])->isChecked())
                ticked |= 1u << bit;
        return ticked;
    }

    // What a modal adminmodDialog looked like when it came up; `fill` then works it.
    struct ModalSeen {
        bool shown = false;
        QString title;
        int page = -1;
        QString focus;
        int result = -1;
    };

    static void answerModal(ModalSeen* seen, std::function<void(QDialog*)> fill)
    {
        QTimer::singleShot(0, [seen, fill] {
            auto* dialog = qobject_cast<adminmodDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen->shown = true;
            seen->title = dialog->windowTitle();
            seen->page = child<QStackedWidget>(dialog, "stackedWidget")->currentIndex();
            seen->focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            fill(dialog);
            child<QPushButton>(dialog, "btn_ok")->click();
            seen->result = dialog->isVisible() ? -1 : dialog->result();
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    // Presses Add and gives the dialog it opens `name` with the password "pw 1" twice.
    static void addThroughDialog(usrdialog* dialog, const QString& name, ModalSeen* seen)
    {
        answerModal(seen, [name](QDialog* modal) {
            edit(modal, "usernameedit")->setText(name);
            edit(modal, "Password1edit")->setText(QStringLiteral("pw 1"));
            edit(modal, "Password2edit")->setText(QStringLiteral("pw 1"));
        });
        child<QPushButton>(dialog, "add")->click();
    }

    // Logs in through the login dialog as an operator would; returns the boxes shown.
    static QStringList logIn(const QString& name, const QString& password, bool* accepted)
    {
        MessageBox::clearShown();
        loginDialog dialog;
        dialog.show();
        edit(&dialog, "lineEdit_username")->setText(name);
        edit(&dialog, "lineEdit_password")->setText(password);
        child<QPushButton>(&dialog, "btn_login")->click();
        *accepted = dialog.result() == QDialog::Accepted;
        return MessageBox::shown();
    }

    // Fills the current page of a shown adminmodDialog, presses Ok and reports the boxes.
    struct PageOutcome {
        QStringList shown;
        bool accepted;
        bool fieldsEmpty;
        QString focus;
    };

    static PageOutcome pressOk(adminmodDialog& dialog, const QList<std::pair<const char*, QString>>& fields)
    {
        MessageBox::clearShown();
        for (const auto& [name, text] : fields)
            edit(&dialog, name)->setText(text);
        child<QPushButton>(&dialog, "btn_ok")->click();
        bool empty = true;
        for (const auto& field : fields)
            empty = empty && edit(&dialog, field.first)->text().isEmpty();
        return { MessageBox::shown(), dialog.result() == QDialog::Accepted, empty,
            dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString() };
    }

    // What user management wrote to the journal, oldest first.
    static QStringList usersJournal()
    {
        JournalFilter filter;
        filter.oldestFirst = true;
        QList<JournalEntry> entries;
        Journal::read(filter, &entries);
        QStringList summaries;
        for (const JournalEntry& entry : entries)
            if (entry.kind == QLatin1String("users"))
                summaries << entry.summary;
        return summaries;
    }

private slots:
    void init()
    {
        const QString folder = m_dir.filePath(QString::number(++m_folders));
        QDir().mkpath(folder);
        m_session = std::make_unique<GuiTestSession>(folder);
        db()->loginRecord() = stored(QStringLiteral("admin"));
        MessageBox::clearShown();
    }

    void cleanup() { m_session.reset(); }

    void widgets()
    {
        usrdialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("User Management"));
        for (const char* name : { "adminedit", "pwdedit", "UsrNameEdit", "UsrPwdEdit" })
            QVERIFY2(edit(&dialog, name)->isReadOnly(), name);
        QCOMPARE(edit(&dialog, "pwdedit")->echoMode(), QLineEdit::Password);
        QCOMPARE(edit(&dialog, "UsrPwdEdit")->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit(&dialog, "adminedit")->text(), QStringLiteral("admin"));
        // The stored hash is never shown, only a mask.
        QCOMPARE(edit(&dialog, "pwdedit")->text(), QStringLiteral("********"));
        QTableWidget* table = list(&dialog);
        QCOMPARE(table->columnCount(), 1);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("UserList"));
        QVERIFY(!table->horizontalHeader()->sectionsClickable());
        QVERIFY(!table->horizontalHeader()->highlightSections());
        QVERIFY(table->horizontalHeader()->stretchLastSection());
        QVERIFY(table->verticalHeader()->isHidden());
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table->rowCount(), 0);
    }

    void listShowsEveryOrdinaryUser()
    {
        QStringList names;
        for (int i = 0; i < 60; ++i)
            names << QStringLiteral("user%1").arg(i, 2, 10, QLatin1Char('0'));
        addUsers({ names.first() }, PermPlu | PermNet);
        addUsers(names.mid(1));
        QVERIFY(db()->insertUser(makeUserInfo(3, "level3", hashPassword("x"), PermAll), kTable));
        usrdialog dialog;
        dialog.show();
        QCOMPARE(rows(&dialog), names);
        QCOMPARE(list(&dialog)->currentRow(), 0);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), names.first());
        QCOMPARE(edit(&dialog, "UsrPwdEdit")->text(), QStringLiteral("********"));
        QCOMPARE(tickedBoxes(&dialog), quint32(PermPlu | PermNet));
        clickRow(&dialog, 59);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), names.last());
        QCOMPARE(tickedBoxes(&dialog), quint32(PermAll));
    }

    void addUserIsListedLast()
    {
        addUsers({ "ann", "bob" }, PermPlu);
        usrdialog dialog;
        dialog.show();
        ModalSeen seen;
        addThroughDialog(&dialog, QStringLiteral("carl"), &seen);
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Add User"));
        QCOMPARE(seen.page, 0);
        QCOMPARE(seen.focus, QStringLiteral("usernameedit"));
        QCOMPARE(seen.result, int(QDialog::Accepted));
        QCOMPARE(rows(&dialog), (QStringList { "ann", "bob", "carl" }));
        // The new user comes selected with every box ticked, and the status line says so.
        QCOMPARE(list(&dialog)->currentRow(), 2);
        QCOMPARE(list(&dialog)->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(list(&dialog)->selectionModel()->selectedRows().first().row(), 2);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), QStringLiteral("carl"));
        QCOMPARE(tickedBoxes(&dialog), quint32(PermAll));
        QCOMPARE(db()->editRecord().UserName, QStringLiteral("carl"));
        QCOMPARE(child<QLabel>(&dialog, "label_status")->text(),
            QStringLiteral("carl added with every permission: untick and SetPerm to restrict"));
        clickRow(&dialog, 0);
        QCOMPARE(tickedBoxes(&dialog), quint32(PermPlu));
        clickRow(&dialog, 2);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), QStringLiteral("carl"));
        QCOMPARE(edit(&dialog, "UsrPwdEdit")->text(), QStringLiteral("********"));
        QCOMPARE(tickedBoxes(&dialog), quint32(PermAll));
        const UserInfo carl = stored(QStringLiteral("carl"));
        QCOMPARE(carl.UserGroup, 2);
        QCOMPARE(carl.UserPerm, quint32(PermAll));
        QVERIFY(isPasswordHash(carl.UserPassword));
        QVERIFY(passwordMatches(carl.UserPassword, QStringLiteral("pw 1")));
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(usersJournal(), QStringList(QStringLiteral("carl added with every permission")));
    }

    void addRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password1");
        QTest::addColumn<QString>("password2");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << ""
                                    << "pw"
                                    << "pw"
                                    << "user name set err!";
        QTest::newRow("blank name") << "   "
                                    << "pw"
                                    << "pw"
                                    << "user name set err!";
        QTest::newRow("32-byte name") << QString(32, QLatin1Char('x')) << "pw"
                                      << "pw"
                                      << "user name set err!";
        QTest::newRow("16 Greek letters in UTF-8") << QStringLiteral("αβγδεζηθικλμνξοπ") << "pw"
                                                   << "pw"
                                                   << "user name set err!";
        QTest::newRow("mismatched passwords") << "dan"
                                              << "pw1"
                                              << "pw2"
                                              << "new password set err!";
        QTest::newRow("password differs by a blank") << "dan"
                                                     << "pw"
                                                     << "pw "
                                                     << "new password set err!";
        QTest::newRow("empty passwords") << "dan"
                                         << ""
                                         << ""
                                         << "new password set err!";
        QTest::newRow("duplicate name") << "ann"
                                        << "pw"
                                        << "pw"
                                        << "user is exist!";
        QTest::newRow("duplicate, with blanks") << " ann "
                                                << "pw"
                                                << "pw"
                                                << "user is exist!";
        QTest::newRow("administrator's name") << "admin"
                                              << "pw"
                                              << "pw"
                                              << "user is exist!";
    }

    void addRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, password1);
        QFETCH(QString, password2);
        QFETCH(QString, message);
        addUsers({ "ann" });
        db()->editRecord() = makeUserInfo(2, QString(), QString(), PermAll);
        adminmodDialog dialog;
        dialog.show();
        dialog.setPage(adminmodDialog::AddUserPage);
        const PageOutcome outcome = pressOk(
            dialog, { { "usernameedit", name }, { "Password1edit", password1 }, { "Password2edit", password2 } });
        QCOMPARE(outcome.shown, QStringList(QStringLiteral("Warning!: ") + message));
        QVERIFY(!outcome.accepted);
        QVERIFY(dialog.isVisible());
        QVERIFY(outcome.fieldsEmpty);
        QCOMPARE(outcome.focus, QStringLiteral("usernameedit"));
        QCOMPARE(listedNames(), QStringList { "ann" });
    }

    void addAccepts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("31-byte name") << int(English) << QString(31, QLatin1Char('x')) << "pw";
        QTest::newRow("quotes and SQL") << int(English) << QStringLiteral("o'neil\"; DROP TABLE USRMG; --")
                                        << QStringLiteral("' OR '1'='1");
        QTest::newRow("100-character password") << int(English) << "long" << QString(100, QLatin1Char('p'));
        QTest::newRow("31 Greek letters in windows-1253")
            << int(Greek) << QStringLiteral("αβγδεζηθικλμνξοπρστυφχψωάέήίόύώ") << QStringLiteral("κωδικός");
        QTest::newRow("Hebrew") << int(Hebrew) << QStringLiteral("משה כהן") << QStringLiteral("סיסמה");
        QTest::newRow("Thai") << int(Thailand) << QStringLiteral("สมชาย") << QStringLiteral("รหัส");
    }

    // A user added under any display language logs in afterwards; the login runs in UTF-8.
    void addAccepts()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, password);
        LanguageScope scope(language);
        QVERIFY(scope.isValid());
        db()->editRecord() = makeUserInfo(2, QString(), QString(), PermAll);
        {
            adminmodDialog dialog;
            dialog.show();
            const PageOutcome outcome = pressOk(
                dialog, { { "usernameedit", name }, { "Password1edit", password }, { "Password2edit", password } });
            QCOMPARE(outcome.shown, QStringList());
            QVERIFY(outcome.accepted);
        }
        QCOMPARE(listedNames(), QStringList { name });
        scope.restore();
        bool accepted = false;
        QCOMPARE(logIn(name, password, &accepted), QStringList());
        QVERIFY(accepted);
        QCOMPARE(db()->loginRecord().UserPerm, quint32(PermAll));
        logIn(name, password.left(password.size() - 1), &accepted);
        QVERIFY(!accepted);
    }

    void modifyAdminRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("password1");
        QTest::addColumn<QString>("password2");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << ""
                                    << "604218"
                                    << "new"
                                    << "new"
                                    << "new name set err!";
        QTest::newRow("blank name") << "  "
                                    << "604218"
                                    << "new"
                                    << "new"
                                    << "new name set err!";
        QTest::newRow("32-byte name") << QString(32, QLatin1Char('b')) << "604218"
                                      << "new"
                                      << "new"
                                      << "new name set err!";
        QTest::newRow("wrong old password") << "boss"
                                            << "604219"
                                            << "new"
                                            << "new"
                                            << "old password err!";
        QTest::newRow("old password prefix") << "boss"
                                             << "60421"
                                             << "new"
                                             << "new"
                                             << "old password err!";
        QTest::newRow("old password longer") << "boss"
                                             << "6042180"
                                             << "new"
                                             << "new"
                                             << "old password err!";
        QTest::newRow("mismatched new") << "boss"
                                        << "604218"
                                        << "new1"
                                        << "new2"
                                        << "new password set err!";
        QTest::newRow("empty new") << "boss"
                                   << "604218"
                                   << ""
                                   << ""
                                   << "new password set err!";
        QTest::newRow("another user's name") << "ann"
                                             << "604218"
                                             << "new"
                                             << "new"
                                             << "user is exist!";
    }

    void modifyAdminRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, oldPassword);
        QFETCH(QString, password1);
        QFETCH(QString, password2);
        QFETCH(QString, message);
        addUsers({ "ann" });
        db()->editRecord() = db()->loginRecord();
        adminmodDialog dialog;
        dialog.show();
        dialog.setPage(adminmodDialog::ModPwdPage);
        const PageOutcome outcome = pressOk(dialog,
            { { "NewNameEdit", name }, { "OldPwdedit", oldPassword }, { "NewPwd1edit", password1 },
                { "NewPwd2edit", password2 } });
        QCOMPARE(outcome.shown, QStringList(QStringLiteral("Warning!: ") + message));
        QVERIFY(!outcome.accepted);
        QVERIFY(outcome.fieldsEmpty);
        QCOMPARE(outcome.focus, QStringLiteral("NewNameEdit"));
        QCOMPARE(db()->loginRecord().UserName, QStringLiteral("admin"));
        QVERIFY(passwordMatches(stored(QStringLiteral("admin")).UserPassword, QStringLiteral("604218")));
        QCOMPARE(stored(QStringLiteral("ann")).UserGroup, 2);
    }

    void renameAdministrator()
    {
        addUsers({ "ann" });
        usrdialog dialog;
        dialog.show();
        ModalSeen seen;
        answerModal(&seen, [](QDialog* modal) {
            edit(modal, "NewNameEdit")->setText(QStringLiteral(" boss "));
            edit(modal, "OldPwdedit")->setText(QStringLiteral("604218"));
            edit(modal, "NewPwd1edit")->setText(QStringLiteral("n3w pw"));
            edit(modal, "NewPwd2edit")->setText(QStringLiteral("n3w pw"));
        });
        child<QPushButton>(&dialog, "btn_modify")->click();
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Mod Admin"));
        QCOMPARE(seen.page, 1);
        QCOMPARE(seen.focus, QStringLiteral("NewNameEdit"));
        QCOMPARE(seen.result, int(QDialog::Accepted));
        QCOMPARE(edit(&dialog, "adminedit")->text(), QStringLiteral("boss"));
        QCOMPARE(edit(&dialog, "pwdedit")->text(), QStringLiteral("********"));
        QCOMPARE(db()->loginRecord().UserName, QStringLiteral("boss"));

        const UserInfo boss = stored(QStringLiteral("boss"));
        QCOMPARE(boss.UserGroup, 1);
        QCOMPARE(boss.UserPerm, 1u);
        QVERIFY(!boss.UserPassword.contains(QStringLiteral("n3w pw")));
        QCOMPARE(db()->userExists(QStringLiteral("admin"), kTable), 0);
        QCOMPARE(rows(&dialog), QStringList { "ann" });
        QCOMPARE(usersJournal(), QStringList(QStringLiteral("administrator admin renamed to boss, password changed")));
        // What the administrator does next is recorded in the new name.
        QCOMPARE(Journal::user(), QStringLiteral("boss"));

        bool accepted = false;
        QCOMPARE(logIn(QStringLiteral("admin"), QStringLiteral("604218"), &accepted),
            QStringList(QStringLiteral("Warning!: username is not exist!")));
        QCOMPARE(logIn(QStringLiteral("boss"), QStringLiteral("604218"), &accepted),
            QStringList(QStringLiteral("Warning!: password err!")));
        logIn(QStringLiteral("boss"), QStringLiteral("n3w pw"), &accepted);
        QVERIFY(accepted);
        QCOMPARE(db()->loginRecord().UserGroup, 1);

        // Keeping the name and changing only the password is allowed.
        db()->editRecord() = db()->loginRecord();
        adminmodDialog again;
        again.show();
        again.setPage(adminmodDialog::ModPwdPage);
        const PageOutcome outcome = pressOk(again,
            { { "NewNameEdit", "boss" }, { "OldPwdedit", "n3w pw" }, { "NewPwd1edit", "third" },
                { "NewPwd2edit", "third" } });
        QCOMPARE(outcome.shown, QStringList());
        QVERIFY(outcome.accepted);
        logIn(QStringLiteral("boss"), QStringLiteral("third"), &accepted);
        QVERIFY(accepted);
    }

    // The first user of an empty list comes selected too, so that SetPerm right after Add
    // restricts that user, also in a right-to-left window.
    void setPermissionsRightAfterTheFirstAdd()
    {
        QApplication::setLayoutDirection(Qt::RightToLeft);
        const auto leftToRight = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        usrdialog dialog;
        dialog.show();
        ModalSeen seen;
        addThroughDialog(&dialog, QStringLiteral("carl"), &seen);
        QCOMPARE(rows(&dialog), QStringList { "carl" });
        child<QCheckBox>(&dialog, "plucheckBox")->setChecked(false);
        child<QPushButton>(&dialog, "setperm")->click();
        QCOMPARE(stored(QStringLiteral("carl")).UserPerm, quint32(PermAll & ~PermPlu));
        QVERIFY(child<QLabel>(&dialog, "label_status")->text().startsWith(QStringLiteral("Permissions of carl saved")));
    }

    void setPermissionsStoresTheBoxes()
    {
        addUsers({ "ann", "bob" });
        usrdialog dialog;
        dialog.show();
        clickRow(&dialog, 1);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), QStringLiteral("bob"));
        for (const char* box : kBoxes)
            child<QCheckBox>(&dialog, box)->setChecked(false);
        child<QCheckBox>(&dialog, "plucheckBox")->setChecked(true);
        child<QCheckBox>(&dialog, "taxcheckBox")->setChecked(true);
        child<QPushButton>(&dialog, "setperm")->click();
        QCOMPARE(stored(QStringLiteral("bob")).UserPerm, 0x028u);
        QCOMPARE(child<QLabel>(&dialog, "label_status")->text(), QStringLiteral("Permissions of bob saved: PLU, TAX"));
        QCOMPARE(usersJournal(), QStringList(QStringLiteral("permissions of bob set: PLU, TAX")));
        {
            // A file that cannot be written says why, and the boxes show what bob keeps.
            QSqlQuery readOnly(QSqlDatabase::database(QStringLiteral("usr_sql_connection")));
            QVERIFY(readOnly.exec(QStringLiteral("PRAGMA query_only = 1")));
            child<QCheckBox>(&dialog, "clerkcheckBox")->setChecked(true);
            child<QPushButton>(&dialog, "setperm")->click();
            QVERIFY(readOnly.exec(QStringLiteral("PRAGMA query_only = 0")));
            QVERIFY2(child<QLabel>(&dialog, "label_status")
                         ->text()
                         .startsWith(QStringLiteral("Permissions of bob not saved: ")),
                qPrintable(child<QLabel>(&dialog, "label_status")->text()));
            QVERIFY(child<QLabel>(&dialog, "label_status")->text().contains(QStringLiteral("readonly")));
            QVERIFY(!child<QCheckBox>(&dialog, "clerkcheckBox")->isChecked());
            QCOMPARE(stored(QStringLiteral("bob")).UserPerm, 0x028u);
        }
        QCOMPARE(stored(QStringLiteral("ann")).UserPerm, quint32(PermAll));
        QCOMPARE(stored(QStringLiteral("bob")).UserGroup, 2);
        QVERIFY(passwordMatches(stored(QStringLiteral("bob")).UserPassword, QStringLiteral("bob-pw")));
        // The inert Modify button of the UserEdit box changes nothing.
        child<QPushButton>(&dialog, "modify")->click();
        QCOMPARE(listedNames(), (QStringList { "ann", "bob" }));
        QVERIFY(MessageBox::shown().isEmpty());

        // A user chosen with the keyboard is the one SetPerm changes.
        list(&dialog)->setCurrentCell(0, 0);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), QStringLiteral("ann"));
        QVERIFY(child<QCheckBox>(&dialog, "clerkcheckBox")->isChecked());

        // A user removed by another program meanwhile is not made again by SetPerm.
        QCOMPARE(db()->deleteUser(makeUserInfo(2, QStringLiteral("bob"), QString(), 0), kTable), true);
        clickRow(&dialog, 1);
        QCOMPARE(child<QLabel>(&dialog, "label_status")->text(),
            QStringLiteral("bob no longer exists: the list is read again"));
        QCOMPARE(rows(&dialog), QStringList { "ann" });
        db()->editRecord() = makeUserInfo(2, QStringLiteral("bob"), QString(), 0);
        QVERIFY(!db()->modifyUser(db()->editRecord(), db()->editRecord(), kTable));
        QCOMPARE(db()->lastFailure(), QStringLiteral("the user is no longer there"));
        QCOMPARE(db()->userExists(QStringLiteral("bob"), kTable), 0);
    }

    void deleteSelectsTheFirstRemainingUser()
    {
        addUsers({ "ann", "bob", "cid" });
        addUsers({ "dan" }, PermGroup);
        usrdialog dialog;
        dialog.show();
        clickRow(&dialog, 0);
        // Asked first: No (the default) keeps the user.
        child<QPushButton>(&dialog, "delete_2")->click();
        QCOMPARE(rows(&dialog), (QStringList { "ann", "bob", "cid", "dan" }));
        QCOMPARE(child<QLabel>(&dialog, "label_status")->text(), QStringLiteral("ann kept"));
        QCOMPARE(MessageBox::shown(),
            QStringList(QStringLiteral(
                "delete user: Delete the user ann? ann can no longer log in, and this cannot be undone.")));
        MessageBox::clearShown();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(&dialog, "delete_2")->click();
        QCOMPARE(rows(&dialog), (QStringList { "bob", "cid", "dan" }));
        clickRow(&dialog, 2);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(&dialog, "delete_2")->click();
        QCOMPARE(rows(&dialog), (QStringList { "bob", "cid" }));
        QCOMPARE(list(&dialog)->currentRow(), 0);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), QStringLiteral("bob"));
        QCOMPARE(db()->editRecord().UserName, QStringLiteral("bob"));
        QCOMPARE(listedNames(), (QStringList { "bob", "cid" }));
        QCOMPARE(MessageBox::shown().size(), 2);
        QCOMPARE(usersJournal(), (QStringList { "ann deleted", "dan deleted" }));
    }

    // With nobody listed, the edit record still holds the last deleted user: neither SetPerm
    // nor Delete may write it back.
    void emptyListWritesNothing()
    {
        addUsers({ "ann" });
        usrdialog dialog;
        dialog.show();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(&dialog, "delete_2")->click();
        QCOMPARE(list(&dialog)->rowCount(), 0);
        QCOMPARE(edit(&dialog, "UsrNameEdit")->text(), QString());
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        // Both are off, saying why.
        QVERIFY(!child<QPushButton>(&dialog, "setperm")->isEnabled());
        QVERIFY(!child<QPushButton>(&dialog, "delete_2")->toolTip().isEmpty());
        child<QPushButton>(&dialog, "setperm")->click();
        child<QPushButton>(&dialog, "delete_2")->click();
        QCOMPARE(listedNames(), QStringList());
        QVector<UserInfo> all;
        QCOMPARE(db()->listUsersOfGroup(1, &all, kTable), 1);
        QCOMPARE(db()->listUsersOfGroup(0, &all, kTable), 0);
    }

    void adminButtonOpensUserManagement()
    {
        const QString folder = m_dir.filePath(QStringLiteral("window"));
        TestWindow window(folder);
        QString title;
        QString admin;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<usrdialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            admin = edit(dialog, "adminedit")->text();
            dialog->reject();
        });
        child<QPushButton>(&window, "btn_admin")->click();
        QCOMPARE(title, QStringLiteral("User Management"));
        QCOMPARE(admin, QStringLiteral("admin"));
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

QTEST_MAIN(TestUsrdialog)
#include "tst_usrdialog.moc"
