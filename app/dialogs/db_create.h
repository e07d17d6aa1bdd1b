#pragma once

#include <QDialog>

namespace Ui {
class db_create;
}

// Asks for the name of a new configuration database. OK is offered only for a name that makes
// a visible file of the database folder (see newSetFileName) or a server set's address; on OK
// the typed text is handed on through nameAccepted().
class db_create : public QDialog {
    Q_OBJECT
public:
    explicit db_create(QWidget* parent = nullptr);
    ~db_create() override;

signals:
    void nameAccepted(const QString& name);

private slots:
    void checkName(const QString& typed);
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    Ui::db_create* ui;
};
