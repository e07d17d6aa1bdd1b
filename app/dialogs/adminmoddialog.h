#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace Ui {
class adminmodDialog;
}

// The two forms of user management: page 0 adds an ordinary user built from the user
// database's edit record, page 1 changes the administrator's own name and password (the edit
// record holds his login record). Closes accepted once the database has been written.
class adminmodDialog : public QDialog {
    Q_OBJECT
public:
    enum Page { AddUserPage = 0, ModPwdPage = 1 };

    explicit adminmodDialog(QWidget* parent = nullptr);
    ~adminmodDialog() override;

    // Shows `page` and puts the focus on its first field.
    void setPage(int page);
    // The name of the user written by the last accepted Ok (the added user on page 0, the
    // administrator's new name on page 1); empty while nothing was written.
    QString writtenName() const { return m_writtenName; }

private slots:
    void on_btn_ok_clicked();

private:
    void addUser();
    void modifyAdmin();
    // The "Warning!" box, then the page's fields cleared and its first field focused.
    void warn(const QString& message);
    QList<QLineEdit*> pageFields() const;

    Ui::adminmodDialog* ui;
    QString m_writtenName;
};
