#pragma once

class TOpenGL_box;

// Shows the window, brings its client to 800 x 600, leaves its GL context
// current and prints the client size and the GL renderer. False, with a
// message naming the bench, when the window has no GL or never shows.
bool PrepareBenchWindow(TOpenGL_box& box, const char* bench);

// The median of a frame that only clears and swaps, the unit the other
// figures are given in.
double MedianBareFrameMs(TOpenGL_box& box, int runs);
