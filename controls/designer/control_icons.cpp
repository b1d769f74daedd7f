#include "control_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Kepler {

namespace {

constexpr int IconSize = 32;

template <typename Draw>
QIcon DrawnIcon(Draw draw)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(pixmap);
}

// An up or down arrow centred on (cx, cy).
void Arrow(QPainter& p, qreal cx, qreal cy, bool up)
{
    const qreal d = up ? -2.5 : 2.5;
    QPainterPath path;
    path.moveTo(cx - 4, cy - d);
    path.lineTo(cx + 4, cy - d);
    path.lineTo(cx, cy + d);
    path.closeSubpath();
    p.fillPath(path, Qt::black);
}

void SpinButtons(QPainter& p, const QRectF& r)
{
    const QRectF up(r.left(), r.top(), r.width(), r.height() / 2);
    const QRectF down(r.left(), r.center().y(), r.width(), r.height() / 2);
    for (const QRectF& half : {up, down}) {
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        p.drawRect(half);
    }
    Arrow(p, up.center().x(), up.center().y(), true);
    Arrow(p, down.center().x(), down.center().y(), false);
}

} // namespace

// A cream 270-degree dial with green, yellow and red bands and a red needle.
QIcon GaugeIcon()
{
    return DrawnIcon([](QPainter& p) {
        const QRectF face(2, 2, 28, 28);
        p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1.5));
        p.setBrush(QColor(0xFF, 0xFB, 0xF0));
        p.drawEllipse(face);
        const QRectF band = face.adjusted(4, 4, -4, -4);
        const struct { int start, span; QColor colour; } bands[] = {
            {225, -135, QColor(0x00, 0xA0, 0x00)},
            {90, -90, QColor(0xF0, 0xC0, 0x00)},
            {0, -45, QColor(0xE0, 0x00, 0x00)},
        };
        for (const auto& b : bands) {
            p.setPen(QPen(b.colour, 3, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(band, b.start * 16, b.span * 16);
        }
        p.setPen(QPen(Qt::red, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(24, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    });
}

// A white edit with a number and the button pair at its right edge.
QIcon SpinEditIcon()
{
    return DrawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 7.5, 29, 17));
        p.setPen(Qt::black);
        QFont f = p.font();
        f.setPixelSize(12);
        p.setFont(f);
        p.drawText(QRectF(3, 8, 16, 16), Qt::AlignCenter, QStringLiteral("42"));
        SpinButtons(p, QRectF(20.5, 9.5, 9, 13));
    });
}

// The button pair on its own.
QIcon SpinButtonIcon()
{
    return DrawnIcon([](QPainter& p) { SpinButtons(p, QRectF(9.5, 3.5, 13, 25)); });
}

} // namespace Kepler
