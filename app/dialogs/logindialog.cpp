#include "app/dialogs/logindialog.h"

#include "app/displaylanguage.h"
#include "base/language.h"
#include "link/linksettings.h"
#include "storage/notice.h"
#include "users/userslog.h"
#include "users/usrdb.h"

#include "ui_logindialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>

#include <iterator>

namespace {
const char* const kLanguageLogLines[] = { "set english", "set greek", "set hebrew", "set arabic", "set thailand" };
// The languages' names in the settings file, in their numbers' order (the list's English texts).
const char* const kLanguageKeys[] = { "English", "Greek", "Hebrew", "Arabic", "Thailand" };
} // namespace

loginDialog::loginDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::loginDialog)
{
    ui->setupUi(this);
    // The list names each language in English and in its own script: each name is one run
    // that reads left to right in every direction ("Hebrew (עברית)", not "(עברית) Hebrew").
    for (int i = 0; i < ui->comboBox_language->count(); ++i)
        ui->comboBox_language->setItemText(i, QChar(0x2066) + ui->comboBox_language->itemText(i) + QChar(0x2069));
    // The language last logged in with on this PC comes preselected, and stands as chosen (the
    // start-up has put up its translation already).
    if (const int remembered = rememberedLanguage(); remembered != English) {
        ui->comboBox_language->setCurrentIndex(remembered - 1);
        currentLanguage = quint8(remembered);
        qCDebug(lcUsers) << kLanguageLogLines[remembered - 1];
    }
    ui->lineEdit_username->setFocus();
    if (usrdb* db = usrdb::instance(); db && !db->isReadable())
        showUnreadableDatabase(db->problem(), db->filePath());
    else if (db && db->holdsOnlyDefaultAdmin())
        showFirstStart();
}

int loginDialog::rememberedLanguage()
{
    const QString remembered = LinkSettings::loginLanguage();
    for (int index = 0; index < int(std::size(kLanguageKeys)); ++index)
        if (remembered == QLatin1String(kLanguageKeys[index]))
            return index + 1;
    return English;
}

// Until the administrator's first password is changed (or another user is added), the
// dialog says how to get in: a new dealer has nothing else to go by.
void loginDialog::showFirstStart()
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("label_firstStart"));
    label->setWordWrap(true);
    ui->layout_login->insertWidget(0, label);
    sayNotices();
    fitNotices();
}

// Said before anyone types: no account can be found until the file is restored or moved aside.
void loginDialog::showUnreadableDatabase(const QString& problem, const QString& path)
{
    m_problem = problem;
    m_problemPath = path;
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("label_userDbProblem"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setStyleSheet(QStringLiteral("QLabel#label_userDbProblem{color: #b00000;}"));
    ui->layout_login->insertWidget(0, label);
    sayNotices();
    fitNotices();
}

// At least 480 wide, and tall enough for the notices wrapped at that width: a longer notice
// (another language, the dialog made again after a log out) must not squeeze the fields.
void loginDialog::fitNotices()
{
    const int w = qMax(width(), 480);
    const int h = layout() && layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(w) : sizeHint().height();
    resize(w, qMax(height(), h));
}

void loginDialog::sayNotices()
{
    if (auto* first = findChild<QLabel*>(QStringLiteral("label_firstStart")))
        first->setText(tr("First start: log in as admin with the password 604218, then change that password in "
                          "user management (the %1 button).")
                           .arg(QCoreApplication::translate("ButtonCaption", "USERS")));
    if (auto* problem = findChild<QLabel*>(QStringLiteral("label_userDbProblem")))
        problem->setText(tr("The user database cannot be read: %1.\n%2\nNobody can log in until it is restored "
                            "or moved aside. It has not been changed.")
                             .arg(m_problem, shownPath(m_problemPath)));
}

void loginDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        sayNotices();
        fitNotices();
    }
    QDialog::changeEvent(event);
}

loginDialog::~loginDialog() { delete ui; }

void loginDialog::on_comboBox_language_activated(int index)
{
    // The list holds the languages in their numbers' order; its texts may be translated.
    if (index < 0 || index >= int(std::size(kLanguageLogLines)))
        return;
    currentLanguage = quint8(index + 1);
    qCDebug(lcUsers) << kLanguageLogLines[index];
    installDisplayTranslation(currentLanguage);
}

void loginDialog::on_btn_login_clicked()
{
    usrdb* db = usrdb::instance();
    const QString name = ui->lineEdit_username->text();
    const QString password = ui->lineEdit_password->text();
    const usrdb::LoginResult result = db ? db->logIn(name, password) : usrdb::LoginNoSuchUser;
    if (result == usrdb::LoginNoSuchUser) {
        refuse(tr("username is not exist!"));
        return;
    }
    if (result == usrdb::LoginWrongPassword) {
        refuse(tr("password err!"));
        return;
    }
    // Once other users are there the login screen no longer shows the first password, but
    // whoever has read it on another installation can still log in as administrator: said at
    // each such login until the password is changed.
    if (usrdb::isFirstAdminLogin(name, password) && !db->holdsOnlyDefaultAdmin())
        Notice::warning(tr("Warning!"),
            tr("The administrator admin still has the first password, which every new installation shows on its "
               "login screen. Change it in user management (the %1 button).")
                .arg(QCoreApplication::translate("ButtonCaption", "USERS")));
    logInAccepted();
}

void loginDialog::on_btn_exit_clicked() { reject(); }

void loginDialog::logInAccepted()
{
    const int language = ui->comboBox_language->currentIndex();
    if (language >= 0 && language < int(std::size(kLanguageKeys)))
        LinkSettings::storeLoginLanguage(QLatin1String(kLanguageKeys[language]));
    accept();
    // The typed password is not kept in a widget for the rest of the run.
    ui->lineEdit_password->clear();
}

void loginDialog::refuse(const QString& message)
{
    Notice::warning(tr("Warning!"), message);
    ui->lineEdit_username->clear();
    ui->lineEdit_password->clear();
    ui->lineEdit_username->setFocus();
}
