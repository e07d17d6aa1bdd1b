#pragma once

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

// tallvane-cli run as a script runs it, from a folder of its own: the program is copied
// there, so that its USRData.db and tallvane.ini are the test's and not those of the build
// folder that every test shares.
class CliProgram {
public:
    explicit CliProgram(const QString& folder);
    bool ok() const { return m_ok; }
    QString folder() const { return m_folder; }
    QString path() const { return m_program; }
    QString userDatabase() const;

    // Runs to come take the rights of the user "nobody" when the test runs as root, as an
    // operator runs an installed program (see OrdinaryRights).
    void setOrdinaryUser(bool on) { m_ordinaryUser = on; }
    // An environment variable for the runs to come (an empty value removes it).
    void setEnvironment(const QString& name, const QString& value) { m_environment.insert(name, value); }

    // Adds a user to the program's user database (creating it with the administrator).
    void addUser(int level, const QString& name, const QString& password, quint32 permissions) const;

    struct Result {
        int status = -1; // -1 when the program did not end in time or crashed
        QByteArray out;
        QByteArray err;
    };
    // Runs with TALLVANE_PASSWORD set to `password` (none when null), `input` on standard
    // input, in `workingFolder` (default: the program's folder).
    Result run(const QStringList& arguments, const QString& password = QStringLiteral("604218"),
        const QByteArray& input = QByteArray(), const QString& workingFolder = QString()) const;

    // Starts the program and leaves it running (transfers over TCP wait for registers).
    void start(
        QProcess* process, const QStringList& arguments, const QString& password = QStringLiteral("604218")) const;

private:
    QString m_folder;
    QString m_program;
    bool m_ok = false;
    bool m_ordinaryUser = false;
    QHash<QString, QString> m_environment;
};

// Waits for `process` to end and collects what it wrote.
CliProgram::Result finish(QProcess* process, int timeoutMs = 60000);

// Waits until a running tallvane-cli reports where it listens; the port, or 0.
quint16 waitForListening(QProcess* process, QByteArray* err, int timeoutMs = 20000);

// The administrator's options in front of a command.
QStringList asAdmin(const QStringList& command);
