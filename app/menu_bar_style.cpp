#include "menu_bar_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

TMenuBarStyle::TMenuBarStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

void TMenuBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    // The menu bar holds the focus only while the keyboard works it.
    const bool keyboardOn = widget && widget->hasFocus() && (option->state & State_Selected);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && keyboardOn && item) {
        QStyleOptionMenuItem marked = *item;
        marked.state |= State_Sunken;
        QProxyStyle::drawControl(element, &marked, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
