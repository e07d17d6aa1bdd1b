#include "testsupport.h"
#include "users/usrdb.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestUsrdb : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("USRData.db")); }

    // Rows of USRMG read directly, without the class under test.
    static QList<QStringList> rawRows(const QString& file)
    {
        QList<QStringList> rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(file);
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(QStringLiteral("SELECT UserGroup, UserName, UserPassword, UserPerm FROM USRMG"));
                while (query.next())
                    rows << QStringList { query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toString(), query.value(3).toString() };
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        return rows;
    }

    static QString name(const UserInfo& info) { return QString::fromLatin1(info.UserName); }

private slots:
    void init() { QFile::remove(path()); }

    void firstAndSecondStart()
    {
        {
            LogCapture log;
            usrdb db(path());
            QVERIFY(log.contains(QStringLiteral("USRMG Table created!")));
        }
        QVERIFY(QFile::exists(path()));
        const QList<QStringList> first = rawRows(path());
        QCOMPARE(first.size(), 1);
        QCOMPARE(first.first(), (QStringList { "1", "admin", "604218", "1" }));
        {
            LogCapture log;
            usrdb db(path());
            QVERIFY(log.contains(QStringLiteral("USRMG Table exists.")));
        }
        QCOMPARE(rawRows(path()).size(), 1);
    }

    void findUser()
    {
        usrdb db(path());
        UserInfo admin = makeUserInfo(0, "admin", "", 0);
        QCOMPARE(db.findUser(&admin, QStringLiteral("USRMG")), 0);
        QCOMPARE(admin.UserGroup, 1);
        QCOMPARE(QByteArray(admin.UserPassword), QByteArray("604218"));
        QCOMPARE(admin.UserPerm, 1u);

        UserInfo missing = makeUserInfo(7, "nobody", "keep", 0x55);
        QCOMPARE(db.findUser(&missing, QStringLiteral("USRMG")), -1);
        QCOMPARE(missing.UserGroup, 7);
        QCOMPARE(QByteArray(missing.UserPassword), QByteArray("keep"));
        QCOMPARE(missing.UserPerm, 0x55u);
    }

    void listInsertDeleteModify()
    {
        usrdb db(path());
        const QString table = QStringLiteral("USRMG");
        QVERIFY(db.insertUser(makeUserInfo(2, "ann", "1", PermAll), table));
        QVERIFY(db.insertUser(makeUserInfo(2, "bob", "2", PermPlu), table));
        QVERIFY(db.insertUser(makeUserInfo(2, "cid", "3", PermTax), table));
        UserInfo users[8];
        QCOMPARE(db.listUsersOfGroup(2, users, 8, table), 3);
        QCOMPARE(name(users[0]), QStringLiteral("ann"));
        QCOMPARE(name(users[2]), QStringLiteral("cid"));
        QCOMPARE(users[1].UserPerm, quint32(PermPlu));
        QCOMPARE(users[1].UserGroup, 2);
        QCOMPARE(db.listUsersOfGroup(2, users, 2, table), 2);

        // Renaming moves the user to the end of the list order.
        QVERIFY(db.modifyUser(makeUserInfo(2, "ada", "1", PermAll), users[0], table));
        QCOMPARE(db.listUsersOfGroup(2, users, 8, table), 3);
        QCOMPARE(name(users[0]), QStringLiteral("bob"));
        QCOMPARE(name(users[2]), QStringLiteral("ada"));

        QVERIFY(db.deleteUser(makeUserInfo(2, "bob", "", 0), table));
        QCOMPARE(db.listUsersOfGroup(2, users, 8, table), 2);
        QCOMPARE(db.listUsersOfGroup(1, users, 8, table), 1);
    }

    void userExistsBindsTheName()
    {
        usrdb db(path());
        const QString table = QStringLiteral("USRMG");
        QCOMPARE(db.userExists("admin", table), -1);
        QCOMPARE(db.userExists("nobody", table), 0);
        QVERIFY(db.insertUser(makeUserInfo(2, "o'brien", "x", PermAll), table));
        QCOMPARE(db.userExists("o'brien", table), -1);
        QCOMPARE(db.userExists("' OR '1'='1", table), 0);
    }

    void unopenableFileIsReported()
    {
        NoticeRecorder notices;
        usrdb db(m_dir.filePath(QStringLiteral("missing/folder/USRData.db")));
        QCOMPARE(notices.shown,
            QStringList(QStringLiteral("can not open usr_db database: Unable to establish a usr_db database connection.")));
        UserInfo admin = makeUserInfo(0, "admin", "", 0);
        QCOMPARE(db.findUser(&admin, QStringLiteral("USRMG")), -1);
    }
};

QTEST_GUILESS_MAIN(TestUsrdb)
#include "tst_usrdb.moc"
