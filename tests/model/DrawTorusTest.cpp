#include "DrawTorus.h"
#include "ModelTestSupport.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

constexpr double CentreLine = 0.55;
constexpr double Tube = 0.1;

struct Vec3 {
    double x, y, z;
};

// Where the tube's centre line passes closest to the vertex.
Vec3 OutwardFromCentreLine(const FeedbackVertex& v)
{
    const double r = RadiusOf(v);
    return {v.x - CentreLine * v.x / r, v.y - CentreLine * v.y / r, v.z};
}

// Three directional lights, pure red, green and blue, along the
// axes (or against them): with no ambient term the lit colour of a vertex is
// max(N . L, 0) per axis.
void LightAlongAxes(double sign)
{
    glEnable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_NORMALIZE);
    const GLfloat none[] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, none);
    for (int axis = 0; axis < 3; ++axis) {
        const GLenum light = GL_LIGHT0 + axis;
        GLfloat position[] = {0.0f, 0.0f, 0.0f, 0.0f};
        GLfloat diffuse[] = {0.0f, 0.0f, 0.0f, 1.0f};
        position[axis] = static_cast<GLfloat>(sign);
        diffuse[axis] = 1.0f;
        glEnable(light);
        glLightfv(light, GL_POSITION, position);
        glLightfv(light, GL_AMBIENT, none);
        glLightfv(light, GL_DIFFUSE, diffuse);
        glLightfv(light, GL_SPECULAR, none);
    }
}

FeedbackCaptureResult CaptureLitTorus(double sign)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    const FeedbackCaptureResult r = CaptureFeedback([sign] {
        LightAlongAxes(sign);
        DrawTorus(8, 32, 0.5, 0.6);
    });
    glPopAttrib();
    return r;
}

using DrawTorusTest = ModelGLTest;

}  // namespace

TEST_F(DrawTorusTest, SurfaceLiesBetweenTheTwoRadiiAndWithinTheTube)
{
    const FeedbackCaptureResult r = CaptureFeedback([] { DrawTorus(8, 32, 0.5, 0.6); });
    ASSERT_FALSE(r.incomplete);
    ASSERT_FALSE(r.polygons.empty());
    double rMin = 1e9, rMax = -1e9, zMin = 1e9, zMax = -1e9;
    std::set<long> ringAngles;
    for (const FeedbackPolygon& p : r.polygons) {
        for (const FeedbackVertex& v : p.vertices) {
            rMin = std::min(rMin, RadiusOf(v));
            rMax = std::max(rMax, RadiusOf(v));
            zMin = std::min(zMin, v.z);
            zMax = std::max(zMax, v.z);
            ringAngles.insert(std::lround(PolarAngle(v) * 100.0) % 36000);
            const Vec3 out = OutwardFromCentreLine(v);
            EXPECT_NEAR(std::sqrt(out.x * out.x + out.y * out.y + out.z * out.z), Tube, 1e-4);
        }
    }
    EXPECT_NEAR(rMin, 0.45, 1e-4);
    EXPECT_NEAR(rMax, 0.65, 1e-4);
    EXPECT_NEAR(zMin, -0.1, 1e-4);
    EXPECT_NEAR(zMax, 0.1, 1e-4);
    EXPECT_EQ(ringAngles.size(), 32u);
}

TEST_F(DrawTorusTest, NormalsAreUnitAndPointAwayFromTheCentreLine)
{
    const FeedbackCaptureResult positive = CaptureLitTorus(1.0);
    const FeedbackCaptureResult negative = CaptureLitTorus(-1.0);
    ASSERT_FALSE(positive.polygons.empty());
    ASSERT_EQ(positive.polygons.size(), negative.polygons.size());
    int checked = 0;
    for (std::size_t i = 0; i < positive.polygons.size(); ++i) {
        const auto& a = positive.polygons[i].vertices;
        const auto& b = negative.polygons[i].vertices;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t j = 0; j < a.size(); ++j) {
            const Vec3 n{a[j].color[0] - b[j].color[0], a[j].color[1] - b[j].color[1],
                         a[j].color[2] - b[j].color[2]};
            const Vec3 out = OutwardFromCentreLine(a[j]);
            ASSERT_NEAR(std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z), 1.0, 5e-3);
            ASSERT_NEAR(n.x, out.x / Tube, 5e-3) << "at " << a[j].x << " " << a[j].y << " " << a[j].z;
            ASSERT_NEAR(n.y, out.y / Tube, 5e-3);
            ASSERT_NEAR(n.z, out.z / Tube, 5e-3);
            ++checked;
        }
    }
    EXPECT_GT(checked, 32 * 8 * 3);
}

TEST_F(DrawTorusTest, FrontFacesPointOutwards)
{
    const std::size_t all = CaptureFeedback([] { DrawTorus(8, 32, 0.5, 0.6); }).polygons.size();
    glEnable(GL_CULL_FACE);
    // Seen from the front only the upper half of the tube faces the viewer.
    const FeedbackCaptureResult front = CaptureFeedback([] { DrawTorus(8, 32, 0.5, 0.6); });
    EXPECT_EQ(front.polygons.size() * 2, all);
    for (const FeedbackPolygon& p : front.polygons)
        ASSERT_GT(Centroid(p).z, 0.0);

    // Seen from +x: a turn of -90 degrees about y brings model +x to the eye's +z.
    const FeedbackCaptureResult side = CaptureFeedback([] {
        glRotatef(-90.0f, 0.0f, 1.0f, 0.0f);
        DrawTorus(8, 32, 0.5, 0.6);
    });
    glDisable(GL_CULL_FACE);
    ASSERT_FALSE(side.polygons.empty());
    EXPECT_LT(side.polygons.size(), all * 3 / 5);
    for (const FeedbackPolygon& eye : side.polygons) {
        FeedbackPolygon model;
        for (const FeedbackVertex& v : eye.vertices) {
            FeedbackVertex m = v;
            m.x = v.z;
            m.z = -v.x;
            model.vertices.push_back(m);
        }
        const Vec3 out = OutwardFromCentreLine(Centroid(model));
        ASSERT_GT(out.x / Tube, -0.2) << "an inward face survived culling";
    }
}

TEST_F(DrawTorusTest, NothingIsDrawnWithoutRingsOrSides)
{
    for (const auto& [sides, rings] : {std::pair{8, 0}, std::pair{8, -1}, std::pair{0, 32}, std::pair{-4, 32}}) {
        const FeedbackCaptureResult r = CaptureFeedback([sides, rings] { DrawTorus(sides, rings, 0.5, 0.6); });
        EXPECT_EQ(r.tokens, 0u) << sides << " sides, " << rings << " rings";
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
