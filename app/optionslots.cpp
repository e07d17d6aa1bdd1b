#include "app/mainwindow.h"

#include "app/pages/gridpage.h"

// The window's numbered option slots and its sort slot, kept apart from the shell: each
// passes its click to the grid page (the option menus and the tests call them by number).

void MainWindow::view_sort(int column)
{
    m_gridPage->sortBy(column);
}

#define TALLVANE_OPTION_SLOT(n)                                                                                        \
    void MainWindow::on_option##n##_click(bool flag)                                                                   \
    {                                                                                                                  \
        m_gridPage->chooseOption(n, flag);                                                                             \
    }
TALLVANE_OPTION_SLOT(1)
TALLVANE_OPTION_SLOT(2)
TALLVANE_OPTION_SLOT(3)
TALLVANE_OPTION_SLOT(4)
TALLVANE_OPTION_SLOT(5)
TALLVANE_OPTION_SLOT(6)
TALLVANE_OPTION_SLOT(7)
TALLVANE_OPTION_SLOT(8)
TALLVANE_OPTION_SLOT(9)
TALLVANE_OPTION_SLOT(10)
#undef TALLVANE_OPTION_SLOT
