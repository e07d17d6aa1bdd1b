#pragma once

#include <QSet>
#include <QString>
#include <QWidget>

class QSpinBox;
class QStatusBar;

namespace Ui {
class SystemPage;
}

// The system parameter page (systemparm): the numbers and switches of the current system
// record (records/system.h), which the page shows and writes back. GUI thread only.
class SystemPage : public QWidget {
    Q_OBJECT
public:
    SystemPage(QStatusBar* statusBar, const QString& imageFolder, QWidget* parent = nullptr);
    ~SystemPage() override;

    // Reads the record from the open configuration database and shows it, dropping unsaved
    // changes.
    void reload();
    // Shows the current record after a download replaced it: the page holds what the set
    // does not keep yet, and counts as modified.
    void fill();
    // Puts what the page shows into the current record.
    void read();
    // read(), then stores the record. False when the set refuses it, which the status bar
    // then says; the page keeps what it shows.
    bool save();
    // Whether a field was edited since the record was last read from or stored in the set.
    bool isModified() const { return m_modified; }

signals:
    void modifiedChanged(bool modified);
    void backRequested();

private slots:
    void on_btn_return_clicked();

private:
    void showRecord();
    void setModified(bool modified);

    Ui::SystemPage* ui;
    QStatusBar* m_statusBar;
    bool m_modified = false;
    bool m_showing = false; // the page itself sets the fields
    QSet<QSpinBox*> m_touched; // boxes the operator changed since the record was shown
};
