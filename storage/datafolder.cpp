#include "storage/datafolder.h"

#include "storage/storagelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

bool folderIsWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tallvane-probe-XXXXXX")));
    return probe.open();
}

QString dataFolderFor(const QString& programFolder)
{
    if (folderIsWritable(programFolder))
        return programFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder) || !folderIsWritable(userFolder)) {
        qCWarning(lcStorage) << "neither" << programFolder << "nor" << userFolder << "can be written";
        return programFolder;
    }
    qCDebug(lcStorage) << programFolder << "is read-only; data folder" << userFolder;
    return userFolder;
}

QString dataFolder()
{
    static const QString folder = dataFolderFor(QCoreApplication::applicationDirPath());
    return folder;
}

bool prepareDataFolder(const QString& programFolder, const QString& dataFolder)
{
    const QDir data(dataFolder);
    if (!QDir().mkpath(data.filePath(QStringLiteral("DB"))) || !QDir().mkpath(data.filePath(QStringLiteral("Image")))) {
        qCWarning(lcStorage) << "cannot create the folders of" << dataFolder;
        return false;
    }
    if (QDir(programFolder) == data)
        return true;
    // Pictures already there stay as they are: they may have been resized or replaced.
    const QDir source(QDir(programFolder).filePath(QStringLiteral("Image")));
    const QDir target(data.filePath(QStringLiteral("Image")));
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
