#pragma once

#include <QString>

#include <functional>

// Message boxes that code without widgets has to show (database failures, the user
// database). The application installs a handler that shows a real box; without one the
// notice goes to the log. Tests install their own handler to see what would be shown.
namespace Notice {

enum class Kind { Critical, Warning };

using Handler = std::function<void(Kind kind, const QString& title, const QString& text)>;

// Installs the handler and returns the previous one.
Handler setHandler(Handler handler);

// A critical box with a single Cancel button.
void critical(const QString& title, const QString& text);
// A warning box with a single Yes button.
void warning(const QString& title, const QString& text);

} // namespace Notice
