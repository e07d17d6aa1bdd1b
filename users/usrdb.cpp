#include "users/usrdb.h"

#include "storage/notice.h"
#include "users/language.h"
#include "users/userslog.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QVariant>

#include <cstring>

namespace {

const char kConnectionName[] = "usr_sql_connection";
const char kUserTable[] = "USRMG";
const char kDefaultAdminName[] = "admin";
const char kDefaultAdminPassword[] = "604218";

usrdb* g_instance = nullptr;

void copyField(char* field, int size, const QByteArray& text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.constData(), qMin<int>(int(qstrnlen(text.constData(), text.size())), size - 1));
}

QString fieldText(const char* field, int size) { return fromLocal8Field(field, size); }

} // namespace

UserInfo makeUserInfo(int level, const QByteArray& name, const QByteArray& password, quint32 perm)
{
    UserInfo info {};
    info.UserGroup = level;
    copyField(info.UserName, sizeof info.UserName, name);
    copyField(info.UserPassword, sizeof info.UserPassword, password);
    info.UserPerm = perm;
    return info;
}

usrdb::usrdb(const QString& filePath, QObject* parent)
    : QObject(parent)
    , m_filePath(filePath.isEmpty() ? defaultFilePath() : filePath)
{
    openUserDb();
    m_query = QSqlQuery(m_db);
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
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator()
        + QStringLiteral("USRData.db");
}

bool usrdb::openUserDb()
{
    const QString name = QString::fromLatin1(kConnectionName);
    if (QSqlDatabase::contains(name)) {
        m_db = QSqlDatabase::database(name, false);
    } else {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        m_db.setDatabaseName(m_filePath);
        m_db.setUserName(QStringLiteral("root"));
        m_db.setPassword(QString::fromLatin1(kDefaultAdminPassword));
    }
    if (!m_db.isOpen() && !m_db.open()) {
        Notice::critical(QStringLiteral("can not open usr_db database"),
            QStringLiteral("Unable to establish a usr_db database connection."));
        return false;
    }
    qCDebug(lcUsers) << "open usr_db database ok!";
    return true;
}

bool usrdb::ensureUserTable(const QString& table)
{
    const QString check = QStringLiteral("select count(*) from sqlite_master where type='table' and name='%1'");
    if (!m_query.exec(check.arg(table))) {
        qCDebug(lcUsers) << QStringLiteral("Error: Fail to check %1 Table.").arg(table);
    } else {
        if (m_query.next() && m_query.value(0).toInt() != 0) {
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
    insertUser(makeUserInfo(1, kDefaultAdminName, kDefaultAdminPassword, 1), QString::fromLatin1(kUserTable));
}

bool usrdb::insertUser(const UserInfo& info, const QString& table)
{
    m_query.prepare(QStringLiteral("INSERT INTO %1 VALUES(?,?,?,?)").arg(table));
    m_query.addBindValue(info.UserGroup);
    m_query.addBindValue(fieldText(info.UserName, sizeof info.UserName));
    m_query.addBindValue(fieldText(info.UserPassword, sizeof info.UserPassword));
    m_query.addBindValue(info.UserPerm);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return false;
    }
    qCDebug(lcUsers) << "inserted success!";
    return true;
}

bool usrdb::deleteUser(const UserInfo& info, const QString& table)
{
    const QString name = fieldText(info.UserName, sizeof info.UserName);
    m_query.prepare(QStringLiteral("DELETE FROM %1 WHERE UserName = :UserName").arg(table));
    m_query.bindValue(QStringLiteral(":UserName"), name);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return false;
    }
    qCDebug(lcUsers).noquote() << QStringLiteral("delete \"%1\" success!").arg(name);
    return true;
}

bool usrdb::modifyUser(const UserInfo& newInfo, const UserInfo& oldInfo, const QString& table)
{
    deleteUser(oldInfo, table);
    insertUser(newInfo, table);
    return true;
}

int usrdb::findUser(UserInfo* info, const QString& table)
{
    m_query.prepare(QStringLiteral("SELECT UserGroup, UserPassword, UserPerm FROM %1 WHERE UserName = :UserName").arg(table));
    m_query.bindValue(QStringLiteral(":UserName"), fieldText(info->UserName, sizeof info->UserName));
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return -1;
    }
    qCDebug(lcUsers) << "check exist success!";
    if (!m_query.next())
        return -1;
    info->UserGroup = m_query.value(0).toInt();
    copyField(info->UserPassword, sizeof info->UserPassword, toLocal8(m_query.value(1).toString()));
    info->UserPerm = m_query.value(2).toUInt();
    qCDebug(lcUsers) << "data->permission = " << info->UserPerm;
    return 0;
}

int usrdb::listUsersOfGroup(int level, UserInfo* out, int capacity, const QString& table)
{
    m_query.prepare(QStringLiteral("SELECT UserName, UserPassword, UserPerm FROM %1 WHERE UserGroup = :UserGroup").arg(table));
    m_query.bindValue(QStringLiteral(":UserGroup"), level);
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return 0;
    }
    qCDebug(lcUsers) << "check exist success!";
    int count = 0;
    while (count < capacity && m_query.next()) {
        out[count] = makeUserInfo(level, toLocal8(m_query.value(0).toString()), toLocal8(m_query.value(1).toString()),
            m_query.value(2).toUInt());
        ++count;
    }
    return count;
}

int usrdb::userExists(const QByteArray& name, const QString& table)
{
    // The name is bound, never pasted into the statement, so any character is safe in it.
    m_query.prepare(QStringLiteral("SELECT UserGroup, UserPassword, UserPerm FROM %1 WHERE UserName = :UserName").arg(table));
    m_query.bindValue(QStringLiteral(":UserName"), fromLocal8(name));
    if (!m_query.exec()) {
        qCDebug(lcUsers) << m_query.lastError();
        return 0;
    }
    qCDebug(lcUsers) << "check exist success!";
    return m_query.next() ? -1 : 0;
}
