#include "ConfigSteps.h"
#include "RimTable.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

// A point inside the offset band of every width (the narrowest is 18..26 mm).
constexpr double kInsideEveryBand = 20.0;

TEST(OffsetBand, StepsUpAndDownToTheEndsOfEachWidthsBand)
{
    for (const RimWidthRow& row : kRimWidths) {
        SCOPED_TRACE(testing::Message() << "width " << row.maulweite);
        WheelConfig c = ConfigAt(row.maulweite, kInsideEveryBand);
        ASSERT_EQ(c.Maulweite, row.maulweite);
        ASSERT_EQ(c.HalfWidth, row.halfWidth);
        ASSERT_EQ(c.Einpresstiefe, kInsideEveryBand);

        int clicksUp = 0;
        for (double last = c.Einpresstiefe;; last = c.Einpresstiefe) {
            OffsetUp(c);
            if (c.Einpresstiefe == last)
                break;
            ASSERT_EQ(c.Einpresstiefe, last + 1.0);
            ASSERT_LT(++clicksUp, 200);
        }
        EXPECT_EQ(c.Einpresstiefe, row.highestOffset);
        OffsetUp(c);
        EXPECT_EQ(c.Einpresstiefe, row.highestOffset) << "a second refused click must not move it";

        int clicksDown = 0;
        for (double last = c.Einpresstiefe;; last = c.Einpresstiefe) {
            OffsetDown(c);
            if (c.Einpresstiefe == last)
                break;
            ASSERT_EQ(c.Einpresstiefe, last - 1.0);
            ASSERT_LT(++clicksDown, 200);
        }
        EXPECT_EQ(c.Einpresstiefe, row.lowestOffset);
        EXPECT_EQ(clicksDown, row.highestOffset - row.lowestOffset);
        EXPECT_EQ(c.Maulweite, row.maulweite) << "offset steps never touch the width";
    }
}

TEST(WidthDown, NarrowsUpToTheLargestAllowedOffsetAndNoFurther)
{
    for (const RimWidthRow& row : kRimWidths) {
        if (!row.narrowUpTo)
            continue;
        SCOPED_TRACE(testing::Message() << "width " << row.maulweite);
        const double limit = *row.narrowUpTo;

        WheelConfig atLimit = ConfigAt(row.maulweite, limit);
        ASSERT_EQ(atLimit.Einpresstiefe, limit);
        WidthDown(atLimit);
        EXPECT_EQ(atLimit.Maulweite, row.maulweite - 0.5);
        EXPECT_EQ(atLimit.HalfWidth, FindRimWidth(row.maulweite - 0.5)->halfWidth);
        EXPECT_EQ(atLimit.Einpresstiefe, limit) << "narrowing leaves the offset alone";

        WheelConfig beyond = ConfigAt(row.maulweite, limit + 1.0);
        ASSERT_EQ(beyond.Einpresstiefe, limit + 1.0);
        WidthDown(beyond);
        EXPECT_EQ(beyond.Maulweite, row.maulweite);
        EXPECT_EQ(beyond.HalfWidth, row.halfWidth);
    }
}

TEST(WidthDown, RefusesFourAndAHalfToFourAtSixteenMillimetres)
{
    // In plain doubles 16 / 20 and 4.0 / 2 - 1.2 come out as the same number,
    // so a double guard would let this narrowing through; the rule refuses it.
    const double offsetInModelUnits = 16.0 / 20.0;
    const double newHalfWidthLimit = (4.5 - 0.5) / 2.0 - 1.2;
    ASSERT_TRUE(offsetInModelUnits <= newHalfWidthLimit);

    WheelConfig c = ConfigAt(4.5, 16.0);
    ASSERT_EQ(c.Einpresstiefe, 16.0);
    WidthDown(c);
    EXPECT_EQ(c.Maulweite, 4.5);
    EXPECT_EQ(c.HalfWidth, 2.8575);

    OffsetDown(c);
    WidthDown(c);
    EXPECT_EQ(c.Maulweite, 4.0);
    EXPECT_EQ(c.HalfWidth, 2.54);
}

TEST(WidthDown, StartUpWidthNeedsTheOffsetLoweredToThirtyOne)
{
    WheelConfig c = StartConfig();
    WidthDown(c);
    EXPECT_EQ(c.Maulweite, 6.0) << "34 mm is too far out for 5.5 inches";
    EXPECT_EQ(c.HalfWidth, 3.81);

    for (int i = 0; i < 3; ++i)
        OffsetDown(c);
    ASSERT_EQ(c.Einpresstiefe, 31.0);
    WidthDown(c);
    EXPECT_EQ(c.Maulweite, 5.5);
    EXPECT_EQ(c.HalfWidth, 3.4925);
}

TEST(WidthDown, StaysAtFourWhateverTheOffset)
{
    for (double offset : {18.0, 22.0, 26.0}) {
        WheelConfig c = ConfigAt(4.0, offset);
        ASSERT_EQ(c.Einpresstiefe, offset);
        WidthDown(c);
        EXPECT_EQ(c.Maulweite, 4.0);
        EXPECT_EQ(c.HalfWidth, 2.54);
    }
    // Far enough in for the guard to pass: the bound still keeps 4.0.
    WheelConfig c = ConfigAt(4.5, 10.0);
    WidthDown(c);
    ASSERT_EQ(c.Maulweite, 4.0);
    WidthDown(c);
    EXPECT_EQ(c.Maulweite, 4.0);
    EXPECT_EQ(c.HalfWidth, 2.54);
    EXPECT_EQ(c.Einpresstiefe, 10.0);
}

TEST(WidthDown, CanLeaveTheOffsetBelowTheNewBandWhereOnlyUpMovesIt)
{
    WheelConfig c = ConfigAt(8.0, -33.0);
    ASSERT_EQ(c.Einpresstiefe, -33.0);
    WidthDown(c);
    ASSERT_EQ(c.Maulweite, 7.5);
    EXPECT_EQ(c.Einpresstiefe, -33.0);

    OffsetDown(c);
    EXPECT_EQ(c.Einpresstiefe, -33.0);
    OffsetUp(c);
    EXPECT_EQ(c.Einpresstiefe, -32.0);
}

TEST(WidthUp, StopsAtEightAndNeverMovesTheOffset)
{
    WheelConfig c = ConfigAt(7.5, 71.0);
    WidthUp(c);
    EXPECT_EQ(c.Maulweite, 8.0);
    EXPECT_EQ(c.HalfWidth, 5.08);
    WidthUp(c);
    EXPECT_EQ(c.Maulweite, 8.0);
    EXPECT_EQ(c.HalfWidth, 5.08);
    EXPECT_EQ(c.Einpresstiefe, 71.0);
}

TEST(OffsetBand, SixInchEndsAreRefusedOneStepBeyond)
{
    WheelConfig c = ConfigAt(6.0, 52.0);
    OffsetUp(c);
    EXPECT_EQ(c.Einpresstiefe, 52.0);

    c = ConfigAt(6.0, -7.0);
    OffsetDown(c);
    EXPECT_EQ(c.Einpresstiefe, -8.0);
    OffsetDown(c);
    EXPECT_EQ(c.Einpresstiefe, -8.0);
}

// Every combination of width and offset that the four dimension buttons can
// reach from start-up, explored exhaustively.
TEST(OffsetBand, ReachableOffsetsOverAllWidthsRunFromMinus33To77)
{
    using State = std::pair<double, double>;  // width, offset
    void (*const steps[])(WheelConfig&) = {WidthUp, WidthDown, OffsetUp, OffsetDown};

    const WheelConfig start = StartConfig();
    std::set<State> seen{{start.Maulweite, start.Einpresstiefe}};
    std::vector<WheelConfig> pending{start};
    while (!pending.empty()) {
        const WheelConfig from = pending.back();
        pending.pop_back();
        for (auto step : steps) {
            WheelConfig to = from;
            step(to);
            if (seen.insert({to.Maulweite, to.Einpresstiefe}).second)
                pending.push_back(to);
        }
        ASSERT_LT(seen.size(), 5000u);
    }

    std::set<double> offsets;
    for (const State& s : seen)
        offsets.insert(s.second);
    EXPECT_EQ(*offsets.begin(), -33.0);
    EXPECT_EQ(*offsets.rbegin(), 77.0);
    EXPECT_EQ(offsets.size(), 111u) << "every whole millimetre in between";

    for (const auto& [width, offset] : seen) {
        const RimWidthRow* row = FindRimWidth(width);
        ASSERT_NE(row, nullptr) << width;
        EXPECT_LE(offset, row->highestOffset) << "width " << width;
    }
}

TEST(Diameter, StopsAtSeventeenAndThirteenWithTheRadiusFollowing)
{
    WheelConfig c = StartConfig();
    const double radius[] = {8.255, 8.89, 9.525, 10.16, 10.795};  // 13 to 17 inch
    for (int expected : {16, 17, 17}) {
        DiameterUp(c);
        EXPECT_EQ(c.Durchmesser, expected);
        EXPECT_EQ(c.Radius, radius[expected - 13]);
    }
    for (int expected : {16, 15, 14, 13, 13}) {
        DiameterDown(c);
        EXPECT_EQ(c.Durchmesser, expected);
        EXPECT_EQ(c.Radius, radius[expected - 13]);
    }
    EXPECT_EQ(c.Maulweite, 6.0) << "the diameter is coupled to nothing else";
    EXPECT_EQ(c.Einpresstiefe, 34.0);
}

TEST(Bolts, StayBetweenThreeAndFive)
{
    WheelConfig c = StartConfig();
    for (int expected : {5, 5}) {
        BoltsUp(c);
        EXPECT_EQ(c.Radbolzen, expected);
    }
    for (int expected : {4, 3, 3}) {
        BoltsDown(c);
        EXPECT_EQ(c.Radbolzen, expected);
    }
}

}  // namespace
