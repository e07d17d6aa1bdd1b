#pragma once

#include <QByteArray>
#include <QMutex>

#include <functional>

// A record that the process keeps current: the GUI thread reads and edits it, a link thread
// replaces it while a download runs. Every access is serialised.
class CurrentRecord {
public:
    // `initial` is cut or zero-filled to `size` bytes.
    CurrentRecord(int size, const QByteArray& initial = QByteArray());

    int size() const { return m_size; }
    // A copy of the record.
    QByteArray bytes() const;
    // Replaces the record by the first `size` bytes of `record`, zero-filled when shorter.
    void set(const QByteArray& record);
    uchar at(int index) const;
    // Runs `edit` on the record's bytes under the lock.
    void edit(const std::function<void(uchar* bytes)>& edit);

private:
    const int m_size;
    mutable QMutex m_lock;
    QByteArray m_bytes;
};
