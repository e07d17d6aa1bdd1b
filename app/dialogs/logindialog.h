#pragma once

#include <QDialog>

namespace Ui {
class loginDialog;
}

// Asks for the display language, a user name and a password, and closes accepted only
// when they match an account of the user database (usrdb::instance()). On acceptance the
// database's login record holds the logged-in user.
class loginDialog : public QDialog {
    Q_OBJECT
public:
    explicit loginDialog(QWidget* parent = nullptr);
    ~loginDialog() override;

private slots:
    void on_btn_login_clicked();
    void on_btn_exit_clicked();
    void on_comboBox_language_activated(int index);

private:
    void refuse(const QString& message);
    // Remembers the language chosen, closes accepted and clears the password field.
    void logInAccepted();
    void showUnreadableDatabase(const QString& problem, const QString& path);
    void showFirstStart();

    Ui::loginDialog* ui;
};
