#include "users/usrdb.h"

#include "base/language.h"
#include "journal/journal.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"
#include "storage/notice.h"
#include "users/password.h"
#include "users/userslog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QVariant>

Q_LOGGING_CATEGORY(lcUsers, "tallvane.users", QtInfoMsg)

namespace {

const char kConnectionName[] = "usr_sql_connection";
const char kUserTable[] = "USRMG";
const char kDefaultAdminName[] = "admin";
const char kDefaultAdminPassword[] = "604218";

usrdb* g_instance = nullptr;

// Every login attempt goes to the journal, with the program it was made at (the window or
// tallvane-cli); a refused one in the name that was typed.
void journalLogin(const QString& name, const char* refusal, bool known = true)
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (!refusal) {
        Journal::setUser(name);
        Journal::append(Journal::Login, QString(), QString(), QStringLiteral("%1 logged in to %2").arg(name, program));
        return;
    }
    if (!known) {
        // A name that is no user's is often a password typed into the wrong field: the
        // journal, which every user may read and none may clean, does not keep it.
        Journal::appendAs(QString(), Journal::LoginFailed, QString(), QString(),
            QStringLiteral("login refused at %1: no such user (the name typed is not recorded)").arg(program));
        return;
    }
    Journal::appendAs(name, Journal::LoginFailed, QString(), QString(),
        QStringLiteral("login of \"%1\" refused at %2: %3").arg(name, program, QLatin1String(refusal)));
}
} // namespace

bool userNameFits(const QString& name) { return toLocal8(name).size() <= kUserNameBytes; }

UserInfo makeUserInfo(int level, const QString& name, const QString& password, quint32 perm)
{
    UserInfo info;
    info.UserGroup = level;
    info.UserName = name;
    info.UserPassword = password;
    info.UserPerm = perm;
    return info;
}

usrdb::usrdb(const QString& filePath, QObject* parent)
    : QObject(parent)
    , m_filePath(filePath.isEmpty() ? defaultFilePath() : filePath)
{
    const bool open = openUserDb() && checkUserFile();
    m_query = QSqlQuery(m_db);
    if (!open)
        return;
    m_db.transaction();
    ensureUserTable(QString::fromLatin1(kUserTable));
    m_db.commit();
}

usrdb::~usrdb()
{
    if (g_instance == this)
        g_instance = nullptr;
    m_query = QSqlQuery();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QString::fromLatin1(kConnectionName));
}

usrdb* usrdb::instance() { return g_instance; }

void usrdb::setInstance(usrdb* db) { g_instance = db; }

QString usrdb::defaultFilePath()
{
    return QDir::toNativeSeparators(dataFolder()) + QDir::separator() + QStringLiteral("USRData.db");
}

bool usrdb::openUserDb()
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (QSqlDatabase::contains(name)) {
        m_db = QSqlDatabase::database(name, false);
    } else {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        m_db.setDatabaseName(m_filePath);
        // Another program's moment of reading (a login of tallvane-cli) delays a write, not refuses it.
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        m_db.setUserName(QStringLiteral("root"));
        m_db.setPassword(QString::fromLatin1(kDefaultAdminPassword));
    }
    m_problem.clear();
    bool open = m_db.isOpen();
    if (!open) {
        // A new user file is made readable and writable by its owner alone before SQLite fills
        // it; SQLite gives its journal the same permissions.
        createPrivateFile(m_db.databaseName());
        open = m_db.open();
        if (!open)
            m_problem = databaseReason(m_db.lastError());
    }
    // SQLite opens any file lazily; a file that is not a database fails at its first read.
    // Deleted and rewritten rows are zeroed, so an older file's clear passwords leave no trace.
    QSqlQuery probe(m_db);
    if (open
        && !(probe.exec(QStringLiteral("PRAGMA secure_delete = ON"))
            && probe.exec(QStringLiteral("select count(*) from sqlite_master")))) {
        m_problem = databaseReason(probe.lastError());
        qCDebug(lcUsers) << m_db.databaseName() << "is not a database:" << m_problem;
        probe = QSqlQuery();
        m_db.close();
        open = false;
    }
    if (!open) {
        Notice::critical(QCoreApplication::translate("usrdb", "can not open usr_db database"),
            QCoreApplication::translate("usrdb", "Unable to establish a usr_db database connection."));
        return false;
    }
    qCDebug(lcUsers) << "open usr_db database ok!";
    return true;
}

// A file that holds other tables but not the user table, or a user table that cannot be read,
// is some other or a damaged file: it is closed untouched instead of given a new administrator.
bool usrdb::checkUserFile()
{
    const QString table = QString::fromLatin1(kUserTable);
    QStringList tables;
    {
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
            while (query.next())
                tables << query.value(0).toString();
        } else {
            m_problem = databaseReason(query.lastError());
        }
        if (m_problem.isEmpty() && tables.contains(table, Qt::CaseInsensitive)) {
            // The columns the queries use, then every page of the table.
            if (!query.exec(QStringLiteral("SELECT UserGroup, UserName, UserPassword, UserPerm FROM %1 LIMIT 0").arg(table))
                || !query.exec(QStringLiteral("select count(*) from %1").arg(table)))
                m_problem = databaseReason(query.lastError());
        } else if (m_problem.isEmpty() && !tables.isEmpty()) {
            m_problem = QCoreApplication::translate("usrdb", "no such table: %1").arg(table);
        }
    }
    if (m_problem.isEmpty())
        return true;
    qCWarning(lcUsers) << m_filePath << "cannot be read as the user database:" << m_problem;
    m_db.close();
    return false;
}

bool usrdb::ensureUserTable(const QString& table)
{
    const QString check = QStringLiteral("select count(*) from sqlite_master where type='table' and name='%1'");
    if (!m_query.exec(check.arg(table))) {
        qCDebug(lcUsers) << QStringLiteral("Error: Fail to check %1 Table.").arg(table);
    } else {
        const bool exists = m_query.next() && m_query.value(0).toInt() != 0;
        m_query.finish();
        if (exists) {
            qCDebug(lcUsers) << QStringLiteral("%1 Table exists.").arg(table);
            return true;
        }
        qCDebug(lcUsers) << QStringLiteral("%1 Table does not exist.").arg(table);
    }
    const QString create = QStringLiteral(
        "create table %1 (UserGroup INT, UserName CHARACTER(32), UserPassword CHARACTER(32), UserPerm INT)")
                               .arg(table);
    qCDebug(lcUsers) << "usr create sql:" << create;
    if (!m_query.exec(create))
        qCDebug(lcUsers) << QStringLiteral("Error: Fail to create %1 Table.").arg(table);
    else
        qCDebug(lcUsers) << QStringLiteral("%1 Table created!").arg(table);
    addDefaultAdmin();
    return true;
}

void usrdb::addDefaultAdmin()
{
    const QString password = hashPassword(QString::fromLatin1(kDefaultAdminPassword));
    insertUser(makeUserInfo(1, QString::fromLatin1(kDefaultAdminName), password, 1), QString::fromLatin1(kUserTable));
}

bool usrdb::holdsOnlyDefaultAdmin()
{
    if (!isReadable())
        return false;
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT UserName, UserPassword FROM %1 LIMIT 2").arg(QLatin1String(kUserTable)))
        || !query.next() || query.value(0).toString() != QLatin1String(kDefaultAdminName))
        return false;
    const QString stored = query.value(1).toString();
    return !query.next() && passwordMatches(stored, QString::fromLatin1(kDefaultAdminPassword));
}

bool usrdb::isFirstAdminLogin(const QString& name, const QString& password)
{
    return name.trimmed() == QLatin1String(kDefaultAdminName) && password == QLatin1String(kDefaultAdminPassword);
}

bool usrdb::insertUser(const UserInfo& info, const QString& table)
{
    m_query.prepare(QStringLiteral("INSERT INTO %1 VALUES(?,?,?,?)").arg(table));
    m_query.addBindValue(info.UserGroup);
    m_query.addBindValue(info.UserName);
    m_query.addBindValue(info.UserPassword);
    m_query.addBindValue(info.UserPerm);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        m_failure = databaseReason(m_query.lastError());
        return false;
    }
    qCDebug(lcUsers) << "inserted success!";
    return true;
}

bool usrdb::deleteUser(const UserInfo& info, const QString& table)
{
    m_query.prepare(QStringLiteral("DELETE FROM %1 WHERE UserName = :UserName").arg(table));
    m_query.bindValue(QStringLiteral(":UserName"), info.UserName);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        m_failure = databaseReason(m_query.lastError());
        return false;
    }
    qCDebug(lcUsers).noquote() << QStringLiteral("delete \"%1\" success!").arg(info.UserName);
    return true;
}

bool usrdb::modifyUser(const UserInfo& newInfo, const UserInfo& oldInfo, const QString& table)
{
    // Without the transaction a failed insert would leave the user deleted.
    // A user removed meanwhile (by another program) is not made again from the edit record,
    // which would bring back a half-empty row.
    const bool transaction = m_db.transaction();
    const bool deleted = deleteUser(oldInfo, table);
    if (deleted && m_query.numRowsAffected() == 0)
        m_failure = QCoreApplication::translate("usrdb", "the user is no longer there");
    if (deleted && m_query.numRowsAffected() > 0 && insertUser(newInfo, table)) {
        m_query.finish();
        if (!transaction || m_db.commit())
            return true;
        qCDebug(lcUsers) << m_db.lastError();
        m_failure = databaseReason(m_db.lastError());
    }
    if (transaction)
        m_db.rollback();
    return false;
}

int usrdb::findUser(UserInfo* info, const QString& table)
{
    m_query.prepare(QStringLiteral("SELECT UserGroup, UserPassword, UserPerm FROM %1 WHERE UserName = :UserName").arg(table));
    m_query.bindValue(QStringLiteral(":UserName"), info->UserName);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return -1;
    }
    qCDebug(lcUsers) << "check exist success!";
    // A read left open keeps SQLite's read lock, which would refuse every other program's
    // writes (user management of a second window) for as long as this one runs.
    const bool found = m_query.next();
    if (found) {
        info->UserGroup = m_query.value(0).toInt();
        info->UserPassword = m_query.value(1).toString();
        info->UserPerm = m_query.value(2).toUInt();
        qCDebug(lcUsers) << "data->permission = " << info->UserPerm;
    }
    m_query.finish();
    return found ? 0 : -1;
}

bool usrdb::checkPassword(UserInfo* info, const QString& typed, const QString& table)
{
    if (!passwordMatches(info->UserPassword, typed))
        return false;
    if (isPasswordHash(info->UserPassword))
        return true;
    // Only the row that still holds this clear password is rewritten; the login succeeds even
    // when the file cannot be written.
    const QString hashed = hashPassword(typed);
    m_query.prepare(
        QStringLiteral("UPDATE %1 SET UserPassword = :Hashed WHERE UserName = :UserName AND UserPassword = :Clear")
            .arg(table));
    m_query.bindValue(QStringLiteral(":Hashed"), hashed);
    m_query.bindValue(QStringLiteral(":UserName"), info->UserName);
    m_query.bindValue(QStringLiteral(":Clear"), info->UserPassword);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return true;
    }
    qCDebug(lcUsers).noquote() << QStringLiteral("password of \"%1\" hashed").arg(info->UserName);
    info->UserPassword = hashed;
    return true;
}

usrdb::LoginResult usrdb::logIn(const QString& name, const QString& password)
{
    // The whole name is looked up and the whole password compared, so neither matches an
    // account by a prefix.
    m_login = UserInfo();
    m_login.UserName = name.trimmed();
    const int ret = findUser(&m_login, QString::fromLatin1(kUserTable));
    qCDebug(lcUsers) << "ret = " << ret;
    if (ret == -1) {
        journalLogin(m_login.UserName, "no such user", false);
        return LoginNoSuchUser;
    }
    if (!checkPassword(&m_login, password, QString::fromLatin1(kUserTable))) {
        journalLogin(m_login.UserName, "wrong password");
        return LoginWrongPassword;
    }
    journalLogin(m_login.UserName, nullptr);
    return LoginAccepted;
}

int usrdb::listUsersOfGroup(int level, QVector<UserInfo>* out, const QString& table)
{
    out->clear();
    m_query.prepare(QStringLiteral("SELECT UserName, UserPassword, UserPerm FROM %1 WHERE UserGroup = :UserGroup").arg(table));
    m_query.bindValue(QStringLiteral(":UserGroup"), level);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return 0;
    }
    qCDebug(lcUsers) << "check exist success!";
    while (m_query.next())
        out->append(makeUserInfo(
            level, m_query.value(0).toString(), m_query.value(1).toString(), m_query.value(2).toUInt()));
    m_query.finish();
    return int(out->size());
}

int usrdb::userExists(const QString& name, const QString& table)
{
    // The name is bound, never pasted into the statement, so any character is safe in it.
    m_query.prepare(QStringLiteral("SELECT UserGroup, UserPassword, UserPerm FROM %1 WHERE UserName = :UserName").arg(table));
    m_query.bindValue(QStringLiteral(":UserName"), name);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return 0;
    }
    qCDebug(lcUsers) << "check exist success!";
    const bool found = m_query.next();
    m_query.finish();
    return found ? -1 : 0;
}
