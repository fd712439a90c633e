#pragma once

#include "ControlTable.h"
#include "HumpSettings.h"
#include "RimTable.h"
#include "WheelConfig.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

// What must hold of the configuration after every command, stated from the
// rim tables rather than from the rules under test.

inline std::uint32_t ChangedGroups(const WheelConfig& a, const WheelConfig& b)
{
    std::uint32_t g = 0;
    auto mark = [&g](bool differs, Group group) { if (differs) g |= group; };
    mark(a.Maulweite != b.Maulweite || a.HalfWidth != b.HalfWidth, kWidth);
    mark(a.Durchmesser != b.Durchmesser || a.Radius != b.Radius, kDiameter);
    mark(a.Einpresstiefe != b.Einpresstiefe, kOffset);
    mark(a.Radbolzen != b.Radbolzen, kBolts);
    mark(a.StyleMode != b.StyleMode, kPolygon);
    mark(a.StyleHumpCount != b.StyleHumpCount || a.HumpFront != b.HumpFront ||
             a.HumpBack != b.HumpBack, kHump);
    mark(a.Tiefbett != b.Tiefbett, kWell);
    mark(a.Halbschnitt != b.Halbschnitt || a.ClipEquation != b.ClipEquation, kSection);
    mark(a.ShowMaulweite != b.ShowMaulweite || a.ShowEinpresstiefe != b.ShowEinpresstiefe ||
             a.ShowDurchmesser != b.ShowDurchmesser, kIndicators);
    mark(a.ColorFelgenschuessel != b.ColorFelgenschuessel ||
             a.ColorFelgenhorn != b.ColorFelgenhorn ||
             a.ColorFelgenschulter != b.ColorFelgenschulter || a.ColorHump != b.ColorHump ||
             a.ColorFelgenbett != b.ColorFelgenbett || a.ColorRadschuessel != b.ColorRadschuessel,
         kColors);
    mark(a.ZoomExtent != b.ZoomExtent || a.Pan != b.Pan, kZoom);  // how large, and where
    mark(a.RotAngle != b.RotAngle || a.RotAxis != b.RotAxis || a.LaterTurns != b.LaterTurns, kRotation);
    mark(a.RotMatrix != b.RotMatrix || a.AspectRatio != b.AspectRatio ||
             a.WheelList != b.WheelList, kFrameState);
    return g;
}

// A bool is read as its byte: any other value than 0 or 1 is a corruption
// that reading it as bool would hide.
inline bool HoldsZeroOrOne(const bool& flag)
{
    unsigned char byte = 0;
    std::memcpy(&byte, &flag, 1);
    return byte <= 1;
}

// Everything but the pending rotation, whose state depends on whether a frame
// has run since the last command.
inline testing::AssertionResult HoldsInvariants(const WheelConfig& c)
{
    const auto fails = [](const char* what) { return testing::AssertionFailure() << what; };
    for (const bool* flag : {&c.HumpFront, &c.HumpBack, &c.Tiefbett, &c.ShowMaulweite, &c.ShowEinpresstiefe,
                             &c.ShowDurchmesser, &c.ColorFelgenschuessel, &c.ColorFelgenhorn,
                             &c.ColorFelgenschulter, &c.ColorHump, &c.ColorFelgenbett, &c.ColorRadschuessel,
                             &c.Halbschnitt})
        if (!HoldsZeroOrOne(*flag))
            return fails("a flag holds neither 0 nor 1");

    const RimWidthRow* width = FindRimWidth(c.Maulweite);
    if (!width)
        return fails("width off the half-inch steps from 4.0 to 8.0: ") << c.Maulweite;
    if (c.HalfWidth != width->halfWidth)
        return fails("half-width not recomputed: ") << c.HalfWidth << " for " << c.Maulweite;

    const double radius[] = {8.255, 8.89, 9.525, 10.16, 10.795};
    const int d = static_cast<int>(c.Durchmesser);
    if (d != c.Durchmesser || d < 13 || d > 17)
        return fails("diameter outside 13..17: ") << c.Durchmesser;
    if (c.Radius != radius[d - 13])
        return fails("radius not recomputed: ") << c.Radius << " for " << c.Durchmesser;

    if (c.Radbolzen < 3 || c.Radbolzen > 5)
        return fails("bolt count outside 3..5: ") << c.Radbolzen;
    if (std::floor(c.Einpresstiefe) != c.Einpresstiefe)
        return fails("offset not a whole millimetre: ") << c.Einpresstiefe;
    if (c.StyleMode < 1 || c.StyleMode > 3)
        return fails("polygon style outside 1..3: ") << c.StyleMode;
    if (c.StyleHumpCount < 0 || c.StyleHumpCount >= HumpSettingCount)
        return fails("hump style outside the hump settings: ") << c.StyleHumpCount;

    const std::array<double, 4> clip{c.Halbschnitt ? -1.0 : 0.0, 0.0, 0.0, 0.0};
    if (c.ClipEquation != clip)
        return fails("clip plane does not match the half-section flag");
    if (c.ShowMaulweite + c.ShowEinpresstiefe + c.ShowDurchmesser > 1)
        return fails("more than one dimension indicator shown");
    const HumpSetting& hump = HumpSettingOf(c.StyleHumpCount);
    if (c.HumpFront != hump.front || c.HumpBack != hump.back)
        return fails("hump flags do not match hump style ") << c.StyleHumpCount;

    const int lit = c.ColorFelgenhorn + c.ColorFelgenschulter + c.ColorHump + c.ColorFelgenbett;
    if (c.ColorFelgenschuessel ? (lit != 4 || c.ColorRadschuessel) : lit + c.ColorRadschuessel > 1)
        return fails("highlight flags inconsistent with the whole-rim toggle");

    if (c.Einpresstiefe < -33.0 || c.Einpresstiefe > 77.0)
        return fails("offset outside -33..77: ") << c.Einpresstiefe;
    if (c.Einpresstiefe > width->highestOffset)
        return fails("offset above the band of width ") << c.Maulweite << ": " << c.Einpresstiefe;
    if (!(c.ZoomExtent > 4.5f && c.ZoomExtent < 55.0f))
        return fails("zoom extent outside (4.5, 55): ") << c.ZoomExtent;
    return testing::AssertionSuccess();
}

// Narrowing the rim can leave the disc below the new width's band.
inline bool BelowBand(const WheelConfig& c)
{
    return c.Einpresstiefe < FindRimWidth(c.Maulweite)->lowestOffset;
}

// Only a narrowing moves the band above the disc; once below, the disc can
// only climb back, never sink further.
inline testing::AssertionResult StaysInItsBand(const WheelConfig& before, const WheelConfig& after, bool narrowing)
{
    if (narrowing || !BelowBand(after) || (BelowBand(before) && after.Einpresstiefe >= before.Einpresstiefe))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "left the band: offset " << after.Einpresstiefe << " at width "
                                       << after.Maulweite;
}
