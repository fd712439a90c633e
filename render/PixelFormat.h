#pragma once

#include <cstdint>
#include <vector>

// The pixel format the view asks for and the one it is given, in the fields of
// the classic window-system descriptor that the view reads.
inline constexpr std::uint32_t PFD_DOUBLEBUFFER = 0x01;
inline constexpr std::uint32_t PFD_DRAW_TO_WINDOW = 0x04;
inline constexpr std::uint32_t PFD_SUPPORT_OPENGL = 0x20;
inline constexpr std::uint32_t PFD_NEED_PALETTE = 0x80;

struct PixelFormatDescription {
    std::uint32_t dwFlags = 0;
    std::uint8_t cColorBits = 0;
    std::uint8_t cRedBits = 0;
    std::uint8_t cRedShift = 0;
    std::uint8_t cGreenBits = 0;
    std::uint8_t cGreenShift = 0;
    std::uint8_t cBlueBits = 0;
    std::uint8_t cBlueShift = 0;
    std::uint8_t cDepthBits = 0;
};

// Double-buffered RGBA window drawable with 24 colour and 32 depth bits.
PixelFormatDescription RequestedPixelFormat();

struct PaletteEntry {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
};

// The palette a palette-based format needs: 2^cColorBits entries, each the
// index's own bit field of every channel scaled from 0..mask to 0..255 with a
// truncating division. Empty when the format needs no palette; a channel
// described with zero bits is 0 in every entry.
std::vector<PaletteEntry> BuildPaletteEntries(const PixelFormatDescription& format);
