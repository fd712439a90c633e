#pragma once

#include <QSize>

class TOpenGL_box;

// The client size a benchmark runs at: "--size WxH" on its command line,
// 800 x 600 without it.
QSize BenchClientSize(int argc, char** argv);

// Shows the window, brings its client to the given size, leaves its GL
// context current and prints the platform, client size and GL renderer.
// False, with a message naming the bench, when the window has no GL, never
// shows or cannot take that size (the screen must hold it).
bool PrepareBenchWindow(TOpenGL_box& box, const char* bench, QSize client);

// The median of a frame that only clears and swaps, the unit the other
// figures are given in.
double MedianBareFrameMs(TOpenGL_box& box, int runs);
