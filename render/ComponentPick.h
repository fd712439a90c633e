#pragma once

#include "ViewComponent.h"

struct WheelConfig;

// The component drawn at a point of the view, with the GL context current and
// the frame's viewport set: x and y are framebuffer pixels from the view's
// bottom-left corner, at a pixel's centre. Draws nothing: the wheel's list is
// replayed with the frame's projection, rotation, half section and style, in
// selection mode under a pick matrix, so that only what lies at the point is
// drawn, or for points in feedback mode. Filled, the nearest surface at the
// point counts; as outlines or points, the nearest line or point within
// `reach` pixels. Nothing there,
// the background, gives ViewComponent::None.
ViewComponent PickComponent(const WheelConfig& c, double x, double y, double reach);
