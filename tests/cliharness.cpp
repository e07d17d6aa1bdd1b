#include "cliharness.h"

#include "users/password.h"
#include "users/usrdb.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

#include <grp.h>
#include <unistd.h>

CliProgram::CliProgram(const QString& folder)
    : m_folder(folder)
    , m_program(QDir(folder).filePath(QStringLiteral("tallvane-cli")))
{
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/tallvane-cli");
    QDir().mkpath(folder);
    QFile::remove(m_program);
    // A copy, not a link: a test may change the modes of its folder's files.
    m_ok = QFile::copy(built, m_program);
}

QString CliProgram::userDatabase() const
{
    return QDir(m_folder).filePath(QStringLiteral("USRData.db"));
}

void CliProgram::addUser(int level, const QString& name, const QString& password, quint32 permissions) const
{
    usrdb db(userDatabase());
    db.insertUser(makeUserInfo(level, name, hashPassword(password), permissions), QStringLiteral("USRMG"));
}

void CliProgram::start(QProcess* process, const QStringList& arguments, const QString& password) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TALLVANE_PASSWORD"));
    if (!password.isNull())
        environment.insert(QStringLiteral("TALLVANE_PASSWORD"), password);
    for (auto it = m_environment.cbegin(); it != m_environment.cend(); ++it) {
        if (it.value().isEmpty())
            environment.remove(it.key());
        else
            environment.insert(it.key(), it.value());
    }
    process->setProcessEnvironment(environment);
    // The whole process is the other user's: Qt refuses to run with only its effective user
    // changed, as for a program installed setuid.
    if (m_ordinaryUser && ::geteuid() == 0)
        process->setChildProcessModifier([] {
            const gid_t nogroup = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nogroup) != 0 || ::setuid(65534) != 0)
                ::_exit(126);
        });
    if (process->workingDirectory().isEmpty())
        process->setWorkingDirectory(m_folder);
    process->start(m_program, arguments);
}

CliProgram::Result CliProgram::run(
    const QStringList& arguments, const QString& password, const QByteArray& input, const QString& workingFolder) const
{
    QProcess process;
    process.setWorkingDirectory(workingFolder.isEmpty() ? m_folder : workingFolder);
    start(&process, arguments, password);
    process.write(input);
    process.closeWriteChannel();
    return finish(&process);
}

CliProgram::Result finish(QProcess* process, int timeoutMs)
{
    CliProgram::Result result;
    QDeadlineTimer deadline(timeoutMs);
    while (process->state() != QProcess::NotRunning && !deadline.hasExpired()) {
        process->waitForFinished(20);
        QCoreApplication::processEvents();
    }
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    } else if (process->exitStatus() == QProcess::NormalExit) {
        result.status = process->exitCode();
    }
    result.out = process->readAllStandardOutput();
    result.err = process->readAllStandardError();
    return result;
}

quint16 waitForListening(QProcess* process, QByteArray* err, int timeoutMs)
{
    static const QRegularExpression listening(QStringLiteral("listening on \\S+:(\\d+)"));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        *err += process->readAllStandardError();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(*err));
        if (match.hasMatch())
            return quint16(match.captured(1).toUInt());
        if (process->state() == QProcess::NotRunning)
            return 0;
        process->waitForReadyRead(20);
    }
    return 0;
}

QStringList asAdmin(const QStringList& command)
{
    return QStringList { QStringLiteral("--user"), QStringLiteral("admin") } + command;
}
