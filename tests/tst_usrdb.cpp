#include "base/language.h"
#include "journal/journal.h"
#include "testsupport.h"
#include "users/password.h"
#include "users/usrdb.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

class TestUsrdb : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QString m_table = QStringLiteral("USRMG");
    QString path() const { return m_dir.filePath(QStringLiteral("USRData.db")); }

    // Runs `sql` on `file` directly, without the class under test; returns the rows.
    static QList<QStringList> raw(const QString& file,
        const QString& sql = QStringLiteral("SELECT UserGroup, UserName, UserPassword, UserPerm FROM USRMG"))
    {
        QList<QStringList> rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(file);
            if (db.open()) {
                QSqlQuery query(db);
                query.exec(sql);
                while (query.next()) {
                    QStringList row;
                    for (int i = 0; i < query.record().count(); ++i)
                        row << query.value(i).toString();
                    rows << row;
                }
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        return rows;
    }

    static QStringList passwordParts(const QString& stored) { return stored.split(QLatin1Char('$')); }

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
        const QList<QStringList> first = raw(path());
        QCOMPARE(first.size(), 1);
        QCOMPARE(first.first().at(0), QStringLiteral("1"));
        QCOMPARE(first.first().at(1), QStringLiteral("admin"));
        QCOMPARE(first.first().at(3), QStringLiteral("1"));
        // The default administrator is stored hashed.
        QVERIFY(isPasswordHash(first.first().at(2)));
        QVERIFY(passwordMatches(first.first().at(2), QStringLiteral("604218")));
        {
            LogCapture log;
            usrdb db(path());
            QVERIFY(log.contains(QStringLiteral("USRMG Table exists.")));
        }
        QCOMPARE(raw(path()).size(), 1);
    }

    void newFileIsPrivate()
    {
        { usrdb db(path()); }
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        const QFileDevice::Permissions permissions = QFile::permissions(path());
        QVERIFY(permissions & QFileDevice::ReadOwner);
        QVERIFY(permissions & QFileDevice::WriteOwner);
        QCOMPARE(permissions & others, QFileDevice::Permissions());
    }

    // Refused logins are journaled; a name that is no user's (often a password typed into the
    // wrong field) is not kept.
    void refusedLoginsAreJournaled()
    {
        Journal::setFilePath(m_dir.filePath(QStringLiteral("Journal.db")));
        usrdb db(path());
        QCOMPARE(db.logIn(QStringLiteral("s3cret"), QString()), usrdb::LoginNoSuchUser);
        QCOMPARE(db.logIn(QStringLiteral("admin"), QStringLiteral("wrong")), usrdb::LoginWrongPassword);
        QList<JournalEntry> entries;
        JournalFilter oldestFirst;
        oldestFirst.oldestFirst = true;
        QVERIFY(Journal::read(oldestFirst, &entries));
        Journal::setFilePath(QString());
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).user, QString());
        QVERIFY2(entries.at(0).summary.contains(QStringLiteral("no such user"))
                && !entries.at(0).summary.contains(QStringLiteral("s3cret")),
            qPrintable(entries.at(0).summary));
        QCOMPARE(entries.at(1).user, QStringLiteral("admin"));
    }

    void findUser()
    {
        usrdb db(path());
        UserInfo admin = makeUserInfo(0, "admin", "", 0);
        QCOMPARE(db.findUser(&admin, m_table), 0);
        QCOMPARE(admin.UserGroup, 1);
        QVERIFY(passwordMatches(admin.UserPassword, QStringLiteral("604218")));
        QCOMPARE(admin.UserPerm, 1u);

        UserInfo missing = makeUserInfo(7, "nobody", "keep", 0x55);
        QCOMPARE(db.findUser(&missing, m_table), -1);
        QCOMPARE(missing.UserGroup, 7);
        QCOMPARE(missing.UserPassword, QStringLiteral("keep"));
        QCOMPARE(missing.UserPerm, 0x55u);

        // Looking users up holds no lock: another program (a second window's user management)
        // writes at once while this one stays open.
        QCOMPARE(db.findUser(&admin, m_table), 0);
        QCOMPARE(db.userExists(QStringLiteral("admin"), m_table), -1);
        bool written = false;
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(path());
            QVERIFY(other.open());
            QSqlQuery query(other);
            written = query.exec(QStringLiteral("UPDATE USRMG SET UserPerm = 3 WHERE UserName = 'admin'"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QVERIFY(written);
    }

    void wholeNamesOnly()
    {
        usrdb db(path());
        const QString name31(31, QLatin1Char('n'));
        QVERIFY(db.insertUser(makeUserInfo(2, name31, hashPassword("pw"), PermAll), m_table));
        UserInfo longer = makeUserInfo(0, QString(40, QLatin1Char('n')), QString(), 0);
        QCOMPARE(db.findUser(&longer, m_table), -1);
        QCOMPARE(db.userExists(QString(40, QLatin1Char('n')), m_table), 0);
        UserInfo exact = makeUserInfo(0, name31, QString(), 0);
        QCOMPARE(db.findUser(&exact, m_table), 0);
        QCOMPARE(exact.UserGroup, 2);
    }

    void listInsertDeleteModify()
    {
        usrdb db(path());
        QVERIFY(db.insertUser(makeUserInfo(2, "ann", "1", PermAll), m_table));
        QVERIFY(db.insertUser(makeUserInfo(2, "bob", "2", PermPlu), m_table));
        QVERIFY(db.insertUser(makeUserInfo(2, "cid", "3", PermTax), m_table));
        QVector<UserInfo> users;
        QCOMPARE(db.listUsersOfGroup(2, &users, m_table), 3);
        QCOMPARE(users.size(), 3);
        QCOMPARE(users[0].UserName, QStringLiteral("ann"));
        QCOMPARE(users[2].UserName, QStringLiteral("cid"));
        QCOMPARE(users[1].UserPerm, quint32(PermPlu));
        QCOMPARE(users[1].UserGroup, 2);

        // Renaming moves the user to the end of the list order.
        QVERIFY(db.modifyUser(makeUserInfo(2, "ada", "1", PermAll), users[0], m_table));
        QCOMPARE(db.listUsersOfGroup(2, &users, m_table), 3);
        QCOMPARE(users[0].UserName, QStringLiteral("bob"));
        QCOMPARE(users[2].UserName, QStringLiteral("ada"));

        QVERIFY(db.deleteUser(makeUserInfo(2, "bob", "", 0), m_table));
        QCOMPARE(db.listUsersOfGroup(2, &users, m_table), 2);
        QCOMPARE(db.listUsersOfGroup(1, &users, m_table), 1);
        QCOMPARE(users.size(), 1);
    }

    void failedModifyKeepsTheUser()
    {
        usrdb db(path());
        QVERIFY(db.insertUser(makeUserInfo(2, "ann", "1", PermAll), m_table));
        raw(path(), QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON USRMG WHEN NEW.UserName = 'blocked' "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const UserInfo ann = makeUserInfo(2, "ann", "1", PermAll);
        QVERIFY(!db.modifyUser(makeUserInfo(2, "blocked", "1", PermAll), ann, m_table));
        QCOMPARE(db.userExists(QStringLiteral("ann"), m_table), -1);
        QCOMPARE(db.userExists(QStringLiteral("blocked"), m_table), 0);
    }

    void unusualTextsAreBound_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("quotes") << QStringLiteral("o'brien \"jr\"") << QStringLiteral("it's \"x\"");
        QTest::newRow("sql") << QStringLiteral("x'; DROP TABLE USRMG; --") << QStringLiteral("' OR '1'='1");
        QTest::newRow("placeholders") << QStringLiteral(":UserName ? %1") << QStringLiteral("?,?) --");
        QTest::newRow("greek") << QStringLiteral("Νίκος Παπαδόπουλος") << QStringLiteral("κωδικός");
        QTest::newRow("hebrew") << QStringLiteral("משה כהן") << QStringLiteral("סיסמה");
        QTest::newRow("thai") << QStringLiteral("สมชาย") << QStringLiteral("รหัสผ่าน");
        QTest::newRow("100 characters") << QString(100, QLatin1Char('z')) << QString(100, QLatin1Char('p'));
    }

    void unusualTextsAreBound()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        usrdb db(path());
        QVERIFY(db.insertUser(makeUserInfo(2, name, hashPassword(password), PermTax), m_table));
        QCOMPARE(db.userExists(name, m_table), -1);
        UserInfo found = makeUserInfo(0, name, QString(), 0);
        QCOMPARE(db.findUser(&found, m_table), 0);
        QCOMPARE(found.UserPerm, quint32(PermTax));
        QVERIFY(db.checkPassword(&found, password, m_table));
        QVERIFY(!db.checkPassword(&found, password.left(password.size() - 1), m_table));
        QVector<UserInfo> users;
        QCOMPARE(db.listUsersOfGroup(2, &users, m_table), 1);
        QCOMPARE(users.first().UserName, name);
        QVERIFY(db.deleteUser(found, m_table));
        QCOMPARE(db.userExists(name, m_table), 0);
        QCOMPARE(raw(path()).size(), 1);
    }

    void userExistsBindsTheName()
    {
        usrdb db(path());
        QCOMPARE(db.userExists(QStringLiteral("admin"), m_table), -1);
        QCOMPARE(db.userExists(QStringLiteral("nobody"), m_table), 0);
        QCOMPARE(db.userExists(QStringLiteral("' OR '1'='1"), m_table), 0);
    }

    void hashProperties()
    {
        const QString password = QStringLiteral("604218");
        const QString first = hashPassword(password);
        const QString second = hashPassword(password);
        QVERIFY(!first.contains(password));
        QVERIFY(isPasswordHash(first));
        QVERIFY(first != second); // a fresh salt each time
        const QStringList parts = passwordParts(first);
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[0], QStringLiteral("pbkdf2-sha256"));
        QCOMPARE(parts[1].toInt(), kPasswordIterations);
        QCOMPARE(QByteArray::fromBase64(parts[2].toLatin1()).size(), 16);
        QCOMPARE(QByteArray::fromBase64(parts[3].toLatin1()).size(), 32);
        QVERIFY(parts[2] != passwordParts(second)[2]);
        QVERIFY(passwordMatches(first, password));
        QVERIFY(passwordMatches(second, password));
    }

    void passwordComparison_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        const QString p31(31, QLatin1Char('p'));
        const QString p32 = p31 + QLatin1Char('q');
        QTest::newRow("hash, right") << hashPassword("secret") << "secret" << true;
        QTest::newRow("hash, wrong") << hashPassword("secret") << "Secret" << false;
        QTest::newRow("hash, empty typed") << hashPassword("secret") << "" << false;
        QTest::newRow("hash, trailing blank") << hashPassword("secret") << "secret " << false;
        QTest::newRow("hash of 31, typed 32") << hashPassword(p31) << p32 << false;
        QTest::newRow("hash of 32, typed 31") << hashPassword(p32) << p31 << false;
        QTest::newRow("hash of 100") << hashPassword(QString(100, QLatin1Char('h'))) << QString(100, QLatin1Char('h'))
                                     << true;
        QTest::newRow("clear, right") << "604218" << "604218" << true;
        QTest::newRow("clear, wrong") << "604218" << "604219" << false;
        QTest::newRow("clear 31, typed 32") << p31 << p32 << false;
        QTest::newRow("clear 31, typed 30") << p31 << p31.left(30) << false;
        const QString hash = hashPassword("secret");
        QTest::newRow("the hash text typed") << hash << hash << false;
        QTest::newRow("malformed hash is clear text")
            << "pbkdf2-sha256$0$AAAA$BBBB" << "pbkdf2-sha256$0$AAAA$BBBB" << true;
    }

    void passwordComparison()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        QCOMPARE(passwordMatches(stored, typed), matches);
    }

    // Passwords set in a dialog under the display language's code page are checked at the
    // next login, which runs in UTF-8.
    void hashDoesNotDependOnTheCodePage()
    {
        const QString password = QStringLiteral("κωδικός");
        LanguageScope greek(Greek);
        QVERIFY(greek.isValid());
        const QString stored = hashPassword(password);
        greek.restore();
        QVERIFY(passwordMatches(stored, password));
    }

    void clearPasswordIsHashedAtFirstMatch()
    {
        usrdb db(path());
        QVERIFY(db.insertUser(makeUserInfo(2, "old", "clear-pw", PermPlu), m_table));
        UserInfo user = makeUserInfo(0, "old", QString(), 0);
        QCOMPARE(db.findUser(&user, m_table), 0);
        QVERIFY(!db.checkPassword(&user, QStringLiteral("clear-p"), m_table));
        QCOMPARE(raw(path(), QStringLiteral("SELECT UserPassword FROM USRMG WHERE UserName = 'old'")),
            QList<QStringList> { { "clear-pw" } });

        QVERIFY(db.checkPassword(&user, QStringLiteral("clear-pw"), m_table));
        QVERIFY(isPasswordHash(user.UserPassword));
        const QList<QStringList> rows
            = raw(path(), QStringLiteral("SELECT UserPassword FROM USRMG WHERE UserName = 'old'"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().first(), user.UserPassword);

        UserInfo again = makeUserInfo(0, "old", QString(), 0);
        QCOMPARE(db.findUser(&again, m_table), 0);
        QVERIFY(db.checkPassword(&again, QStringLiteral("clear-pw"), m_table));
        QVERIFY(!db.checkPassword(&again, QStringLiteral("clear-px"), m_table));
    }

    // Neither a deleted user's nor an upgraded row's clear password stays in the file's free space.
    void clearPasswordsLeaveNoTrace()
    {
        raw(path(), QStringLiteral("CREATE TABLE USRMG (UserGroup INT, UserName CHARACTER(32), "
                                   "UserPassword CHARACTER(32), UserPerm INT)"));
        raw(path(), QStringLiteral("INSERT INTO USRMG VALUES (1, 'admin', '604218', 1), "
                                   "(2, 'gone', 'Deleted-Clear-Text', 8), (2, 'kept', 'Upgraded-Clear-Text', 8)"));
        {
            usrdb db(path());
            QVERIFY(db.deleteUser(makeUserInfo(2, "gone", QString(), 0), m_table));
            UserInfo kept = makeUserInfo(0, "kept", QString(), 0);
            QCOMPARE(db.findUser(&kept, m_table), 0);
            QVERIFY(db.checkPassword(&kept, QStringLiteral("Upgraded-Clear-Text"), m_table));
        }
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("kept"));
        QVERIFY(!bytes.contains("Deleted-Clear-Text"));
        QVERIFY(!bytes.contains("Upgraded-Clear-Text"));
    }

    // A file that cannot serve as the user database is named and left exactly as it was: no
    // table and no administrator are added to it.
    void unreadableFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("boxShown");
        QByteArray real;
        {
            usrdb db(path());
            const QString hash = hashPassword("pw");
            QSqlDatabase connection = QSqlDatabase::database(QStringLiteral("usr_sql_connection"));
            connection.transaction();
            for (int i = 0; i < 200; ++i)
                db.insertUser(makeUserInfo(2, QStringLiteral("user%1").arg(i), hash, PermAll), m_table);
            connection.commit();
        }
        real = fileBytes(path());
        QVERIFY(real.size() > 3 * 4096);
        QTest::newRow("missing folder") << "missing/folder/USRData.db" << QByteArray() << "unable to open database file"
                                        << true;
        QTest::newRow("not a database") << "garbage.db" << QByteArray(4096, 'x') << "file is not a database" << true;
        QTest::newRow("truncated") << "truncated.db" << real.left(real.size() / 2) << "database disk image is malformed"
                                   << true;
        QTest::newRow("configuration database") << "config.db" << QByteArray() << "no such table: USRMG" << false;
        QTest::newRow("USRMG of another shape") << "shape.db" << QByteArray() << "no such column: UserGroup" << false;
    }

    void unreadableFileIsLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        QFETCH(bool, boxShown);
        const QString filePath = m_dir.filePath(file);
        if (!content.isEmpty())
            QVERIFY(writeFileBytes(filePath, content));
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        if (tag == QLatin1String("configuration database"))
            raw(filePath, QStringLiteral("create table table_dept (itemRandom CHAR(16), itemName CHAR(32), itemData BLOB NOT NULL)"));
        if (tag == QLatin1String("USRMG of another shape"))
            raw(filePath, QStringLiteral("create table USRMG (name, password)"));
        const QByteArray before = fileBytes(filePath);

        NoticeRecorder notices;
        {
            usrdb db(filePath);
            QCOMPARE(notices.shown,
                boxShown ? QStringList(QStringLiteral("can not open usr_db database: Unable to establish a usr_db database connection."))
                         : QStringList());
            QCOMPARE(db.problem(), problem);
            QVERIFY(!db.isReadable());
            QCOMPARE(db.filePath(), filePath);
            UserInfo admin = makeUserInfo(0, "admin", "", 0);
            QCOMPARE(db.findUser(&admin, m_table), -1);
            QVERIFY(!db.insertUser(makeUserInfo(2, "x", "y", 0), m_table));
            QVector<UserInfo> users;
            QCOMPARE(db.listUsersOfGroup(1, &users, m_table), 0);
        }
        QCOMPARE(fileBytes(filePath), before);
    }

    // A new file, an empty one and a database without tables all become the user database.
    void emptyFilesGetTheAdministrator_data()
    {
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("sqlite");
        QTest::newRow("no file") << false << false;
        QTest::newRow("empty file") << true << false;
        QTest::newRow("database without tables") << true << true;
    }

    void emptyFilesGetTheAdministrator()
    {
        QFETCH(bool, create);
        QFETCH(bool, sqlite);
        if (create)
            QVERIFY(writeFileBytes(path(), QByteArray()));
        if (sqlite)
            raw(path(), QStringLiteral("PRAGMA user_version = 7"));
        {
            usrdb db(path());
            QVERIFY(db.isReadable());
            QCOMPARE(db.problem(), QString());
        }
        QCOMPARE(raw(path()).size(), 1);
        QCOMPARE(raw(path()).first().at(1), QStringLiteral("admin"));
    }
};

QTEST_GUILESS_MAIN(TestUsrdb)
#include "tst_usrdb.moc"
