#include "ConfigInvariants.h"
#include "ConfigSteps.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>
#include <vector>

namespace {

// The pending turns: no frame consumes a step here, so each turn is whole
// 15-degree steps about x or y (the first may be unset), about another axis
// than the turn before it.
testing::AssertionResult HoldsRotationSteps(const WheelConfig& c)
{
    using Axis = std::array<float, 3>;
    std::vector<PendingTurn> turns{{c.RotAngle, c.RotAxis}};
    turns.insert(turns.end(), c.LaterTurns.begin(), c.LaterTurns.end());
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const PendingTurn& t = turns[i];
        const bool unset = i == 0 && t.angle == 0.0f && t.axis == Axis{0, 0, 0};
        const bool steps = std::fmod(t.angle, 15.0f) == 0.0f && (t.axis == Axis{1, 0, 0} || t.axis == Axis{0, 1, 0});
        if (!(unset || steps) || (i > 0 && t.axis == turns[i - 1].axis))
            return testing::AssertionFailure() << "pending turn " << i << " is not 15-degree steps: " << t.angle;
    }
    return testing::AssertionSuccess();
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
        std::uniform_int_distribution<std::size_t> pick(0, kControls.size() - 1);
        // Users click the same button several times in a row; runs carry the
        // offset and the zoom to the ends of their ranges.
        std::uniform_int_distribution<int> runLength(1, 15);
        WheelConfig c = StartConfig();
        ASSERT_TRUE(HoldsInvariants(c)) << "start-up";

        for (int step = 0; step < kLength;) {
            const Control& cmd = kControls[pick(rng)];
            for (int run = runLength(rng); run > 0 && step < kLength; --run, ++step) {
                const WheelConfig before = c;
                cmd.rule(c);

                ASSERT_TRUE(HoldsInvariants(c))
                    << "seed " << seed << ", step " << step << ", command " << cmd.name;
                ASSERT_TRUE(HoldsRotationSteps(c))
                    << "seed " << seed << ", step " << step << ", command " << cmd.name;
                ASSERT_EQ(ChangedGroups(before, c) & ~cmd.mayChange, 0u)
                    << "seed " << seed << ", step " << step << ", command " << cmd.name
                    << " changed variables that are not its own";

                ASSERT_TRUE(StaysInItsBand(before, c, cmd.rule == WidthDown))
                    << "seed " << seed << ", step " << step << ", command " << cmd.name;
                if (cmd.rule == WidthDown && BelowBand(c) && !BelowBand(before))
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
