#pragma once

#include <vector>

// Which page shows a category.
enum class Page { Buttons, Grid, Logo, System };

// What the window knows of each category: its status text, its page, its button on the
// button page with the button's picture, its entry in the category tree and its title.
struct CategoryPage {
    int number;
    const char* statusText; // untranslated, context "CategoryPage"
    Page page;
    const char* button; // null: reached from the tree only
    const char* picture;
    int treeEntry; // its languageTexts entry (7 to 15); 0: not in the tree
    const char* title; // in the window's title; untranslated, context "CategoryPage"
};

// In the order the tree's labels are compared (the tree lists disc before tax).
const std::vector<CategoryPage>& categoryPages();
// The page of `category`, or null.
const CategoryPage* pageOf(int category);
