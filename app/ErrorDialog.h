#pragma once

class QWidget;

// The modal report of a GL error found at the end of a frame, over the given
// window and centred on the screen where the platform lets a program place
// windows; returns when the user has closed it.
void ShowGLErrorDialog(QWidget* parent);
