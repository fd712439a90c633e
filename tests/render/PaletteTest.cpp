#include "PixelFormat.h"

#include <gtest/gtest.h>

#include <set>

namespace {

PixelFormatDescription Indexed332()
{
    PixelFormatDescription f;
    f.dwFlags = PFD_NEED_PALETTE | PFD_DOUBLEBUFFER | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    f.cColorBits = 8;
    f.cRedBits = 3;
    f.cRedShift = 0;
    f.cGreenBits = 3;
    f.cGreenShift = 3;
    f.cBlueBits = 2;
    f.cBlueShift = 6;
    return f;
}

}  // namespace

TEST(PixelFormat, RequestIsDoubleBufferedRgbaWithTwentyFourColourAndThirtyTwoDepthBits)
{
    const PixelFormatDescription r = RequestedPixelFormat();
    EXPECT_EQ(r.dwFlags, 0x25u);
    EXPECT_EQ(r.cColorBits, 24);
    EXPECT_EQ(r.cDepthBits, 32);
    EXPECT_EQ(r.dwFlags & PFD_NEED_PALETTE, 0u);
}

TEST(Palette, ThreeThreeTwoLayoutScalesEveryFieldWithTruncation)
{
    const auto entries = BuildPaletteEntries(Indexed332());
    ASSERT_EQ(entries.size(), 256u);
    const int redGreenLevels[] = {0, 36, 72, 109, 145, 182, 218, 255};
    const int blueLevels[] = {0, 85, 170, 255};
    for (unsigned i = 0; i < 256; ++i) {
        EXPECT_EQ(entries[i].peRed, redGreenLevels[i & 7]) << i;
        EXPECT_EQ(entries[i].peGreen, redGreenLevels[(i >> 3) & 7]) << i;
        EXPECT_EQ(entries[i].peBlue, blueLevels[(i >> 6) & 3]) << i;
        EXPECT_EQ(entries[i].peFlags, 0) << i;
    }
    std::set<int> reds;
    for (const auto& e : entries)
        reds.insert(e.peRed);
    EXPECT_EQ(reds, (std::set<int>{0, 36, 72, 109, 145, 182, 218, 255}));
}

TEST(Palette, TrueColourFormatNeedsNone)
{
    PixelFormatDescription f = Indexed332();
    f.dwFlags &= ~PFD_NEED_PALETTE;
    EXPECT_TRUE(BuildPaletteEntries(f).empty());
}

TEST(Palette, ChannelDescribedWithZeroBitsIsBlackInEveryEntryInsteadOfDividingByZero)
{
    PixelFormatDescription f = Indexed332();
    f.cBlueBits = 0;
    const auto entries = BuildPaletteEntries(f);
    ASSERT_EQ(entries.size(), 256u);
    for (unsigned i = 0; i < 256; ++i) {
        EXPECT_EQ(entries[i].peBlue, 0) << i;
        EXPECT_EQ(entries[i].peRed, (i & 7) * 255 / 7) << i;
    }
}

TEST(Palette, EightOrMoreChannelBitsUseTheFullByteMask)
{
    // A 4-bit grey-ish format whose red claims 8 bits: the mask is 255, so
    // the 4-bit index value is scaled by 255 / 255.
    PixelFormatDescription f;
    f.dwFlags = PFD_NEED_PALETTE;
    f.cColorBits = 4;
    f.cRedBits = 8;
    f.cGreenBits = 1;
    f.cGreenShift = 3;
    f.cBlueBits = 9;
    f.cBlueShift = 40;  // beyond the index: no bits of it
    const auto entries = BuildPaletteEntries(f);
    ASSERT_EQ(entries.size(), 16u);
    for (unsigned i = 0; i < 16; ++i) {
        EXPECT_EQ(entries[i].peRed, i) << i;
        EXPECT_EQ(entries[i].peGreen, (i >> 3) ? 255 : 0) << i;
        EXPECT_EQ(entries[i].peBlue, 0) << i;
    }
}
