#include "app/dialogs/usrdialog.h"

#include "app/dialogs/adminmoddialog.h"
#include "app/dialogs/messagebox.h"
#include "app/displaylanguage.h"
#include "base/punctuation.h"
#include "journal/journal.h"
#include "storage/configdb.h"
#include "users/permissions.h"
#include "users/userslog.h"

#include "ui_usrdialog.h"

namespace {

// User management goes to the journal beside logins and saves: who may change prices is part
// of who changed them.
void journalUsers(const QString& summary)
{
    Journal::append(Journal::Users, QString(), QString(), summary);
}

const char kUserTable[] = "USRMG";
// Stored passwords are hashes, so the password fields show this instead.
const char kPasswordMask[] = "********";
} // namespace

usrdialog::usrdialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::usrdialog)
    , m_db(usrdb::instance())
{
    ui->setupUi(this);
    ui->UserList->horizontalHeader()->setSectionsClickable(false);
    ui->UserList->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section{background:skyblue;}"));
    ui->UserList->setStyleSheet(QStringLiteral("QTableWidget#UserList{border: 1px solid #000000;}"));
    ui->widget_usrparm->setStyleSheet(
        QStringLiteral("QWidget#widget_usrparm{border: 1px solid #000000; border-radius: 5px;}"));
    if (m_db) {
        ui->adminedit->setText(m_db->loginRecord().UserName);
        ui->pwdedit->setText(QString::fromLatin1(kPasswordMask));
    }
    refreshList();
    // The user chosen with the keyboard is shown as one clicked: SetPerm and Delete act on
    // the highlighted user, and the boxes must be that user's.
    connect(ui->UserList, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            on_UserList_clicked(ui->UserList->model()->index(row, 0));
    });
    // The UserEdit box's Modify writes nothing; the status line points to what does.
    connect(ui->modify, &QPushButton::clicked, this, [this] {
        ui->label_status->setText(tr("Modify changes nothing: tick the boxes and press SetPerm"));
    });
}

usrdialog::~usrdialog() { delete ui; }

QVector<std::pair<QCheckBox*, quint32>> usrdialog::permissionBoxes() const
{
    return { { ui->clerkcheckBox, PermClerk }, { ui->groupcheckBox, PermGroup },
        { ui->departmentcheckBox, PermDepartment }, { ui->plucheckBox, PermPlu },
        { ui->discountcheckBox, PermDiscount }, { ui->taxcheckBox, PermTax }, { ui->headercheckBox, PermHeader },
        { ui->trailercheckBox, PermTrailer }, { ui->graphiccheckBox, PermGraphic }, { ui->netcheckBox, PermNet },
        { ui->systemcheckBox, PermSystem } };
}

void usrdialog::showUser(const UserInfo& user)
{
    ui->UsrNameEdit->setText(user.UserName);
    ui->UsrPwdEdit->setText(user.UserPassword.isEmpty() ? QString() : QString::fromLatin1(kPasswordMask));
    for (const auto& [box, bit] : permissionBoxes())
        box->setChecked(user.UserPerm & bit);
}

QString usrdialog::permissionLabels(quint32 perm) const
{
    QStringList names;
    for (const auto& [box, bit] : permissionBoxes())
        if (perm & bit)
            names << box->text();
    return names.isEmpty() ? tr("none") : names.join(listSeparator());
}

bool usrdialog::selectUser(const QString& name)
{
    const QList<QTableWidgetItem*> found = ui->UserList->findItems(name, Qt::MatchExactly);
    if (found.isEmpty() || !m_db)
        return false;
    selectTableRow(ui->UserList, found.first()->row());
    on_UserList_clicked(ui->UserList->indexFromItem(found.first()));
    return true;
}

void usrdialog::refreshList()
{
    if (!m_db)
        return;
    const int count = m_db->listUsersOfGroup(m_listMode == 1 ? 3 : 2, &m_users, QString::fromLatin1(kUserTable));
    qCDebug(lcUsers) << "maxnum = " << count;
    ui->UserList->setRowCount(0);
    for (const UserInfo& user : std::as_const(m_users)) {
        qCDebug(lcUsers) << "usrinfo.name = " << user.UserName;
        const int row = ui->UserList->rowCount();
        qCDebug(lcUsers) << "rows = " << row;
        ui->UserList->insertRow(row);
        ui->UserList->setItem(row, 0, new QTableWidgetItem(user.UserName));
    }
    // Nobody chosen yet: no name, and no boxes left ticked from a user just deleted.
    showUser(UserInfo());
    followList();
    if (m_users.isEmpty())
        return;
    selectTableRow(ui->UserList, 0);
    ui->UserList->setFocus();
    m_db->editRecord() = m_users.first();
    showUser(m_db->editRecord());
}

void usrdialog::followList()
{
    const bool listed = !m_users.isEmpty();
    const QString why = listed ? QString() : tr("There is no user to choose: Add User first");
    for (QPushButton* button : { ui->delete_2, ui->setperm }) {
        button->setEnabled(listed);
        button->setToolTip(why);
    }
}

void usrdialog::on_UserList_clicked(const QModelIndex& index)
{
    if (!m_db || !index.isValid())
        return;
    UserInfo& user = m_db->editRecord();
    user = UserInfo();
    user.UserName = index.data().toString();
    if (m_db->findUser(&user, QString::fromLatin1(kUserTable)) != 0) {
        // Removed by another program since the list was read (once: a file that cannot be
        // read at all lists nobody).
        const QString name = user.UserName;
        if (!m_rereading) {
            m_rereading = true;
            refreshList();
            m_rereading = false;
        }
        ui->label_status->setText(tr("%1 no longer exists: the list is read again").arg(name));
        return;
    }
    showUser(user);
}

void usrdialog::on_setperm_clicked()
{
    // Without a listed user the edit record may be a deleted or half-made one; writing it
    // would bring that row back.
    if (!m_db || m_listMode != 2)
        return;
    if (!ui->UserList->currentItem()) {
        ui->label_status->setText(tr("Choose a user in the list first"));
        return;
    }
    UserInfo changed = m_db->editRecord();
    changed.UserPerm = 0;
    for (const auto& [box, bit] : permissionBoxes())
        if (box->isChecked())
            changed.UserPerm |= bit;
    const QString name = changed.UserName;
    if (m_db->modifyUser(changed, m_db->editRecord(), QString::fromLatin1(kUserTable))) {
        ui->label_status->setText(tr("Permissions of %1 saved: %2").arg(name, permissionLabels(changed.UserPerm)));
        journalUsers(QStringLiteral("permissions of %1 set: %2").arg(name, permissionNames(changed.UserPerm)));
    } else {
        // The boxes show what the user keeps, as stored.
        selectUser(name);
        //: %2 why (the database's reason)
        ui->label_status->setText(tr("Permissions of %1 not saved: %2").arg(name, m_db->lastFailure()));
    }
}

void usrdialog::on_delete_2_clicked()
{
    const QTableWidgetItem* current = ui->UserList->currentItem();
    if (!m_db || !current)
        return;
    const QString name = current->text();
    // A user deleted cannot be brought back (a new one of that name starts over): asked first,
    // No being the default, as every command that cannot be undone is.
    //: Title of the question before a user is deleted
    if (MessageBox::question(this, tr("delete user"),
            tr("Delete the user %1? %1 can no longer log in, and this cannot be undone.").arg(name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes) {
        ui->label_status->setText(tr("%1 kept").arg(name));
        return;
    }
    const bool deleted = m_db->deleteUser(makeUserInfo(2, name, QString(), 0), QString::fromLatin1(kUserTable));
    refreshList();
    //: %2 why (the database's reason)
    ui->label_status->setText(
        deleted ? tr("%1 deleted").arg(name) : tr("%1 not deleted: %2").arg(name, m_db->lastFailure()));
    if (deleted)
        journalUsers(QStringLiteral("%1 deleted").arg(name));
}

void usrdialog::on_add_clicked()
{
    if (!m_db || m_listMode != 2)
        return;
    m_db->editRecord() = makeUserInfo(2, QString(), QString(), PermAll);
    adminmodDialog dialog(this);
    dialog.setWindowTitle(tr("Add User"));
    dialog.setPage(adminmodDialog::AddUserPage);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    refreshList();
    const QString name = dialog.writtenName();
    if (!name.isEmpty())
        journalUsers(QStringLiteral("%1 added with every permission").arg(name));
    if (!name.isEmpty() && selectUser(name))
        ui->label_status->setText(tr("%1 added with every permission: untick and SetPerm to restrict").arg(name));
    else if (accepted)
        //: %1 why (the database's reason)
        ui->label_status->setText(tr("The user was not added: %1").arg(m_db->lastFailure()));
}

void usrdialog::on_btn_modify_clicked()
{
    if (!m_db)
        return;
    m_db->editRecord() = m_db->loginRecord();
    const QString before = m_db->loginRecord().UserName;
    adminmodDialog dialog(this);
    dialog.setWindowTitle(tr("Mod Admin"));
    dialog.setPage(adminmodDialog::ModPwdPage);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QString after = dialog.writtenName();
    if (!after.isEmpty()) {
        ui->label_status->setText(tr("Name and password of the administrator saved: %1").arg(after));
        journalUsers(after == before
                ? QStringLiteral("password of the administrator %1 changed").arg(after)
                : QStringLiteral("administrator %1 renamed to %2, password changed").arg(before, after));
        // What the administrator does next is recorded in the new name (journal, saves).
        Journal::setUser(after);
        setDatabaseOperator(after);
    } else if (accepted)
        //: %1 why (the database's reason)
        ui->label_status->setText(tr("Name and password of the administrator not saved: %1").arg(m_db->lastFailure()));
    ui->adminedit->setText(m_db->loginRecord().UserName);
    ui->pwdedit->setText(QString::fromLatin1(kPasswordMask));
}
