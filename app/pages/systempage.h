#pragma once

#include <QWidget>

class QStatusBar;

namespace Ui {
class SystemPage;
}

// The system parameter page (systemparm): the numbers and switches of the current system
// record (records/system.h), which the page shows and writes back. GUI thread only.
class SystemPage : public QWidget {
    Q_OBJECT
public:
    explicit SystemPage(QStatusBar* statusBar, QWidget* parent = nullptr);
    ~SystemPage() override;

    // Reads the record from the open configuration database and shows it.
    void load();
    // Shows the current record.
    void fill();
    // Puts what the page shows into the current record.
    void read();
    // read(), then stores the record; a refused save is said in the status bar.
    void save();

private:
    Ui::SystemPage* ui;
    QStatusBar* m_statusBar;
};
