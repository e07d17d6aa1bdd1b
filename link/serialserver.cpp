#include "link/serialserver.h"

#include "link/linkhost.h"
#include "link/linklog.h"
#include "link/linksettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {
// Whether `portName` opens now. A port that exists but is not this user's to open is worded
// into `refused`: the one refusal the operator can mend (ports in use or without hardware
// behind them are left out silently).
bool canOpen(const QString& portName, QStringList* refused)
{
    QSerialPort port;
    port.setPortName(portName);
    if (!port.open(QIODevice::ReadWrite)) {
        if (refused && port.error() == QSerialPort::PermissionError)
            *refused << serialOpenError(port);
        return false;
    }
    port.close();
    return true;
}
} // namespace

QStringList scanSerialPorts(QStringList* refused)
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (!names.contains(info.portName()) && canOpen(info.portName(), refused))
            names << info.portName();
    for (const QString& device : LinkSettings::load().extraSerialPorts)
        if (!names.contains(device) && canOpen(device, refused))
            names << device;
    std::sort(names.begin(), names.end());
    return names;
}

QString noSerialPortText(const QStringList& refused)
{
    if (!refused.isEmpty())
        return refused.join(QLatin1Char('\n'));
    return QCoreApplication::translate("SerialServer",
        "No serial port can be opened now: connect the register's cable (or its USB adapter), then "
        "press F5 to look again.");
}

myserial::myserial(QObject* parent)
    : QSerialPort(parent)
    , m_engine(portEngine(this, CarrierTraits::serial()))
{
    watchIdleInput(this, &m_engine);
}

myserial::~myserial()
{
    qCDebug(lcLink) << "close serial port";
    close();
}

QString serialOpenError(const QSerialPort& port)
{
    if (port.error() != QSerialPort::PermissionError)
        return port.errorString();
    // The port's name without "/dev/" for devices there, its whole path elsewhere.
    const QString device
        = port.portName().startsWith(QLatin1Char('/')) ? port.portName() : QStringLiteral("/dev/") + port.portName();
    // A port this user may open was refused because another program holds it (Qt reports its
    // lock as a refusal too).
    if (::faccessat(AT_FDCWD, QFile::encodeName(device).constData(), R_OK | W_OK, AT_EACCESS) == 0)
        return QCoreApplication::translate("SerialServer", "%1 is in use by another program: close it there first")
            .arg(device);
    QString group = QFileInfo(device).group();
    if (group.isEmpty() || group == QLatin1String("root"))
        group = QStringLiteral("dialout");
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QStringLiteral("USER");
    // The system words the refusal in English ("Permission denied") whatever the display
    // language; what it means is known, so it is said in the operator's words.
    return QCoreApplication::translate("SerialServer",
        "%1. Only the members of the group %2 may open %3: add the user to it "
        "(sudo adduser %4 %2) and log in again.")
        .arg(QCoreApplication::translate("SerialServer", "Permission denied"), group, device, user);
}

bool myserial::openPort(const QString& portName)
{
    setPortName(portName);
    m_name = portName;
    if (!open(QIODevice::ReadWrite))
        return false;
    setBaudRate(QSerialPort::Baud115200);
    setDataBits(QSerialPort::Data8);
    setParity(QSerialPort::NoParity);
    setStopBits(QSerialPort::OneStop);
    setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

void myserial::sendData(SharedRequest request, CancelToken cancel) { m_engine.sendData(*request, cancel); }

void myserial::rcvData(QByteArray datatype, CancelToken cancel) { m_engine.rcvData(datatype, cancel); }

QString serialLinkId(const QString& port)
{
    // As the serial port itself reads a name: a path as it stands, any other name under /dev.
    // A link is not followed: the kernel's names (ttyUSB0, ttyUSB1) go to whichever adapter is
    // plugged in first, while a link such as /dev/serial/by-id/... stays with its adapter, and
    // so with its register's baseline.
    const bool path = port.startsWith(QLatin1Char('/')) || port.startsWith(QLatin1String("./"))
        || port.startsWith(QLatin1String("../"));
    if (port.isEmpty())
        return QStringLiteral("serial:");
    return QStringLiteral("serial:")
        + QDir::cleanPath(QFileInfo(path ? port : QStringLiteral("/dev/") + port).absoluteFilePath());
}

rs232thread::rs232thread(const QString& portName, QObject* parent)
    : RelayThread("rs232thread", parent)
    , m_portName(portName)
{
    setLinkName(portName, serialLinkId(portName));
}

rs232thread::~rs232thread()
{
    qCDebug(lcLink) << "exit rs232 trhead";
    stop();
}

bool rs232thread::waitForPort(QString* error)
{
    // Long enough for any real port; a device that hangs in open() is reported as failed.
    if (!m_portSettled.tryAcquire(1, 10000)) {
        *error = tr("the port did not open in time");
        return false;
    }
    *error = m_openError;
    return m_portOpen && startServing();
}

void rs232thread::run()
{
    myserial port;
    if (!port.openPort(m_portName)) {
        qCDebug(lcLink) << "open serial failed";
        m_openError = serialOpenError(port);
        m_portOpen = false;
        m_portSettled.release();
        return;
    }
    wirePort(&port);
    m_portOpen = true;
    // Wired before the owner goes on, so that no request can be sent into the void.
    m_portSettled.release();
    exec();
}

SerialServer::SerialServer(LinkHost* host, const QString& portName, QObject* parent)
    : QObject(parent)
{
    m_thread = new rs232thread(portName, this);
    m_thread->connectHost(host);
    m_thread->start();
    m_open = m_thread->waitForPort(&m_openError);
}

SerialServer::~SerialServer()
{
    delete m_thread;
    m_thread = nullptr;
}
