#include "storage/datafolder.h"

#include "storage/storagelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

bool createPrivateFile(const QString& path)
{
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileInfo info(path);
    if (info.exists()) {
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        if (info.isFile() && info.size() == 0 && (info.permissions() & others))
            QFile::setPermissions(path, owner);
        return true;
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, owner))
        return true;
    qCDebug(lcStorage) << "cannot create" << path << file.errorString();
    return false;
}

bool folderIsWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tallvane-probe-XXXXXX")));
    return probe.open();
}

QString installedProgramFolder()
{
    return QStringLiteral(TALLVANE_INSTALL_BINDIR);
}

QString installedDataFolder()
{
    return QStringLiteral(TALLVANE_INSTALL_DATADIR);
}

bool isInstalledProgramFolder(const QString& programFolder, const QString& installedFolder)
{
    // Canonical paths, so that /bin of a merged /usr and a symbolic link to the folder count.
    const QString program = QFileInfo(programFolder).canonicalFilePath();
    return !program.isEmpty() && program == QFileInfo(installedFolder).canonicalFilePath();
}

QString dataFolderFor(const QString& programFolder, const QString& installedFolder)
{
    const bool installed = isInstalledProgramFolder(programFolder, installedFolder);
    if (!installed && folderIsWritable(programFolder))
        return programFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder) || !folderIsWritable(userFolder)) {
        qCWarning(lcStorage) << "neither" << programFolder << "nor" << userFolder << "can be written";
        return installed && !userFolder.isEmpty() ? userFolder : programFolder;
    }
    qCDebug(lcStorage) << programFolder << (installed ? "is installed" : "is read-only") << "; data folder"
                       << userFolder;
    return userFolder;
}

QString dataFolder()
{
    static const QString folder = dataFolderFor(QCoreApplication::applicationDirPath());
    return folder;
}

bool runsInstalled()
{
    static const bool installed = isInstalledProgramFolder(QCoreApplication::applicationDirPath());
    return installed;
}

QString sharedDataPath(const QString& programFolder, const QString& name, const QString& installedData)
{
    const QDir program(programFolder);
    for (const QString& folder :
        { program.path(), program.filePath(QStringLiteral("../share/tallvane")), installedData }) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return QString();
}

bool prepareDataFolder(const QString& picturesFolder, const QString& dataFolder)
{
    const QDir data(dataFolder);
    if (!QDir().mkpath(data.filePath(QStringLiteral("DB"))) || !QDir().mkpath(data.filePath(QStringLiteral("Image")))) {
        qCWarning(lcStorage) << "cannot create the folders of" << dataFolder;
        return false;
    }
    const QDir target(data.filePath(QStringLiteral("Image")));
    if (picturesFolder.isEmpty() || QDir(picturesFolder) == target)
        return true;
    // Pictures already there stay as they are: they may have been resized or replaced.
    const QDir source(picturesFolder);
    for (const QString& name : source.entryList(QDir::Files)) {
        const QString copy = target.filePath(name);
        if (QFile::exists(copy))
            continue;
        if (!QFile::copy(source.filePath(name), copy)) {
            qCWarning(lcStorage) << "cannot copy" << source.filePath(name) << "to" << copy;
            continue;
        }
        // A copy of an installed file keeps its read-only mode; the window rewrites pictures.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
        qCDebug(lcStorage) << "copied" << name << "to" << target.path();
    }
    return true;
}
