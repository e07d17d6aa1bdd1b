#include "app/dialogs/adminmoddialog.h"

#include "app/dialogs/messagebox.h"
#include "users/password.h"
#include "users/userslog.h"
#include "users/usrdb.h"

#include "ui_adminmoddialog.h"

namespace {
const char kUserTable[] = "USRMG";
}

adminmodDialog::adminmodDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::adminmodDialog)
{
    ui->setupUi(this);
    connect(ui->btn_exit, &QPushButton::clicked, this, &QDialog::reject);
    setPage(AddUserPage);
}

adminmodDialog::~adminmodDialog() { delete ui; }

void adminmodDialog::setPage(int page)
{
    ui->stackedWidget->setCurrentIndex(page);
    pageFields().first()->setFocus();
}

QList<QLineEdit*> adminmodDialog::pageFields() const
{
    if (ui->stackedWidget->currentIndex() == ModPwdPage)
        return { ui->NewNameEdit, ui->OldPwdedit, ui->NewPwd1edit, ui->NewPwd2edit };
    return { ui->usernameedit, ui->Password1edit, ui->Password2edit };
}

void adminmodDialog::warn(const QString& message)
{
    MessageBox::warning(this, tr("Warning!"), message, QMessageBox::Yes);
    const QList<QLineEdit*> fields = pageFields();
    for (QLineEdit* field : fields)
        field->clear();
    fields.first()->setFocus();
}

void adminmodDialog::on_btn_ok_clicked()
{
    if (!usrdb::instance())
        return;
    if (ui->stackedWidget->currentIndex() == ModPwdPage)
        modifyAdmin();
    else
        addUser();
}

void adminmodDialog::addUser()
{
    usrdb* db = usrdb::instance();
    const QString table = QString::fromLatin1(kUserTable);
    const QString name = ui->usernameedit->text().trimmed();
    if (name.isEmpty() || !userNameFits(name)) {
        warn(tr("user name set err!"));
        return;
    }
    const QString password = ui->Password1edit->text();
    if (password.isEmpty() || password != ui->Password2edit->text()) {
        warn(tr("new password set err!"));
        return;
    }
    if (db->userExists(name, table) == -1) {
        warn(tr("user is exist!"));
        return;
    }
    UserInfo user = db->editRecord();
    user.UserName = name;
    user.UserPassword = hashPassword(password);
    if (db->insertUser(user, table))
        m_writtenName = name;
    accept();
}

void adminmodDialog::modifyAdmin()
{
    usrdb* db = usrdb::instance();
    const QString table = QString::fromLatin1(kUserTable);
    const UserInfo& admin = db->editRecord();
    const QString name = ui->NewNameEdit->text().trimmed();
    if (name.isEmpty() || !userNameFits(name)) {
        warn(tr("new name set err!"));
        return;
    }
    if (!passwordMatches(admin.UserPassword, ui->OldPwdedit->text())) {
        warn(tr("old password err!"));
        return;
    }
    const QString password = ui->NewPwd1edit->text();
    if (password.isEmpty() || password != ui->NewPwd2edit->text()) {
        warn(tr("new password set err!"));
        return;
    }
    // Taking another user's name would leave two rows of that name, and the login finds
    // only one of them.
    if (name != admin.UserName && db->userExists(name, table) == -1) {
        warn(tr("user is exist!"));
        return;
    }
    UserInfo renamed = admin;
    renamed.UserName = name;
    renamed.UserPassword = hashPassword(password);
    if (db->modifyUser(renamed, admin, table)) {
        db->loginRecord() = renamed;
        m_writtenName = name;
    } else
        qCDebug(lcUsers).noquote() << QStringLiteral("\"%1\" not changed").arg(admin.UserName);
    accept();
}
