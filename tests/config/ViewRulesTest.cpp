#include "ConfigSteps.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Axis = std::array<float, 3>;

// Relative tolerance for figures quoted to four or five significant digits.
constexpr double kQuoted = 1e-5;

TEST(Zoom, OutPassesFiftyByOneStepThenStops)
{
    WheelConfig c = StartConfig();
    c.ZoomExtent = 49.9f;
    ZoomOut(c);
    EXPECT_NEAR(c.ZoomExtent, 54.89, 54.89 * kQuoted);
    const float passed = c.ZoomExtent;
    ZoomOut(c);
    EXPECT_EQ(c.ZoomExtent, passed);
}

TEST(Zoom, InStopsAtFiveAndPassesItByOneStep)
{
    WheelConfig c = StartConfig();
    c.ZoomExtent = 5.0f;
    ZoomIn(c);
    EXPECT_EQ(c.ZoomExtent, 5.0f);

    c.ZoomExtent = 5.01f;
    ZoomIn(c);
    EXPECT_NEAR(c.ZoomExtent, 4.509, 4.509 * kQuoted);
    const float passed = c.ZoomExtent;
    ZoomIn(c);
    EXPECT_EQ(c.ZoomExtent, passed);
}

TEST(Zoom, TenStepsOutFromStartUpReachTheLimit)
{
    WheelConfig c = StartConfig();
    for (int i = 0; i < 9; ++i)
        ZoomOut(c);
    EXPECT_LT(c.ZoomExtent, 50.0f);
    ZoomOut(c);
    EXPECT_NEAR(c.ZoomExtent, 51.87485, 51.87485 * kQuoted);
    const float limit = c.ZoomExtent;
    for (int i = 0; i < 5; ++i)
        ZoomOut(c);
    EXPECT_EQ(c.ZoomExtent, limit);
}

TEST(Zoom, FourteenStepsInFromStartUpReachTheLimit)
{
    WheelConfig c = StartConfig();
    for (int i = 0; i < 13; ++i)
        ZoomIn(c);
    EXPECT_GT(c.ZoomExtent, 5.0f);
    ZoomIn(c);
    EXPECT_NEAR(c.ZoomExtent, 4.575359, 4.575359 * kQuoted);
    const float limit = c.ZoomExtent;
    for (int i = 0; i < 5; ++i)
        ZoomIn(c);
    EXPECT_EQ(c.ZoomExtent, limit);
}

TEST(Zoom, OutAndBackInDoesNotReturnToTwenty)
{
    WheelConfig c = StartConfig();
    ZoomOut(c);
    EXPECT_EQ(c.ZoomExtent, 22.0f);
    ZoomIn(c);
    EXPECT_EQ(c.ZoomExtent, 19.8f);
}

TEST(Rotation, CommandsSetThePendingStepRatherThanAddingToIt)
{
    WheelConfig c = StartConfig();
    RotateRight(c);
    RotateRight(c);
    EXPECT_EQ(c.RotAngle, 15.0f);
    EXPECT_EQ(c.RotAxis, (Axis{0, 1, 0}));

    RotateLeft(c);
    EXPECT_EQ(c.RotAngle, -15.0f);
    EXPECT_EQ(c.RotAxis, (Axis{0, 1, 0}));

    RotateDown(c);
    EXPECT_EQ(c.RotAngle, 15.0f);
    EXPECT_EQ(c.RotAxis, (Axis{1, 0, 0}));

    RotateUp(c);
    RotateUp(c);
    EXPECT_EQ(c.RotAngle, -15.0f);
    EXPECT_EQ(c.RotAxis, (Axis{1, 0, 0}));

    RotateRight(c);
    EXPECT_EQ(c.RotAxis, (Axis{0, 1, 0})) << "the previous axis must not linger";
}

TEST(Rotation, LeavesTheAccumulatedRotationAndZoomAlone)
{
    WheelConfig c = StartConfig();
    c.RotMatrix[0] = 0.5f;
    c.RotMatrix[10] = -0.25f;
    const auto matrix = c.RotMatrix;
    RotateUp(c);
    RotateLeft(c);
    EXPECT_EQ(c.RotMatrix, matrix);
    EXPECT_EQ(c.ZoomExtent, 20.0f);
}

}  // namespace
