#pragma once

#include <QString>

class QWidget;

// The caption the X server holds for a top-level window, as a window manager
// or a task bar reads it (_NET_WM_NAME, falling back to WM_NAME).
QString X11WindowCaption(const QWidget& window);
