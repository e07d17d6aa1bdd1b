#include "app/help/aboutdialog.h"

#include "app/displaylanguage.h"
#include "base/programinfo.h"
#include "storage/datafolder.h"
#include "ui_aboutdialog.h"

#include <QDialogButtonBox>
#include <QLabel>

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
    // Wide enough for the licence sentence on two lines: a dialog as narrow as its shortest
    // lines wrapped it into four, and in Hebrew and Arabic a line ran past the dialog's edge.
    setMinimumWidth(fontMetrics().averageCharWidth() * 64);
    // A label aligns by its own text's direction, so "Tallvane" and "Qt 6.4.2 ..." would sit
    // on the left of a right-to-left dialog: every line starts on the side the dialog reads from.
    if (isRightToLeft())
        for (QLabel* label : findChildren<QLabel*>())
            label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    ui->label_qtVersion->setText(tr("Qt %1 (built with %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)));
}

AboutDialog::~AboutDialog() { delete ui; }
