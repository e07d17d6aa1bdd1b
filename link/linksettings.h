#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// Deployment settings of the register link, read from "tallvane.ini" in the data folder
// (beside the executable, or the user's data folder for an installed program; datafolder.h):
//   [tcp]    address=192.168.1.20   (default: every IPv4 address of the PC)
//            port=55391             (0: any free port)
//   [serial] extraPorts=/dev/pts/3, /tmp/ttyV0   (devices the system does not list)
struct LinkSettings {
    QHostAddress tcpAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 tcpPort = 55391;
    QStringList extraSerialPorts;

    static LinkSettings load();
    static QString filePath();
    // Reads the settings from another file (tests); empty restores the default.
    static void setFilePath(const QString& path);
};
