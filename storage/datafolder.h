#pragma once

#include <QString>

// Where the program keeps the files it writes ("USRData.db", "Journal.db", "DB/", "Image/",
// "tallvane.ini" and, when installed, "XZReport.db") and where it finds the read-only files
// that come with it (the button pictures). A program run from its build folder or from a
// folder it was unpacked into keeps its files beside the executable; an installed one never
// writes there, whoever runs it, and keeps them in the user's data folder
// (QStandardPaths::AppDataLocation: ~/.local/share/tallvane on Linux). GUI thread only.

// The folder that this build installs its programs into (CMAKE_INSTALL_FULL_BINDIR), and the
// one of its read-only data (CMAKE_INSTALL_FULL_DATADIR/tallvane).
QString installedProgramFolder();
QString installedDataFolder();

// True when `programFolder` is the folder the programs are installed into.
bool isInstalledProgramFolder(const QString& programFolder, const QString& installedFolder = installedProgramFolder());

// The folder for a program whose executable lies in `programFolder`. An installed program
// gets the user's data folder (created here; when it cannot be, its path all the same, so that
// the failures name it). Any other gets `programFolder` when a file can be created in it,
// else the user's data folder, else `programFolder` again.
QString dataFolderFor(const QString& programFolder, const QString& installedFolder = installedProgramFolder());

// dataFolderFor() of the running executable, decided once per run.
QString dataFolder();
// True when the running executable is an installed one.
bool runsInstalled();

// The read-only file or folder `name` that comes with a program in `programFolder`: beside the
// executable (a build folder), in "../share/tallvane" next to it (an unpacked package), or in
// `installedData`. Empty when none of them holds it.
QString sharedDataPath(
    const QString& programFolder, const QString& name, const QString& installedData = installedDataFolder());

// Creates `dataFolder` with its "DB" and "Image" folders and, when `picturesFolder` is not its
// "Image" folder, copies into it each picture of `picturesFolder` that it lacks (the window
// brings the pictures to their buttons' sizes, so they must be writable). False when a folder
// cannot be created.
bool prepareDataFolder(const QString& picturesFolder, const QString& dataFolder);

// Makes `path` a file that only its owner may read and write, for files that hold passwords or
// what operators did ("USRData.db", "Journal.db"): a missing file is created empty, and an
// empty one (nothing in it yet that others might rely on) loses the rights of others. A file
// that holds something keeps the rights it was given. False when it cannot be created.
bool createPrivateFile(const QString& path);

// True when a file can be created in `folder` (the test that also holds for access lists,
// read-only mounts and a program run as another user).
bool folderIsWritable(const QString& folder);
