#include "tools/clisession.h"

#include "base/language.h"
#include "storage/configdb.h"
#include "tools/cliconsole.h"
#include "users/permissions.h"
#include "users/usrdb.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {
const char* const kLanguageNames[] = { "english", "greek", "hebrew", "arabic", "thailand" };
const char kPasswordVariable[] = "TALLVANE_PASSWORD";
} // namespace

int CliSession::languageNumber(const QString& name)
{
    for (int i = 0; i < 5; ++i)
        if (name == QLatin1String(kLanguageNames[i]))
            return i + 1;
    return 0;
}

bool CliSession::readPassword(QString* password) const
{
    if (passwordStdin) {
        // The first line as typed: only its line end is dropped, as the dialog takes the
        // field's text whole.
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return false;
        QByteArray line = in.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        *password = QString::fromUtf8(line);
        return true;
    }
    const char* value = std::getenv(kPasswordVariable);
    if (!value)
        return false;
    *password = QString::fromUtf8(value);
    return true;
}

int CliSession::logIn()
{
    QString password;
    if (!readPassword(&password)) {
        Cli::printProblem(
            QStringLiteral("no password: set %1 or give --password-stdin").arg(QLatin1String(kPasswordVariable)));
        return Cli::ExitUsage;
    }
    // As the program starts: the login runs in UTF-8, the chosen language comes after it.
    setlanguage::setLanguage(English);
    if (!usrdb::instance())
        usrdb::setInstance(new usrdb(usrdb::defaultFilePath()));
    // A user database that cannot be opened (a data folder that cannot be written, a damaged
    // file) is a file error, not a refused login.
    if (!usrdb::instance()->isReadable()) {
        Cli::printProblem(
            QStringLiteral("cannot open the user database %1: %2")
                .arg(QDir::toNativeSeparators(usrdb::instance()->filePath()), usrdb::instance()->problem()));
        return Cli::ExitFileError;
    }
    const usrdb::LoginResult result = usrdb::instance()->logIn(user, password);
    if (result == usrdb::LoginNoSuchUser) {
        Cli::printError(QStringLiteral("username is not exist!"));
        return Cli::ExitRefused;
    }
    if (result == usrdb::LoginWrongPassword) {
        Cli::printError(QStringLiteral("password err!"));
        return Cli::ExitRefused;
    }
    currentLanguage = quint8(language);
    setlanguage::applyLanguage();
    setDatabaseOperator(user);
    m_loggedIn = true;
    return Cli::ExitOk;
}

int CliSession::authorise(int category) const
{
    if (m_loggedIn && usrdb::instance() && mayOpenCategory(usrdb::instance()->loginRecord(), category))
        return Cli::ExitOk;
    Cli::printError(QStringLiteral("No authority."));
    return Cli::ExitRefused;
}
