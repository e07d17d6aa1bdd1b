#include "app/startup.h"

#include "app/applog.h"
#include "app/dialogs/logindialog.h"
#include "app/dialogs/messagebox.h"
#include "app/mainwindow.h"
#include "base/language.h"
#include "storage/datafolder.h"
#include "users/usrdb.h"

#include <QApplication>
#include <QTextCodec>

int runTallvane(const QString& userDbPath)
{
    const QString pluginPath = QCoreApplication::applicationDirPath() + QStringLiteral("/plugin");
    qCDebug(lcApp) << pluginPath;
    QCoreApplication::addLibraryPath(pluginPath);

    const QList<QByteArray> codecNames = QTextCodec::availableCodecs();
    for (const QByteArray& name : codecNames)
        qCDebug(lcApp) << "code is :" << name;

    setlanguage::setLanguage(English);
    MessageBox::installNoticeHandler();

    // An installed program keeps its files in the user's data folder, made on the first start.
    const QString folder = dataFolder();
    qCDebug(lcApp) << "data folder" << folder;
    prepareDataFolder(QCoreApplication::applicationDirPath(), folder);

    // The one user database of the run; the login, the permission checks and user
    // management all read it, so it is never destroyed before the process ends.
    if (!usrdb::instance())
        usrdb::setInstance(new usrdb(userDbPath));

    int status = 0;
    loginDialog login;
    if (login.exec() == QDialog::Accepted) {
        setlanguage::applyLanguage();
        MainWindow window;
        window.show();
        window.reopenLastSet();
        status = QApplication::exec();
    }
    return status;
}
