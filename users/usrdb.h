#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// One operator account, as the user database and the dialogs exchange it.
struct UserInfo {
    qint32 UserGroup; // 1 administrator, 2 ordinary user
    char UserName[32]; // NUL-terminated, display language code page
    char UserPassword[32]; // NUL-terminated, display language code page, clear text
    quint32 UserPerm; // permission bits (UserPermission)
};

// Permission bits of UserInfo::UserPerm; byte 0 and byte 1 gate the item categories.
enum UserPermission : quint32 {
    PermClerk = 0x001,
    PermGroup = 0x002,
    PermDepartment = 0x004,
    PermPlu = 0x008,
    PermDiscount = 0x010,
    PermTax = 0x020,
    PermHeader = 0x040,
    PermTrailer = 0x080,
    PermGraphic = 0x100,
    PermNet = 0x200,
    PermSystem = 0x400,
    PermAll = 0x7FF,
};

// Fills a zeroed UserInfo with `name` and `password` (cut to their fields).
UserInfo makeUserInfo(int level, const QByteArray& name, const QByteArray& password, quint32 perm);

// The operator accounts in "USRData.db". One object serves the whole run (see instance());
// it also keeps the logged-in user and the user being edited. GUI thread only.
class usrdb : public QObject {
    Q_OBJECT
public:
    // Opens the user database at `filePath` (empty: "USRData.db" beside the executable),
    // creating its table and the default administrator on first use.
    explicit usrdb(const QString& filePath = QString(), QObject* parent = nullptr);
    ~usrdb() override;

    static usrdb* instance();
    static void setInstance(usrdb* db);

    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }

    bool openUserDb();
    bool ensureUserTable(const QString& table);
    void addDefaultAdmin();
    bool insertUser(const UserInfo& info, const QString& table);
    bool deleteUser(const UserInfo& info, const QString& table);
    bool modifyUser(const UserInfo& newInfo, const UserInfo& oldInfo, const QString& table);
    // 0 when the user named in `info` exists (and fills the rest of `info`), else -1.
    int findUser(UserInfo* info, const QString& table);
    // Writes at most `capacity` users of `level` to `out`; returns how many were written.
    int listUsersOfGroup(int level, UserInfo* out, int capacity, const QString& table);
    // -1 when a user named `name` exists, else 0.
    int userExists(const QByteArray& name, const QString& table);

    UserInfo& loginRecord() { return m_login; }
    UserInfo& editRecord() { return m_edit; }

private:
    QString m_filePath;
    QSqlDatabase m_db;
    QSqlQuery m_query;
    UserInfo m_edit {};
    UserInfo m_login {};
};
