#pragma once

// The modal report of a GL error found at the end of a frame, centred on the
// screen; returns when the user has closed it.
void ShowGLErrorDialog();
