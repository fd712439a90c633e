#include "ModelTestSupport.h"

#include <cmath>
#include <numbers>


std::unique_ptr<GLTestContext> ModelGLTest::Context;

void ModelGLTest::SetUpTestSuite()
{
    if (!Context)
        Context = std::make_unique<GLTestContext>();
}

void ModelGLTest::TearDownTestSuite()
{
    Context.reset();
}

void ModelGLTest::SetUp()
{
    ASSERT_TRUE(Context && Context->valid()) << "no GL context";
    Context->makeCurrent();
    // Feedback colours are the current colours only while lighting is off.
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
}

bool ColorNear(const Rgba& a, const Rgba& b, double tolerance)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::abs(a[i] - b[i]) > tolerance)
            return false;
    }
    return true;
}

bool PolygonColored(const FeedbackPolygon& p, const Rgba& color)
{
    for (const FeedbackVertex& v : p.vertices) {
        if (!ColorNear(v.color, color))
            return false;
    }
    return !p.vertices.empty();
}

double RadiusOf(const FeedbackVertex& v)
{
    return std::hypot(v.x, v.y);
}

double PolarAngle(const FeedbackVertex& v)
{
    double a = std::atan2(v.x, v.y) * 180.0 / std::numbers::pi;
    if (a < 0.0)
        a += 360.0;
    return a;
}

double DistanceXY(const FeedbackVertex& v, double cx, double cy)
{
    return std::hypot(v.x - cx, v.y - cy);
}

bool FlatAt(const FeedbackPolygon& p, double z, double tolerance)
{
    for (const FeedbackVertex& v : p.vertices) {
        if (std::abs(v.z - z) > tolerance)
            return false;
    }
    return !p.vertices.empty();
}

FeedbackVertex Centroid(const FeedbackPolygon& p)
{
    FeedbackVertex c;
    for (const FeedbackVertex& v : p.vertices) {
        c.x += v.x;
        c.y += v.y;
        c.z += v.z;
    }
    const double n = static_cast<double>(p.vertices.size());
    c.x /= n;
    c.y /= n;
    c.z /= n;
    return c;
}
