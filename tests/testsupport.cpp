#include "testsupport.h"

#include "storage/notice.h"

#include <QLoggingCategory>
#include <QMutexLocker>

LogCapture* LogCapture::s_current = nullptr;

LogCapture::LogCapture(const QString& rules)
{
    QLoggingCategory::setFilterRules(rules);
    s_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
    QLoggingCategory::setFilterRules(QString());
}

void LogCapture::handler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (LogCapture* capture = s_current) {
        QMutexLocker locker(&capture->m_lock);
        capture->m_lines << message;
    }
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&m_lock);
    return m_lines;
}

int LogCapture::count(const QString& part) const
{
    QMutexLocker locker(&m_lock);
    int n = 0;
    for (const QString& line : m_lines)
        if (line.contains(part))
            ++n;
    return n;
}

void LogCapture::clear()
{
    QMutexLocker locker(&m_lock);
    m_lines.clear();
}

ItemRow textRow(const QStringList& cells)
{
    ItemRow row;
    for (const QString& cell : cells)
        row << cell;
    return row;
}

QStringList rowTexts(const ItemRow& row)
{
    QStringList texts;
    for (const QVariant& cell : row)
        texts << cell.toString();
    return texts;
}

QByteArray hexBytes(const char* spaced) { return QByteArray::fromHex(QByteArray(spaced).replace(' ', "")); }

NoticeRecorder::NoticeRecorder()
{
    Notice::setHandler([this](Notice::Kind, const QString& title, const QString& text) {
        shown << title + QStringLiteral(": ") + text;
    });
}

NoticeRecorder::~NoticeRecorder() { Notice::setHandler({}); }

QList<QVariant> textRow(const QStringList& cells)
{
    QList<QVariant> row;
    for (const QString& cell : cells)
        row << cell;
    return row;
}

QStringList cellTexts(const QList<QVariant>& row)
{
    QStringList texts;
    for (const QVariant& cell : row)
        texts << cell.toString();
    return texts;
}
