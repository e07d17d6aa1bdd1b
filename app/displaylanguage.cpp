#include "app/displaylanguage.h"

#include "app/applog.h"
#include "base/language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// Qt's own texts of the standard buttons of message boxes and dialogs. Qt translates them for
// Hebrew and Arabic but not for Greek or Thai, so Tallvane's translations carry them as well.
[[maybe_unused]] const char* const kStandardButtons[] = { QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"), QT_TRANSLATE_NOOP("QPlatformTheme", "Save All"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"), QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Yes to &All"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "N&o to All"), QT_TRANSLATE_NOOP("QPlatformTheme", "Abort"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"), QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"), QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"), QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"), QT_TRANSLATE_NOOP("QPlatformTheme", "Reset"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Restore Defaults") };

} // namespace

const char* displayLanguageCode(int language)
{
    switch (language) {
    case Greek:
        return "el";
    case Hebrew:
        return "he";
    case Arabic:
        return "ar";
    case Thailand:
        return "th";
    default:
        return "";
    }
}

void installDisplayTranslation(int language)
{
    // The translators of the previous login go first, so that a log out and a login in another
    // language leave no word of the first behind.
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qt;
    for (auto* translator : { own.get(), qt.get() })
        if (translator)
            QCoreApplication::removeTranslator(translator);
    own.reset();
    qt.reset();

    const QString code = QString::fromLatin1(displayLanguageCode(language));
    QApplication::setLayoutDirection(language == Hebrew || language == Arabic ? Qt::RightToLeft : Qt::LeftToRight);
    if (code.isEmpty())
        return;
    own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/tallvane_%1.qm").arg(code)))
        QCoreApplication::installTranslator(own.get());
    else
        qCWarning(lcApp) << "no translation for" << code;
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    else
        qCDebug(lcApp) << "no Qt translation for" << code;
}
