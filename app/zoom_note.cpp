#include "zoom_note.h"

#include "accessibility_notify.h"
#include "qt_announcement.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

using namespace Kepler;

// Right of the title, above the gauge's legend: nothing else is there.
const QRect TZoomNote::Place(518, 6, 92, 36);

namespace {

// How long the note stays, fading over its last part, in milliseconds.
constexpr int ShownMs = 1800;
constexpr double FadeFrom = 0.6;

QString PercentText(int percent)
{
    return QStringLiteral("%1\u00a0%").arg(percent);
}

class TZoomNoteAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TZoomNoteAccessible(TZoomNote* note) : QAccessibleWidget(note, QAccessible::StatusBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("Zoom");
        if (t == QAccessible::Value)
            return PercentText(Note()->Percent());
        if (t == QAccessible::Description)
            return QStringLiteral("Gr\u00f6\u00dfe des Fensters in Prozent");
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }

    void doAction(const QString& name) override
    {
        // Queued: the caller has its answer before the window changes size.
        if (name == increaseAction())
            QMetaObject::invokeMethod(Note(), &TZoomNote::ZoomInWanted, Qt::QueuedConnection);
        else if (name == decreaseAction())
            QMetaObject::invokeMethod(Note(), &TZoomNote::ZoomOutWanted, Qt::QueuedConnection);
    }

    QVariant currentValue() const override { return Note()->Percent(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return Note()->LargestPercent(); }
    QVariant minimumValue() const override { return 100; }
    QVariant minimumStepSize() const override { return 0; }

private:
    TZoomNote* Note() const { return static_cast<TZoomNote*>(widget()); }
};

QAccessibleInterface* ZoomNoteAccessible(const QString&, QObject* object)
{
    if (auto* note = qobject_cast<TZoomNote*>(object))
        return new TZoomNoteAccessible(note);
    return nullptr;
}

} // namespace

TZoomNote::TZoomNote(QWidget* parent) : QWidget(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(ZoomNoteAccessible), true);
    (void)accessibleInstalled;
    setObjectName(QStringLiteral("ZoomNote"));
    setGeometry(Place);
    // It only shows: clicks and the focus pass it by.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    FFade = new QVariantAnimation(this);
    FFade->setDuration(ShownMs);
    FFade->setKeyValueAt(0.0, 1.0);
    FFade->setKeyValueAt(FadeFrom, 1.0);
    FFade->setKeyValueAt(1.0, 0.0);
    connect(FFade, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        FOpacity = v.toDouble();
        update();
    });
    raise();
}

void TZoomNote::SetZoom(int percent, int largest)
{
    const bool changed = percent != FPercent;
    FPercent = percent;
    FLargest = std::max(largest, percent);
    if (changed) {
        AnnounceValueChange(AccessObject(this), FPercent);
    }
}

void TZoomNote::ShowZoom(int percent, int largest)
{
    SetZoom(percent, largest);
    raise();
    FOpacity = 1;
    FFade->stop();
    FFade->start();
    update();
}

void TZoomNote::paintEvent(QPaintEvent*)
{
    if (FOpacity <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(FOpacity);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40, 220));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    QFont f = font();
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, PercentText(FPercent));
}
