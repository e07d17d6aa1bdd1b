#pragma once

#include <QString>
#include <QWidget>

class LinkHost;
class QProgressBar;
class QStatusBar;
class QTextEdit;
class SerialServer;
class TcpServer;

namespace Ui {
class ConnectionPanel;
}

// The connection panel (widget_Connect): the choice of link ("Serial" or "Tcp"), the serial
// port and its opening, the registers connected over TCP, the two transfer logs with the
// progress bar, the verify choice and the install and download buttons, which it only
// announces. It creates and destroys the link objects, at most one at a time, on the
// transfer controller's host. GUI thread only.
class ConnectionPanel : public QWidget {
    Q_OBJECT
public:
    ConnectionPanel(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent = nullptr);
    ~ConnectionPanel() override;

    // Offers the two links, the one chosen last time (else "Serial") chosen; the links report
    // to `host`.
    void start(LinkHost* host);

    TcpServer* tcpLink() const { return m_tcpLink; }
    SerialServer* serialLink() const { return m_serialLink; }
    bool serialMode() const;
    // Why no request can go now, as a sentence for the operator ("Open the serial port
    // first."), or empty when one can: a serial port is open, or the TCP link listens with a
    // register connected.
    QString unusableReason() const;
    // The registers a request goes to: the open serial port, or the addresses connected.
    QStringList registerNames() const;
    // The same as links: "serial:PORT", "tcp:ADDRESS" (an address once, or with `eachRegister`
    // once per register connected from it).
    QStringList registerLinks(bool eachRegister = false) const;
    // While a transfer runs everything but Cancel waits.
    void setBusy(bool busy);
    // Whether the keyboard focus still waits on Cancel, where a transfer put it.
    bool focusOnCancel() const;
    bool verifyAfterInstall() const;
    QTextEdit* progressLog() const;
    QTextEdit* errorLog() const;
    QProgressBar* progressBar() const;

    // A register connected over TCP from `address`; a connection that ended (its number).
    void showConnection(const QString& address);
    // The names the open set gives the connected registers (after another set was opened).
    void showRegisterNames();
    void showDisconnection(int connection);

signals:
    void installRequested();
    void downloadRequested();
    void cancelRequested();
    // The link chosen or the serial port opened or closed.
    void linkChanged();

private slots:
    void on_comboBox_Connect_currentIndexChanged(int index);
    void on_pushButton_clicked();
    void on_btn_serial_clicked();
    void on_btn_install_clicked();
    void on_btn_download_clicked();

private:
    void refreshPortList();
    // The serial port chosen in the list, by its own name.
    QString chosenPort() const;
    void closeSerialLink();
    void showListening();

    Ui::ConnectionPanel* ui;
    QStatusBar* m_statusBar;
    QProgressBar* m_progress;
    LinkHost* m_host = nullptr;
    TcpServer* m_tcpLink = nullptr;
    SerialServer* m_serialLink = nullptr;
    bool m_serialOpen = false;
};
