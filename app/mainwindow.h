#pragma once

#include "base/itemtable.h"
#include "records/verify.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QVariant>

#include <functional>

class CellMarks;
class FieldDelegate;
class GridModel;
class GridView;
class LinkHost;
class LogoPage;
class QLabel;
class QMenu;
class QTreeWidgetItem;
class SerialServer;
struct SendRequest;
class TcpServer;
class TransferMonitor;

namespace Ui {
class MainWindow;
}

// The program's main window: the category tree and button page, the item grid with its
// option menus, the system parameter page and the connection panel. GUI thread only.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `baseFolder` replaces the data folder (storage/datafolder.h) as the home of "DB" and
    // "Image" (tests).
    explicit MainWindow(QWidget* parent = nullptr, const QString& baseFolder = QString());
    ~MainWindow() override;

    int currentCategory() const { return m_currentCategory; }
    QString databaseFolder() const { return m_dbFolder; }
    QString imageFolder() const { return m_imageFolder; }
    GridModel* itemModel() const { return m_model; }
    QString newDatabaseName() const { return m_newDbName; }
    void setIncludeHeader(bool on) { m_includeHeader = on; }
    // The link in use (at most one of them exists), and whether a transfer is running.
    TcpServer* tcpLink() const { return m_tcpLink; }
    SerialServer* serialLink() const { return m_serialLink; }
    bool isBusy() const { return m_busy; }
    // The window's face towards the links, through which every transfer request goes.
    LinkHost* linkHost() const { return m_host; }

    // Option menu entries 1 to 10 of the grid's current cell (connected to the menu's actions).
    void on_option1_click(bool flag);
    void on_option2_click(bool flag);
    void on_option3_click(bool flag);
    void on_option4_click(bool flag);
    void on_option5_click(bool flag);
    void on_option6_click(bool flag);
    void on_option7_click(bool flag);
    void on_option8_click(bool flag);
    void on_option9_click(bool flag);
    void on_option10_click(bool flag);
    // The extended header has no button; the tree reaches it here.
    void on_btn_extth_clicked();

public slots:
    void ackData(QByteArray word);
    void rcvData(QByteArray datatype, QList<QList<QVariant>>* datas);
    // rcvData with the records the rows were decoded from, which the grid keeps so that rows
    // saved unchanged hold exactly what the register sent. `records` may be null.
    void rcvRecords(QByteArray datatype, QList<QList<QVariant>>* datas, const QList<QByteArray>* records);
    void SelectedItem(QTreeWidgetItem* item, int column);
    void view_sort(int column);
    void showConnection(QString ipstr);
    // `connection`: the number of a connection that ended (ServerThread::connection()).
    void showDisconnection(int connection);
    // One register's table read back after a send, compared with what was sent.
    void showVerification(VerifyReport report);

private slots:
    void on_btn_group_clicked();
    void on_actionMenu_triggered();
    void on_comboBox_Connect_currentIndexChanged(int index);
    void on_actionOpen_triggered();
    void on_actionNew_triggered();
    void on_btn_dept_clicked();
    void on_btn_openfile_clicked();
    void on_actionSave_triggered();
    void on_tableView_customContextMenuRequested(const QPoint& pos);
    void on_btn_plu_clicked();
    void on_btn_tax_clicked();
    void on_btn_disc_clicked();
    void on_btn_clerk_clicked();
    void on_btn_th_clicked();
    void on_btn_trailer_clicked();
    void on_btn_graphic_clicked();
    void on_btn_net_clicked();
    void on_btn_system_clicked();
    void on_btn_return_clicked();
    void on_btn_admin_clicked();
    void on_pushButton_clicked();
    void on_btn_serial_clicked();
    void on_btn_install_clicked();
    void on_btn_download_clicked();
    void on_btn_update_clicked();
    void on_btn_delete_clicked();
    void on_btn_add_clicked();
    void on_btn_savefile_clicked();
    void on_actionClearData_triggered();
    void on_btn_open_image_clicked();
    void on_iamgesize_19264_clicked();
    void on_imagesize_38464_clicked();
    void on_btn_set_imagesize_clicked();

private:
    void setUpArtwork();
    void setUpTree();
    void applyGreekLabels();
    bool mayOpen(int category) const;
    void refuseAuthority();
    void openCategory(int category);
    void refreshTable();
    void fillTable(const ItemTable& table, const QList<QByteArray>& records = {});
    void showDatabaseState();
    void connectActions();
    void copyCells();
    void pasteCells();
    void fillSystemPage();
    void readSystemPage();
    void refuseSave();
    void applyOptionEntry(int entry, bool flag);
    void refreshPortList();
    void closeSerialLink();
    bool serialMode() const;
    bool linkUsable(bool needsRegister) const;
    void clearTransferLogs();
    void setBusy(bool busy);
    void showFlagged();
    // Starts a request through `request`, which returns how many links took it; the window
    // stays busy until every register that took it has ended its transfer, and says at once
    // when none took it.
    void startTransfer(int frames, const std::function<int()>& request);
    void itemSend(quint8 command);

    Ui::MainWindow* ui;
    int m_currentCategory = 0;
    GridModel* m_model = nullptr;
    LogoPage* m_logoPage = nullptr;
    FieldDelegate* m_fieldDelegate = nullptr; // owned by the grid
    GridView* m_gridView = nullptr;
    TransferMonitor* m_monitor = nullptr;
    CellMarks* m_marks = nullptr;
    QLabel* m_fitLabel = nullptr; // the count of cells that do not fit, in the status bar
    QMenu* m_contextMenu = nullptr;
    QString m_dbFolder;
    QString m_imageFolder;
    QString m_newDbName;
    bool m_serialOpen = false;
    bool m_includeHeader = false;
    QTreeWidgetItem* m_dbViewItem = nullptr;
    QString m_dbViewLabel;
    QString m_itemViewLabel;
    QStringList m_categoryLabels; // tree labels of entries 7 to 15
    LinkHost* m_host = nullptr; // the window's face towards the links
    TcpServer* m_tcpLink = nullptr;
    SerialServer* m_serialLink = nullptr;
    bool m_busy = false;
};
