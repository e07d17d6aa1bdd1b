#pragma once

#include <QString>

#include <memory>

class usrdb;

// What the GUI tests need before they build a main window: message boxes answered without
// showing, a user database of their own with a logged-in administrator, and the English texts.
class GuiTestSession {
public:
    explicit GuiTestSession(const QString& folder);
    ~GuiTestSession();

    usrdb* userDatabase() const { return m_db.get(); }

private:
    std::unique_ptr<usrdb> m_db;
};
