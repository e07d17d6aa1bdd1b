// tallvane-cli: programs registers from scripts, with the users, configuration databases,
// files and register links of the window. See --help.

#include "base/programinfo.h"
#include "journal/journal.h"
#include "tools/clicommands.h"
#include "tools/clicompletion.h"
#include "tools/cliconsole.h"
#include "tools/clisession.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const char kGlobalUsage[]
    = "Usage: tallvane-cli --user NAME [--password-stdin] [--language LANGUAGE] COMMAND [options]\n"
      "       tallvane-cli --help | COMMAND --help | --version\n";

const char kGlobalHelp[]
    = "Programs cash registers from scripts: the same users, configuration databases, CSV and\n"
      "spreadsheet files and register links as the Tallvane window.\n"
      "\n"
      "Global options (before the command):\n"
      "  --user NAME          log in as NAME, a user of USRData.db in the window's data folder\n"
      "                       (beside the program in a build or unpacked folder; for an installed\n"
      "                       program, or one whose folder cannot be written, the folder\n"
      "                       ~/.local/share/tallvane; created with the default administrator\n"
      "                       when missing)\n"
      "  --password-stdin     read the password from the first line of standard input; without it\n"
      "                       the password comes from the environment variable TALLVANE_PASSWORD\n"
      "  --language LANGUAGE  english (default), greek, hebrew, arabic or thailand, as chosen at\n"
      "                       login in the window: the code page and text order of register texts,\n"
      "                       and the one new databases record. A database that records another\n"
      "                       language is read and written in that one, with a note on standard\n"
      "                       error\n"
      "  --help               this text; COMMAND --help describes one command\n"
      "  --version            the version and licence\n"
      "  --help-man           this text with every command's own, as a manual page (roff)\n"
      "  --bash-completion    a bash completion script for tallvane-cli\n"
      "\n"
      "The user's level and permissions gate each TYPE as the window's category buttons do.\n"
      "\n"
      "Commands:\n"
      "%1"
      "\n"
      "TYPE is a data type name (DEPTDATA, PLUDATA, TAXDATA, DISCDATA, GROUPDATA, CLERKDATA,\n"
      "HEADERDATA, TRAILERDATA, EXTHEADERDATA, NETPARMDATA, SYSPARMDATA) or its short name:\n"
      "dept, plu, tax, disc, group, clerk, header, trailer, extheader, net, sys, in either case.\n"
      "\n"
      "Every --db FILE (and SET of copy) may also be a set on a PostgreSQL server,\n"
      "postgresql://USER@HOST[:PORT]/DATABASE?set=NAME (one schema per set; other libpq\n"
      "parameters such as sslmode=require are passed on; a socket folder is given as\n"
      "host=/run/postgresql). The password comes from ~/.pgpass or PGPASSWORD, never the URL.\n"
      "A save that finds the table saved by someone else since it was read stores nothing\n"
      "(status 4): run the command again.\n"
      "\n"
      "LINK is one of\n"
      "  --serial PORT        the register on a serial port (115200 baud, 8 data bits, no parity,\n"
      "                       1 stop bit, as in the window); a port opens only for the members of\n"
      "                       its group, dialout on Debian (sudo adduser USER dialout, then log in\n"
      "                       again)\n"
      "  --tcp [--listen ADDRESS] [--port N] [--registers N] [--wait SECONDS]\n"
      "                       listen for registers (default: the address and port of\n"
      "                       tallvane.ini in the data folder, else every IPv4 address and 55391),\n"
      "                       wait until N registers (default 1) have connected or SECONDS\n"
      "                       (default 60) have passed, run the transfer on every connected\n"
      "                       register at once and finish when each has ended\n"
      "\n"
      "Output: every word that the window adds to its transfer logs, one line each on standard\n"
      "output: the item's name or number per row, END, TIME OUT, RCV ERR, BCC ERR, or a refusal\n"
      "in spaced hexadecimal (15); over TCP each line begins with the register's address and a\n"
      "blank. While standard error is a terminal, a progress bar is drawn there.\n"
      "\n"
      "Exit status:\n"
      "  0  done; with a link: every register ended with END\n"
      "  1  a transfer failed, or no register took part, or fewer than --registers; a register\n"
      "     answered late or out of step, so that what it holds is not known (without --verify);\n"
      "     check found cells that do not fit;\n"
      "     install --verify found a register that holds something else than was sent;\n"
      "     journal verify found an entry that does not hold\n"
      "  2  usage error (message and usage on standard error)\n"
      "  3  login or permission refused (username is not exist!, password err!, No authority.)\n"
      "  4  a database or file error (its message on standard error)\n";

QString commandList()
{
    QString list;
    for (const CliCommand& command : cliCommands())
        list += QStringLiteral("  %1\n").arg(QLatin1String(command.usage));
    return list;
}

QString globalHelp()
{
    return QString::fromLatin1(kGlobalUsage) + QLatin1Char('\n') + QString::fromLatin1(kGlobalHelp).arg(commandList());
}

// The manual page: the global help with each command's own help below its usage.
QString manual()
{
    ManualPage page;
    page.program = QStringLiteral("tallvane-cli");
    page.summary = QStringLiteral("program cash registers from scripts");
    page.help = globalHelp();
    for (const CliCommand& command : cliCommands())
        page.commands << ManualCommand { QLatin1String(command.usage), QString::fromUtf8(command.help) };
    page.seeAlso = QStringList { QStringLiteral("tallvane"), QStringLiteral("tallvane-ecrsim") };
    return manualPage(page);
}

int globalUsageError(const QString& message)
{
    Cli::printProblem(message);
    Cli::printError(QString::fromLatin1(kGlobalUsage).trimmed());
    return Cli::ExitUsage;
}

const CliCommand* findCommand(const QStringList& words, int* used)
{
    for (const CliCommand& command : cliCommands()) {
        const QStringList name = QString::fromLatin1(command.name).split(QLatin1Char(' '));
        if (words.mid(0, name.size()) == name) {
            *used = int(name.size());
            return &command;
        }
    }
    return nullptr;
}

// The commands named `word` and a second word ("report" gives report store and report export).
QList<const CliCommand*> commandGroup(const QString& word)
{
    QList<const CliCommand*> group;
    for (const CliCommand& command : cliCommands())
        if (QString::fromLatin1(command.name).startsWith(word + QLatin1Char(' ')))
            group << &command;
    return group;
}

// `report` alone or with --help: the usage of each of its commands, as help (status 0) or as a
// usage error (status 2).
int groupUsage(const QStringList& words, const QList<const CliCommand*>& group)
{
    QStringList usages;
    QStringList names;
    for (const CliCommand* command : group) {
        usages << QStringLiteral("Usage: tallvane-cli [global options] %1").arg(QLatin1String(command->usage));
        names << QString::fromLatin1(command->name).section(QLatin1Char(' '), 1);
    }
    if (words.value(1) == QLatin1String("--help")) {
        Cli::printLine(
            usages.join(QLatin1Char('\n')) + QStringLiteral("\n\n--help after one of them says what it does."));
        return Cli::ExitOk;
    }
    Cli::printProblem(words.size() == 1
            ? QStringLiteral("\"%1\" needs one of: %2").arg(words.first(), names.join(QStringLiteral(", ")))
            : QStringLiteral("unknown command \"%1\"").arg(words.mid(0, 2).join(QLatin1Char(' '))));
    Cli::printError(usages.join(QLatin1Char('\n')));
    return Cli::ExitUsage;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The window's name: an installed program keeps its files in the user's data folder of that
    // name, and the tool works on the same ones.
    QCoreApplication::setApplicationName(QStringLiteral("tallvane"));
    Cli::installNoticeHandler();
    // A journal that cannot be written is said on standard error; the command goes on.
    Journal::setFailureHandler([](const QString& sentence) {
        if (!sentence.isEmpty())
            Cli::printProblem(sentence);
    });

    QCommandLineParser global;
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption userOption(QStringLiteral("user"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption stdinOption(QStringLiteral("password-stdin"));
    const QCommandLineOption languageOption(QStringLiteral("language"), QString(), QStringLiteral("LANGUAGE"));
    const QCommandLineOption helpOption(QStringLiteral("help"));
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption manualOption(QStringLiteral("help-man"));
    const QCommandLineOption completionOption(QStringLiteral("bash-completion"));
    const QList<QCommandLineOption> globalOptions { userOption, stdinOption, languageOption, helpOption, versionOption,
        manualOption, completionOption };
    global.addOptions(globalOptions);
    if (!global.parse(QCoreApplication::arguments()))
        return globalUsageError(global.errorText());

    const QStringList words = global.positionalArguments();
    if (global.isSet(helpOption)) {
        Cli::printBytes(globalHelp().toUtf8());
        return Cli::ExitOk;
    }
    if (global.isSet(versionOption)) {
        Cli::printBytes(versionText(QStringLiteral("tallvane-cli")).toUtf8());
        return Cli::ExitOk;
    }
    if (global.isSet(manualOption)) {
        Cli::printBytes(manual().toUtf8());
        return Cli::ExitOk;
    }
    if (global.isSet(completionOption)) {
        Cli::printBytes(bashCompletion(globalOptions).toUtf8());
        return Cli::ExitOk;
    }
    if (words.isEmpty())
        return globalUsageError(QStringLiteral("no command given"));

    int used = 0;
    const CliCommand* command = findCommand(words, &used);
    if (!command && !commandGroup(words.first()).isEmpty())
        return groupUsage(words, commandGroup(words.first()));
    if (!command)
        return globalUsageError(QStringLiteral("unknown command \"%1\"").arg(words.mid(0, 2).join(QLatin1Char(' '))));

    const QString usage = QStringLiteral("Usage: tallvane-cli [global options] %1").arg(QLatin1String(command->usage));
    QCommandLineParser parser;
    parser.addOptions(command->options());
    parser.addOption(helpOption);
    QStringList arguments = words.mid(used);
    arguments.prepend(QCoreApplication::arguments().value(0));
    if (!parser.parse(arguments)) {
        Cli::printProblem(parser.errorText());
        Cli::printError(usage);
        return Cli::ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        Cli::printLine(usage + QStringLiteral("\n\n") + QString::fromUtf8(command->help));
        return Cli::ExitOk;
    }
    // An option given twice would take its last value unsaid, a stray argument would be ignored.
    for (const QCommandLineParser* given : { &global, &parser }) {
        for (const QString& name : given->optionNames()) {
            if (given->optionNames().count(name) > 1) {
                Cli::printProblem(QStringLiteral("--%1 is given more than once").arg(name));
                Cli::printError(usage);
                return Cli::ExitUsage;
            }
        }
    }
    // An empty value would stand for another choice: --out "" for standard output, --db "" for a
    // store that vanishes. Only an empty register name means something (rows stored without one).
    for (const QCommandLineOption& option : command->options()) {
        const QString name = option.names().first();
        if (!option.valueName().isEmpty() && name != QLatin1String("register") && parser.isSet(name)
            && parser.value(name).isEmpty()) {
            Cli::printProblem(QStringLiteral("--%1 takes a value, not an empty text").arg(name));
            Cli::printError(usage);
            return Cli::ExitUsage;
        }
    }
    if (!command->files && !parser.positionalArguments().isEmpty()) {
        Cli::printProblem(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
        Cli::printError(usage);
        return Cli::ExitUsage;
    }

    CliSession session;
    if (!global.isSet(userOption))
        return globalUsageError(QStringLiteral("--user NAME is required"));
    session.user = global.value(userOption);
    session.passwordStdin = global.isSet(stdinOption);
    if (global.isSet(languageOption)) {
        session.language = CliSession::languageNumber(global.value(languageOption));
        if (session.language == 0)
            return globalUsageError(QStringLiteral("--language takes english, greek, hebrew, arabic or thailand"));
    }

    CommandContext context(usage, parser, session);
    return command->run(context);
}
