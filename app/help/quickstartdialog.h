#pragma once

#include <QDialog>

namespace Ui {
class QuickStartDialog;
}

// Help > Quick start: a short guide in the display language from a new set to a verified
// install, one section per step; F1 on a page opens it at that page's section. Non-modal, one
// per window.
class QuickStartDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuickStartDialog(QWidget* parent = nullptr);
    ~QuickStartDialog() override;

    // The sections, in the order the guide reads.
    static QStringList sections() { return { "sets", "pages", "logo", "connect", "install", "verify" }; }
    // Shows the guide at `section` (one of sections(); the top for any other).
    void showSection(const QString& section);
    QString shownSection() const { return m_section; }

private:
    QString html() const;

    Ui::QuickStartDialog* ui;
    QString m_section;
};
