#include "PixelFormat.h"

PixelFormatDescription RequestedPixelFormat()
{
    PixelFormatDescription pfd;
    pfd.dwFlags = PFD_DOUBLEBUFFER | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    return pfd;
}

static std::uint8_t ChannelLevel(unsigned index, std::uint8_t shift, std::uint8_t mask)
{
    if (mask == 0)
        return 0;
    // Shifts of 32 and more would be undefined; such a field holds nothing.
    const unsigned field = shift < 32 ? (index >> shift) & mask : 0u;
    return static_cast<std::uint8_t>(field * 255u / mask);
}

// 2^bits - 1 in 8-bit arithmetic: 8 bits give 255.
static std::uint8_t ChannelMask(std::uint8_t bits)
{
    return static_cast<std::uint8_t>((bits >= 8 ? 256u : (1u << bits)) - 1u);
}

std::vector<PaletteEntry> BuildPaletteEntries(const PixelFormatDescription& f)
{
    std::vector<PaletteEntry> entries;
    if ((f.dwFlags & PFD_NEED_PALETTE) == 0)
        return entries;
    // A palette beyond 16 index bits is no palette any display has.
    if (f.cColorBits > 16)
        return entries;
    const unsigned count = 1u << f.cColorBits;
    const std::uint8_t redMask = ChannelMask(f.cRedBits);
    const std::uint8_t greenMask = ChannelMask(f.cGreenBits);
    const std::uint8_t blueMask = ChannelMask(f.cBlueBits);
    entries.resize(count);
    for (unsigned i = 0; i < count; ++i) {
        entries[i].peRed = ChannelLevel(i, f.cRedShift, redMask);
        entries[i].peGreen = ChannelLevel(i, f.cGreenShift, greenMask);
        entries[i].peBlue = ChannelLevel(i, f.cBlueShift, blueMask);
        entries[i].peFlags = 0;
    }
    return entries;
}
