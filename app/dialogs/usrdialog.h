#pragma once

#include "users/usrdb.h"

#include <QDialog>
#include <QVector>

#include <utility>

class QCheckBox;
class QModelIndex;

namespace Ui {
class usrdialog;
}

// The administrator's user management: lists the ordinary users, shows the selected one's
// name and permissions, adds and deletes users, sets permissions, and opens the change of the
// administrator's own name and password. Works on usrdb::instance()'s edit and login records.
class usrdialog : public QDialog {
    Q_OBJECT
public:
    explicit usrdialog(QWidget* parent = nullptr);
    ~usrdialog() override;

private slots:
    void on_add_clicked();
    void on_btn_modify_clicked();
    void on_delete_2_clicked();
    void on_setperm_clicked();
    void on_UserList_clicked(const QModelIndex& index);

private:
    void refreshList();
    // Delete User and SetPerm act on the listed user: off while the list is empty.
    void followList();
    void showUser(const UserInfo& user);
    // Selects and shows the listed user `name`; false when the list does not hold it.
    bool selectUser(const QString& name);
    // The labels of the boxes whose bits `perm` holds, in bit order ("none" for no bit).
    QString permissionLabels(quint32 perm) const;
    QVector<std::pair<QCheckBox*, quint32>> permissionBoxes() const;

    Ui::usrdialog* ui;
    usrdb* m_db;
    // 2 lists the ordinary users; 1 would list level 3, which nothing selects.
    int m_listMode = 2;
    bool m_rereading = false; // the list is read again after a user vanished
    QVector<UserInfo> m_users;
};
