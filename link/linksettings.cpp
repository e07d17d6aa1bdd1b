#include "link/linksettings.h"

#include "storage/datafolder.h"

#include <QDir>
#include <QSettings>

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString LinkSettings::filePath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QDir(dataFolder()).filePath(QStringLiteral("tallvane.ini"));
}

void LinkSettings::setFilePath(const QString& path) { overridePath() = path; }

LinkSettings LinkSettings::load()
{
    LinkSettings settings;
    QSettings file(filePath(), QSettings::IniFormat);
    const QString address = file.value(QStringLiteral("tcp/address")).toString().trimmed();
    if (!address.isEmpty()) {
        QHostAddress parsed;
        if (parsed.setAddress(address))
            settings.tcpAddress = parsed;
    }
    bool ok = false;
    const int port = file.value(QStringLiteral("tcp/port")).toInt(&ok);
    if (ok && port >= 0 && port <= 65535)
        settings.tcpPort = quint16(port);
    // A list may come as one comma-separated text or as QSettings' own list form.
    const QVariant extra = file.value(QStringLiteral("serial/extraPorts"));
    QStringList ports = extra.toStringList();
    if (ports.size() == 1)
        ports = ports.first().split(QLatin1Char(','));
    for (const QString& port : ports)
        if (!port.trimmed().isEmpty())
            settings.extraSerialPorts << port.trimmed();
    return settings;
}
