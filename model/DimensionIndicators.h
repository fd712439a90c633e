#pragma once

#include <GL/glu.h>

struct WheelConfig;

// The translucent width, offset and diameter indicators, in that order, each
// only while its flag is set. Each leaves the matrix stack as it found it and
// blending off; with no flag set nothing at all is emitted.
void DrawDimensionIndicators(const WheelConfig& c, GLUquadric* quadric);
