#include "app/help/aboutdialog.h"

#include "app/displaylanguage.h"
#include "base/programinfo.h"
#include "storage/datafolder.h"
#include "ui_aboutdialog.h"

#include <QDialogButtonBox>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    ui->label_version->setText(tr("Version %1").arg(tallvaneVersion()));
    ui->label_licence->setText(tr("Free software under the GNU General Public License, version 3 or later "
                                  "(GPL-3.0-or-later), without any warranty."));
    ui->label_dataFolder->setText(tr("Data folder: %1").arg(shownPath(dataFolder())));
    ui->label_qtVersion->setText(tr("Qt %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)));
}

AboutDialog::~AboutDialog() { delete ui; }
