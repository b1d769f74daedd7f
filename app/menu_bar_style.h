#pragma once
#include <QProxyStyle>

// The menu bar's look with one addition: the entry the keyboard has reached
// (after Alt) is highlighted like an open one. Fusion, the style Qt falls
// back to on most Linux desktops, marks an entry only while its list is
// open, so after Alt nothing showed where the keyboard was.
class TMenuBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Draws as the application's style does.
    TMenuBarStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
