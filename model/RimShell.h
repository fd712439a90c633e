#pragma once

#include <GL/glu.h>

struct WheelConfig;

// The rim shell as one open surface of revolution about the z axis: flanges,
// bead seats, humps and well, front (+z) to back, each group in its highlight
// colour. Every piece is drawn inside its own matrix push and pop.
void DrawRimShell(const WheelConfig& c, GLUquadric* quadric);
