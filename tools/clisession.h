#pragma once

#include <QString>
#include <QStringList>

// The global options of tallvane-cli and the login they lead to: the user database beside
// the executable, the login dialog's check, the permission bits of the window's category
// buttons, and the display language chosen at login (also the register language until a
// configuration set with its own is opened). Main thread only.
class CliSession {
public:
    QString user;
    bool passwordStdin = false;
    int language = 1; // English

    // The language number of a --language value ("english" ... "thailand"), or 0.
    static int languageNumber(const QString& name);

    // Logs the user in and applies the language. Refusals are printed; the result is an
    // exit status (ExitOk, ExitUsage when no password was given, ExitRefused).
    int logIn();
    // ExitOk when the logged-in user may work on `category` (a main window category number),
    // else prints "No authority." and gives ExitRefused.
    int authorise(int category) const;
    bool loggedIn() const { return m_loggedIn; }

private:
    bool readPassword(QString* password) const;

    bool m_loggedIn = false;
};
