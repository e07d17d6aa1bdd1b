#pragma once

#include <QString>

// The run of the program after the application object exists: plug-in path, codec list,
// user database, login, then the main window until its event loop ends. Returns the exit
// status: 0 when the login does not end accepted. `userDbPath` empty means the user
// database in the data folder (storage/datafolder.h).
int runTallvane(const QString& userDbPath = QString());
