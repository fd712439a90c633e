#pragma once

// A torus about the current z axis at the current origin, as quad strips with
// a normal before every vertex; sets no colour or matrix. The centre line has
// radius (a + b) / 2 and the tube radius b - a. Ring angle 0 lies on +y and
// grows towards +x; tube angle 0 is the outer equator and grows towards +z
// first. Draws nothing unless both counts are at least 1.
void DrawTorus(int sides, int rings, double a, double b);
