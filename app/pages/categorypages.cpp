#include "app/pages/categorypages.h"

#include "base/categorynumber.h"

#include <QtGlobal>

namespace {

// The status texts and titles are translated where the window shows them.
const std::vector<CategoryPage> kPages = {
    { CategoryGroup, QT_TRANSLATE_NOOP("CategoryPage", "Group"), Page::Grid, "btn_group", "group.ico", 7,
        QT_TRANSLATE_NOOP("CategoryPage", "Groups") },
    { CategoryDept, QT_TRANSLATE_NOOP("CategoryPage", "Dept"), Page::Grid, "btn_dept", "Dept.ico", 8,
        QT_TRANSLATE_NOOP("CategoryPage", "Departments") },
    { CategoryPlu, QT_TRANSLATE_NOOP("CategoryPage", "Plu"), Page::Grid, "btn_plu", "PLU.ico", 9,
        QT_TRANSLATE_NOOP("CategoryPage", "PLU") },
    { CategoryTax, QT_TRANSLATE_NOOP("CategoryPage", "Tax"), Page::Grid, "btn_tax", "Tax.ico", 11,
        QT_TRANSLATE_NOOP("CategoryPage", "Taxes") },
    { CategoryDisc, QT_TRANSLATE_NOOP("CategoryPage", "Disc"), Page::Grid, "btn_disc", "Disc.ico", 10,
        QT_TRANSLATE_NOOP("CategoryPage", "Discounts") },
    { CategoryClerk, QT_TRANSLATE_NOOP("CategoryPage", "Clerk"), Page::Grid, "btn_clerk", "Clerk.ico", 12,
        QT_TRANSLATE_NOOP("CategoryPage", "Clerks") },
    { CategoryHeader, QT_TRANSLATE_NOOP("CategoryPage", "Header"), Page::Grid, "btn_th", "TH.ico", 13,
        QT_TRANSLATE_NOOP("CategoryPage", "Header") },
    { CategoryTrailer, QT_TRANSLATE_NOOP("CategoryPage", "Trailer"), Page::Grid, "btn_trailer", "TR.ico", 14,
        QT_TRANSLATE_NOOP("CategoryPage", "Trailer") },
    { CategoryGraphic, QT_TRANSLATE_NOOP("CategoryPage", "graphic"), Page::Logo, "btn_graphic", "graphic.ico", 0,
        QT_TRANSLATE_NOOP("CategoryPage", "Logo") },
    { CategoryNetParm, QT_TRANSLATE_NOOP("CategoryPage", "NetParm"), Page::Grid, "btn_net", "Net.ico", 0,
        QT_TRANSLATE_NOOP("CategoryPage", "Network") },
    { CategorySysParm, QT_TRANSLATE_NOOP("CategoryPage", "SysParm"), Page::System, "btn_system", "System.ico", 0,
        QT_TRANSLATE_NOOP("CategoryPage", "System") },
    { CategoryExtHeader, QT_TRANSLATE_NOOP("CategoryPage", "EXTHeader"), Page::Grid, nullptr, nullptr, 15,
        QT_TRANSLATE_NOOP("CategoryPage", "Extended header") },
};

} // namespace

const std::vector<CategoryPage>& categoryPages() { return kPages; }

const CategoryPage* pageOf(int category)
{
    for (const CategoryPage& page : kPages)
        if (page.number == category)
            return &page;
    return nullptr;
}
