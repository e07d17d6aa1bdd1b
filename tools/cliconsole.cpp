#include "tools/cliconsole.h"

#include "storage/notice.h"

#include <cstdio>

#include <unistd.h>

namespace Cli {

namespace {
bool g_criticalShown = false;
}

void printLine(const QString& line)
{
    printBytes(line.toUtf8() + '\n');
}

void printBytes(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printError(const QString& message)
{
    const QByteArray line = message.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

void printProblem(const QString& message)
{
    printError(QStringLiteral("tallvane-cli: ") + message);
}

void installNoticeHandler()
{
    // The box's text is the message; its title ("Warnning!") adds nothing on a terminal.
    Notice::setHandler([](Notice::Kind kind, const QString&, const QString& text) {
        if (kind == Notice::Kind::Critical)
            g_criticalShown = true;
        printError(text);
    });
}

bool criticalNoticeShown()
{
    return g_criticalShown;
}

void clearCriticalNotice()
{
    g_criticalShown = false;
}

bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace Cli
