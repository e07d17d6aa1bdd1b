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

    // The display language last logged in with on this PC (English when none).
    static int rememberedLanguage();

protected:
    // A language chosen in the list: the dialog speaks it at once, as the window will.
    void changeEvent(QEvent* event) override;

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
    // The texts of the notices above the fields, in the display language.
    void sayNotices();
    void fitNotices();

    Ui::loginDialog* ui;
    QString m_problem, m_problemPath; // the user database's, while it cannot be read
};
