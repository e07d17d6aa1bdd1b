#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// Every message box of the program goes through here, so that tests can answer them
// without a box ever blocking (KeePassXC's MessageBox::setNextAnswer is the model).
class MessageBox {
public:
    static QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Cancel);
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // A question whose buttons may carry texts of their own ("Replace", "Add").
    using ButtonTexts = QList<QPair<QMessageBox::StandardButton, QString>>;
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        const ButtonTexts& texts = {});

    // Routes the boxes of code without widgets (Notice) to real boxes.
    static void installNoticeHandler();

    // Test hooks. In test mode no box is shown: each call takes the next queued answer, or
    // its default button, and is recorded as "title: text".
    static void setTestMode(bool on);
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Runs once, as the next box is answered: what happens while a real box waits for the
    // operator (a transfer ending, a register calling).
    static void setWhileAsked(std::function<void()> work);
    // Drops the answers that no box has taken.
    static void clearAnswers();
    static QStringList shown();
    static void clearShown();

private:
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
        const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
        const ButtonTexts& texts = {});
};
