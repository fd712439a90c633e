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
// visual of an X window is fixed at creation, so this happens once, before
// the window is shown.
void SetPixelFormat(QWindow* drawable, const PixelFormatDescription& requested);

// Describes the format the drawable was actually given: on X11 the colour
// bits and channel layout of its visual, fixed when the window was made,
// PFD_NEED_PALETTE for a colour-mapped one. Elsewhere the platform settles the
// configuration when a context is first bound to the drawable; given that
// context, the description holds what it got, before that what was asked for.
PixelFormatDescription DescribePixelFormat(QWindow* drawable, const QOpenGLContext* context = nullptr);

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

// Whether a swap on the drawable reaches the screen. An X server keeps nothing
// of what is drawn into a window that is not mapped, and tells reliably when
// it is. A Wayland compositor keeps the last buffer committed to a surface,
// while Qt reports a child surface exposed late or not at all, and takes the
// report back when a frame callback comes late: there a shown window counts.
bool CanPresent(const QWindow* drawable);

// Presents the back buffer and says whether it did; nothing is swapped while
// the drawable cannot present.
bool SwapBuffers(QWindow* drawable, QOpenGLContext* context);
