#include "app/startup.h"

#include "app/applog.h"
#include "app/dialogs/logindialog.h"
#include "app/dialogs/messagebox.h"
#include "app/dialogs/serverpassword.h"
#include "app/displaylanguage.h"
#include "app/mainwindow.h"
#include "app/menustyle.h"
#include "base/language.h"
#include "base/programinfo.h"
#include "link/linksettings.h"
#include "storage/configdb.h"
#include "storage/datafolder.h"
#include "storage/serverdb.h"
#include "users/usrdb.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QSettings>
#include <QTextCodec>

#include <cstdio>
#include <cstring>

namespace {

// Where and how large the window was left, kept in the settings file for the next start.
const char kWindowGeometry[] = "window/geometry";

const char kHelp[] = "Usage: tallvane [--help | --version | --help-man] [Qt options]\n"
                     "\n"
                     "Programs electronic cash registers from a PC: departments, PLUs, taxes, discounts, groups,\n"
                     "clerks, receipt header and trailer lines, the receipt logo, network and system parameters.\n"
                     "Each configuration set is a SQLite file of its own; its tables travel to and from registers\n"
                     "over TCP (the registers connect to this PC) or an RS-232 port, and to and from CSV and\n"
                     "spreadsheet files. The window opens with the login; the first start creates the\n"
                     "administrator admin with the password 604218.\n"
                     "\n"
                     "Options:\n"
                     "  --help               this text\n"
                     "  --version            the version and licence\n"
                     "  --help-man           this text as a manual page (roff)\n"
                     "  -platform NAME, -style NAME, -reverse\n"
                     "                       the options of every Qt program\n"
                     "\n"
                     "Files:\n"
                     "  USRData.db           the operators and their permissions\n"
                     "  Journal.db           the journal of logins, imports, saves and transfers\n"
                     "  DB/                  the configuration sets (*.db)\n"
                     "  Image/               the button pictures\n"
                     "  tallvane.ini         the settings of the register link\n"
                     "  XZReport.db          the X and Z reports\n"
                     "\n"
                     "They live in the data folder: beside the program when it runs from its build folder or from\n"
                     "a folder it was unpacked into (XZReport.db then in the working folder), and in\n"
                     "~/.local/share/tallvane for an installed program. The button pictures that come with it\n"
                     "are in share/tallvane/Image under the install prefix (/usr for the Debian package); the\n"
                     "first start copies them into the data folder.\n"
                     "\n"
                     "Serial ports:\n"
                     "  dialout              a serial port opens only for the members of its group, dialout on\n"
                     "                       Debian: sudo adduser USER dialout, then log in again\n";

void printText(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

} // namespace

bool answerInformationOptions(int argc, char* argv[], int* status)
{
    *status = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printText(QString::fromLatin1(kHelp));
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            printText(versionText(QStringLiteral("tallvane")));
            return true;
        }
        if (std::strcmp(argv[i], "--help-man") == 0) {
            ManualPage page;
            page.program = QStringLiteral("tallvane");
            page.summary = QStringLiteral("program electronic cash registers from a PC");
            page.help = QString::fromLatin1(kHelp);
            page.seeAlso = QStringList { QStringLiteral("tallvane-cli"), QStringLiteral("tallvane-ecrsim") };
            printText(manualPage(page));
            return true;
        }
    }
    return false;
}

int runTallvane(const QString& userDbPath)
{
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLVANE_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/appicon/tallvane.png")));
    QApplication::setStyle(new MenuStyle);

    // Plug-ins beside the executable are looked for only when such a folder exists.
    const QString pluginPath = QCoreApplication::applicationDirPath() + QStringLiteral("/plugin");
    qCDebug(lcApp) << pluginPath;
    if (QFileInfo(pluginPath).isDir())
        QCoreApplication::addLibraryPath(pluginPath);

    const QList<QByteArray> codecNames = QTextCodec::availableCodecs();
    for (const QByteArray& name : codecNames)
        qCDebug(lcApp) << "code is :" << name;

    MessageBox::installNoticeHandler();
    ServerDb::setPasswordPrompt(askServerPassword);

    // An installed program keeps its files in the user's data folder, made on the first start.
    const QString folder = dataFolder();
    qCDebug(lcApp) << "data folder" << folder;
    prepareDataFolder(sharedDataPath(QCoreApplication::applicationDirPath(), QStringLiteral("Image")), folder);

    // The one user database of the run; the login, the permission checks and user
    // management all read it, so it is never destroyed before the process ends.
    if (!usrdb::instance())
        usrdb::setInstance(new usrdb(userDbPath));

    // Each login builds the window anew in its language; File > Log out brings the login back.
    int status = 0;
    for (;;) {
        setlanguage::setLanguage(English);
        // The login speaks the language last chosen on this PC; choosing another switches it.
        installDisplayTranslation(loginDialog::rememberedLanguage());
        loginDialog login;
        if (login.exec() != QDialog::Accepted)
            break;
        setlanguage::applyLanguage();
        installDisplayTranslation(currentLanguage);
        setDatabaseOperator(usrdb::instance()->loginRecord().UserName);
        MainWindow window;
        // The window opens as it was left (maximised if it was). The first time it is 1280 x 600,
        // or maximised on a screen smaller than that: a window wider than the screen hid the tree.
        const bool restored = window.restoreGeometry(
            QSettings(LinkSettings::filePath(), QSettings::IniFormat).value(kWindowGeometry).toByteArray());
        const QSize screen = window.screen() ? window.screen()->availableGeometry().size() : window.size();
        if (!restored && (window.width() > screen.width() || window.height() > screen.height())) {
            // Also where nothing maximises it (a session without a window manager).
            window.setGeometry(window.screen()->availableGeometry());
            window.showMaximized();
        } else
            window.show();
        window.reopenLastSet();
        status = QApplication::exec();
        QSettings(LinkSettings::filePath(), QSettings::IniFormat).setValue(kWindowGeometry, window.saveGeometry());
        // Server passwords typed during this login are not kept for the next one.
        ServerDb::forgetPasswords();
        if (!window.loggedOut())
            break;
    }
    return status;
}
