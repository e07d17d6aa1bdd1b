#include "app/setlibrary.h"

#include "app/applog.h"
#include "app/dialogs/db_create.h"
#include "app/dialogs/filedialog.h"
#include "app/dialogs/serversetdialog.h"
#include "app/displaylanguage.h"
#include "link/linksettings.h"
#include "storage/configdb.h"
#include "storage/setlocation.h"
#include "users/usrdb.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QMenu>
#include <QSettings>
#include <QTreeWidget>

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QString canonical(const QString& path)
{
    if (isServerLocation(path))
        return canonicalLocation(path);
    const QString found = QFileInfo(path).canonicalFilePath();
    return found.isEmpty() ? QFileInfo(path).absoluteFilePath() : found;
}

// Whether a remembered set is still there. A server set is not asked for: that would mean a
// connection (and a password) for every look at the list.
bool stillThere(const QString& path)
{
    return isServerLocation(path) || QFileInfo::exists(path);
}

} // namespace

SetLibrary::SetLibrary(
    QTreeWidgetItem* branch, QMenu* fileMenu, QAction* before, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_branch(branch)
    , m_recentMenu(new QMenu(tr("Recent sets"), fileMenu))
    , m_folder(folder)
{
    m_recentMenu->setObjectName(QStringLiteral("menuRecent"));
    fileMenu->insertMenu(before, m_recentMenu);
    addServerSetAction(fileMenu, m_recentMenu->menuAction());
    fillRecentMenu();
}

QString SetLibrary::key(const char* name) const
{
    usrdb* db = usrdb::instance();
    const QString user = db ? db->loginRecord().UserName : QString();
    // QSettings keys are paths: a user name keeps its letters and digits, and every other
    // character becomes "_" and its four hexadecimal digits, so that "op two" and "op_two"
    // stay two users.
    QString safe;
    for (const QChar ch : user)
        safe += ch.isLetterOrNumber() ? QString(ch)
                                      : QStringLiteral("_%1").arg(ch.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("sets/%1/%2").arg(safe.isEmpty() ? QStringLiteral("_") : safe, QLatin1String(name));
}

QString SetLibrary::pathOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kPathRole).toString() : QString();
}

void SetLibrary::refresh(const QString& openPath)
{
    const QString open = openPath.isEmpty() ? QString() : canonical(openPath);
    qDeleteAll(m_branch->takeChildren());
    QStringList paths;
    const QDir folder(m_folder);
    for (const QString& name : folder.entryList({ QStringLiteral("*.db") }, QDir::Files, QDir::Name | QDir::IgnoreCase))
        paths << canonical(folder.filePath(name));
    if (!open.isEmpty() && !paths.contains(open))
        m_elsewhere = open;
    if (!m_elsewhere.isEmpty() && stillThere(m_elsewhere) && !paths.contains(m_elsewhere))
        paths << m_elsewhere;
    // The server sets used lately follow the folder's files.
    for (const QString& path : recentSets())
        if (isServerLocation(path) && !paths.contains(path))
            paths << path;
    QTreeWidget* tree = m_branch->treeWidget();
    for (const QString& path : paths) {
        auto* item = new QTreeWidgetItem(m_branch, QStringList(shownSetName(path)));
        item->setData(0, kPathRole, path);
        // A server set's name may be cut short in the narrow tree: its tip gives it whole, then
        // its address; a file's path holds its name.
        item->setToolTip(
            0, isServerLocation(path) ? shownSetName(path) + QLatin1Char('\n') + shownPath(path) : shownPath(path));
        if (path != open)
            continue;
        // The open set stays marked once the selection moves on to a table.
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
        if (tree)
            tree->setCurrentItem(item);
    }
    m_branch->setExpanded(true);
}

void SetLibrary::opened(const QString& path)
{
    const QString full = canonical(path);
    // A server set that did not open is shown, not remembered: it may not exist at all, and
    // a file's absence would drop it from the lists while a server set's cannot.
    if (isServerLocation(full) && !currentDatabaseCheck().opened) {
        refresh(full);
        return;
    }
    QSettings settings(LinkSettings::filePath(), QSettings::IniFormat);
    QStringList recent = settings.value(key("recent")).toStringList();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > kRecentSets)
        recent.removeLast();
    settings.setValue(key("recent"), recent);
    settings.setValue(key("last"), full);
    settings.sync();
    refresh(full);
    fillRecentMenu();
}

void SetLibrary::selectOpen()
{
    QTreeWidget* tree = m_branch->treeWidget();
    QTreeWidgetItem* open = nullptr;
    for (int i = 0; i < m_branch->childCount() && !open; ++i)
        if (isOpen(pathOf(m_branch->child(i))))
            open = m_branch->child(i);
    if (tree)
        tree->setCurrentItem(open);
}

bool SetLibrary::isOpen(const QString& path)
{
    return !currentDatabasePath.isEmpty() && canonical(path) == canonical(currentDatabasePath);
}

QString SetLibrary::lastSet() const
{
    const QString last = QSettings(LinkSettings::filePath(), QSettings::IniFormat).value(key("last")).toString();
    return !last.isEmpty() && stillThere(last) ? last : QString();
}

QStringList SetLibrary::recentSets() const
{
    QStringList sets;
    for (const QString& path : QSettings(LinkSettings::filePath(), QSettings::IniFormat).value(key("recent")).toStringList())
        if (stillThere(path))
            sets << path;
    return sets;
}

void SetLibrary::fillRecentMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    const QStringList sets = recentSets();
    for (int i = 0; i < sets.size(); ++i) {
        const QString path = sets.at(i);
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shownSetName(path)));
        action->setToolTip(shownPath(path));
        action->setStatusTip(shownPath(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    m_recentMenu->setEnabled(!sets.isEmpty());
}

void SetLibrary::addServerSetAction(QMenu* fileMenu, QAction* before)
{
    auto* action = new QAction(tr("Open server set..."), fileMenu);
    action->setObjectName(QStringLiteral("actionOpenServerSet"));
    action->setStatusTip(tr("Open or create a configuration set on a PostgreSQL server"));
    fileMenu->insertAction(before, action);
    connect(action, &QAction::triggered, this, [this] {
        QStringList servers;
        for (const QString& path : recentSets())
            if (isServerLocation(path))
                servers << path;
        // Centred on the main window (the menu's own window is the popup).
        QWidget* window = m_branch && m_branch->treeWidget() ? m_branch->treeWidget()->window() : nullptr;
        ServerSetDialog dialog(servers, window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (dialog.create())
            emit createRequested(dialog.location());
        else
            emit openRequested(dialog.location());
    });
}

QString SetLibrary::askForFile(QWidget* parent) const
{
    QDir().mkpath(m_folder);
    const QString path = FileDialog::getOpenFileName(parent, QCoreApplication::translate("MainWindow", "select db file"),
        m_folder, QCoreApplication::translate("MainWindow", "db file(*.db)"));
    if (path.isEmpty())
        qCDebug(lcApp).noquote() << QStringLiteral("\"%1\" is empty").arg(path);
    else
        qCDebug(lcApp) << "open file " << path;
    return path;
}

QString SetLibrary::askForNewName(QWidget* parent) const
{
    QDir().mkpath(m_folder);
    db_create dialog(parent);
    QString name;
    connect(&dialog, &db_create::nameAccepted, &dialog,
        [&name](const QString& typed) { name = isServerLocation(typed) ? typed : newSetFileName(typed); });
    if (dialog.exec() != QDialog::Accepted) {
        qCDebug(lcApp) << "not set db name";
        return QString();
    }
    return name;
}
