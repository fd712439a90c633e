#include "ConfigSteps.h"
#include "RimComparison.h"

#include <gtest/gtest.h>

namespace {

TEST(RimComparison, TheDifferencesAreMillimetresOnTheCarSignedAsTheCurrentRimReachesFurther)
{
    const struct {
        const char* what;
        WheelConfig current;
        WheelConfig reference;
        const char* text;
    } cases[] = {
        {"7J x 16 ET40 against the start rim",
         [] {
             WheelConfig c = ConfigAt(7.0, 40);
             DiameterUp(c);
             return c;
         }(),
         StartConfig(), "außen +6,7 mm, innen +18,7 mm\nRadius +12,7 mm, Spur \u221212,0 mm"},
        {"equal rims", StartConfig(), StartConfig(), "außen ±0,0 mm, innen ±0,0 mm\nRadius ±0,0 mm, Spur ±0,0 mm"},
        {"a flat well changes nothing on the car",
         [] {
             WheelConfig c = StartConfig();
             ToggleWell(c);
             return c;
         }(),
         StartConfig(), "außen ±0,0 mm, innen ±0,0 mm\nRadius ±0,0 mm, Spur ±0,0 mm"},
        {"a negative offset, narrower and smaller", ConfigAt(5.5, -1), StartConfig(),
         "außen +28,7 mm, innen \u221241,4 mm\nRadius ±0,0 mm, Spur +70,0 mm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DifferencesText(CompareRims(c.current, c.reference), ","), c.text) << c.what;
}

}  // namespace
