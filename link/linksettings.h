#pragma once

#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The peers that may connect over TCP: addresses and networks. An empty list lets every
// peer in; a list given in the settings whose entries are all unreadable lets none in.
class AllowList {
public:
    // Reads entries such as "10.0.0.5" and "192.168.1.0/24"; unreadable ones go to `rejected`.
    static AllowList parse(const QStringList& entries, QStringList* rejected = nullptr);
    // Lets no peer in: what a settings file that cannot be read allows.
    static AllowList none();

    bool isRestricted() const { return m_restricted; }
    bool allows(const QHostAddress& peer) const;

private:
    bool m_restricted = false;
    QList<QPair<QHostAddress, int>> m_networks;
};

// Deployment settings of the register link, read from "tallvane.ini" in the data folder
// (beside the executable, or the user's data folder for an installed program; datafolder.h):
//   [tcp]    address=192.168.1.20   (default: every IPv4 address of the PC)
//            port=55391             (0: any free port)
//            maxConnections=64      (registers connected at once; more are closed at once)
//            allow=192.168.1.0/24, 10.0.0.5   (default: every peer; none while the file
//                                              exists but cannot be read)
//   [serial] extraPorts=/dev/pts/3, /tmp/ttyV0   (devices the system does not list)
//   [transfer] verifyAfterInstall=true          (the connection panel's choices, kept here)
//              link=Tcp                         (Serial or Tcp)
//              serialPort=ttyUSB0               (the port last opened)
//   [login]  language=Greek                     (the display language last logged in with)
struct LinkSettings {
    static constexpr int kDefaultMaxConnections = 64;

    QHostAddress tcpAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 tcpPort = 55391;
    int maxConnections = kDefaultMaxConnections;
    AllowList tcpAllow;
    QStringList extraSerialPorts;
    bool verifyAfterInstall = false;
    QString link = QStringLiteral("Serial");
    QString serialPort;

    static LinkSettings load();
    // Remembers the operator's choice of verifying after install for the next run.
    static void storeVerifyAfterInstall(bool on);
    // Remembers the link chosen ("Serial" or "Tcp"), and the serial port when one is given.
    static void storeLink(const QString& link, const QString& serialPort = QString());
    // The display language last logged in with on this PC (its English name), empty when none.
    static QString loginLanguage();
    static void storeLoginLanguage(const QString& language);
    static QString filePath();
    // Reads the settings from another file (tests); empty restores the default.
    static void setFilePath(const QString& path);
};
