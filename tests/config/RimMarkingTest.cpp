#include "ConfigSteps.h"
#include "RimMarking.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct MarkingCase {
    const char* what;
    std::function<void(WheelConfig&)> steps;
    const char* separator;
    const char* marking;
};

TEST(RimMarking, ReadsWidthWellDiameterHumpsAndOffsetFromTheConfiguration)
{
    const MarkingCase cases[] = {
        {"start", [](WheelConfig&) {}, ",", "6J x 15 H2 ET34"},
        {"6.5 inches, German", WidthUp, ",", "6,5J x 15 H2 ET34"},
        {"6.5 inches, English", WidthUp, ".", "6.5J x 15 H2 ET34"},
        {"flat well", ToggleWell, ",", "6J - 15 H2 ET34"},
        {"front hump only", CycleHumpStyle, ",", "6J x 15 H ET34"},
        {"no hump",
         [](WheelConfig& c) {
             CycleHumpStyle(c);
             CycleHumpStyle(c);
         },
         ",", "6J x 15 ET34"},
        {"both humps again",
         [](WheelConfig& c) {
             for (int i = 0; i < 3; ++i)
                 CycleHumpStyle(c);
         },
         ",", "6J x 15 H2 ET34"},
        {"negative offset, 17 inches",
         [](WheelConfig& c) {
             StepOffsetTo(c, -8);
             DiameterUp(c);
             DiameterUp(c);
         },
         ",", "6J x 17 H2 ET-8"},
        {"zero offset, flat well, 14 inches",
         [](WheelConfig& c) {
             c = ConfigAt(5.5, 0);
             ToggleWell(c);
             DiameterDown(c);
         },
         ",", "5,5J - 14 H2 ET0"},
    };
    for (const MarkingCase& m : cases) {
        WheelConfig c = StartConfig();
        m.steps(c);
        EXPECT_EQ(RimMarking(c, m.separator), m.marking) << m.what;
    }
}

TEST(RimMarking, IsExplainedPartByPart)
{
    EXPECT_EQ(ExplainRimMarking(StartConfig(), ","), "6J: Maulweite 6 Zoll, Hornform J · x: Tiefbett · 15: "
                                                     "Durchmesser 15 Zoll · H2: Hump auf beiden Seiten · ET34: "
                                                     "Einpresstiefe 34 mm");
}

TEST(ViewDescription, SaysWhichRimIsShownAndWhatIsHighlightedOrMeasured)
{
    WheelConfig c = StartConfig();
    EXPECT_EQ(ViewDescription(c, ","),
              "Felge 6J x 15 H2 ET34 mit 4 Radbolzen, Tiefbett, Hump vorn und hinten. Hervorgehoben: nichts.");

    WidthUp(c);
    BoltsUp(c);
    CycleHumpStyle(c);
    ToggleWholeRimHighlight(c);
    ToggleIndicator(c, Indicator::Einpresstiefe);
    ToggleHalfSection(c);
    CyclePolygonStyle(c);
    EXPECT_EQ(ViewDescription(c, ","),
              "Felge 6,5J x 15 H ET34 mit 5 Radbolzen, Tiefbett, Hump nur vorn. Hervorgehoben: die ganze "
              "Felgenschüssel. Bemaßt: Einpresstiefe 34 mm. Im Halbschnitt. Nur Kanten.");

    TogglePartHighlight(c, RimPart::Radschuessel);
    ToggleIndicator(c, Indicator::Maulweite);
    ToggleWell(c);
    CycleHumpStyle(c);
    CyclePolygonStyle(c);
    EXPECT_EQ(ViewDescription(c, "."),
              "Felge 6.5J - 15 ET34 mit 5 Radbolzen, Flachbett, ohne Hump. Hervorgehoben: Radscheibe. Bemaßt: "
              "Maulweite 6.5 Zoll. Im Halbschnitt. Nur Punkte.");
}

}  // namespace
