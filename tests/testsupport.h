#pragma once

#include "records/itemtable.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

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

// A row of text cells, and the cells of a row as texts.
ItemRow textRow(const QStringList& cells);
QStringList rowTexts(const ItemRow& row);

// Bytes from spaced hexadecimal text ("04 2F 09").
QByteArray hexBytes(const char* spaced);

// An item row of text cells, and the cells of a row as texts.
QList<QVariant> textRow(const QStringList& cells);
QStringList cellTexts(const QList<QVariant>& row);

// Records the critical and warning notices of code without widgets.
class NoticeRecorder {
public:
    NoticeRecorder();
    ~NoticeRecorder();
    QStringList shown; // "title: text"
};
