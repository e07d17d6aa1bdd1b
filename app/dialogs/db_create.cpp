#include "app/dialogs/db_create.h"

#include "storage/setlocation.h"

#include "ui_db_create.h"

#include <QPushButton>

db_create::db_create(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::db_create)
{
    ui->setupUi(this);
    // 320 x 120, taller only while a sentence says why the name cannot be taken.
    setFixedWidth(320);
    setMinimumHeight(120);
    resize(320, 120);
    ui->label_hint->hide();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, &db_create::checkName);
}

void db_create::checkName(const QString& typed)
{
    // A server set's address must be one that can be read (no password in it); a file name
    // must make a visible file of the database folder (nothing is said while nothing is typed).
    QString reason;
    SetLocation location;
    const bool usable = isServerLocation(typed) ? SetLocation::parse(typed, &location, &reason)
                                                : !newSetFileName(typed, &reason).isEmpty();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(usable);
    const bool say = !usable && !typed.trimmed().isEmpty();
    ui->label_hint->setText(say ? reason : QString());
    if (say == ui->label_hint->isHidden()) {
        ui->label_hint->setVisible(say);
        resize(320, qMax(120, heightForWidth(320) > 0 ? heightForWidth(320) : sizeHint().height()));
    }
}

db_create::~db_create() { delete ui; }

void db_create::on_buttonBox_accepted()
{
    emit nameAccepted(ui->lineEdit->text());
    accept();
}

void db_create::on_buttonBox_rejected() { reject(); }
