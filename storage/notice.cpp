#include "storage/notice.h"

#include "storage/storagelog.h"

namespace Notice {

namespace {
Handler& currentHandler()
{
    static Handler handler;
    return handler;
}

void show(Kind kind, const QString& title, const QString& text)
{
    if (currentHandler()) {
        currentHandler()(kind, title, text);
        return;
    }
    qCWarning(lcStorage).noquote() << title << ":" << text;
}
} // namespace

Handler setHandler(Handler handler)
{
    Handler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

void critical(const QString& title, const QString& text) { show(Kind::Critical, title, text); }

void warning(const QString& title, const QString& text) { show(Kind::Warning, title, text); }

} // namespace Notice
