#include "app/dialogs/db_create.h"

#include "ui_db_create.h"

db_create::db_create(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::db_create)
{
    ui->setupUi(this);
    setFixedSize(320, 120);
}

db_create::~db_create() { delete ui; }

void db_create::on_buttonBox_accepted()
{
    emit nameAccepted(ui->lineEdit->text());
    accept();
}

void db_create::on_buttonBox_rejected() { reject(); }
