#include "users/logindialog.h"

#include "storage/notice.h"
#include "users/language.h"
#include "users/userslog.h"
#include "users/usrdb.h"

#include "ui_logindialog.h"

namespace {
const char* const kLanguageLogLines[] = { "set english", "set greek", "set hebrew", "set arabic", "set thailand" };
}

loginDialog::loginDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::loginDialog)
{
    ui->setupUi(this);
    ui->lineEdit_username->setFocus();
}

loginDialog::~loginDialog() { delete ui; }

void loginDialog::on_comboBox_language_activated(int index)
{
    const QString arg1 = ui->comboBox_language->itemText(index);
    static const char* const texts[] = { "English", "Greek", "Hebrew", "Arabic", "Thailand" };
    for (int i = 0; i < 5; ++i) {
        if (arg1 == QLatin1String(texts[i])) {
            currentLanguage = quint8(i + 1);
            qCDebug(lcUsers) << kLanguageLogLines[i];
        }
    }
}

void loginDialog::on_btn_login_clicked()
{
    usrdb* db = usrdb::instance();
    if (!db) {
        refuse(tr("username is not exist!"));
        return;
    }
    // The whole name is looked up and the whole password compared, so neither matches an
    // account by a prefix.
    UserInfo& login = db->loginRecord();
    login = UserInfo();
    login.UserName = ui->lineEdit_username->text().trimmed();

    const int ret = db->findUser(&login, QStringLiteral("USRMG"));
    qCDebug(lcUsers) << "ret = " << ret;
    if (ret == -1) {
        refuse(tr("username is not exist!"));
        return;
    }
    if (!db->checkPassword(&login, ui->lineEdit_password->text(), QStringLiteral("USRMG"))) {
        refuse(tr("password err!"));
        return;
    }
    accept();
}

void loginDialog::on_btn_exit_clicked() { reject(); }

void loginDialog::refuse(const QString& message)
{
    Notice::warning(tr("Warning!"), message);
    ui->lineEdit_username->clear();
    ui->lineEdit_password->clear();
    ui->lineEdit_username->setFocus();
}
