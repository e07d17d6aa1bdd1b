#pragma once

#include <functional>

class GridPage;
class QAction;
class QMenu;

// The Edit menu's commands on the grid: undo and redo of its steps, insert and delete rows,
// copy, paste and find, with their shortcuts. GUI thread only.
namespace EditMenu {

struct DesignedActions {
    QAction* insert;
    QAction* copy;
    QAction* paste;
};

// Completes `menu` (which holds the designed actions) for `grid`; the commands act only
// while `gridShown` says the grid is on show and idle.
void setUp(QMenu* menu, const DesignedActions& actions, GridPage* grid, std::function<bool()> gridShown);

} // namespace EditMenu
