#include "records/currentrecord.h"

#include <QMutexLocker>

CurrentRecord::CurrentRecord(int size, const QByteArray& initial)
    : m_size(size)
{
    set(initial);
}

QByteArray CurrentRecord::bytes() const
{
    QMutexLocker locker(&m_lock);
    return m_bytes;
}

void CurrentRecord::set(const QByteArray& record)
{
    QByteArray copy = record.left(m_size);
    copy.append(QByteArray(m_size - copy.size(), '\0'));
    QMutexLocker locker(&m_lock);
    m_bytes = copy;
}

uchar CurrentRecord::at(int index) const
{
    QMutexLocker locker(&m_lock);
    return uchar(m_bytes.at(index));
}

void CurrentRecord::edit(const std::function<void(uchar* bytes)>& edit)
{
    QMutexLocker locker(&m_lock);
    edit(reinterpret_cast<uchar*>(m_bytes.data()));
}
