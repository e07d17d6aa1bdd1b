#include "link/linksettings.h"

#include "link/linklog.h"
#include "storage/datafolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>

namespace {
QString& overridePath()
{
    static QString path;
    return path;
}

// A list may come as one text with separators, or as QSettings' own list form (commas).
QStringList listValue(const QSettings& file, const QString& key, const QRegularExpression& separators)
{
    QStringList entries;
    for (const QString& part : file.value(key).toStringList())
        for (const QString& entry : part.split(separators, Qt::SkipEmptyParts))
            if (!entry.trimmed().isEmpty())
                entries << entry.trimmed();
    return entries;
}

// An IPv4 peer seen through an IPv6 socket compares as the IPv4 address it is.
QHostAddress plainAddress(const QHostAddress& address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4) : address;
}
} // namespace

AllowList AllowList::parse(const QStringList& entries, QStringList* rejected)
{
    AllowList list;
    for (const QString& raw : entries) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty())
            continue;
        list.m_restricted = true;
        QPair<QHostAddress, int> network(QHostAddress(), -1);
        if (entry.contains(QLatin1Char('/'))) {
            network = QHostAddress::parseSubnet(entry);
        } else if (network.first.setAddress(entry)) {
            network.second = network.first.protocol() == QAbstractSocket::IPv4Protocol ? 32 : 128;
        }
        if (network.second < 0) {
            if (rejected)
                *rejected << entry;
            continue;
        }
        network.first = plainAddress(network.first);
        list.m_networks << network;
    }
    return list;
}

AllowList AllowList::none()
{
    AllowList list;
    list.m_restricted = true;
    return list;
}

bool AllowList::allows(const QHostAddress& peer) const
{
    if (!m_restricted)
        return true;
    const QHostAddress address = plainAddress(peer);
    for (const auto& network : m_networks)
        if (address.isInSubnet(network))
            return true;
    return false;
}

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

    const QVariant cap = file.value(QStringLiteral("tcp/maxConnections"));
    const int maxConnections = cap.toInt(&ok);
    if (ok && maxConnections > 0)
        settings.maxConnections = maxConnections;
    else if (cap.isValid())
        qCWarning(lcLink) << "tallvane.ini: [tcp] maxConnections" << cap.toString() << "is not a number from 1; using"
                          << kDefaultMaxConnections;

    QStringList rejected;
    const QRegularExpression blanksOrCommas(QStringLiteral("[,;\\s]+"));
    settings.tcpAllow = AllowList::parse(listValue(file, QStringLiteral("tcp/allow"), blanksOrCommas), &rejected);
    // A file that is there but cannot be read may hold an allow list: letting every peer in
    // would open the registers' link to the whole network.
    if (file.status() != QSettings::NoError) {
        settings.tcpAllow = AllowList::none();
        qCWarning(lcLink).noquote() << QStringLiteral(
            "%1 cannot be read: no register may connect over TCP until it can")
                                           .arg(QDir::toNativeSeparators(filePath()));
    } else if (!rejected.isEmpty())
        qCWarning(lcLink) << "tallvane.ini: [tcp] allow: not an address or network, ignored:" << rejected;

    const QRegularExpression commas(QStringLiteral(","));
    settings.extraSerialPorts = listValue(file, QStringLiteral("serial/extraPorts"), commas);
    settings.verifyAfterInstall = file.value(QStringLiteral("transfer/verifyAfterInstall"), false).toBool();
    const QString link = file.value(QStringLiteral("transfer/link")).toString();
    if (link == QLatin1String("Tcp") || link == QLatin1String("Serial"))
        settings.link = link;
    settings.serialPort = file.value(QStringLiteral("transfer/serialPort")).toString();
    return settings;
}

void LinkSettings::storeLink(const QString& link, const QString& serialPort)
{
    QSettings file(filePath(), QSettings::IniFormat);
    file.setValue(QStringLiteral("transfer/link"), link);
    if (!serialPort.isEmpty())
        file.setValue(QStringLiteral("transfer/serialPort"), serialPort);
}

QString LinkSettings::loginLanguage()
{
    return QSettings(filePath(), QSettings::IniFormat).value(QStringLiteral("login/language")).toString();
}

void LinkSettings::storeLoginLanguage(const QString& language)
{
    QSettings file(filePath(), QSettings::IniFormat);
    file.setValue(QStringLiteral("login/language"), language);
}

void LinkSettings::storeVerifyAfterInstall(bool on)
{
    QSettings file(filePath(), QSettings::IniFormat);
    file.setValue(QStringLiteral("transfer/verifyAfterInstall"), on);
}
