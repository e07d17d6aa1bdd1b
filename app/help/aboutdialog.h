#pragma once

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// Help > About: the version, the licence, the data folder in use and the Qt version.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    Ui::AboutDialog* ui;
};
