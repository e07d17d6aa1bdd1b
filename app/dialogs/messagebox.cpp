#include "app/dialogs/messagebox.h"

#include "storage/notice.h"

#include <QAbstractButton>
#include <QList>

namespace {
struct TestState {
    bool testMode = false;
    QList<QMessageBox::StandardButton> answers;
    QStringList shown;
    std::function<void()> whileAsked;
};

TestState& testState()
{
    static TestState s;
    return s;
}
} // namespace

QMessageBox::StandardButton MessageBox::show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
    const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
    const ButtonTexts& texts)
{
    TestState& s = testState();
    if (s.testMode || !s.answers.isEmpty()) {
        s.shown << title + QStringLiteral(": ") + text;
        if (const auto work = std::exchange(s.whileAsked, {}))
            work();
        if (!s.answers.isEmpty())
            return s.answers.takeFirst();
        if (defaultButton != QMessageBox::NoButton)
            return defaultButton;
        // The first button of the set stands for the box's only or default answer.
        for (int bit = 0; bit < 32; ++bit)
            if (buttons & (1u << bit))
                return QMessageBox::StandardButton(1u << bit);
        return QMessageBox::NoButton;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    for (const auto& [button, label] : texts)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(label);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton MessageBox::critical(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons)
{
    return show(parent, QMessageBox::Critical, title, text, buttons, QMessageBox::NoButton);
}

QMessageBox::StandardButton MessageBox::warning(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return show(parent, QMessageBox::Warning, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton, const ButtonTexts& texts)
{
    return show(parent, QMessageBox::Question, title, text, buttons, defaultButton, texts);
}

void MessageBox::installNoticeHandler()
{
    Notice::setHandler([](Notice::Kind kind, const QString& title, const QString& text) {
        if (kind == Notice::Kind::Critical)
            critical(nullptr, title, text);
        else
            warning(nullptr, title, text);
    });
}

void MessageBox::setTestMode(bool on) { testState().testMode = on; }

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) { testState().answers << answer; }

void MessageBox::setWhileAsked(std::function<void()> work)
{
    testState().whileAsked = std::move(work);
}

void MessageBox::clearAnswers()
{
    testState().answers.clear();
    testState().whileAsked = {};
}

QStringList MessageBox::shown() { return testState().shown; }

void MessageBox::clearShown() { testState().shown.clear(); }
