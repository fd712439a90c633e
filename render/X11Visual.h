#pragma once

#include "PixelFormat.h"

#include <cstdint>
#include <vector>

class QWindow;

// What the X server says about a window's visual; invalid off X11.
struct X11VisualInfo {
    bool valid = false;
    bool colourMapped = false;  // PseudoColor, GrayScale or DirectColor
    std::uint8_t depth = 0;
    std::uint8_t redBits = 0, redShift = 0;
    std::uint8_t greenBits = 0, greenShift = 0;
    std::uint8_t blueBits = 0, blueShift = 0;
};

X11VisualInfo QueryX11Visual(QWindow* window);

// A writable colour map for the window's visual filled with the entries; 0 when
// the window is not on X11 or its visual has a fixed colour map.
std::uint32_t CreateX11Colormap(QWindow* window, const std::vector<PaletteEntry>& entries);
void InstallX11Colormap(QWindow* window, std::uint32_t colormap);
void FreeX11Colormap(std::uint32_t colormap);
