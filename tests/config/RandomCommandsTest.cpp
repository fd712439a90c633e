#include "ConfigInvariants.h"
#include "ConfigSteps.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <algorithm>
#include <iostream>
#include <random>

namespace {

// The pending rotation: no frame consumes a step here, so angle and axis are
// both unset or both hold one of the four steps.
testing::AssertionResult HoldsRotationStep(const WheelConfig& c)
{
    using Axis = std::array<float, 3>;
    const bool unset = c.RotAngle == 0.0f && c.RotAxis == Axis{0, 0, 0};
    const bool step = (c.RotAngle == 15.0f || c.RotAngle == -15.0f) &&
                      (c.RotAxis == Axis{1, 0, 0} || c.RotAxis == Axis{0, 1, 0});
    if (unset || step)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pending rotation is not one 15-degree step: " << c.RotAngle;
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
                ASSERT_TRUE(HoldsRotationStep(c))
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
