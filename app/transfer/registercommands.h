#pragma once

#include <QObject>

class ConnectionPanel;
class QAbstractButton;
class QAction;
class QMenu;
class QToolBar;
class QWidget;
class TransferController;

// The commands that act on the registers rather than on the table: install and download
// (with their shortcuts), the PLU item commands add, update and delete (tool bar, menus and
// the grid's buttons), clear data and cancel (Esc). Their tool tips, status tips and
// accessible descriptions say where the change goes; where one does not apply it is
// disabled and its tool tip says why. GUI thread only.
class RegisterCommands : public QObject {
    Q_OBJECT
public:
    struct Commands {
        QAction* install;
        QAction* download;
        QAction* add;
        QAction* update;
        QAction* remove;
        QAction* clearData;
        QMenu* toolMenu; // gets Cancel
        QToolBar* toolBar; // its buttons get the actions' descriptions
        // The grid page's Add, Update and Delete buttons.
        QWidget* addButton;
        QWidget* updateButton;
        QWidget* removeButton;
    };

    RegisterCommands(const Commands& commands, ConnectionPanel* panel, TransferController* transfers, QObject* parent);

    // The page of `category` (a CategoryNumber) is on show: the commands follow it, the
    // link and the busy state.
    void follow(int category);

private:
    void update();

    Commands m_commands;
    ConnectionPanel* m_panel;
    TransferController* m_transfers;
    QAction* m_cancel;
    QAction* m_compare;
    QAction* m_changes;
    // The connection panel's buttons of install, download, compare and send changes.
    QAbstractButton* m_installButton;
    QAbstractButton* m_downloadButton;
    QAbstractButton* m_compareButton;
    QAbstractButton* m_changesButton;
    int m_category = 0;
};
