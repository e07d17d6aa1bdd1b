#pragma once

#include <QProxyStyle>

// The platform's style with one mend for right-to-left windows: a menu entry's shortcut is
// drawn as one left-to-right run. Drawn in the menu's direction, a shortcut that ends in a
// sign has the sign moved before the keys ("++Ctrl" for Ctrl++, "-+Ctrl" for Ctrl+-).
class MenuStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
