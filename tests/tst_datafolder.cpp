#include "storage/datafolder.h"
#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

// Where the files go for a program run from its build folder, unpacked from its package, or
// installed, by root or a user, and where it finds the pictures that come with it.
class TestDataFolder : public QObject {
    Q_OBJECT

private:
    // A program folder with the pictures the build draws, and a home for the user's data folder.
    struct Install {
        QString program;
        QString home;
    };

    static void writePictures(const OrdinaryRights& rights, const QString& folder)
    {
        QDir().mkpath(folder);
        writeFileBytes(folder + QStringLiteral("/Dept.ico"), QByteArray("dept picture"));
        writeFileBytes(folder + QStringLiteral("/install.png"), QByteArray("install picture"));
        for (const QString& path :
            { folder + QStringLiteral("/Dept.ico"), folder + QStringLiteral("/install.png"), folder })
            rights.setWritable(path, false);
    }

    // `layout` "build": the pictures in bin/Image beside the programs; "package": the programs in
    // usr/bin and the pictures in usr/share/tallvane/Image, as unpacked or installed.
    static Install makeInstall(const OrdinaryRights& rights, const QString& name, const QString& layout,
        bool programWritable, bool homeWritable)
    {
        const bool build = layout == QLatin1String("build");
        const QString root = rights.filePath(name);
        const Install install { root + (build ? QStringLiteral("/bin") : QStringLiteral("/usr/bin")),
            root + QStringLiteral("/home") };
        QDir().mkpath(install.program);
        QDir().mkpath(install.home);
        writePictures(rights,
            build ? install.program + QStringLiteral("/Image") : root + QStringLiteral("/usr/share/tallvane/Image"));
        rights.setWritable(root, true);
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

    // Where the files go, and what the first start leaves where, for each way of running.
    void folderFollowsWhereTheProgramIs_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("installed"); // the folder is the one the package installs into
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<bool>("asUser"); // else with the rights of the test (root in CI)
        QTest::addColumn<bool>("homeWritable");
        QTest::addColumn<bool>("userFolderChosen");
        QTest::addColumn<bool>("prepared");
        QTest::newRow("build folder") << "build" << false << true << true << true << false << true;
        QTest::newRow("unpacked package") << "package" << false << true << true << true << false << true;
        QTest::newRow("unpacked, read-only") << "package" << false << false << true << true << true << true;
        QTest::newRow("installed, run by root") << "package" << true << true << false << true << true << true;
        QTest::newRow("installed, run by a user") << "package" << true << false << true << true << true << true;
        QTest::newRow("installed, read-only home") << "package" << true << false << true << false << true << false;
        QTest::newRow("nothing writable") << "build" << false << false << true << false << false << false;
    }

    void folderFollowsWhereTheProgramIs()
    {
        QFETCH(QString, layout);
        QFETCH(bool, installed);
        QFETCH(bool, programWritable);
        QFETCH(bool, asUser);
        QFETCH(bool, homeWritable);
        QFETCH(bool, userFolderChosen);
        QFETCH(bool, prepared);
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        const Install install = makeInstall(rights, QStringLiteral("install"), layout, programWritable, homeWritable);
        const QString user = userFolder(install.home);
        QVERIFY(user.startsWith(install.home + QLatin1Char('/')));
        const QStringList installedFiles = filesIn(install.program);
        const QString installedFolder = installed ? install.program : QStringLiteral("/usr/bin");
        const QString pictures
            = sharedDataPath(install.program, QStringLiteral("Image"), QStringLiteral("/nonexistent"));
        QCOMPARE(pictures,
            QDir::cleanPath(install.program
                + (layout == QLatin1String("build") ? QStringLiteral("/Image")
                                                    : QStringLiteral("/../share/tallvane/Image"))));

        QString chosen;
        bool created = false;
        bool ready = false;
        {
            std::optional<OrdinaryRights::Scope> scope;
            if (asUser)
                scope.emplace();
            chosen = dataFolderFor(install.program, installedFolder);
            created = QFileInfo(user).isDir();
            ready = prepareDataFolder(pictures, chosen);
        }
        QCOMPARE(chosen, userFolderChosen ? user : install.program);
        QCOMPARE(created, userFolderChosen && homeWritable);
        QCOMPARE(ready, prepared);
        // An installed program writes nothing beside itself, and deciding leaves no probe file.
        if (chosen != install.program)
            QCOMPARE(filesIn(install.program), installedFiles);
        if (prepared && chosen != QFileInfo(pictures).path())
            QCOMPARE(filesIn(chosen), (QStringList { "DB", "Image", "Image/Dept.ico", "Image/install.png" }));
    }

    // Pictures beside the executable win over those of a package layout, which win over those
    // under the install prefix.
    void readOnlyDataIsFoundBesideThenUnderThePrefix()
    {
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("usr/bin"));
        const QString prefixData = root.filePath(QStringLiteral("prefix/share/tallvane"));
        QDir().mkpath(program);
        QDir().mkpath(prefixData + QStringLiteral("/Image"));
        QCOMPARE(sharedDataPath(program, QStringLiteral("Image"), prefixData), prefixData + QStringLiteral("/Image"));
        QDir().mkpath(root.filePath(QStringLiteral("usr/share/tallvane/Image")));
        QCOMPARE(sharedDataPath(program, QStringLiteral("Image"), prefixData),
            root.filePath(QStringLiteral("usr/share/tallvane/Image")));
        QDir().mkpath(program + QStringLiteral("/Image"));
        QCOMPARE(sharedDataPath(program, QStringLiteral("Image"), prefixData), program + QStringLiteral("/Image"));
        QCOMPARE(sharedDataPath(program, QStringLiteral("plugin"), prefixData), QString());
    }

    // The first start fills the user's data folder; the installed folder is only read.
    void firstStartCopiesThePictures()
    {
        OrdinaryRights rights;
        if (!rights.isValid())
            QSKIP("the rights of an ordinary user cannot be taken");
        const Install install = makeInstall(rights, QStringLiteral("first"), QStringLiteral("build"), false, true);
        const QString user = userFolder(install.home);
        const QStringList installed = filesIn(install.program);
        {
            OrdinaryRights::Scope scope;
            const QString folder = dataFolderFor(install.program);
            QCOMPARE(folder, user);
            QVERIFY(prepareDataFolder(install.program + QStringLiteral("/Image"), folder));
            QCOMPARE(filesIn(user), (QStringList { "DB", "Image", "Image/Dept.ico", "Image/install.png" }));
            QCOMPARE(fileBytes(user + QStringLiteral("/Image/Dept.ico")), QByteArray("dept picture"));
            // The window brings pictures to their buttons' sizes, so the copies must be writable.
            QVERIFY(writeFileBytes(user + QStringLiteral("/Image/install.png"), QByteArray("resized")));

            // A later start keeps what the folder holds and adds only what it lacks.
            QVERIFY(QFile::remove(user + QStringLiteral("/Image/Dept.ico")));
            QVERIFY(prepareDataFolder(install.program + QStringLiteral("/Image"), folder));
            QCOMPARE(fileBytes(user + QStringLiteral("/Image/install.png")), QByteArray("resized"));
            QCOMPARE(fileBytes(user + QStringLiteral("/Image/Dept.ico")), QByteArray("dept picture"));
        }
        QCOMPARE(filesIn(install.program), installed);
        QCOMPARE(fileBytes(install.program + QStringLiteral("/Image/install.png")), QByteArray("install picture"));
    }

    // Files of passwords and of the journal: a new or still empty one is the owner's alone; one
    // that holds something keeps the rights it was given.
    void privateFiles()
    {
        QTemporaryDir dir;
        const auto open
            = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        const QString fresh = dir.filePath(QStringLiteral("fresh.db"));
        const QString empty = dir.filePath(QStringLiteral("empty.db"));
        const QString full = dir.filePath(QStringLiteral("full.db"));
        QVERIFY(writeFileBytes(empty, QByteArray()) && QFile::setPermissions(empty, open));
        QVERIFY(writeFileBytes(full, QByteArray("data")) && QFile::setPermissions(full, open));
        for (const QString& path : { fresh, empty, full })
            QVERIFY(createPrivateFile(path));
        const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QCOMPARE(QFileInfo(fresh).permissions() & others, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(empty).permissions() & others, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(full).permissions() & others, others);
        QCOMPARE(fileBytes(full), QByteArray("data"));
        QVERIFY(!createPrivateFile(dir.filePath(QStringLiteral("missing/x.db"))));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
