#include "app/dialogs/logindialog.h"

#include "base/language.h"
#include "storage/notice.h"
#include "users/userslog.h"
#include "users/usrdb.h"

#include "ui_logindialog.h"

#include <QDir>
#include <QLabel>

#include <iterator>

namespace {
const char* const kLanguageLogLines[] = { "set english", "set greek", "set hebrew", "set arabic", "set thailand" };
}

loginDialog::loginDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::loginDialog)
{
    ui->setupUi(this);
    ui->lineEdit_username->setFocus();
    if (usrdb* db = usrdb::instance(); db && !db->isReadable())
        showUnreadableDatabase(db->problem(), db->filePath());
}

// Said before anyone types: no account can be found until the file is restored or moved aside.
void loginDialog::showUnreadableDatabase(const QString& problem, const QString& path)
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("label_userDbProblem"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setStyleSheet(QStringLiteral("QLabel#label_userDbProblem{color: #b00000;}"));
    label->setText(tr("The user database cannot be read: %1.\n%2\nNobody can log in until it is restored or "
                      "moved aside. It has not been changed.")
                       .arg(problem, QDir::toNativeSeparators(path)));
    ui->layout_login->insertWidget(0, label);
    resize(qMax(width(), 480), height());
}

loginDialog::~loginDialog() { delete ui; }

void loginDialog::on_comboBox_language_activated(int index)
{
    // The list holds the languages in their numbers' order; its texts may be translated.
    if (index < 0 || index >= int(std::size(kLanguageLogLines)))
        return;
    currentLanguage = quint8(index + 1);
    qCDebug(lcUsers) << kLanguageLogLines[index];
}

void loginDialog::on_btn_login_clicked()
{
    usrdb* db = usrdb::instance();
    const usrdb::LoginResult result = db ? db->logIn(ui->lineEdit_username->text(), ui->lineEdit_password->text())
                                         : usrdb::LoginNoSuchUser;
    if (result == usrdb::LoginNoSuchUser)
        refuse(tr("username is not exist!"));
    else if (result == usrdb::LoginWrongPassword)
        refuse(tr("password err!"));
    else
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
