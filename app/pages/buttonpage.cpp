#include "app/pages/buttonpage.h"

#include "app/buttonpictures.h"
#include "app/pages/categorypages.h"
#include "users/permissions.h"

#include "ui_buttonpage.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
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
    for (QPushButton* face : findChildren<QPushButton*>())
        face->installEventFilter(this);
}

ButtonPage::~ButtonPage() { delete ui; }

bool ButtonPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* face = qobject_cast<QPushButton*>(watched);
    if (event->type() != QEvent::KeyPress || !face)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // A right-to-left window shows the first column on the right.
    const int ahead = isRightToLeft() ? -1 : 1;
    int rows = 0, columns = 0;
    switch (key) {
    case Qt::Key_Left:
        columns = -ahead;
        break;
    case Qt::Key_Right:
        columns = ahead;
        break;
    case Qt::Key_Up:
        rows = -1;
        break;
    case Qt::Key_Down:
        rows = 1;
        break;
    default:
        return QWidget::eventFilter(watched, event);
    }
    QGridLayout* grid = ui->layout_items;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(face), &row, &column, &rowSpan, &columnSpan);
    // At the edge the focus stays where it is.
    if (QLayoutItem* next = grid->itemAtPosition(row + rows, column + columns))
        if (QWidget* target = next->widget())
            target->setFocus(Qt::TabFocusReason);
    return true;
}

QPushButton* ButtonPage::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }

QString ButtonPage::lockTip(int category)
{
    const CategoryPage* page = pageOf(category);
    const QString title = page ? QCoreApplication::translate("CategoryPage", page->title) : QString();
    return tr("Locked: opening %1 needs the %2 permission. An administrator grants it in user management.")
        .arg(title, permissionLabel(categoryPermission(category)));
}

void ButtonPage::showLocks(QTreeWidgetItem* itemView, const QList<QPair<int, QAction*>>& actions)
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
        for (const auto& [category, action] : actions) {
            if (category == page.number) {
                action->setIcon(locked ? QIcon(lock) : QIcon());
                action->setStatusTip(tip);
                action->setToolTip(tip); // empty: the text, as for any entry
            }
        }
    }
    // User management is the administrator's.
    const bool administrator = user.UserGroup == 1;
    ButtonPictures::setLocked(button("btn_admin"), !administrator,
        administrator ? QString() : tr("Locked: only the administrator manages users."));
}
