#pragma once

#include "WheelRules.h"

// Where the view lies on screen, in logical pixels: the area that shows the
// picture, whose centre the projection's centre falls on, and the client
// width the projection's horizontal extent spans.
struct ViewArea {
    double width = 0.0;
    double height = 0.0;
    double clientWidth = 0.0;
};

// Model units per logical pixel at the current zoom.
double ModelPerPixel(const WheelConfig& c, const ViewArea& area);

// The picture moved with a motion in logical pixels (x right, y down), held
// where the wheel's centre stays in the view.
void PanView(WheelConfig& c, double dx, double dy, const ViewArea& area);

// The zoom step taken `times` over at a point of the view, in logical pixels
// from its top-left corner: the point of the model under it stays under it.
// Within two pixels of the view's centre it is the plain step, which zooms
// about the centre and keeps the pan.
void ZoomAtPoint(WheelConfig& c, ViewStep step, int times, double x, double y, const ViewArea& area);

// The pan held where the wheel's centre lies inside the view, as a zoom or a
// smaller view may have moved it out.
void BoundPan(WheelConfig& c, const ViewArea& area);
