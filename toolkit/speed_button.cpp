#include "speed_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <optional>

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
    auto toQ = [](TColor c) {
        c = ColorToRGB(c);
        return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    };
    const QRgb highlight = toQ(clBtnHighlight);
    const QRgb shadow = toQ(clBtnShadow);
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
    if (v == FState)
        return;
    FState = v;
    update();
}

TButtonState TSpeedButton::RestingState() const
{
    if (!isEnabled())
        return bsDisabled;
    return FDown ? bsHeldDown : bsUp;
}

void TSpeedButton::SetDown(bool v)
{
    FDown = v;
    if (!FTracking)
        SetState(RestingState());
}

void TSpeedButton::SetGlyph(const TBitmap& v)
{
    SetGlyph(v.Image());
}

void TSpeedButton::SetGlyph(const QImage& v)
{
    FGlyph.Assign(v);
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
    const QImage& all = FGlyph.Image();
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
    if (!FDown)
        SetState(bsDown);
    FTracking = true;
}

void TSpeedButton::MouseMove(TShiftState, int x, int y)
{
    if (!FTracking)
        return;
    if (Inside(x, y))
        SetState(FDown ? bsHeldDown : bsDown);
    else
        SetState(RestingState());
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FTracking && button == mbLeft) {
        FTracking = false;
        SetState(RestingState());
        if (Inside(x, y))
            Click();
    }
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TSpeedButton::mousePressEvent(QMouseEvent* e)
{
    const auto button = MouseButtonFromQt(e->button());
    if (!button)
        return;
    const QPoint p = e->position().toPoint();
    MouseDown(*button, ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
}

// The second press of a double click counts as a press of its own.
void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    const auto button = MouseButtonFromQt(e->button());
    if (!button)
        return;
    const QPoint p = e->position().toPoint();
    MouseDown(*button, ShiftStateFromQt(e->modifiers(), e->buttons()) | ssDouble, p.x(), p.y());
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    MouseMove(ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* e)
{
    const auto button = MouseButtonFromQt(e->button());
    if (!button)
        return;
    const QPoint p = e->position().toPoint();
    MouseUp(*button, ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TSpeedButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            FTracking = false; // a disabled button lets go of the pointer
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
    const bool pressed = FState == bsDown || FState == bsHeldDown;
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
