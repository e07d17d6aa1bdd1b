#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVector>

// One operator account, as the user database and the dialogs exchange it. The texts are held
// whole: the login runs in UTF-8 and the dialogs in the display language's code page, so
// bytes of one code page would be another text in the other.
struct UserInfo {
    qint32 UserGroup = 0; // 1 administrator, 2 ordinary user
    QString UserName; // at most kUserNameBytes in the display language's code page
    QString UserPassword; // as stored: a hash text (password.h), or clear text in older files
    quint32 UserPerm = 0; // permission bits (UserPermission)
};

// Longest user name, in bytes of the display language's code page.
constexpr int kUserNameBytes = 31;
bool userNameFits(const QString& name);

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

UserInfo makeUserInfo(int level, const QString& name, const QString& password, quint32 perm);

// The operator accounts in "USRData.db". One object serves the whole run (see instance());
// it also keeps the logged-in user and the user being edited. GUI thread only.
class usrdb : public QObject {
    Q_OBJECT
public:
    // Opens the user database at `filePath` (empty: defaultFilePath()), creating its table and
    // the default administrator in a new or empty file only.
    explicit usrdb(const QString& filePath = QString(), QObject* parent = nullptr);
    ~usrdb() override;

    static usrdb* instance();
    static void setInstance(usrdb* db);

    // "USRData.db" in the data folder (storage/datafolder.h).
    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }
    // Why the file cannot serve as the user database (SQLite's reason, or the table it lacks);
    // empty when it can. Such a file is closed and left exactly as it was.
    QString problem() const { return m_problem; }
    bool isReadable() const { return m_problem.isEmpty(); }

    bool openUserDb();
    bool ensureUserTable(const QString& table);
    void addDefaultAdmin();
    // True while the only user is the default administrator with its first password: nobody
    // has used the program yet, and the login dialog says how to get in.
    bool holdsOnlyDefaultAdmin();
    // True for the default administrator's name with its first password, which every new
    // installation shows on its login screen.
    static bool isFirstAdminLogin(const QString& name, const QString& password);
    bool insertUser(const UserInfo& info, const QString& table);
    bool deleteUser(const UserInfo& info, const QString& table);
    // Replaces the row of `oldInfo`'s name by `newInfo`, both or neither.
    bool modifyUser(const UserInfo& newInfo, const UserInfo& oldInfo, const QString& table);
    // Why the last insertUser, deleteUser or modifyUser failed ("attempt to write a readonly
    // database").
    QString lastFailure() const { return m_failure; }
    // 0 when the user named in `info` exists (and fills the rest of `info`), else -1.
    int findUser(UserInfo* info, const QString& table);
    // True when `typed` is the password of the user that findUser filled into `info`. A clear
    // password of an older file is replaced by its hash at the first match, in the row and in `info`.
    bool checkPassword(UserInfo* info, const QString& typed, const QString& table);
    // The login check of the login dialog: the name trimmed and looked up, the password
    // compared as typed. The login record is rewritten by every attempt and holds the user
    // after LoginAccepted.
    enum LoginResult { LoginAccepted, LoginNoSuchUser, LoginWrongPassword };
    LoginResult logIn(const QString& name, const QString& password);
    // Replaces `out` by the users of `level` in query order; returns how many there are.
    int listUsersOfGroup(int level, QVector<UserInfo>* out, const QString& table);
    // -1 when a user named `name` exists, else 0.
    int userExists(const QString& name, const QString& table);

    UserInfo& loginRecord() { return m_login; }
    UserInfo& editRecord() { return m_edit; }

private:
    bool checkUserFile();

    QString m_filePath;
    QString m_problem;
    QString m_failure;
    QSqlDatabase m_db;
    QSqlQuery m_query;
    UserInfo m_edit;
    UserInfo m_login;
};
