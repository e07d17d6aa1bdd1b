#include "tools/clicompletion.h"

#include "tools/clicommands.h"

#include <QMap>
#include <QSet>

namespace {

QString words(const QStringList& list)
{
    return list.join(QLatin1Char(' '));
}

// Every option of `options` that takes a value, by what completes its value.
void collectValues(const QList<QCommandLineOption>& options, QMap<QString, QSet<QString>>* byValue)
{
    for (const QCommandLineOption& option : options)
        if (!option.valueName().isEmpty())
            for (const QString& name : option.names())
                (*byValue)[option.valueName()].insert(QStringLiteral("--") + name);
}

QStringList optionNames(const QList<QCommandLineOption>& options)
{
    QStringList names;
    for (const QCommandLineOption& option : options)
        for (const QString& name : option.names())
            names << QStringLiteral("--") + name;
    return names;
}

// The compgen arguments that complete a value named `valueName`; empty for values that cannot
// be guessed (an address, a number).
QString valueWords(const QString& valueName)
{
    if (valueName == QLatin1String("TYPE"))
        return QStringLiteral("-W \"$types\" -- \"$cur\"");
    if (valueName == QLatin1String("COMMAND"))
        return QStringLiteral("-W \"install add update delete\" -- \"$cur\"");
    if (valueName == QLatin1String("LANGUAGE"))
        return QStringLiteral("-W \"english greek hebrew arabic thailand\" -- \"$cur\"");
    if (valueName.startsWith(QLatin1String("FILE")) || valueName == QLatin1String("SET"))
        return QStringLiteral("-f -- \"$cur\"");
    if (valueName == QLatin1String("PORT"))
        return QStringLiteral("-f -- \"${cur:-/dev/tty}\"");
    return QString();
}

} // namespace

QString bashCompletion(const QList<QCommandLineOption>& globalOptions)
{
    // The commands' first words, and the second words of those that have two ("report store").
    QStringList firstWords;
    QMap<QString, QStringList> secondWords;
    QMap<QString, QSet<QString>> byValue;
    collectValues(globalOptions, &byValue);
    QString commandCases;
    for (const CliCommand& command : cliCommands()) {
        const QString name = QString::fromLatin1(command.name);
        const QStringList parts = name.split(QLatin1Char(' '));
        if (!firstWords.contains(parts.first()))
            firstWords << parts.first();
        if (parts.size() > 1)
            secondWords[parts.first()] << parts.at(1);
        const QList<QCommandLineOption> options = command.options();
        collectValues(options, &byValue);
        commandCases += QStringLiteral("        \"%1\") options=\"%2\" ;;\n")
                            .arg(name, words(optionNames(options) << QStringLiteral("--help")));
    }
    for (auto it = secondWords.cbegin(); it != secondWords.cend(); ++it)
        commandCases += QStringLiteral("        \"%1\") _tallvane_cli_reply -W \"%2\" -- \"$cur\"; return ;;\n")
                            .arg(it.key(), words(it.value()));

    // One case per way of completing, with every option whose value completes that way.
    QMap<QString, QStringList> byCompletion;
    for (auto it = byValue.cbegin(); it != byValue.cend(); ++it)
        byCompletion[valueWords(it.key())] += it.value().values();
    QString valueCases;
    for (auto it = byCompletion.cbegin(); it != byCompletion.cend(); ++it) {
        QStringList names = it.value();
        names.removeDuplicates();
        names.sort();
        valueCases
            += QStringLiteral("        %1) %2return ;;\n")
                   .arg(names.join(QLatin1Char('|')),
                       it.key().isEmpty() ? QString() : QStringLiteral("_tallvane_cli_reply %1; ").arg(it.key()));
    }

    // The TYPE names of every command; install alone adds the logo.
    QStringList tableTypes = cliTypeNames();
    tableTypes.removeAll(QStringLiteral("logo"));

    QStringList globalValueOptions;
    for (const QCommandLineOption& option : globalOptions)
        if (!option.valueName().isEmpty())
            globalValueOptions << QStringLiteral("--") + option.names().first();

    return QStringLiteral(
        "# bash completion for tallvane-cli, made from its command table by tallvane-cli --bash-completion\n"
        "# The replies of compgen, one a line: a file name may hold blanks or pattern signs, and\n"
        "# is neither split nor expanded.\n"
        "_tallvane_cli_reply()\n"
        "{\n"
        "    local reply\n"
        "    COMPREPLY=()\n"
        "    while IFS= read -r reply; do COMPREPLY+=(\"$reply\"); done < <(compgen \"$@\")\n"
        "}\n"
        "_tallvane_cli()\n"
        "{\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "    local command=\"\" options word i\n"
        "    # bash splits --opt=value at the '=': the value completes as after --opt value.\n"
        "    if [[ $cur == = && $prev == --* ]]; then\n"
        "        cur=\"\"\n"
        "    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then\n"
        "        prev=${COMP_WORDS[COMP_CWORD-2]}\n"
        "    fi\n"
        "    # The command: the first words after the global options and their values.\n"
        "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "        word=${COMP_WORDS[i]}\n"
        "        case \"$word\" in\n"
        "        %1) ((i++)); [[ ${COMP_WORDS[i]} == = ]] && ((i++)) ;;\n"
        "        -*) [[ -n $command ]] && break ;;\n"
        "        *)\n"
        "            if [[ -z $command ]]; then\n"
        "                command=$word\n"
        "                case \"$command\" in %2) ;; *) break ;; esac\n"
        "            else\n"
        "                command=\"$command $word\"\n"
        "                break\n"
        "            fi ;;\n"
        "        esac\n"
        "    done\n"
        "    # The logo is a TYPE of install only.\n"
        "    local types=\"%7\"\n"
        "    [[ $command == install ]] && types=\"$types logo\"\n"
        "    case \"$prev\" in\n"
        "%3"
        "    esac\n"
        "    case \"$command\" in\n"
        "        \"\")\n"
        "            if [[ $cur == -* ]]; then\n"
        "                _tallvane_cli_reply -W \"%4\" -- \"$cur\"\n"
        "            else\n"
        "                _tallvane_cli_reply -W \"%5\" -- \"$cur\"\n"
        "            fi\n"
        "            return ;;\n"
        "%6"
        "        *) return ;;\n"
        "    esac\n"
        "    if [[ $cur == -* ]]; then\n"
        "        _tallvane_cli_reply -W \"$options\" -- \"$cur\"\n"
        "    else\n"
        "        _tallvane_cli_reply -f -- \"$cur\"\n"
        "    fi\n"
        "}\n"
        "complete -o filenames -F _tallvane_cli tallvane-cli\n")
        .arg(globalValueOptions.join(QLatin1Char('|')), QStringList(secondWords.keys()).join(QLatin1Char('|')),
            valueCases, words(optionNames(globalOptions)), words(firstWords), commandCases, words(tableTypes));
}
