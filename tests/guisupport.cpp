#include "guisupport.h"

#include "app/dialogs/messagebox.h"
#include "users/usrdb.h"

#include <QDir>

GuiTestSession::GuiTestSession(const QString& folder)
    : m_db(std::make_unique<usrdb>(QDir(folder).filePath(QStringLiteral("USRData.db"))))
{
    MessageBox::setTestMode(true);
    MessageBox::installNoticeHandler();
    usrdb::setInstance(m_db.get());
    m_db->loginRecord() = makeUserInfo(1, "admin", "604218", 1);
}

GuiTestSession::~GuiTestSession() { usrdb::setInstance(nullptr); }
