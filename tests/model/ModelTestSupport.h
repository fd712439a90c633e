#pragma once

#include "ConfigSteps.h"
#include "FeedbackCapture.h"
#include "GLTestContext.h"
#include "WheelConfig.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

// One hidden GL context shared by the tests of a suite, current in each test.
class ModelGLTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

private:
    static std::unique_ptr<GLTestContext> Context;
};

using Rgba = std::array<float, 4>;
inline constexpr Rgba Grey{0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr Rgba Orange{1.0f, 0.5f, 0.0f, 1.0f};
inline constexpr Rgba IndicatorOrange{1.0f, 0.5f, 0.0f, 0.3f};

bool ColorNear(const Rgba& a, const Rgba& b, double tolerance = 1e-3);
bool PolygonColored(const FeedbackPolygon& p, const Rgba& color);

// Distance from the z axis, and the polar angle about it in degrees: 0 on +y,
// 90 on +x, in [0, 360).
double RadiusOf(const FeedbackVertex& v);
double PolarAngle(const FeedbackVertex& v);
double DistanceXY(const FeedbackVertex& v, double cx, double cy);

// Every vertex lies in the plane z within the tolerance.
bool FlatAt(const FeedbackPolygon& p, double z, double tolerance = 2e-3);
FeedbackVertex Centroid(const FeedbackPolygon& p);
