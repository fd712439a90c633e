#pragma once

#include <QSize>
#include <QString>

class QWidget;

// Whether the application runs on X11, where a program places its windows and
// the server can be asked what a window manager sees.
bool RunningOnX11();

// The minimum size in WM_NORMAL_HINTS, in device pixels; empty when none is set.
QSize X11MinimumSize(const QWidget& window);

// The caption the X server holds for a top-level window, as a window manager
// or a task bar reads it (_NET_WM_NAME, falling back to WM_NAME).
QString X11WindowCaption(const QWidget& window);
