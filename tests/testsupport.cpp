#include "testsupport.h"

#include "base/language.h"
#include "journal/journal.h"
#include "storage/notice.h"

#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <sys/stat.h>
#include <unistd.h>

LogCapture* LogCapture::s_current = nullptr;

LogCapture::LogCapture(const QString& rules)
{
    QLoggingCategory::setFilterRules(rules);
    s_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
    QLoggingCategory::setFilterRules(QString());
}

void LogCapture::handler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (LogCapture* capture = s_current) {
        QMutexLocker locker(&capture->m_lock);
        capture->m_lines << message;
    }
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&m_lock);
    return m_lines;
}

int LogCapture::count(const QString& part) const
{
    QMutexLocker locker(&m_lock);
    int n = 0;
    for (const QString& line : m_lines)
        if (line.contains(part))
            ++n;
    return n;
}

void LogCapture::clear()
{
    QMutexLocker locker(&m_lock);
    m_lines.clear();
}

namespace {
bool useLanguage(int language)
{
    currentLanguage = quint8(language);
    const bool known = setlanguage::setLanguage(language);
    setlanguage::applyLanguage();
    return known;
}
} // namespace

LanguageScope::LanguageScope(int language)
    : m_previous(currentLanguage)
    , m_previousRegister(registerLanguage)
    , m_valid(useLanguage(language))
{
}

void LanguageScope::restore()
{
    if (!m_restored) {
        useLanguage(m_previous);
        setRegisterLanguage(m_previousRegister);
    }
    m_restored = true;
}

ItemRow textRow(const QStringList& cells)
{
    ItemRow row;
    for (const QString& cell : cells)
        row << cell;
    return row;
}

QStringList rowTexts(const ItemRow& row)
{
    QStringList texts;
    for (const QVariant& cell : row)
        texts << cell.toString();
    return texts;
}

QByteArray hexBytes(const char* spaced) { return QByteArray::fromHex(QByteArray(spaced).replace(' ', "")); }

NoticeRecorder::NoticeRecorder()
{
    Notice::setHandler([this](Notice::Kind, const QString& title, const QString& text) {
        shown << title + QStringLiteral(": ") + text;
    });
}

NoticeRecorder::~NoticeRecorder() { Notice::setHandler({}); }

namespace {
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
bool runsAsRoot() { return geteuid() == 0; }
} // namespace

OrdinaryRights::OrdinaryRights()
{
    // As root the folder lies under /tmp, whose parents every user can pass.
    m_dir = runsAsRoot() ? std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/tallvane-rights-XXXXXX"))
                         : std::make_unique<QTemporaryDir>();
    m_valid = m_dir->isValid() && setWritable(m_dir->path(), true);
    if (m_valid && runsAsRoot()) {
        // Dropping the rights must also give them back.
        m_valid = setegid(kNoGroup) == 0 && seteuid(kNobody) == 0;
        m_valid = seteuid(0) == 0 && setegid(0) == 0 && m_valid;
    }
}

OrdinaryRights::~OrdinaryRights()
{
    // Folders left read-only would keep their files from being removed.
    QDirIterator it(m_dir->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        setWritable(it.next(), true);
}

QString OrdinaryRights::filePath(const QString& name) const { return m_dir->filePath(name); }

bool OrdinaryRights::setWritable(const QString& path, bool writable) const
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (lstat(native.constData(), &info) != 0)
        return false;
    if (runsAsRoot() && lchown(native.constData(), kNobody, kNoGroup) != 0)
        return false;
    const bool folder = S_ISDIR(info.st_mode);
    const mode_t mode = (folder ? 0555 : 0444) | (writable ? 0200 : 0);
    return chmod(native.constData(), mode) == 0;
}

OrdinaryRights::Scope::Scope()
{
    if (runsAsRoot())
        m_dropped = setegid(kNoGroup) == 0 && seteuid(kNobody) == 0;
}

OrdinaryRights::Scope::~Scope()
{
    if (m_dropped) {
        seteuid(0);
        setegid(0);
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool withDatabaseFile(const QString& path, const std::function<bool(QSqlQuery&)>& work)
{
    const QString connection = QStringLiteral("test-file-check");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            ok = work(query);
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

bool forEachRow(const QString& path, const QString& sql, const std::function<void(const QSqlQuery&)>& row)
{
    return withDatabaseFile(path, [&](QSqlQuery& query) {
        if (!query.exec(sql))
            return false;
        while (query.next())
            row(query);
        return true;
    });
}

JournalScope::JournalScope(const QString& path)
    : m_previousPath(Journal::filePath())
    , m_previousUser(Journal::user())
{
    Journal::setFilePath(path);
    Journal::setUser(QString());
    Journal::setFailureHandler(nullptr);
}

JournalScope::~JournalScope()
{
    Journal::setFailureHandler(nullptr);
    Journal::setFilePath(m_previousPath);
    Journal::setUser(m_previousUser);
}
