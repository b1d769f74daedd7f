#include "zoom_steps.h"

#include <algorithm>
#include <cmath>
#include <iterator>

int LargerZoomStep(int percent, int largest)
{
    for (int step : ZoomSteps)
        if (step > percent && step <= largest)
            return step;
    return percent;
}

int SmallerZoomStep(int percent)
{
    for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps); ++it)
        if (*it < percent)
            return *it;
    return ZoomSteps[0];
}

int LargestFittingZoomStep(QSize size, QSize room)
{
    int largest = ZoomSteps[0];
    for (int step : ZoomSteps)
        if (size.width() * step <= room.width() * 100 && size.height() * step <= room.height() * 100)
            largest = step;
    return largest;
}

int LargestFittingZoomStep(QSize size, double scale, QMargins frame, QSize room)
{
    const QSize extra(frame.left() + frame.right(), frame.top() + frame.bottom());
    int largest = ZoomSteps[0];
    for (int step : ZoomSteps) {
        const double factor = scale * step / 100.0;
        const QSize shown(int(std::lround(size.width() * factor)), int(std::lround(size.height() * factor)));
        if (shown.width() + extra.width() <= room.width() && shown.height() + extra.height() <= room.height())
            largest = step;
    }
    return largest;
}

QPoint MoveIntoRoom(const QRect& frame, const QRect& room)
{
    QPoint by;
    if (frame.right() > room.right())
        by.rx() = room.right() - frame.right();
    if (frame.bottom() > room.bottom())
        by.ry() = room.bottom() - frame.bottom();
    by.rx() = std::max(by.x(), room.left() - frame.left());
    by.ry() = std::max(by.y(), room.top() - frame.top());
    return by;
}

int ZoomStepToUse(int wanted, int largest)
{
    if (std::find(std::begin(ZoomSteps), std::end(ZoomSteps), wanted) == std::end(ZoomSteps))
        return ZoomSteps[0];
    return std::min(wanted, std::max(largest, ZoomSteps[0]));
}

double FillingFactor(QSize size, QSize room)
{
    if (size.isEmpty() || room.isEmpty())
        return 1.0;
    return std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
}
