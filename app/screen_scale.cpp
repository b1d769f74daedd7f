#include "screen_scale.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>

namespace {

// The desktop's own scale of a screen, taken before the first zoom replaces it.
const char* const DesktopScaleProperty = "keplerDesktopScale";

double DesktopScale(QScreen* screen)
{
    const QVariant kept = screen->property(DesktopScaleProperty);
    if (kept.isValid())
        return kept.toDouble();
    // Qt's factor for a screen is the global one (QT_SCALE_FACTOR) times the
    // screen's own; a screen factor that is set replaces the screen's own.
    const double global = QHighDpiScaling::factor(static_cast<const QScreen*>(nullptr));
    const double own = QHighDpiScaling::factor(screen) / global;
    screen->setProperty(DesktopScaleProperty, own);
    return own;
}

} // namespace

void SetScreenZoom(QScreen* screen, double zoom)
{
    if (!screen)
        return;
    QHighDpiScaling::setScreenFactor(screen, DesktopScale(screen) * zoom);
    // Styles draw into pixmaps at the application's largest pixel ratio,
    // which Qt keeps from the first time it was asked; without this the
    // buttons would be drawn at the old ratio and enlarged, blurred.
    QGuiApplicationPrivate::resetCachedDevicePixelRatio();
    QPixmapCache::clear();
}

void RefreshWindowScale(QWidget& window)
{
    if (!window.windowHandle())
        return; // not shown yet: it is made at the new scale
    // The widget keeps its size in logical pixels, so Qt sees nothing to do;
    // a change of size and back makes it give the native window its new
    // size (and the window manager new size hints) ...
    const QSize size = window.size();
    const QSize minimum = window.minimumSize();
    const QSize maximum = window.maximumSize();
    if (minimum == maximum) {
        window.setFixedSize(size + QSize(1, 1));
        window.setFixedSize(size);
    } else {
        // A window of free size (full screen) stays free: a window manager
        // would take a fixed size, even for a moment, as the end of full screen.
        window.resize(size + QSize(1, 1));
        window.resize(size);
    }
    window.setMinimumSize(minimum);
    window.setMaximumSize(maximum);
    // ... and the backing store, kept by logical size as well, its new pixels.
    if (QBackingStore* store = window.backingStore()) {
        store->resize(size + QSize(1, 1));
        store->resize(size);
    }
    window.update();
    for (QWidget* child : window.findChildren<QWidget*>())
        child->update();
}
