#include "app/pages/categorypages.h"

#include "base/categorynumber.h"

namespace {

const std::vector<CategoryPage> kPages = {
    { CategoryGroup, "Group", Page::Grid, "btn_group", "group.ico", 7, "Groups" },
    { CategoryDept, "Dept", Page::Grid, "btn_dept", "Dept.ico", 8, "Departments" },
    { CategoryPlu, "Plu", Page::Grid, "btn_plu", "PLU.ico", 9, "PLU" },
    { CategoryTax, "Tax", Page::Grid, "btn_tax", "Tax.ico", 11, "Taxes" },
    { CategoryDisc, "Disc", Page::Grid, "btn_disc", "Disc.ico", 10, "Discounts" },
    { CategoryClerk, "Clerk", Page::Grid, "btn_clerk", "Clerk.ico", 12, "Clerks" },
    { CategoryHeader, "Header", Page::Grid, "btn_th", "TH.ico", 13, "Header" },
    { CategoryTrailer, "Trailer", Page::Grid, "btn_trailer", "TR.ico", 14, "Trailer" },
    { CategoryGraphic, "graphic", Page::Logo, "btn_graphic", "graphic.ico", 0, "Logo" },
    { CategoryNetParm, "NetParm", Page::Grid, "btn_net", "Net.ico", 0, "Network" },
    { CategorySysParm, "SysParm", Page::System, "btn_system", "System.ico", 0, "System" },
    { CategoryExtHeader, "EXTHeader", Page::Grid, nullptr, nullptr, 15, "Extended header" },
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
