#include "app/dialogs/comparedialog.h"

#include "link/changes.h"

#include "ui_comparedialog.h"

#include <QPushButton>

namespace {
// Rows listed under a register; the rest are counted.
constexpr int kListedChanges = 1000;
} // namespace

CompareDialog::CompareDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::CompareDialog)
{
    ui->setupUi(this);
    connect(ui->btn_closeCompare, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->btn_sendChanges, &QPushButton::clicked, this, [this] {
        close();
        emit sendChangesRequested();
    });
    connect(ui->btn_downloadCompare, &QPushButton::clicked, this, [this] {
        close();
        emit downloadCompareRequested();
    });
}

CompareDialog::~CompareDialog() { delete ui; }

void CompareDialog::showPlans(const QString& heading, const QList<RegisterPlan>& plans)
{
    ui->label_compare->setText(heading);
    QTreeWidget* tree = ui->treeWidget_changes;
    tree->clear();
    bool changes = false;
    for (const RegisterPlan& plan : plans) {
        auto* item = new QTreeWidgetItem(tree, QStringList(plan.sentence(false)));
        // A long sentence ("no baseline yet: ...") may be cut at the dialog's width.
        item->setToolTip(0, plan.sentence(false));
        const QList<RecordChange>& rows = plan.diff.changes;
        changes = changes || plan.request.sendable();
        for (int i = 0; i < rows.size() && i < kListedChanges; ++i)
            new QTreeWidgetItem(item, QStringList(rows.at(i).describe()));
        if (rows.size() > kListedChanges)
            new QTreeWidgetItem(item, QStringList(tr("... and %1 more").arg(rows.size() - kListedChanges)));
    }
    tree->expandAll();
    ui->btn_sendChanges->setEnabled(changes);
    // Enter closes the list: sending and downloading are for a click that means it.
    ui->btn_closeCompare->setDefault(true);
    ui->btn_closeCompare->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}
