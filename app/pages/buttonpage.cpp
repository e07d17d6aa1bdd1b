#include "app/pages/buttonpage.h"

#include "ui_buttonpage.h"

ButtonPage::ButtonPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ButtonPage)
{
    ui->setupUi(this);
}

ButtonPage::~ButtonPage() { delete ui; }

QPushButton* ButtonPage::button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
