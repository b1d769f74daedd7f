#include "scroll_bar.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

TScrollBar::TScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    // Reached by Tab and by a click, like every other control of the window.
    setFocusPolicy(Qt::StrongFocus);
}

void TScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier
        && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        // On a right-to-left screen the bar's start is on the right.
        const bool towardStart = (event->key() == Qt::Key_Left) != isRightToLeft();
        triggerAction(towardStart ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void TScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Many styles draw no focus on a scroll bar at all, and some only after
    // Tab. The style's own focus mark, shown however the focus came, and a
    // solid frame in the highlight colour around it, as a focused edit has.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.state |= QStyle::State_KeyboardFocusChange;
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
