#pragma once

// Category numbers of the main window; 0 is the button page.
enum CategoryNumber {
    CategoryNone = 0,
    CategoryGroup = 1,
    CategoryDept = 2,
    CategoryPlu = 3,
    CategoryTax = 4,
    CategoryDisc = 5,
    CategoryClerk = 6,
    CategoryHeader = 7,
    CategoryTrailer = 8,
    CategoryGraphic = 9,
    CategoryNetParm = 10,
    CategorySysParm = 11,
    CategoryExtHeader = 12,
};
