#pragma once

#include "link/protocol.h"
#include "link/relaythread.h"
#include "link/transfer.h"

#include <QSemaphore>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QThread>

// The link of the register on serial port `port`: "serial:" and the device's path, one path
// whatever spelling named it ("ttyUSB0", "/dev/ttyUSB0", a link to it), so that a register keeps
// one baseline and one journal name.
QString serialLinkId(const QString& port);

class LinkHost;

// Names of the serial ports that can be opened now (the system's ports and the extra
// devices of the link settings), sorted as plain strings. The ports left out because this
// user may not open them go to `refused` when given, each as serialOpenError() words it.
QStringList scanSerialPorts(QStringList* refused = nullptr);

// Why `port` did not open, as the operator must read it: for want of permission, that the user
// must be in the group of the device (dialout on Debian) and how to get there.
QString serialOpenError(const QSerialPort& port);

// What the operator reads when no serial port can be opened: the ports refused for want of
// permission (`refused`, from scanSerialPorts()), else how to look again.
QString noSerialPortText(const QStringList& refused);

// The port object of the serial link: lives on the link's worker thread and runs the
// transfers there, at 115200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
class myserial : public QSerialPort {
    Q_OBJECT
public:
    explicit myserial(QObject* parent = nullptr);
    ~myserial() override;

    // Opens `portName` with the fixed line settings.
    bool openPort(const QString& portName);

    // Empty: a serial port reaches one register, which needs no name in the transfer log.
    QString registerName() const { return QString(); }
    // The port's name as it was opened, which names the register in an outcome.
    QString linkName() const { return m_name; }
    QString linkId() const { return serialLinkId(m_name); }

signals:
    void signal_rcvData(QByteArray datatype, SharedTable datas, QList<QByteArray> records);
    // Status words, in the order they came (see WordBatch).
    void signal_ackWords(QList<QByteArray> words);
    // How the table read back after a send compares with what was sent.
    void signal_verified(VerifyReport report);
    // sendData() or rcvData() has returned.
    void signal_transferEnded(TransferOutcome outcome);

public slots:
    void sendData(SharedRequest request, CancelToken cancel);
    void rcvData(QByteArray datatype, CancelToken cancel);

private:
    TransferEngine m_engine;
    QString m_name;
};

// The serial link's thread, holding its myserial. The object lives on the GUI thread,
// where its relay slots run.
class rs232thread : public RelayThread {
    Q_OBJECT
public:
    rs232thread(const QString& portName, QObject* parent = nullptr);
    ~rs232thread() override;

    // Blocks until the thread has opened its port (true) or failed to (false, with the
    // system's reason in `error`).
    bool waitForPort(QString* error);

protected:
    void run() override;

private:
    QString m_portName;
    QSemaphore m_portSettled;
    bool m_portOpen = false; // written by run() before it releases m_portSettled
    QString m_openError;
};

// The serial carrier: one register on one port. GUI thread.
class SerialServer : public QObject {
    Q_OBJECT
public:
    // Opens `portName` on a worker thread and wires it to the host; returns once the port
    // is open or has failed (isOpen()).
    SerialServer(LinkHost* host, const QString& portName, QObject* parent = nullptr);
    ~SerialServer() override;

    bool isOpen() const { return m_open; }
    QString openError() const { return m_openError; }

private:
    rs232thread* m_thread = nullptr;
    bool m_open = false;
    QString m_openError;
};
