#include "storage/datafolder.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QtTest>

// Where the files go when the program's folder can or cannot be written, as for a program run
// from its build and one installed into a system folder.
class TestDataFolder : public QObject {
    Q_OBJECT

private:
    // A program folder with the pictures the build draws, and a home for the user's data folder.
    struct Install {
        QString program;
        QString home;
    };

    static Install makeInstall(const OrdinaryRights& rights, const QString& name, bool programWritable, bool homeWritable)
    {
        const Install install { rights.filePath(name + QStringLiteral("/bin")), rights.filePath(name + QStringLiteral("/home")) };
        QDir().mkpath(install.program + QStringLiteral("/Image"));
        QDir().mkpath(install.home);
        writeFileBytes(install.program + QStringLiteral("/Image/Dept.ico"), QByteArray("dept picture"));
        writeFileBytes(install.program + QStringLiteral("/Image/install.png"), QByteArray("install picture"));
        for (const QString& path : { install.program + QStringLiteral("/Image/Dept.ico"),
                 install.program + QStringLiteral("/Image/install.png"), install.program + QStringLiteral("/Image") })
            rights.setWritable(path, false);
        rights.setWritable(rights.filePath(name), true);
        rights.setWritable(install.program, programWritable);
        rights.setWritable(install.home, homeWritable);
        return install;
    }

    // The user's data folder as Qt's test mode places it under `home`.
    static QString userFolder(const QString& home)
    {
        qputenv("HOME", QFile::encodeName(home));
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }

    static QStringList filesIn(const QString& folder)
    {
        QStringList names;
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            names << QDir(folder).relativeFilePath(it.next());
        names.sort();
        return names;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void folderFollowsWhatCanBeWritten_data()
    {
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<bool>("homeWritable");
        QTest::addColumn<bool>("userFolderChosen");
        QTest::newRow("program folder writable") << true << true << false;
        QTest::newRow("installed, read-only") << false << true << true;
        QTest::newRow("nothing writable") << false << false << false;
    }

    void folderFollowsWhatCanBeWritten()
    {
        QFETCH(bool, programWritable);
        QFETCH(bool, homeWritable);
        QFETCH(bool, userFolderChosen);
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        const Install install = makeInstall(rights, QStringLiteral("install"), programWritable, homeWritable);
        const QString user = userFolder(install.home);
        QVERIFY(user.startsWith(install.home + QLatin1Char('/')));

        QString chosen;
        bool created = false;
        {
            OrdinaryRights::Scope scope;
            chosen = dataFolderFor(install.program);
            created = QFileInfo(user).isDir();
        }
        QCOMPARE(chosen, userFolderChosen ? user : install.program);
        QCOMPARE(created, userFolderChosen);
        // Deciding leaves no probe file behind.
        QCOMPARE(filesIn(install.program), (QStringList { "Image", "Image/Dept.ico", "Image/install.png" }));
    }

    // The first start fills the user's data folder; the installed folder is only read.
    void firstStartCopiesThePictures()
    {
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        const Install install = makeInstall(rights, QStringLiteral("first"), false, true);
        const QString user = userFolder(install.home);
        const QStringList installed = filesIn(install.program);
        {
            OrdinaryRights::Scope scope;
            const QString folder = dataFolderFor(install.program);
            QCOMPARE(folder, user);
            QVERIFY(prepareDataFolder(install.program, folder));
            QCOMPARE(filesIn(user), (QStringList { "DB", "Image", "Image/Dept.ico", "Image/install.png" }));
            QCOMPARE(fileBytes(user + QStringLiteral("/Image/Dept.ico")), QByteArray("dept picture"));
            // The window brings pictures to their buttons' sizes, so the copies must be writable.
            QVERIFY(writeFileBytes(user + QStringLiteral("/Image/install.png"), QByteArray("resized")));

            // A later start keeps what the folder holds and adds only what it lacks.
            QVERIFY(QFile::remove(user + QStringLiteral("/Image/Dept.ico")));
            QVERIFY(prepareDataFolder(install.program, folder));
            QCOMPARE(fileBytes(user + QStringLiteral("/Image/install.png")), QByteArray("resized"));
            QCOMPARE(fileBytes(user + QStringLiteral("/Image/Dept.ico")), QByteArray("dept picture"));
        }
        QCOMPARE(filesIn(install.program), installed);
        QCOMPARE(fileBytes(install.program + QStringLiteral("/Image/install.png")), QByteArray("install picture"));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
