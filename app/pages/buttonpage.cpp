#include "app/pages/buttonpage.h"

#include "app/buttonpictures.h"
#include "app/pages/categorypages.h"
#include "users/permissions.h"

#include "ui_buttonpage.h"

#include <QCoreApplication>
#include <QTreeWidgetItem>

namespace {

// The label of the permission's check box in user management, translated there.
QString permissionLabel(quint32 bit)
{
    const char* name = permissionName(bit);
    return name ? QCoreApplication::translate("usrdialog", name) : QString();
}

// The logged-in user; nobody (every category locked) without a user database, as the window
// then refuses every category.
UserInfo loggedInUser()
{
    usrdb* db = usrdb::instance();
    return db ? db->loginRecord() : UserInfo();
}

} // namespace

ButtonPage::ButtonPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ButtonPage)
{
    ui->setupUi(this);
}

ButtonPage::~ButtonPage() { delete ui; }

QPushButton* ButtonPage::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

QString ButtonPage::lockTip(int category)
{
    const CategoryPage* page = pageOf(category);
    const QString title = page ? QCoreApplication::translate("CategoryPage", page->title) : QString();
    return tr("Locked: opening %1 needs the %2 permission. An administrator grants it in user management.")
        .arg(title, permissionLabel(categoryPermission(category)));
}

void ButtonPage::showLocks(QTreeWidgetItem* itemView)
{
    const UserInfo user = loggedInUser();
    const QPixmap lock = ButtonPictures::lockPicture(16);
    for (const CategoryPage& page : categoryPages()) {
        const bool locked = !mayOpenCategory(user, page.number);
        const QString tip = locked ? lockTip(page.number) : QString();
        if (QPushButton* face = page.button ? button(page.button) : nullptr)
            ButtonPictures::setLocked(face, locked, tip);
        if (QTreeWidgetItem* entry = page.treeEntry != 0 && itemView ? itemView->child(page.treeEntry - 7) : nullptr) {
            entry->setIcon(0, locked ? QIcon(lock) : QIcon());
            entry->setToolTip(0, tip);
        }
    }
    // User management is the administrator's.
    const bool administrator = user.UserGroup == 1;
    ButtonPictures::setLocked(button("btn_admin"), !administrator,
        administrator ? QString() : tr("Locked: only the administrator manages users."));
}
