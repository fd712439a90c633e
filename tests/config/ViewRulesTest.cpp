#include "ConfigSteps.h"
#include "ViewPan.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

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

TEST(Zoom, AStepTakenManyTimesIsEachOfItsStepsUpToTheLimit)
{
    WheelConfig stepped = StartConfig();
    WheelConfig expected = stepped;
    TakeViewStep(stepped, ViewStep::ZoomIn, 16);
    for (int i = 0; i < 16; ++i)
        ZoomIn(expected);
    EXPECT_EQ(stepped.ZoomExtent, expected.ZoomExtent);
}

TEST(Zoom, OutAndBackInDoesNotReturnToTwenty)
{
    WheelConfig c = StartConfig();
    ZoomOut(c);
    EXPECT_EQ(c.ZoomExtent, 22.0f);
    ZoomIn(c);
    EXPECT_EQ(c.ZoomExtent, 19.8f);
}

TEST(Rotation, StepsAboutOneAxisAddUpAndAStepAboutTheOtherFollowsThem)
{
    WheelConfig c = StartConfig();
    RotateRight(c);
    RotateRight(c);
    RotateLeft(c);
    EXPECT_EQ(c.RotAngle, 15.0f);
    EXPECT_EQ(c.RotAxis, (Axis{0, 1, 0}));
    EXPECT_TRUE(c.LaterTurns.empty());

    RotateDown(c);
    RotateUp(c);
    RotateUp(c);
    RotateRight(c);
    EXPECT_EQ(c.RotAngle, 15.0f) << "the first turn must not be lost";
    EXPECT_EQ(c.RotAxis, (Axis{0, 1, 0}));
    EXPECT_EQ(c.LaterTurns, (std::vector<PendingTurn>{{-15.0f, {1, 0, 0}}, {15.0f, {0, 1, 0}}}));
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

namespace {

TEST(DragRotation, TurnsAboutTheScreenAxisAtRightAnglesHalfATurnAcrossTheViewsHeight)
{
    WheelConfig c = StartConfig();
    // Right: about the screen's vertical axis, the way the right button turns.
    DragRotate(c, 300, 0, 600);
    EXPECT_FLOAT_EQ(c.RotAngle, 90.0f);
    EXPECT_EQ(c.RotAxis, (Axis{0, 1, 0}));
    // Down (screen y grows downwards): the way the down button turns.
    DragRotate(c, 0, 600, 600);
    ASSERT_EQ(c.LaterTurns.size(), 1u);
    EXPECT_FLOAT_EQ(c.LaterTurns.back().angle, 180.0f);
    EXPECT_EQ(c.LaterTurns.back().axis, (Axis{1, 0, 0}));
    // Left and up: the axis turns round, the angle stays positive.
    DragRotate(c, -30, -40, 600);
    ASSERT_EQ(c.LaterTurns.size(), 2u);
    EXPECT_FLOAT_EQ(c.LaterTurns.back().angle, 15.0f);
    EXPECT_FLOAT_EQ(c.LaterTurns.back().axis[0], -0.8f);
    EXPECT_FLOAT_EQ(c.LaterTurns.back().axis[1], -0.6f);
    EXPECT_EQ(c.LaterTurns.back().axis[2], 0.0f);

    // No motion, or no view to measure it by, leaves the pending turns alone.
    const WheelConfig before = c;
    DragRotate(c, 0, 0, 600);
    DragRotate(c, 10, 0, 0);
    EXPECT_EQ(c.RotAngle, before.RotAngle);
    EXPECT_EQ(c.RotAxis, before.RotAxis);
    EXPECT_EQ(c.LaterTurns, before.LaterTurns);
    EXPECT_EQ(c.RotMatrix, before.RotMatrix);
}

TEST(ResetView, RestoresTheStartOrientationAndZoomAndDropsThePendingTurns)
{
    WheelConfig c = StartConfig();
    std::array<float, 16> start{};
    start[0] = start[5] = start[10] = start[15] = 1.0f;
    start[2] = 0.25f;
    for (int i = 0; i < 7; ++i)
        ZoomIn(c);
    RotateLeft(c);
    RotateUp(c);
    c.RotMatrix[3] = 9.0f;
    WidthUp(c);
    c.Pan = {1.0, -2.0};
    const WheelConfig before = c;
    ResetView(c, start);
    EXPECT_EQ(c.RotMatrix, start);
    EXPECT_EQ(c.ZoomExtent, 20.0f);
    EXPECT_EQ(c.Pan, (std::array<double, 2>{}));
    EXPECT_EQ(c.RotAngle, 0.0f);
    EXPECT_TRUE(c.LaterTurns.empty());
    EXPECT_EQ(c.Maulweite, before.Maulweite);
    EXPECT_EQ(c.HalfWidth, before.HalfWidth);
}

TEST(Pan, HoldsTheWheelsCentreInTheViewAndANotchNearTheCentreIsTheButtons)
{
    const ViewArea area{600.0, 500.0, 800.0};
    WheelConfig c = StartConfig();
    // Pushed far out, then zoomed in about a corner: the centre stays on the edge.
    PanView(c, 1e6, -1e6, area);
    ZoomAtPoint(c, ViewStep::ZoomIn, 3, 10, 10, area);
    const double pixels = area.clientWidth / (2.0 * c.ZoomExtent);
    EXPECT_DOUBLE_EQ(c.Pan[0] * pixels, 300.0);
    EXPECT_DOUBLE_EQ(c.Pan[1] * pixels, 250.0);
    // Within two pixels of the centre, the pan stays; beyond, it follows the pointer.
    WheelConfig button = c;
    TakeViewStep(button, ViewStep::ZoomOut, 2);
    ZoomAtPoint(c, ViewStep::ZoomOut, 2, 301.0, 251.5, area);
    EXPECT_EQ(c.ZoomExtent, button.ZoomExtent);
    EXPECT_EQ(c.Pan, button.Pan);
    ZoomAtPoint(c, ViewStep::ZoomOut, 1, 302.0, 251.5, area);
    EXPECT_NE(c.Pan, button.Pan);
}

}  // namespace
