#include "app/setlibrary.h"

#include "link/linksettings.h"
#include "users/usrdb.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QTreeWidget>

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QString canonical(const QString& path)
{
    const QString found = QFileInfo(path).canonicalFilePath();
    return found.isEmpty() ? QFileInfo(path).absoluteFilePath() : found;
}

} // namespace

SetLibrary::SetLibrary(QTreeWidgetItem* branch, QMenu* recentMenu, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_branch(branch)
    , m_recentMenu(recentMenu)
    , m_folder(folder)
{
    fillRecentMenu();
}

QString SetLibrary::key(const char* name) const
{
    usrdb* db = usrdb::instance();
    const QString user = db ? db->loginRecord().UserName : QString();
    // QSettings keys are paths: a user name is kept to letters it can carry.
    QString safe;
    for (const QChar ch : user)
        safe += ch.isLetterOrNumber() ? ch : QLatin1Char('_');
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
    if (!m_elsewhere.isEmpty() && QFileInfo::exists(m_elsewhere) && !paths.contains(m_elsewhere))
        paths << m_elsewhere;
    QTreeWidget* tree = m_branch->treeWidget();
    for (const QString& path : paths) {
        auto* item = new QTreeWidgetItem(m_branch, QStringList(QFileInfo(path).fileName()));
        item->setData(0, kPathRole, path);
        item->setToolTip(0, QDir::toNativeSeparators(path));
        if (path == open && tree)
            tree->setCurrentItem(item);
    }
    m_branch->setExpanded(true);
}

void SetLibrary::opened(const QString& path)
{
    const QString full = canonical(path);
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

QString SetLibrary::lastSet() const
{
    const QString last = QSettings(LinkSettings::filePath(), QSettings::IniFormat).value(key("last")).toString();
    return !last.isEmpty() && QFileInfo::exists(last) ? last : QString();
}

QStringList SetLibrary::recentSets() const
{
    QStringList sets;
    for (const QString& path : QSettings(LinkSettings::filePath(), QSettings::IniFormat).value(key("recent")).toStringList())
        if (QFileInfo::exists(path))
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
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    m_recentMenu->setEnabled(!sets.isEmpty());
}
