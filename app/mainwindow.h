#pragma once

#include "base/itemtable.h"
#include "records/verify.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QVariant>

class ButtonPage;
class ConnectionPanel;
class GridModel;
class GridPage;
class LinkHost;
class LogoPage;
class PageGuard;
class QTreeWidgetItem;
class SerialServer;
class SetLibrary;
class SystemPage;
class TcpServer;
class RegisterCommands;
class TransferController;

namespace Ui {
class MainWindow;
}

// The program's main window: a shell that sets up the menus, the tool bar and the category
// tree, shows one page at a time (the button page, the item grid, the logo page, the system
// parameters) beside the connection panel, hands each command to its page or to the
// transfer controller, and waits while a transfer runs. GUI thread only.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `baseFolder` replaces the data folder (storage/datafolder.h) as the home of "DB" and
    // "Image" (tests).
    explicit MainWindow(QWidget* parent = nullptr, const QString& baseFolder = QString());
    ~MainWindow() override;

    int currentCategory() const { return m_currentCategory; }
    // The category of the page on show: none on the button page.
    int shownCategory() const;
    QString databaseFolder() const { return m_dbFolder; }
    QString imageFolder() const { return m_imageFolder; }
    GridModel* itemModel() const;
    QString newDatabaseName() const { return m_newDbName; }
    void setIncludeHeader(bool on);
    // The link in use (at most one of them exists), and whether a transfer is running.
    TcpServer* tcpLink() const;
    SerialServer* serialLink() const;
    bool isBusy() const;
    // True when the window was closed by File > Log out: the login comes back.
    bool loggedOut() const { return m_loggedOut; }
    // The window's face towards the links, through which every transfer request goes.
    LinkHost* linkHost() const;
    SetLibrary* sets() const { return m_sets; }

    // Opens the set the user had open last time, if it is still there (at start).
    void reopenLastSet();
    // Before the page on show goes (another page, set, import, download, closing): when it
    // holds unsaved changes, asks whether to save them, drop them or stay. True when the
    // window may go on; false when the operator stays or the save failed.
    bool mayLeavePage();

    // Option menu entries 1 to 10 of the grid's current cell (see GridPage::chooseOption).
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
    void on_actionMenu_triggered();
    // The set is chosen first, then unsaved edits are asked about: a cancelled choice keeps them.
    void on_actionOpen_triggered();
    void on_actionNew_triggered();
    void on_actionSave_triggered();
    // From the page on show (Windows > Menu keeps the category of the page it left).
    void on_actionClearData_triggered();
    void showButtonPage();
    void manageUsers();

protected:
    // Closing the window (also by the window manager) asks about unsaved changes first.
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_loggedOut = false;
    void setUpPages();
    void openSet(const QString& path);
    // Creates the set at `location` (a file path or a server URL) and opens it empty.
    void createSet(const QString& location);
    void reloadShownPage();
    void updateTitle();
    // The page on show and the open set, as the title names them ("PLU — shop.db").
    QString pageTitle() const;
    void setUpTree();
    void connectActions();
    void applyGreekLabels();
    // A tree label of the language table as the tree shows it: the language's own label where
    // the table has one, otherwise the translation of the English one.
    static QString shownTreeLabel(int entry, const QString& label);
    void refuseAuthority();
    void openCategory(int category);
    void showPage(QWidget* page);
    void followBusy(bool busy);

    Ui::MainWindow* ui;
    int m_currentCategory = 0;
    int m_logsCategory = 0; // the category whose transfers the logs tell of
    ButtonPage* m_buttonPage = nullptr;
    GridPage* m_gridPage = nullptr;
    LogoPage* m_logoPage = nullptr;
    SystemPage* m_systemPage = nullptr;
    ConnectionPanel* m_panel = nullptr;
    TransferController* m_transfers = nullptr;
    RegisterCommands* m_registerCommands = nullptr;
    SetLibrary* m_sets = nullptr;
    PageGuard* m_guard = nullptr;
    QString m_dbFolder;
    QString m_imageFolder;
    QString m_newDbName;
    QTreeWidgetItem* m_dbViewItem = nullptr;
    QString m_dbViewLabel;
    QString m_itemViewLabel;
    QStringList m_categoryLabels; // tree labels of entries 7 to 15
};
