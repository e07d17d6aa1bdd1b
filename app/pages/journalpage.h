#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class JournalModel;
class QAction;
class QComboBox;
class QStackedWidget;
class QStatusBar;

namespace Ui {
class JournalPage;
}

// The journal page (page_Journal): the entries of the journal (journal/journal.h), newest
// first, chosen by register, user, category and a range of days; the details of the entry
// chosen below them; a check of the hash chain. It reads the journal whenever it is shown.
// GUI thread only.
class JournalPage : public QWidget {
    Q_OBJECT
public:
    JournalPage(const QString& imageFolder, QWidget* parent = nullptr);
    ~JournalPage() override;

    // Builds the page into `stack` and opens it by `action`: `show` puts it on show as the
    // window shows its pages (it may ask about unsaved work first and stay), Back calls
    // `back`. From now on a journal that cannot be written says so in `statusBar`.
    static JournalPage* setUp(QStackedWidget* stack, QAction* action, QStatusBar* statusBar, const QString& imageFolder,
        std::function<void(QWidget*)> show, std::function<void()> back);

    // Reads the journal again: the choices of the filters from all its entries, the table
    // from those the filters select.
    void reload();

signals:
    void backRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyFilters();
    void showDetails();
    void verifyChain();
    // Refills `box` with "All" and `values` (each shown through `shown` where given), keeping
    // the value chosen when it is still there.
    void fillChoices(QComboBox* box, QStringList values, QString (*shown)(const QString&) = nullptr);

    Ui::JournalPage* ui;
    JournalModel* m_model;
    int m_total = 0; // entries in the journal when it was last read
    bool m_filling = false; // the filters' choices are being refilled
};
