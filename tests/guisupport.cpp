#include "guisupport.h"

#include "link/linksettings.h"

#include "app/dialogs/messagebox.h"
#include "base/categorynumber.h"
#include "journal/journal.h"
#include "link/tcpserver.h"
#include "users/usrdb.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

UserDatabaseScope::UserDatabaseScope(const QString& path)
    : m_journal(QFileInfo(path).dir().filePath(QStringLiteral("Journal.db")))
    , m_db(std::make_unique<usrdb>(path))
    , m_previous(usrdb::instance())
{
    usrdb::setInstance(m_db.get());
}

UserDatabaseScope::~UserDatabaseScope()
{
    usrdb::setInstance(m_previous);
}

GuiTestSession::GuiTestSession(const QString& folder)
    : m_users(QDir(folder).filePath(QStringLiteral("USRData.db")))
{
    MessageBox::setTestMode(true);
    MessageBox::installNoticeHandler();
    userDatabase()->loginRecord() = makeUserInfo(1, "admin", "604218", 1);
    Journal::setUser(QStringLiteral("admin"));
}

void GuiTestSession::logIn(int level, quint32 permissions)
{
    userDatabase()->loginRecord() = makeUserInfo(level, "tester", "pw", permissions);
    Journal::setUser(QStringLiteral("tester"));
}

namespace {
// The window chooses the link of the last run; each test window starts on the serial link.
const QString& serialFirst(const QString& folder)
{
    if (LinkSettings::load().link != QLatin1String("Serial"))
        LinkSettings::storeLink(QStringLiteral("Serial"));
    return folder;
}
} // namespace

TestWindow::TestWindow(const QString& folder)
    : MainWindow(nullptr, serialFirst(folder))
{
    show();
}

void TestWindow::chooseTcp()
{
    child<QComboBox>(*this, "comboBox_Connect")->setCurrentIndex(1);
}

bool TestWindow::useTcp()
{
    chooseTcp();
    return tcpLink() && QTest::qWaitFor([this] { return tcpLink()->isListening(); }, 5000);
}

int TestWindow::registers()
{
    return child<QTableWidget>(*this, "tableWidget_Tcp")->rowCount();
}

std::unique_ptr<Simulator> TestWindow::connectSimulator(const QString& db, const QStringList& extra)
{
    if (!tcpLink() && !useTcp())
        return nullptr;
    const int before = registers();
    return ::connectSimulator(tcpLink()->serverPort(), db, extra, [&] { return registers() > before; });
}

void TestWindow::open(const char* button)
{
    click(*this, "btn_return");
    click(*this, button);
}

void TestWindow::openCategory(int category)
{
    static const char* const kButtons[] = { nullptr, "btn_group", "btn_dept", "btn_plu", "btn_tax", "btn_disc",
        "btn_clerk", "btn_th", "btn_trailer", "btn_graphic", "btn_net", "btn_system" };
    // The extended header has no button of its own.
    if (category == CategoryExtHeader)
        on_btn_extth_clicked();
    else
        click(*this, kButtons[category]);
}

bool TestWindow::idle()
{
    return !isBusy() && child<QWidget>(*this, "stackedWidget")->isEnabled()
        && child<QWidget>(*this, "comboBox_Connect")->isEnabled()
        && child<QWidget>(*this, "treeWidget_Item")->isEnabled();
}

bool TestWindow::waitIdle(int timeoutMs)
{
    return QTest::qWaitFor([this] { return idle(); }, timeoutMs);
}

QString TestWindow::status()
{
    return statusBar()->currentMessage();
}

QString TestWindow::log(const char* name)
{
    return child<QTextEdit>(*this, name)->toPlainText();
}

void copyButtonImages(const QString& folder)
{
    const QDir images(QCoreApplication::applicationDirPath() + QStringLiteral("/Image"));
    QDir().mkpath(folder + QStringLiteral("/Image"));
    for (const QString& file : images.entryList(QDir::Files))
        QFile::copy(images.filePath(file), folder + QStringLiteral("/Image/") + file);
}
