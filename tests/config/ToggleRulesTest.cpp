#include "ConfigSteps.h"
#include "HumpSettings.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Clip = std::array<double, 4>;

TEST(StartUp, SetsTheInitialWheelAndView)
{
    WheelConfig c = StartConfig();
    EXPECT_EQ(c.Maulweite, 6.0);
    EXPECT_EQ(c.HalfWidth, 3.81);
    EXPECT_EQ(c.Durchmesser, 15.0);
    EXPECT_EQ(c.Radius, 9.525);
    EXPECT_EQ(c.Einpresstiefe, 34.0);
    EXPECT_EQ(c.Radbolzen, 4);
    EXPECT_EQ(c.StyleHumpCount, 0);
    EXPECT_TRUE(c.HumpFront);
    EXPECT_TRUE(c.HumpBack);
    EXPECT_TRUE(c.Tiefbett);
    EXPECT_FALSE(c.ShowMaulweite || c.ShowEinpresstiefe || c.ShowDurchmesser);
    EXPECT_FALSE(c.ColorFelgenschuessel || c.ColorFelgenhorn || c.ColorFelgenschulter ||
                 c.ColorHump || c.ColorFelgenbett || c.ColorRadschuessel);
    EXPECT_FALSE(c.Halbschnitt);
    EXPECT_EQ(c.ClipEquation, (Clip{0, 0, 0, 0}));
    EXPECT_EQ(c.StyleMode, 1);
    EXPECT_EQ(c.ZoomExtent, 20.0f);
    EXPECT_EQ(c.RotAngle, 0.0f);
    EXPECT_EQ(c.RotAxis, (std::array<float, 3>{0, 0, 0}));
}

TEST(StartUp, ResetsAChangedConfiguration)
{
    WheelConfig c = StartConfig();
    WidthUp(c);
    DiameterUp(c);
    OffsetUp(c);
    BoltsUp(c);
    CycleHumpStyle(c);
    CyclePolygonStyle(c);
    ToggleWell(c);
    ToggleIndicator(c, Indicator::Durchmesser);
    ToggleWholeRimHighlight(c);
    ZoomOut(c);
    SetInitialConfig(c);
    EXPECT_EQ(c.Maulweite, 6.0);
    EXPECT_EQ(c.HalfWidth, 3.81);
    EXPECT_EQ(c.Radius, 9.525);
    EXPECT_EQ(c.Einpresstiefe, 34.0);
    EXPECT_EQ(c.Radbolzen, 4);
    EXPECT_TRUE(c.HumpFront && c.HumpBack && c.Tiefbett);
    EXPECT_EQ(c.StyleMode, 1);
    EXPECT_FALSE(c.ShowDurchmesser);
    EXPECT_FALSE(c.ColorFelgenschuessel || c.ColorFelgenhorn || c.ColorHump);
    EXPECT_EQ(c.ZoomExtent, 20.0f);
}

TEST(Cycles, PolygonStyleRunsOneTwoThreeOne)
{
    WheelConfig c = StartConfig();
    for (int expected : {2, 3, 1, 2}) {
        CyclePolygonStyle(c);
        EXPECT_EQ(c.StyleMode, expected);
    }
}

TEST(Cycles, HumpStyleRunsBothFrontOnlyNoneBoth)
{
    WheelConfig c = StartConfig();
    for (const char* code : {"H", "", "H2", "H"}) {
        CycleHumpStyle(c);
        const HumpSetting& s = HumpSettingOf(c.StyleHumpCount);
        EXPECT_EQ(s.code, code);
        EXPECT_EQ(c.HumpFront, s.front) << "count " << s.styleHumpCount;
        EXPECT_EQ(c.HumpBack, s.back) << "count " << s.styleHumpCount;
    }
}

TEST(Cycles, WellProfileToggles)
{
    WheelConfig c = StartConfig();
    ToggleWell(c);
    EXPECT_FALSE(c.Tiefbett);
    ToggleWell(c);
    EXPECT_TRUE(c.Tiefbett);
}

TEST(HalfSection, CutsAwayPositiveXAndRestoresTheFullWheel)
{
    WheelConfig c = StartConfig();
    ToggleHalfSection(c);
    EXPECT_TRUE(c.Halbschnitt);
    EXPECT_EQ(c.ClipEquation, (Clip{-1, 0, 0, 0}));
    ToggleHalfSection(c);
    EXPECT_FALSE(c.Halbschnitt);
    EXPECT_EQ(c.ClipEquation, (Clip{0, 0, 0, 0}));
    ToggleHalfSection(c);
    EXPECT_EQ(c.ClipEquation, (Clip{-1, 0, 0, 0}));
}

TEST(Indicators, ShowingOneHidesTheOthers)
{
    WheelConfig c = StartConfig();
    ToggleIndicator(c, Indicator::Maulweite);
    EXPECT_TRUE(c.ShowMaulweite);
    ToggleIndicator(c, Indicator::Durchmesser);
    EXPECT_FALSE(c.ShowMaulweite);
    EXPECT_TRUE(c.ShowDurchmesser);
    EXPECT_FALSE(c.ShowEinpresstiefe);
    ToggleIndicator(c, Indicator::Einpresstiefe);
    EXPECT_TRUE(c.ShowEinpresstiefe);
    EXPECT_FALSE(c.ShowMaulweite || c.ShowDurchmesser);
}

TEST(Indicators, SecondClickHidesItsOwn)
{
    WheelConfig c = StartConfig();
    ToggleIndicator(c, Indicator::Maulweite);
    ToggleIndicator(c, Indicator::Maulweite);
    EXPECT_FALSE(c.ShowMaulweite || c.ShowEinpresstiefe || c.ShowDurchmesser);
}

// The five part flags in the order horn, bead seat, hump, well, disc.
std::array<bool, 5> Parts(const WheelConfig& c)
{
    return {c.ColorFelgenhorn, c.ColorFelgenschulter, c.ColorHump, c.ColorFelgenbett,
            c.ColorRadschuessel};
}

TEST(Highlight, EachPartLightsAloneAndSwitchesOff)
{
    const RimPart parts[] = {RimPart::Felgenhorn, RimPart::Felgenschulter, RimPart::Hump,
                             RimPart::Felgenbett, RimPart::Radschuessel};
    for (int i = 0; i < 5; ++i) {
        WheelConfig c = StartConfig();
        TogglePartHighlight(c, parts[(i + 1) % 5]);
        TogglePartHighlight(c, parts[i]);
        std::array<bool, 5> only{};
        only[i] = true;
        EXPECT_EQ(Parts(c), only) << "part " << i;
        TogglePartHighlight(c, parts[i]);
        EXPECT_EQ(Parts(c), (std::array<bool, 5>{})) << "part " << i;
    }
}

TEST(Highlight, WholeRimThenOnePartClearsAllThenLightsThatPart)
{
    WheelConfig c = StartConfig();
    ToggleWholeRimHighlight(c);
    EXPECT_TRUE(c.ColorFelgenschuessel);
    EXPECT_EQ(Parts(c), (std::array<bool, 5>{true, true, true, true, false}));

    TogglePartHighlight(c, RimPart::Felgenhorn);
    EXPECT_FALSE(c.ColorFelgenschuessel);
    EXPECT_EQ(Parts(c), (std::array<bool, 5>{}));

    TogglePartHighlight(c, RimPart::Felgenhorn);
    EXPECT_EQ(Parts(c), (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_FALSE(c.ColorFelgenschuessel);
}

TEST(Highlight, WholeRimAndDiscExcludeEachOther)
{
    WheelConfig c = StartConfig();
    TogglePartHighlight(c, RimPart::Radschuessel);
    ToggleWholeRimHighlight(c);
    EXPECT_EQ(Parts(c), (std::array<bool, 5>{true, true, true, true, false}));

    TogglePartHighlight(c, RimPart::Radschuessel);
    EXPECT_EQ(Parts(c), (std::array<bool, 5>{false, false, false, false, true}));
    EXPECT_FALSE(c.ColorFelgenschuessel);
}

TEST(Highlight, WholeRimSecondClickClearsEverything)
{
    WheelConfig c = StartConfig();
    ToggleWholeRimHighlight(c);
    ToggleWholeRimHighlight(c);
    EXPECT_FALSE(c.ColorFelgenschuessel);
    EXPECT_EQ(Parts(c), (std::array<bool, 5>{}));
}

}  // namespace
