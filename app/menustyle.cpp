#include "app/menustyle.h"

#include <QStyleOptionMenuItem>

void MenuStyle::drawControl(
    ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* item = element == CE_MenuItem && option->direction == Qt::RightToLeft
        ? qstyleoption_cast<const QStyleOptionMenuItem*>(option)
        : nullptr;
    // A menu passes the entry's text and its shortcut in one, separated by a tab.
    const int tab = item ? int(item->text.indexOf(QLatin1Char('\t'))) : -1;
    if (tab < 0) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem isolated(*item);
    // LEFT-TO-RIGHT ISOLATE ... POP DIRECTIONAL ISOLATE around the shortcut
    isolated.text = item->text.left(tab + 1) + QChar(0x2066) + item->text.mid(tab + 1) + QChar(0x2069);
    QProxyStyle::drawControl(element, &isolated, painter, widget);
}
