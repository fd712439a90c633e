#pragma once

#include <QSize>

class QWidget;

// A top-level window's size as the X server holds it, in logical pixels;
// empty off X11.
QSize X11ClientSize(const QWidget& window);

// Resizes a top-level window at the X server, as a window manager does when
// the user drags an edge: no toolkit in between to apply the window's
// minimum. Returns once the server has done it; the program hears of it by
// the usual ConfigureNotify.
void X11ResizeFromOutside(const QWidget& window, QSize size);
