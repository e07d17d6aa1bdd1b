#include "app/dialogs/serversetdialog.h"

#include "storage/setlocation.h"

#include "ui_serversetdialog.h"

#include <QPushButton>

ServerSetDialog::ServerSetDialog(const QStringList& recent, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::ServerSetDialog)
{
    ui->setupUi(this);
    ui->comboBox_serverSet->addItems(recent);
    if (recent.isEmpty())
        ui->comboBox_serverSet->setEditText(QStringLiteral("postgresql://%1@localhost/tallvane?set=shop")
                                                .arg(qEnvironmentVariable("USER", QStringLiteral("tallvane"))));
    connect(ui->pushButton_open, &QPushButton::clicked, this, [this] { choose(false); });
    connect(ui->pushButton_create, &QPushButton::clicked, this, [this] { choose(true); });
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->comboBox_serverSet, &QComboBox::editTextChanged, ui->label_problem, &QLabel::clear);
}

ServerSetDialog::~ServerSetDialog() { delete ui; }

void ServerSetDialog::choose(bool create)
{
    const QString text = ui->comboBox_serverSet->currentText().trimmed();
    SetLocation location;
    QString problem;
    if (!isServerLocation(text))
        problem = tr("A server set's address starts with postgresql://");
    else if (!SetLocation::parse(text, &location, &problem))
        problem[0] = problem[0].toUpper();
    if (!problem.isEmpty()) {
        ui->label_problem->setText(problem + QLatin1Char('.'));
        return;
    }
    m_location = location.text();
    m_create = create;
    accept();
}
