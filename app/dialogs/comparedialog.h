#pragma once

#include <QDialog>
#include <QList>

struct RegisterPlan;

namespace Ui {
class CompareDialog;
}

// What a page would change on each connected register: per register a line ("127.0.0.1: 2
// new, 3 changed, 1 deleted", "no baseline yet: ...") and below it one line per row, field by
// field in the grid's forms ("1003: Price 4.25 → 4.50"). It stays open beside the window
// (not blocking it) until closed; its buttons ask for the send of the changes or for a
// download to compare with. GUI thread only.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    explicit CompareDialog(QWidget* parent = nullptr);
    ~CompareDialog() override;

    // Shows `plans` under `heading`; Send changes is offered when one of them has changes.
    void showPlans(const QString& heading, const QList<RegisterPlan>& plans);

signals:
    void sendChangesRequested();
    void downloadCompareRequested();

private:
    Ui::CompareDialog* ui;
};
