#pragma once

#include <GL/glu.h>

struct WheelConfig;

// The flat wheel disc in the plane z = Einpresstiefe / 20: bolt seats on a
// circle of radius 2.3, spoke sectors between them, the hub ring around the
// centre bore and the outer ring out to the well's floor, all in the disc's
// highlight colour. Leaves the matrix stack as it found it: the turns from
// seat to seat add up to full circles.
void DrawWheelDisc(const WheelConfig& c, GLUquadric* quadric);
