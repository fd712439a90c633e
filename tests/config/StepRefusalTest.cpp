#include "ConfigSteps.h"
#include "Figures.h"
#include "RimTable.h"
#include "StepRefusal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Why(const WheelConfig& c, DimensionStep step)
{
    return StepRefusal(c, step, ",");
}

// A figure as the reasons write it, with the typographic minus.
std::string Figure(double value)
{
    return FormatFigure(value, ",", {.sign = FigureSign::Minus});
}

TEST(StepRefusal, WidthAndOffsetStepsAreExplainedAtEveryWidthAsTheRimTableHasThem)
{
    for (const RimWidthRow& row : kRimWidths) {
        const std::string width = Figure(row.maulweite) + " Zoll";
        SCOPED_TRACE(width);
        const std::string band = "Die Einpresstiefe reicht bei " + width + " von " + Figure(row.lowestOffset) +
                                 " bis " + Figure(row.highestOffset) + " mm";
        const WheelConfig top = ConfigAt(row.maulweite, row.highestOffset);
        const WheelConfig bottom = ConfigAt(row.maulweite, row.lowestOffset);
        EXPECT_EQ(Why(top, DimensionStep::OffsetUp), band);
        EXPECT_EQ(Why(bottom, DimensionStep::OffsetDown), band);
        EXPECT_EQ(Why(top, DimensionStep::OffsetDown) + Why(bottom, DimensionStep::OffsetUp), "");
        EXPECT_EQ(Why(top, DimensionStep::WidthUp), row.maulweite == 8.0 ? "Größte Maulweite: 8 Zoll" : "");
        if (!row.narrowUpTo) {
            EXPECT_EQ(Why(bottom, DimensionStep::WidthDown), "Kleinste Maulweite: " + width);
            continue;
        }
        EXPECT_EQ(Why(ConfigAt(row.maulweite, *row.narrowUpTo), DimensionStep::WidthDown), "");
        EXPECT_EQ(Why(top, DimensionStep::WidthDown),
                  "Schmaler als " + width + " erst bei einer Einpresstiefe bis " + Figure(*row.narrowUpTo) + " mm");
    }
}

TEST(StepRefusal, DiameterAndBoltStepsAreExplainedAtTheirEnds)
{
    WheelConfig top = StartConfig(), bottom = StartConfig();
    for (void (*rule)(WheelConfig&) : {DiameterUp, BoltsUp, DiameterUp, BoltsUp, DiameterUp, BoltsUp})
        rule(top);
    for (void (*rule)(WheelConfig&) : {DiameterDown, BoltsDown, DiameterDown, BoltsDown, DiameterDown, BoltsDown})
        rule(bottom);
    EXPECT_EQ(Why(top, DimensionStep::DiameterUp) + "; " + Why(top, DimensionStep::BoltsUp) + "; " +
                  Why(bottom, DimensionStep::DiameterDown) + "; " + Why(bottom, DimensionStep::BoltsDown),
              "Größter Durchmesser: 17 Zoll; Höchstens 5 Radbolzen; Kleinster Durchmesser: 13 Zoll; "
              "Mindestens 3 Radbolzen");
    EXPECT_EQ(Why(top, DimensionStep::DiameterDown) + Why(bottom, DimensionStep::BoltsUp), "");
}

}  // namespace
