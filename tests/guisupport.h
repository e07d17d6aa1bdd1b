#pragma once

#include "base/language.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QString>
#include <QWidget>

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
    LanguageScope m_language { English };
    std::unique_ptr<usrdb> m_db;
};

// The window's child widget or action named `name` (null when there is none).
template <class T> T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

// Clicks the window's button named `name`.
inline void click(QWidget& window, const char* name) { child<QAbstractButton>(window, name)->click(); }
