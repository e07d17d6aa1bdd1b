#include "app/editmenu.h"

#include "app/pages/gridpage.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QTableView>
#include <QUndoStack>

namespace EditMenu {

void setUp(QMenu* menu, const DesignedActions& actions, GridPage* grid, std::function<bool()> gridShown)
{
    QObject* owner = menu->parent() ? menu->parent() : menu;
    // Undo and redo follow the grid's steps, one step for each change.
    QUndoStack* steps = grid->undoStack();
    QAction* undo = steps->createUndoAction(owner, QCoreApplication::translate("EditMenu", "Undo"));
    QAction* redo = steps->createRedoAction(owner, QCoreApplication::translate("EditMenu", "Redo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcuts({ QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y")) });
    // Made after the stack's own connections, these run once the step is taken back or redone.
    QObject::connect(undo, &QAction::triggered, grid, [grid] { grid->sayStep(true); });
    QObject::connect(redo, &QAction::triggered, grid, [grid] { grid->sayStep(false); });
    QAction* first = menu->actions().value(0);
    menu->insertActions(first, { undo, redo });
    menu->insertSeparator(first);

    //: Insert an empty row in the grid
    actions.insert->setText(QCoreApplication::translate("EditMenu", "Insert row"));
    actions.insert->setStatusTip(
        QCoreApplication::translate("EditMenu", "Add an empty row to the page after the current one"));
    // As spreadsheets add and take out rows (Ctrl+Ins is Copy in a line editor).
    actions.insert->setShortcuts({ QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+=")) });
    auto* deleteRows = new QAction(QCoreApplication::translate("EditMenu", "Delete row(s)"), owner);
    deleteRows->setObjectName(QStringLiteral("actionDeleteRows"));
    deleteRows->setStatusTip(
        QCoreApplication::translate("EditMenu", "Take the selected rows out of the page (the register keeps them)"));
    deleteRows->setShortcut(QKeySequence(QStringLiteral("Ctrl+-")));
    // Beside Insert row, before the separator that starts the clipboard's commands.
    menu->insertAction(menu->actions().value(menu->actions().indexOf(actions.insert) + 1), deleteRows);
    auto* find = new QAction(QCoreApplication::translate("EditMenu", "Find..."), owner);
    find->setObjectName(QStringLiteral("actionFind"));
    find->setShortcut(QKeySequence::Find);
    menu->addSeparator();
    menu->addAction(find);
    actions.copy->setShortcut(QKeySequence::Copy);
    actions.paste->setShortcut(QKeySequence::Paste);
    auto* cut = new QAction(QCoreApplication::translate("EditMenu", "Cut"), owner);
    cut->setObjectName(QStringLiteral("actionCut"));
    cut->setShortcut(QKeySequence::Cut);
    cut->setStatusTip(QCoreApplication::translate("EditMenu", "Copy the selected cells and empty them"));
    menu->insertAction(actions.copy, cut);
    //: Empty the selected cells of the grid (the rows stay)
    auto* clear = new QAction(QCoreApplication::translate("EditMenu", "Clear cells"), owner);
    clear->setObjectName(QStringLiteral("actionClearCells"));
    clear->setShortcut(QKeySequence::Delete);
    clear->setStatusTip(
        QCoreApplication::translate("EditMenu", "Empty the selected cells: texts become empty, numbers 0"));
    // Delete belongs to the grid only: in the tree or a text box it keeps its own meaning.
    clear->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    grid->view()->addAction(clear);
    const QList<QAction*> entries = menu->actions();
    menu->insertAction(entries.value(entries.indexOf(actions.paste) + 1), clear);

    const struct {
        QAction* action;
        void (GridPage::*command)();
    } commands[] = { { actions.insert, &GridPage::insertRow }, { deleteRows, &GridPage::deleteRows },
        { find, &GridPage::find }, { actions.copy, &GridPage::copyCells }, { cut, &GridPage::cutCells },
        { actions.paste, &GridPage::pasteCells }, { clear, &GridPage::clearCells } };
    for (const auto& entry : commands)
        QObject::connect(entry.action, &QAction::triggered, grid, [grid, gridShown, command = entry.command] {
            if (gridShown())
                (grid->*command)();
        });
}

} // namespace EditMenu
