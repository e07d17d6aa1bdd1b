#pragma once

#include <QString>

// Where the program keeps the files it writes: "USRData.db", "DB/", "Image/" and "tallvane.ini".
// A program run from its build or unpacked into a folder of its own keeps them beside the
// executable; an installed one, whose folder it may not write, keeps them in the user's data
// folder (QStandardPaths::AppDataLocation). GUI thread only.

// The folder for a program whose executable lies in `programFolder`: that folder when a file
// can be created in it, otherwise the user's data folder (created here). Falls back to
// `programFolder` when neither can be written, so that the failures show where they happen.
QString dataFolderFor(const QString& programFolder);

// dataFolderFor() of the running executable, decided once per run.
QString dataFolder();

// Creates `dataFolder` with its "DB" and "Image" folders and, when it is not the program's own
// folder, copies into its "Image" folder each picture of the program's "Image" folder that it
// lacks (the window brings the pictures to their buttons' sizes, so they must be writable).
// False when a folder cannot be created.
bool prepareDataFolder(const QString& programFolder, const QString& dataFolder);

// True when a file can be created in `folder` (the test that also holds for access lists,
// read-only mounts and a program run as another user).
bool folderIsWritable(const QString& folder);
