#pragma once

#include "base/itemtable.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QTemporaryDir>

#include <functional>

class QSqlQuery;
#include <memory>

// Collects the debug lines of the program while it lives, with the given categories'
// debug output switched on.
class LogCapture {
public:
    explicit LogCapture(const QString& rules = QStringLiteral("tallvane.*.debug=true"));
    ~LogCapture();

    QStringList lines() const;
    int count(const QString& part) const;
    bool contains(const QString& part) const { return count(part) > 0; }
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);
    static LogCapture* s_current;
    mutable QMutex m_lock;
    QStringList m_lines;
    QtMessageHandler m_previous;
};

// Sets the display language (its code page and tree texts) and with it the register language,
// as a login does, while it lives; puts the previous ones back after, also when a test fails
// half-way (the register language as it was, say that of a set opened before).
class LanguageScope {
public:
    explicit LanguageScope(int language);
    ~LanguageScope() { restore(); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

    // False when the platform has no codec for the language.
    bool isValid() const { return m_valid; }
    // Puts the previous language back now.
    void restore();

private:
    int m_previous;
    int m_previousRegister;
    bool m_valid;
    bool m_restored = false;
};

// A row of text cells, and the cells of a row as texts.
ItemRow textRow(const QStringList& cells);
QStringList rowTexts(const ItemRow& row);

// Bytes from spaced hexadecimal text ("04 2F 09").
QByteArray hexBytes(const char* spaced);

// Runs `work` on a connection of its own to the database file `path`, so that the program's
// connection stays as it is; false when the file does not open or `work` says so.
bool withDatabaseFile(const QString& path, const std::function<bool(QSqlQuery&)>& work);
// Runs `sql` there and hands every result row to `row`; false when it cannot be run.
bool forEachRow(const QString& path, const QString& sql, const std::function<void(const QSqlQuery&)>& row);

// The journal in the file `path` while it lives, written in nobody's name and reporting its
// failures nowhere; the previous file and user come back after (the handler stays unset).
class JournalScope {
public:
    explicit JournalScope(const QString& path);
    ~JournalScope();
    JournalScope(const JournalScope&) = delete;
    JournalScope& operator=(const JournalScope&) = delete;

private:
    QString m_previousPath;
    QString m_previousUser;
};

// Records the critical and warning notices of code without widgets.
class NoticeRecorder {
public:
    NoticeRecorder();
    ~NoticeRecorder();
    QStringList shown; // "title: text"
};

// Read-only files and folders as an ordinary user meets them. Root writes into any file
// whatever its mode, so when the tests run as root the files are handed to the user "nobody"
// and the test takes that user's rights while an OrdinaryRights::Scope lives; otherwise the
// modes alone decide and the scope changes nothing.
class OrdinaryRights {
public:
    OrdinaryRights();
    ~OrdinaryRights();

    // False when the rights cannot be dropped (the test should skip).
    bool isValid() const { return m_valid; }
    // A path in a folder that the ordinary user can reach and write.
    QString filePath(const QString& name) const;
    // Makes a file or folder writable by the ordinary user, or read-only to it.
    bool setWritable(const QString& path, bool writable) const;

    class Scope {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        bool m_dropped = false;
    };

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    bool m_valid = false;
};

// The bytes of a file (empty when it cannot be read).
QByteArray fileBytes(const QString& path);
bool writeFileBytes(const QString& path, const QByteArray& bytes);
