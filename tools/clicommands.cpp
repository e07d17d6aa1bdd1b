#include "tools/clicommands.h"

#include "records/categories.h"
#include "reports/reportdb.h"
#include "storage/configdb.h"
#include "tools/cliconsole.h"
#include "tools/clisession.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

int CommandContext::usageError(const QString& message) const
{
    Cli::printProblem(message);
    Cli::printError(m_usage);
    return Cli::ExitUsage;
}

bool CommandContext::required(const QString& option, QString* value, int* status) const
{
    if (m_parser.isSet(option)) {
        *value = m_parser.value(option);
        return true;
    }
    *status = usageError(QStringLiteral("--%1 is required").arg(option));
    return false;
}

int CommandContext::logIn(int category)
{
    const int status = m_session.logIn();
    if (status != Cli::ExitOk || category == CategoryNone)
        return status;
    return m_session.authorise(category);
}

namespace {

// new-db FILE
QList<QCommandLineOption> noOptions()
{
    return {};
}

bool hasEveryConfigTable(const QString& path)
{
    QSqlQuery query(QSqlDatabase::database(path, false));
    if (!query.exec(QStringLiteral("select name from sqlite_master where type='table'")))
        return false;
    QStringList found;
    while (query.next())
        found << query.value(0).toString();
    for (const QString& table : configTableNames())
        if (!found.contains(table))
            return false;
    return true;
}

int newDb(CommandContext& context)
{
    const QStringList files = context.positional();
    if (files.size() != 1)
        return context.usageError(QStringLiteral("new-db takes one FILE"));
    if (const int status = context.logIn(CategoryNone))
        return status;
    const QString path = files.first();
    createDatabase(path);
    if (Cli::criticalNoticeShown())
        return Cli::ExitFileError;
    if (!hasEveryConfigTable(path)) {
        Cli::printProblem(QStringLiteral("%1: the tables could not be created").arg(path));
        return Cli::ExitFileError;
    }
    return Cli::ExitOk;
}

// report store FILE...
int reportStore(CommandContext& context)
{
    const QStringList files = context.positional();
    if (files.isEmpty())
        return context.usageError(QStringLiteral("report store takes at least one FILE"));
    if (const int status = context.logIn(CategoryNone))
        return status;
    reportDb* store = reportDb::instance();
    if (Cli::criticalNoticeShown())
        return Cli::ExitFileError;
    int status = Cli::ExitOk;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Cli::printProblem(QStringLiteral("%1: %2").arg(path, file.errorString()));
            status = Cli::ExitFileError;
            continue;
        }
        const QByteArray buffer = file.readAll();
        switch (store->storeReport(buffer)) {
        case reportDb::ReportStored:
            break;
        case reportDb::ReportMalformed:
            Cli::printProblem(
                QStringLiteral("%1: not a complete report buffer; the complete entries before the fault are stored")
                    .arg(path));
            status = Cli::ExitFileError;
            break;
        default:
            Cli::printProblem(QStringLiteral("%1: not stored: the report database failed").arg(path));
            status = Cli::ExitFileError;
            break;
        }
    }
    return status;
}

} // namespace

const QList<CliCommand>& cliCommands()
{
    static const QList<CliCommand> commands {
        { "new-db", "new-db FILE",
            "Creates a configuration database FILE with its twelve tables, as File > new does in the\n"
            "window. An existing FILE is refused (\"FILE is exist.\", status 4).",
            &noOptions, &newDb },
        { "report store", "report store FILE...",
            "Stores report buffers in the report database \"./XZReport.db\" (in the working folder):\n"
            "each FILE holds the raw bytes of one buffer as the register sends it. A buffer that is\n"
            "cut short or names no report kind keeps the complete entries before the fault and gives\n"
            "status 4.",
            &noOptions, &reportStore },
    };
    return commands;
}
