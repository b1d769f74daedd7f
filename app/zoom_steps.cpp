#include "zoom_steps.h"

#include <algorithm>
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
