#pragma once

#include <QList>
#include <QPair>
#include <QWidget>

class QPushButton;
class QTreeWidgetItem;

namespace Ui {
class ButtonPage;
}

// The button page (page_Item): a picture button per category and the user management button.
// The window gives the buttons their pictures and commands from its table of category pages.
// GUI thread only.
class ButtonPage : public QWidget {
    Q_OBJECT
public:
    explicit ButtonPage(QWidget* parent = nullptr);
    ~ButtonPage() override;

    // The page's button named `name` ("btn_dept"), or null.
    QPushButton* button(const char* name) const;

    // Shows the category buttons and the tree's category entries (the children of `itemView`,
    // in the order of the tree's labels) that the logged-in user may not open as locked. They
    // stay clickable, so a click still meets the window's refusal. So are the menu entries
    // that open a category (`actions`, by category number).
    void showLocks(QTreeWidgetItem* itemView, const QList<QPair<int, QAction*>>& actions = {});
    // The tool tip of a locked category: the permission it needs and who grants it.
    static QString lockTip(int category);

protected:
    // The arrow keys move the keyboard focus among the buttons as they stand on screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Ui::ButtonPage* ui;
};
