#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QTreeWidgetItem;
class QWidget;

// The configuration sets the window offers: the database folder's `*.db` files as the
// DB VIEW branch of the tree (once each, the open set selected, a set opened from another
// folder listed too), File's recent sets, and the set to reopen at start. Recent and last
// sets are remembered per user in the program's settings file; server sets by their URL, which never
// holds a password, and listed in the tree after the folder's files. GUI thread only.
class SetLibrary : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentSets = 8;

    // Lists the sets of `folder` under `branch`, and puts its entries in the File menu in front
    // of `before`: "Open server set..." and the "Recent sets" submenu.
    SetLibrary(
        QTreeWidgetItem* branch, QMenu* fileMenu, QAction* before, const QString& folder, QObject* parent = nullptr);

    // Lists the sets again, the open one (`openPath`, may be empty) selected.
    void refresh(const QString& openPath);
    // `path` is the open set now: listed and selected, first among the recent sets, and the
    // one to reopen at the next start for the user logged in.
    void opened(const QString& path);
    // The set to reopen at start for the user logged in; empty when none or when it is gone.
    QString lastSet() const;
    QStringList recentSets() const;
    // The set a tree entry stands for; empty for entries that are no set.
    static QString pathOf(const QTreeWidgetItem* item);
    // Whether `path` (a file or a server set) is the set open now.
    static bool isOpen(const QString& path);
    // Makes the open set's entry the tree's current one (none while no set is open).
    void selectOpen();
    // Asks for a set file in the database folder; empty when none was chosen.
    QString askForFile(QWidget* parent) const;
    // Asks for a new set's name: "NAME.db", or a server set's URL typed as the name; empty
    // when cancelled.
    QString askForNewName(QWidget* parent) const;

signals:
    // A recent set, or a server set, was chosen from File.
    void openRequested(const QString& path);
    // A new server set was asked for.
    void createRequested(const QString& path);

private:
    // File > "Open server set...", in front of `before`: it asks for a server set's URL.
    void addServerSetAction(QMenu* fileMenu, QAction* before);
    QString key(const char* name) const;
    void fillRecentMenu();

    QTreeWidgetItem* m_branch;
    QMenu* m_recentMenu;
    QString m_folder;
    QString m_elsewhere; // the open set when it lives outside the folder
};
