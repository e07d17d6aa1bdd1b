#pragma once

#include "app/mainwindow.h"
#include "base/language.h"
#include "linkharness.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <memory>

class usrdb;

// The user database in the file `path` as the program's while it lives, and the journal beside
// it; the previous ones come back after.
class UserDatabaseScope {
public:
    explicit UserDatabaseScope(const QString& path);
    ~UserDatabaseScope();
    UserDatabaseScope(const UserDatabaseScope&) = delete;
    UserDatabaseScope& operator=(const UserDatabaseScope&) = delete;

    usrdb* database() const { return m_db.get(); }

private:
    JournalScope m_journal;
    std::unique_ptr<usrdb> m_db;
    usrdb* m_previous;
};

// What the GUI tests need before they build a main window: message boxes answered without
// showing, a user database and a journal of their own in `folder` with a logged-in
// administrator, and the English texts.
class GuiTestSession {
public:
    explicit GuiTestSession(const QString& folder);

    usrdb* userDatabase() const { return m_users.database(); }
    // Takes the place of the logged-in user: a user of `level` with `permissions`.
    void logIn(int level, quint32 permissions);

private:
    LanguageScope m_language { English };
    UserDatabaseScope m_users;
};

// The window's child widget or action named `name` (null when there is none).
template <class T> T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}
template <class T> T* child(QWidget* window, const char* name)
{
    return child<T>(*window, name);
}

// Clicks the window's button named `name`.
inline void click(QWidget& window, const char* name) { child<QAbstractButton>(window, name)->click(); }

// The main window over the files of `folder`, shown, with the steps that the GUI tests take
// on it again and again.
class TestWindow : public MainWindow {
public:
    explicit TestWindow(const QString& folder);

    // Switches the connection panel to Tcp; true once the link listens (useTcp) or at once, for
    // a link that cannot listen (chooseTcp).
    bool useTcp();
    void chooseTcp();
    // Rows of the connection table: the registers connected over Tcp.
    int registers();
    // The simulator as a register connected over Tcp (switched to when it is not yet) with its
    // memory in `db`; null unless its row comes.
    std::unique_ptr<Simulator> connectSimulator(const QString& db, const QStringList& extra = {});
    // Goes back to the button page and opens the page of `button`.
    void open(const char* button);
    // Opens the page of `category` (a CategoryNumber) as the button page does.
    void openCategory(int category);
    // True when no command runs and the pages, the connection panel and the tree take input.
    bool idle();
    bool waitIdle(int timeoutMs = 10000);
    // The message the status bar shows.
    QString status();
    // The text of the progress log (textEdit_snd) or the error log (textEdit_rcv).
    QString log(const char* name);
};

// The button pictures beside the test program, copied into `folder`/Image as they lie beside
// the program.
void copyButtonImages(const QString& folder);
