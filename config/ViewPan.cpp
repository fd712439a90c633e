#include "ViewPan.h"

#include <algorithm>
#include <cmath>

double ModelPerPixel(const WheelConfig& c, const ViewArea& area)
{
    // The projection spans twice the zoom extent across the client width,
    // with square pixels.
    return area.clientWidth > 0.0 ? 2.0 * c.ZoomExtent / area.clientWidth : 0.0;
}

void BoundPan(WheelConfig& c, const ViewArea& area)
{
    const double scale = ModelPerPixel(c, area);
    const double halfWidth = std::max(0.0, area.width) / 2.0 * scale;
    const double halfHeight = std::max(0.0, area.height) / 2.0 * scale;
    c.Pan[0] = std::clamp(c.Pan[0], -halfWidth, halfWidth);
    c.Pan[1] = std::clamp(c.Pan[1], -halfHeight, halfHeight);
}

void PanView(WheelConfig& c, double dx, double dy, const ViewArea& area)
{
    const double scale = ModelPerPixel(c, area);
    c.Pan[0] += dx * scale;
    c.Pan[1] -= dy * scale;
    BoundPan(c, area);
}

void ZoomAtPoint(WheelConfig& c, ViewStep step, int times, double x, double y, const ViewArea& area)
{
    constexpr double CentreReach = 2.0;
    const double before = ModelPerPixel(c, area);
    TakeViewStep(c, step, times);
    const double u = x - area.width / 2.0;
    const double v = y - area.height / 2.0;
    if (std::hypot(u, v) <= CentreReach)
        return;
    // The model point under (u, v) lies at u * scale - pan; it stays there
    // when the pan grows by the pixels' change of length.
    const double change = ModelPerPixel(c, area) - before;
    c.Pan[0] += u * change;
    c.Pan[1] -= v * change;
    BoundPan(c, area);
}
