#pragma once

#include <QWidget>

class QPushButton;

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

private:
    Ui::ButtonPage* ui;
};
