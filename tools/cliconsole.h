#pragma once

#include <QByteArray>
#include <QString>

// What tallvane-cli writes and how it ends: result lines on standard output, messages on
// standard error, one exit status per outcome. Main thread only.
namespace Cli {

enum ExitStatus {
    ExitOk = 0, // every register ended with "END"; a command without a link did its work
    ExitTransferFailed = 1, // a transfer failed or reached no register
    ExitNotAsShown = 1, // check found cells that do not fit; install --verify found a table held otherwise
    ExitJournalBroken = 1, // journal verify found an entry that does not hold
    ExitUsage = 2, // the command line is wrong (message and usage on standard error)
    ExitRefused = 3, // login or permission refused
    ExitFileError = 4, // a database or file error (its message on standard error)
};

// One line of output (UTF-8) on standard output, written at once.
void printLine(const QString& line);
// Bytes on standard output as they are (CSV).
void printBytes(const QByteArray& bytes);
// One message line on standard error.
void printError(const QString& message);
// "tallvane-cli: MESSAGE" on standard error.
void printProblem(const QString& message);

// Sends the notices of the libraries (database failures, which the window shows in boxes)
// to standard error and remembers whether a critical one was among them.
void installNoticeHandler();
bool criticalNoticeShown();
void clearCriticalNotice();

// True when standard error is a terminal (the progress bar is drawn there only then).
bool stderrIsTerminal();

} // namespace Cli
