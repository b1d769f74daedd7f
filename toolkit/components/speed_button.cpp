#include "speed_button.h"
#include "qt_bitmap.h"
#include "KeplerControls/mouse_input.h"
#include "qt_colors.h"
#include "show_exception.h"
#include "store_if_changed.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <optional>

namespace Kepler {

namespace {

QImage WithTransparency(const QImage& image, QRgb transparent)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == (transparent & 0xFFFFFFu))
                line[x] = 0;
    }
    return out;
}

// The greyed, etched look of a disabled glyph: every drawn pixel of the
// image becomes shadow, with a highlight copy one pixel down and right.
QImage Etched(const QImage& image, QRgb transparent)
{
    const QRgb highlight = ToQRgb(clBtnHighlight);
    const QRgb shadow = ToQRgb(clBtnShadow);
    QImage out(image.size(), QImage::Format_ARGB32);
    out.fill(0);
    auto drawn = [&](int x, int y) {
        return (image.pixel(x, y) & 0xFFFFFFu) != (transparent & 0xFFFFFFu);
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (drawn(x, y) && x + 1 < out.width() && y + 1 < out.height())
                out.setPixel(x + 1, y + 1, highlight);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (drawn(x, y))
                out.setPixel(x, y, shadow);
    return out;
}

} // namespace

TSpeedButton::TSpeedButton(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    resize(23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetState(TButtonState v)
{
    if (StoreIfChanged(FState, v))
        update();
}

TButtonState TSpeedButton::RestingState() const
{
    return isEnabled() ? bsUp : bsDisabled;
}

void TSpeedButton::SetGlyph(const TBitmap& v)
{
    SetGlyph(QtImage(v));
}

void TSpeedButton::SetGlyph(const QImage& v)
{
    AssignImage(FGlyph, v);
    update();
}

void TSpeedButton::SetNumGlyphs(int v)
{
    FNumGlyphs = std::clamp(v, 1, 4);
    update();
}

QImage TSpeedButton::GlyphImage(TButtonState state) const
{
    if (FGlyph.Empty())
        return {};
    const QImage all = QtImage(std::as_const(FGlyph));
    const int w = all.width() / FNumGlyphs;
    if (w <= 0)
        return {};
    const QRgb transparent = all.pixel(0, all.height() - 1);
    const QImage first = all.copy(0, 0, w, all.height());
    const int index = int(state);
    if (index < FNumGlyphs)
        return WithTransparency(all.copy(index * w, 0, w, all.height()), transparent);
    if (state == bsDisabled)
        return Etched(first, transparent);
    return WithTransparency(first, transparent);
}

QPoint TSpeedButton::GlyphOrigin() const
{
    const int gw = FGlyph.Empty() ? 0 : FGlyph.Width() / FNumGlyphs;
    const int gh = FGlyph.Height();
    return {(width() - gw + 1) / 2, (height() - gh + 1) / 2};
}

void TSpeedButton::Click()
{
    if (OnClick)
        OnClick(this);
}

bool TSpeedButton::Inside(int x, int y) const
{
    return x >= 0 && x < width() && y >= 0 && y <= height();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
    if (button != mbLeft || !isEnabled())
        return;
    SetState(bsDown);
    FClick.Press(button);
}

void TSpeedButton::MouseMove(TShiftState, int x, int y)
{
    if (!FClick.Armed())
        return;
    if (Inside(x, y))
        SetState(bsDown);
    else
        SetState(RestingState());
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FClick.Armed() && button == mbLeft) {
        const bool click = FClick.Release(button, Inside(x, y));
        SetState(RestingState());
        if (click)
            Click();
    }
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

bool TSpeedButton::event(QEvent* e)
{
    return GuardEvent(true, [&] { return QWidget::event(e); });
}

void TSpeedButton::mousePressEvent(QMouseEvent* e)
{
    const TMouseMessage m = MouseMessage(*e);
    if (m.Button)
        MouseDown(*m.Button, m.Shift, m.X, m.Y);
}

// The second press of a double click counts as a press of its own.
void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    mousePressEvent(e);
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* e)
{
    const TMouseMessage m = MouseMessage(*e);
    MouseMove(m.Shift, m.X, m.Y);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* e)
{
    const TMouseMessage m = MouseMessage(*e);
    if (m.Button)
        MouseUp(*m.Button, m.Shift, m.X, m.Y);
}

void TSpeedButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            FClick.Cancel(); // a disabled button lets go of the pointer
        SetState(RestingState());
    }
    QWidget::changeEvent(e);
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void TSpeedButton::Paint(QPainter& painter)
{
    PaintFace(painter);
}

void TSpeedButton::PaintFace(QPainter& painter)
{
    const bool pressed = FState == bsDown;
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (pressed)
        opt.state |= QStyle::State_On;
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &painter, this);

    const QImage glyph = GlyphImage(FState);
    if (glyph.isNull())
        return;
    QPoint at = GlyphOrigin();
    // A pressed face moves its glyph one pixel right and down, whatever
    // the style's own button shift (many styles shift by nothing).
    if (pressed)
        at += QPoint(1, 1);
    painter.drawImage(at, glyph);
}

} // namespace Kepler
