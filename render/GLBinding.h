#pragma once

#include "PixelFormat.h"

#include <cstdint>
#include <vector>

class QOpenGLContext;
class QWindow;

// The window-system side of the view's GL: the drawable, its pixel format and
// colour map, the context and the buffer swap. The drawable is the view's own
// native window; one context is created on it and stays current on the UI
// thread until the window goes.

// Asks for the described format and creates the native window with it. The
// visual of an X window is fixed at creation, so this happens once.
void SetPixelFormat(QWindow* drawable, const PixelFormatDescription& requested);

// Describes the format the drawable was actually given: colour bits and
// channel layout from its X visual, PFD_NEED_PALETTE for a colour-mapped one.
PixelFormatDescription DescribePixelFormat(QWindow* drawable);

// Creates a colour map for the drawable's visual holding the given entries,
// returning its id, or 0 when the drawable has no colour-mapped X visual.
std::uint32_t CreatePalette(QWindow* drawable, const std::vector<PaletteEntry>& entries);

// Installs the colour map as the drawable's own, so that it is used whenever
// the window has the colour focus.
void SelectPalette(QWindow* drawable, std::uint32_t palette);

void DeletePalette(std::uint32_t palette);

// A compatibility-profile context for the drawable's format; null on failure.
QOpenGLContext* CreateGLContext(QWindow* drawable);

// Binds the context with the drawable; with null for both it unbinds whatever
// context is current. Returns false when the binding failed.
bool MakeCurrent(QWindow* drawable, QOpenGLContext* context);

void DeleteGLContext(QOpenGLContext* context);

// Presents the back buffer and says whether it did. A window that is not on
// screen has nothing to present, so the swap is left out then.
bool SwapBuffers(QWindow* drawable, QOpenGLContext* context);
