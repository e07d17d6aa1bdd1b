#pragma once

#include <QString>

// The run of the program after the application object exists: plug-in path, codec list,
// user database, login, then the main window until its event loop ends. Returns the exit
// status: 0 when the login does not end accepted. `userDbPath` empty means the user
// database in the data folder (storage/datafolder.h).
int runTallvane(const QString& userDbPath = QString());

// Answers --help, --version and --help-man (the manual page) on standard output without an
// application object, so that they need no display: true, with `status` set, when one was
// given. Other arguments (the Qt options) are left to the application.
bool answerInformationOptions(int argc, char* argv[], int* status);
