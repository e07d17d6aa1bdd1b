#include "app/displaylanguage.h"

#include "app/applog.h"
#include "base/language.h"
#include "storage/setlocation.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTranslator>

#include <memory>

namespace {

// Draws the label of a push button that has both an icon and a text right to left: the icon
// on the right, the text beside it on its left, the two centred together, as left to right
// mirrored. Qt 6.4's own drawing asks for the text aligned right but lets the right-to-left
// painter turn that into left, so that in Hebrew and Arabic the word of every message-box and
// dialog button stuck to the button's left border, far from its icon, and a long word ran over
// the border. Everything else is drawn by the style underneath.
class RightToLeftButtonStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButtonLabel || !button || button->direction != Qt::RightToLeft || button->icon.isNull()
            || button->text.isEmpty() || (button->features & QStyleOptionButton::HasMenu)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const bool enabled = button->state & State_Enabled;
        QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        if (mode == QIcon::Normal && (button->state & State_HasFocus))
            mode = QIcon::Active;
        const QIcon::State state = (button->state & State_On) ? QIcon::On : QIcon::Off;
        const QPixmap pixmap
            = button->icon.pixmap(button->iconSize, painter->device()->devicePixelRatio(), mode, state);
        const QSize iconSize = pixmap.deviceIndependentSize().toSize();

        int flags = Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        if (!proxy()->styleHint(SH_UnderlineShortcut, button, widget))
            flags |= Qt::TextHideMnemonic;
        const QRect rect = button->rect;
        const int spacing = 4;
        const int textWidth = button->fontMetrics.boundingRect(rect, flags, button->text).width();
        const int left = rect.x() + qMax(0, (rect.width() - textWidth - spacing - iconSize.width()) / 2);
        const QRect textRect(left, rect.y(), qMin(textWidth, rect.width()), rect.height());
        const QPoint iconAt(textRect.right() + 1 + spacing, rect.y() + (rect.height() - iconSize.height()) / 2);
        painter->drawPixmap(iconAt, pixmap);
        proxy()->drawItemText(painter, textRect, flags, button->palette, enabled, button->text, QPalette::ButtonText);
    }
};

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
    // The application's style, whichever it is, draws its buttons through this one from the
    // first call on (the proxy takes the style over; QApplication keeps the proxy).
    if (!dynamic_cast<RightToLeftButtonStyle*>(QApplication::style()))
        QApplication::setStyle(new RightToLeftButtonStyle(QApplication::style()));
    if (code.isEmpty())
        return;
    // The translator installed last is asked first: Tallvane's own words win over Qt's for the
    // texts both translate (the buttons of a question, a file dialog's title).
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    else
        qCDebug(lcApp) << "no Qt translation for" << code;
    own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/tallvane_%1.qm").arg(code)))
        QCoreApplication::installTranslator(own.get());
    else
        qCWarning(lcApp) << "no translation for" << code;
}

QString leftToRightRun(const QString& text)
{
    if (text.isEmpty() || QGuiApplication::layoutDirection() != Qt::RightToLeft)
        return text;
    // LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE
    return QChar(0x2066) + text + QChar(0x2069);
}

Qt::LayoutDirection paragraphDirection(const QString& text, Qt::LayoutDirection otherwise)
{
    int isolated = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Walked in place: a grid cell is looked at every time it is painted.
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        switch (QChar::direction(c)) {
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
            ++isolated;
            break;
        case QChar::DirPDI:
            isolated = qMax(0, isolated - 1);
            break;
        case QChar::DirL:
            if (isolated == 0)
                return Qt::LeftToRight;
            break;
        case QChar::DirR:
        case QChar::DirAL:
            if (isolated == 0)
                return Qt::RightToLeft;
            break;
        default:
            break;
        }
    }
    return otherwise;
}

QString shownPath(const QString& path)
{
    return leftToRightRun(QDir::toNativeSeparators(path));
}

QString shownSet(const QString& path)
{
    const QString name = shownSetName(path);
    if (name.isEmpty() || QGuiApplication::layoutDirection() != Qt::RightToLeft)
        return name;
    // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE: unlike a path, a name may be of
    // Hebrew or Arabic words ("متجر.db"), which read right to left with their ".db" last.
    return QChar(0x2068) + name + QChar(0x2069);
}

void selectTableRow(QTableView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    if (!index.isValid())
        return;
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}
