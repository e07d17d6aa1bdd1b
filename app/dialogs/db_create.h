#pragma once

#include <QDialog>

namespace Ui {
class db_create;
}

// Asks for the name of a new configuration database. On OK the typed name is handed on
// through nameAccepted(); the caller stores it with ".db" appended.
class db_create : public QDialog {
    Q_OBJECT
public:
    explicit db_create(QWidget* parent = nullptr);
    ~db_create() override;

signals:
    void nameAccepted(const QString& name);

private slots:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    Ui::db_create* ui;
};
