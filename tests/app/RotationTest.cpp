#include "FrameCapture.h"
#include "WheelRules.h"
#include "ct_ogl1.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using Matrix = std::array<double, 16>;  // column-major, as GL keeps it

Matrix Rotation(double degrees, double x, double y, double z)
{
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a), t = 1.0 - c;
    // Row r, column k stored at [k * 4 + r].
    return {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0.0,
            t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0.0,
            t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0.0,
            0.0,               0.0,               0.0,               1.0};
}

Matrix Multiply(const Matrix& a, const Matrix& b)
{
    Matrix m{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return m;
}

void ExpectMatrixNear(const std::array<float, 16>& actual, const Matrix& expected, double tolerance)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}

const Matrix Start = Rotation(45.0, 0.0, -1.0, 0.0);

}  // namespace

TEST(Rotation, StartsAtTheFortyFiveDegreeMatrixAndStaysThereWithoutRotationCommands)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    const float c = 0.7071068f;
    const std::array<float, 16> expected{c, 0, c, 0, 0, 1, 0, 0, -c, 0, c, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(box.Config().RotMatrix[i], expected[i], 1e-7) << i;
    EXPECT_EQ(box.Config().RotAxis, (std::array<float, 3>{0, 0, 0}));

    const auto atStart = box.Config().RotMatrix;
    for (int i = 0; i < 3; ++i)
        box.RenderScene();
    ZoomOut(box.Config());
    box.RenderScene();
    ZoomIn(box.Config());
    box.RenderScene();
    box.BuildWheelList();
    box.RenderScene();
    EXPECT_EQ(box.Config().RotMatrix, atStart);
    EXPECT_EQ(box.Config().RotAngle, 0.0f);
}

TEST(Rotation, EachFrameAppliesThePendingStepAboutTheScreenAxesOnTheLeft)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    RotateRight(box.Config());
    box.RenderScene();
    EXPECT_EQ(box.Config().RotAngle, 0.0f);
    const Matrix ry = Rotation(15.0, 0.0, 1.0, 0.0);
    ExpectMatrixNear(box.Config().RotMatrix, Multiply(ry, Start), 1e-6);

    RotateDown(box.Config());
    box.RenderScene();
    EXPECT_EQ(box.Config().RotAngle, 0.0f);
    const Matrix rx = Rotation(15.0, 1.0, 0.0, 0.0);
    ExpectMatrixNear(box.Config().RotMatrix, Multiply(rx, Multiply(ry, Start)), 1e-6);

    // A paint repeats no step: the last axis is kept, the angle was consumed.
    const auto after = box.Config().RotMatrix;
    box.RenderScene();
    EXPECT_EQ(box.Config().RotMatrix, after);
    EXPECT_EQ(box.Config().RotAxis, (std::array<float, 3>{1, 0, 0}));
}

TEST(Rotation, TwentyFourStepsRightComeBackToTheStartOrientation)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    for (int i = 0; i < 24; ++i) {
        RotateRight(box.Config());
        box.RenderScene();
    }
    ExpectMatrixNear(box.Config().RotMatrix, Start, 1e-5);
}

TEST(Rotation, ATurnTakenThreeTimesBeforeOneFrameTurnsAsThreeFramesDo)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    TakeViewStep(box.Config(), ViewStep::RotateRight, 3);
    box.RenderScene();
    ExpectMatrixNear(box.Config().RotMatrix, Multiply(Rotation(45.0, 0.0, 1.0, 0.0), Start), 1e-5);
}

TEST(Rotation, LeftThenUpBeforeOneFrameTurnsAsWithAFrameBetweenThem)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    RotateLeft(box.Config());
    box.RenderScene();
    RotateUp(box.Config());
    box.RenderScene();
    const auto framed = box.Config().RotMatrix;

    ResetView(box.Config(), box.StartRotation());
    RotateLeft(box.Config());
    RotateUp(box.Config());
    box.RenderScene();
    EXPECT_EQ(box.Config().RotMatrix, framed);
}
