#include "ConfigSteps.h"
#include "RimTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <algorithm>
#include <iostream>
#include <random>

namespace {

// Groups of variables that one command may change; any other group it touches
// is a fault.
enum Group : std::uint32_t {
    kWidth = 1 << 0, kDiameter = 1 << 1, kOffset = 1 << 2, kBolts = 1 << 3,
    kPolygon = 1 << 4, kHump = 1 << 5, kWell = 1 << 6, kSection = 1 << 7,
    kIndicators = 1 << 8, kColors = 1 << 9, kZoom = 1 << 10, kRotation = 1 << 11,
    kFrameState = 1 << 12,  // written by rendering and the window, never by a command
};

std::uint32_t ChangedGroups(const WheelConfig& a, const WheelConfig& b)
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
    mark(a.ZoomExtent != b.ZoomExtent, kZoom);
    mark(a.RotAngle != b.RotAngle || a.RotAxis != b.RotAxis, kRotation);
    mark(a.RotMatrix != b.RotMatrix || a.AspectRatio != b.AspectRatio ||
             a.WheelList != b.WheelList, kFrameState);
    return g;
}

struct Command {
    const char* name;
    void (*run)(WheelConfig&);
    std::uint32_t mayChange;
};

// Every button of the panel: the indicator and highlight rules have one
// button per flag.
const std::array<Command, 27> kCommands{{
    {"WidthUp", WidthUp, kWidth},
    {"WidthDown", WidthDown, kWidth},
    {"DiameterUp", DiameterUp, kDiameter},
    {"DiameterDown", DiameterDown, kDiameter},
    {"OffsetUp", OffsetUp, kOffset},
    {"OffsetDown", OffsetDown, kOffset},
    {"BoltsUp", BoltsUp, kBolts},
    {"BoltsDown", BoltsDown, kBolts},
    {"CyclePolygonStyle", CyclePolygonStyle, kPolygon},
    {"CycleHumpStyle", CycleHumpStyle, kHump},
    {"ToggleWell", ToggleWell, kWell},
    {"ToggleHalfSection", ToggleHalfSection, kSection},
    {"ShowMaulweite", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Maulweite); }, kIndicators},
    {"ShowDurchmesser", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Durchmesser); }, kIndicators},
    {"ShowEinpresstiefe", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Einpresstiefe); }, kIndicators},
    {"ColorFelgenhorn", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenhorn); }, kColors},
    {"ColorFelgenschulter", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenschulter); }, kColors},
    {"ColorHump", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Hump); }, kColors},
    {"ColorFelgenbett", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenbett); }, kColors},
    {"ColorRadschuessel", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Radschuessel); }, kColors},
    {"ColorFelgenschuessel", ToggleWholeRimHighlight, kColors},
    {"ZoomOut", ZoomOut, kZoom},
    {"ZoomIn", ZoomIn, kZoom},
    {"RotateUp", RotateUp, kRotation},
    {"RotateDown", RotateDown, kRotation},
    {"RotateLeft", RotateLeft, kRotation},
    {"RotateRight", RotateRight, kRotation},
}};

testing::AssertionResult Fails(const char* what) { return testing::AssertionFailure() << what; }

testing::AssertionResult HoldsInvariants(const WheelConfig& c)
{
    const RimWidthRow* width = FindRimWidth(c.Maulweite);
    if (!width)
        return Fails("width off the half-inch steps from 4.0 to 8.0: ") << c.Maulweite;
    if (c.HalfWidth != width->halfWidth)
        return Fails("half-width not recomputed: ") << c.HalfWidth << " for " << c.Maulweite;

    const double radius[] = {8.255, 8.89, 9.525, 10.16, 10.795};
    const int d = static_cast<int>(c.Durchmesser);
    if (d != c.Durchmesser || d < 13 || d > 17)
        return Fails("diameter outside 13..17: ") << c.Durchmesser;
    if (c.Radius != radius[d - 13])
        return Fails("radius not recomputed: ") << c.Radius << " for " << c.Durchmesser;

    if (c.Radbolzen < 3 || c.Radbolzen > 5)
        return Fails("bolt count outside 3..5: ") << c.Radbolzen;
    if (std::floor(c.Einpresstiefe) != c.Einpresstiefe)
        return Fails("offset not a whole millimetre: ") << c.Einpresstiefe;
    if (c.StyleMode < 1 || c.StyleMode > 3)
        return Fails("polygon style outside 1..3: ") << c.StyleMode;
    if (c.StyleHumpCount < 0 || c.StyleHumpCount > 2)
        return Fails("hump style outside 0..2: ") << c.StyleHumpCount;

    const std::array<double, 4> clip{c.Halbschnitt ? -1.0 : 0.0, 0.0, 0.0, 0.0};
    if (c.ClipEquation != clip)
        return Fails("clip plane does not match the half-section flag");
    if (c.ShowMaulweite + c.ShowEinpresstiefe + c.ShowDurchmesser > 1)
        return Fails("more than one dimension indicator shown");
    if (c.HumpFront != (c.StyleHumpCount < 2) || c.HumpBack != (c.StyleHumpCount == 0))
        return Fails("hump flags do not match hump style ") << c.StyleHumpCount;

    const int lit = c.ColorFelgenhorn + c.ColorFelgenschulter + c.ColorHump + c.ColorFelgenbett;
    if (c.ColorFelgenschuessel ? (lit != 4 || c.ColorRadschuessel) : lit + c.ColorRadschuessel > 1)
        return Fails("highlight flags inconsistent with the whole-rim toggle");

    if (c.Einpresstiefe < -33.0 || c.Einpresstiefe > 77.0)
        return Fails("offset outside -33..77: ") << c.Einpresstiefe;
    if (c.Einpresstiefe > width->highestOffset)
        return Fails("offset above the band of width ") << c.Maulweite << ": " << c.Einpresstiefe;
    if (!(c.ZoomExtent > 4.5f && c.ZoomExtent < 55.0f))
        return Fails("zoom extent outside (4.5, 55): ") << c.ZoomExtent;

    // No frame consumes the pending step here, so angle and axis are both unset
    // or both hold one of the four steps.
    using Axis = std::array<float, 3>;
    const bool unset = c.RotAngle == 0.0f && c.RotAxis == Axis{0, 0, 0};
    const bool step = (c.RotAngle == 15.0f || c.RotAngle == -15.0f) &&
                      (c.RotAxis == Axis{1, 0, 0} || c.RotAxis == Axis{0, 1, 0});
    if (!unset && !step)
        return Fails("pending rotation is not one 15-degree step: ") << c.RotAngle;
    return testing::AssertionSuccess();
}

bool BelowBand(const WheelConfig& c)
{
    return c.Einpresstiefe < FindRimWidth(c.Maulweite)->lowestOffset;
}

TEST(RandomCommands, InvariantsHoldAfterEveryCommand)
{
    constexpr int kSequences = 50;
    constexpr int kLength = 2000;
    constexpr unsigned kFirstSeed = 1234567;
    int reachedBelowBand = 0;
    double lowestOffset = 34.0;
    double highestOffset = 34.0;

    for (unsigned seed = kFirstSeed; seed < kFirstSeed + kSequences; ++seed) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<std::size_t> pick(0, kCommands.size() - 1);
        // Users click the same button several times in a row; runs carry the
        // offset and the zoom to the ends of their ranges.
        std::uniform_int_distribution<int> runLength(1, 15);
        WheelConfig c = StartConfig();
        ASSERT_TRUE(HoldsInvariants(c)) << "start-up";

        for (int step = 0; step < kLength;) {
            const Command& cmd = kCommands[pick(rng)];
            for (int run = runLength(rng); run > 0 && step < kLength; --run, ++step) {
                const WheelConfig before = c;
                cmd.run(c);

                ASSERT_TRUE(HoldsInvariants(c))
                    << "seed " << seed << ", step " << step << ", command " << cmd.name;
                ASSERT_EQ(ChangedGroups(before, c) & ~cmd.mayChange, 0u)
                    << "seed " << seed << ", step " << step << ", command " << cmd.name
                    << " changed variables that are not its own";

                // Only a narrowing moves the band above the disc; once below,
                // the disc can only climb back, never sink further.
                if (BelowBand(c) && cmd.run != WidthDown) {
                    ASSERT_TRUE(BelowBand(before) && c.Einpresstiefe >= before.Einpresstiefe)
                        << "seed " << seed << ", step " << step << ", command " << cmd.name
                        << " left the band: offset " << c.Einpresstiefe << " at width "
                        << c.Maulweite;
                }
                if (cmd.run == WidthDown && BelowBand(c) && !BelowBand(before))
                    ++reachedBelowBand;
                lowestOffset = std::min(lowestOffset, c.Einpresstiefe);
                highestOffset = std::max(highestOffset, c.Einpresstiefe);
            }
        }
    }
    // The sequences must actually have exercised the narrowing corner case.
    EXPECT_GT(reachedBelowBand, 0);
    std::cout << "narrowings below the band: " << reachedBelowBand << ", offsets reached "
              << lowestOffset << " to " << highestOffset << " mm\n";
}

}  // namespace
