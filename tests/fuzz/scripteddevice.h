#pragma once

#include <QByteArray>
#include <QIODevice>

// A register that has already said everything it will say: reads serve the script, writes
// are taken and dropped, and nothing more ever arrives.
class ScriptedDevice : public QIODevice {
public:
    explicit ScriptedDevice(const QByteArray& script)
        : m_script(script)
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_script.size() - m_read + QIODevice::bytesAvailable(); }
    bool waitForReadyRead(int) override { return false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = qMin<qint64>(maxSize, m_script.size() - m_read);
        if (n > 0)
            memcpy(data, m_script.constData() + m_read, size_t(n));
        m_read += n;
        return n;
    }
    qint64 writeData(const char*, qint64 size) override { return size; }

private:
    QByteArray m_script;
    qint64 m_read = 0;
};
