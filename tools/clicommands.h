#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

class CliSession;

// One command of tallvane-cli as the command line gives it: its options parsed, the
// session to log in with. Commands check their options first (ExitUsage), then log in and
// check the permission of their category, then work.
class CommandContext {
public:
    CommandContext(const QString& usage, QCommandLineParser& parser, CliSession& session)
        : m_usage(usage)
        , m_parser(parser)
        , m_session(session)
    {
    }

    bool isSet(const QString& option) const { return m_parser.isSet(option); }
    QString value(const QString& option) const { return m_parser.value(option); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    CliSession& session() { return m_session; }

    // Prints "tallvane-cli: MESSAGE" and the command's usage; gives ExitUsage.
    int usageError(const QString& message) const;
    // A required option: its value, or a usage error through `status`.
    bool required(const QString& option, QString* value, int* status) const;
    // Logs in, then checks the permission of `category` (0: any logged-in user).
    int logIn(int category);

private:
    QString m_usage;
    QCommandLineParser& m_parser;
    CliSession& m_session;
};

struct CliCommand {
    const char* name; // "export", "report export"
    const char* usage; // the line after "tallvane-cli [global options] "
    bool files; // takes FILE arguments after its options (no other command takes any)
    const char* help; // what --help prints below the usage
    QList<QCommandLineOption> (*options)();
    int (*run)(CommandContext& context);
};

// The commands in the order the overall help lists them.
const QList<CliCommand>& cliCommands();
// What --type takes: the short names, the data type names and "logo".
QStringList cliTypeNames();
