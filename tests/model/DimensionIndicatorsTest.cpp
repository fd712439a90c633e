#include "DimensionIndicators.h"
#include "ModelTestSupport.h"
#include "WheelRules.h"
#include "WheelUnits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr double Tol = 2e-3;

bool Near(double a, double b)
{
    return std::abs(a - b) < Tol;
}

// What an indicator drew: its rod and arrow heads about the rod's line, and
// the translucent pieces around the wheel axis.
struct Readout {
    double rodFrom = 1e9;
    double rodTo = -1e9;
    std::vector<std::pair<double, double>> arrows;  // (tip, base) along the rod, one per polygon
    std::vector<double> markerPlanes;               // z of flat marker polygons
    std::vector<std::pair<double, double>> bands;   // z range of band or tube polygons
    int unclassified = 0;
    bool indicatorColour = true;
};

struct RodLine {
    std::function<double(const FeedbackVertex&)> offLine;  // distance from the rod's line
    std::function<double(const FeedbackVertex&)> along;    // position along it
};

void AddUnique(std::vector<std::pair<double, double>>& to, std::pair<double, double> v)
{
    for (const auto& e : to) {
        if (Near(e.first, v.first) && Near(e.second, v.second))
            return;
    }
    to.push_back(v);
}

void AddUnique(std::vector<double>& to, double v)
{
    if (std::none_of(to.begin(), to.end(), [v](double e) { return Near(e, v); }))
        to.push_back(v);
}

// markerInner and bandRadius describe the pieces around the wheel axis.
Readout Read(const FeedbackCaptureResult& r, const RodLine& rod, double markerInner, double bandRadius)
{
    Readout out;
    for (const FeedbackPolygon& p : r.polygons) {
        out.indicatorColour = out.indicatorColour && PolygonColored(p, IndicatorOrange);
        const auto& vs = p.vertices;
        const auto all = [&vs](auto pred) { return std::all_of(vs.begin(), vs.end(), pred); };
        if (all([&](const FeedbackVertex& v) { return Near(rod.offLine(v), 0.03); })) {
            for (const FeedbackVertex& v : vs) {
                out.rodFrom = std::min(out.rodFrom, rod.along(v));
                out.rodTo = std::max(out.rodTo, rod.along(v));
            }
        } else if (all([&](const FeedbackVertex& v) { return Near(rod.offLine(v), 0.03) || Near(rod.offLine(v), 0.3); })) {
            std::pair<double, double> arrow{0.0, 0.0};
            for (const FeedbackVertex& v : vs)
                (Near(rod.offLine(v), 0.03) ? arrow.first : arrow.second) = rod.along(v);
            AddUnique(out.arrows, arrow);
        } else if (FlatAt(p, vs[0].z) && all([&](const FeedbackVertex& v) {
                       return Near(RadiusOf(v), markerInner) || Near(RadiusOf(v), bandRadius);
                   }) && !all([&](const FeedbackVertex& v) { return Near(RadiusOf(v), bandRadius); })) {
            AddUnique(out.markerPlanes, vs[0].z);
        } else if (all([&](const FeedbackVertex& v) { return Near(RadiusOf(v), bandRadius); })) {
            double lo = 1e9;
            double hi = -1e9;
            for (const FeedbackVertex& v : vs) {
                lo = std::min(lo, v.z);
                hi = std::max(hi, v.z);
            }
            // A band is cut into one row of quads, so each polygon spans it.
            AddUnique(out.bands, {lo, hi});
        } else {
            ++out.unclassified;
        }
    }
    std::sort(out.arrows.begin(), out.arrows.end());
    std::sort(out.markerPlanes.begin(), out.markerPlanes.end());
    std::sort(out.bands.begin(), out.bands.end());
    return out;
}

RodLine WidthRod(double radius)
{
    return {[radius](const FeedbackVertex& v) { return std::hypot(v.x, v.y - (radius + 1.5)); },
            [](const FeedbackVertex& v) { return v.z; }};
}

RodLine AxisRod()
{
    return {[](const FeedbackVertex& v) { return RadiusOf(v); }, [](const FeedbackVertex& v) { return v.z; }};
}

RodLine DiameterRod(double halfWidth)
{
    return {[halfWidth](const FeedbackVertex& v) { return std::hypot(v.x, v.z - (halfWidth + 2.0)); },
            [](const FeedbackVertex& v) { return v.y; }};
}

class DimensionIndicatorsTest : public ModelGLTest {
protected:
    static FeedbackCaptureResult Capture(const WheelConfig& c)
    {
        QuadricPtr q = MakeWheelQuadric();
        FeedbackCaptureResult r = CaptureFeedback([&] { DrawDimensionIndicators(c, q.get()); });
        EXPECT_FALSE(r.incomplete);
        return r;
    }
};

void ExpectPairs(const std::vector<std::pair<double, double>>& actual,
                 const std::vector<std::pair<double, double>>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, Tol) << i;
        EXPECT_NEAR(actual[i].second, expected[i].second, Tol) << i;
    }
}

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], Tol) << i;
}

}  // namespace

TEST_F(DimensionIndicatorsTest, WidthIndicatorSpansTheFlangesInnerFaces)
{
    WheelConfig c = StartConfig();
    ToggleIndicator(c, Indicator::Maulweite);
    const Readout r = Read(Capture(c), WidthRod(c.Radius), 9.525, 11.525);
    EXPECT_EQ(r.unclassified, 0);
    EXPECT_TRUE(r.indicatorColour);
    EXPECT_NEAR(r.rodFrom, -3.8, Tol);
    EXPECT_NEAR(r.rodTo, 3.8, Tol);
    // Tips on the markers, the cones widening inwards: the heads point outwards.
    ExpectPairs(r.arrows, {{-3.8, -1.8}, {3.8, 1.8}});
    ExpectValues(r.markerPlanes, {-3.8, 3.8});
    ExpectPairs(r.bands, {{-3.8, -3.75}, {3.8, 3.85}});
}

TEST_F(DimensionIndicatorsTest, OffsetIndicatorSpansCentrePlaneToDisc)
{
    WheelConfig c = StartConfig();
    ToggleIndicator(c, Indicator::Einpresstiefe);
    const Readout r = Read(Capture(c), AxisRod(), 0.0, 11.525);
    EXPECT_EQ(r.unclassified, 0);
    EXPECT_TRUE(r.indicatorColour);
    EXPECT_NEAR(r.rodFrom, -8.4, Tol);
    EXPECT_NEAR(r.rodTo, 8.4, Tol);
    ExpectPairs(r.arrows, {{0.0, -2.0}, {1.71, 3.71}});
    ExpectValues(r.markerPlanes, {0.0, 1.69});
    ExpectPairs(r.bands, {{0.0, 0.05}, {1.69, 1.74}});
}

TEST_F(DimensionIndicatorsTest, DiameterIndicatorCrossesTheWheelInFront)
{
    WheelConfig c = StartConfig();
    ToggleIndicator(c, Indicator::Durchmesser);
    // No markers: an inner radius of -1 matches no vertex.
    const Readout r = Read(Capture(c), DiameterRod(c.HalfWidth), -1.0, 9.535);
    EXPECT_EQ(r.unclassified, 0);
    EXPECT_TRUE(r.indicatorColour);
    EXPECT_NEAR(r.rodFrom, -12.535, Tol);
    EXPECT_NEAR(r.rodTo, 12.535, Tol);
    ExpectPairs(r.arrows, {{-9.535, -11.535}, {9.535, 11.535}});
    EXPECT_TRUE(r.markerPlanes.empty());
    ExpectPairs(r.bands, {{-6.11, 6.31}});
}

TEST_F(DimensionIndicatorsTest, IndicatorsFollowDiameterWidthAndOffset)
{
    WheelConfig c = StartConfig();
    c.Maulweite = 8.0;
    c.HalfWidth = InchToModel(8.0);  // 5.08
    c.Durchmesser = 17.0;
    c.Radius = InchToModel(17.0);  // 10.795
    c.Einpresstiefe = 0.0;
    c.ShowMaulweite = c.ShowEinpresstiefe = c.ShowDurchmesser = true;
    const FeedbackCaptureResult all = Capture(c);

    WheelConfig one = c;
    one.ShowEinpresstiefe = one.ShowDurchmesser = false;
    const Readout width = Read(Capture(one), WidthRod(c.Radius), 10.795, 12.795);
    EXPECT_EQ(width.unclassified, 0);
    EXPECT_NEAR(width.rodTo - width.rodFrom, 10.14, Tol);
    ExpectValues(width.markerPlanes, {-5.07, 5.07});

    one = c;
    one.ShowMaulweite = one.ShowDurchmesser = false;
    const Readout offset = Read(Capture(one), AxisRod(), 0.0, 12.795);
    EXPECT_EQ(offset.unclassified, 0);
    EXPECT_NEAR(offset.rodFrom, -10.4, Tol);
    ExpectValues(offset.markerPlanes, {-0.01, 0.0});

    one = c;
    one.ShowMaulweite = one.ShowEinpresstiefe = false;
    const Readout diameter = Read(Capture(one), DiameterRod(c.HalfWidth), -1.0, 10.805);
    EXPECT_EQ(diameter.unclassified, 0);
    EXPECT_NEAR(diameter.rodTo, 13.805, Tol);
    ExpectPairs(diameter.bands, {{-7.38, 7.58}});

    // All three at once: each complete, in the order width, offset, diameter.
    FeedbackCaptureResult sequence;
    for (int which = 0; which < 3; ++which) {
        one = c;
        one.ShowMaulweite = which == 0;
        one.ShowEinpresstiefe = which == 1;
        one.ShowDurchmesser = which == 2;
        const FeedbackCaptureResult part = Capture(one);
        sequence.polygons.insert(sequence.polygons.end(), part.polygons.begin(), part.polygons.end());
    }
    ASSERT_EQ(all.polygons.size(), sequence.polygons.size());
    for (std::size_t i = 0; i < all.polygons.size(); ++i) {
        ASSERT_EQ(all.polygons[i].vertices.size(), sequence.polygons[i].vertices.size());
        for (std::size_t j = 0; j < all.polygons[i].vertices.size(); ++j) {
            ASSERT_NEAR(all.polygons[i].vertices[j].x, sequence.polygons[i].vertices[j].x, 1e-5) << i;
            ASSERT_NEAR(all.polygons[i].vertices[j].y, sequence.polygons[i].vertices[j].y, 1e-5) << i;
            ASSERT_NEAR(all.polygons[i].vertices[j].z, sequence.polygons[i].vertices[j].z, 1e-5) << i;
        }
    }
}

TEST_F(DimensionIndicatorsTest, NegativeOffsetTurnsTheSecondArrowBehindTheCentrePlane)
{
    WheelConfig c = StartConfig();
    c.Einpresstiefe = -30.0;
    ToggleIndicator(c, Indicator::Einpresstiefe);
    const Readout r = Read(Capture(c), AxisRod(), 0.0, 11.525);
    EXPECT_EQ(r.unclassified, 0);
    // The first head stays between -2 and 0; the second's tip is at E + 0.01.
    ExpectPairs(r.arrows, {{-1.49, 0.51}, {0.0, -2.0}});
    ExpectValues(r.markerPlanes, {-1.51, 0.0});
}

TEST_F(DimensionIndicatorsTest, WideningTheRimLengthensBothRods)
{
    WheelConfig c = StartConfig();
    c.ShowMaulweite = true;
    const Readout width6 = Read(Capture(c), WidthRod(c.Radius), c.Radius, c.Radius + 2.0);
    WidthUp(c);
    ASSERT_DOUBLE_EQ(c.Maulweite, 6.5);
    const Readout width65 = Read(Capture(c), WidthRod(c.Radius), c.Radius, c.Radius + 2.0);
    EXPECT_NEAR((width65.rodTo - width65.rodFrom) - (width6.rodTo - width6.rodFrom), 0.635, Tol);

    c = StartConfig();
    c.ShowEinpresstiefe = true;
    const Readout offset6 = Read(Capture(c), AxisRod(), 0.0, c.Radius + 2.0);
    WidthUp(c);
    const Readout offset65 = Read(Capture(c), AxisRod(), 0.0, c.Radius + 2.0);
    EXPECT_NEAR((offset65.rodTo - offset65.rodFrom) - (offset6.rodTo - offset6.rodFrom), 1.0, Tol);
    EXPECT_NEAR(offset65.rodTo - offset6.rodTo, 0.5, Tol);
}

TEST_F(DimensionIndicatorsTest, WithNoFlagNothingIsEmittedAndBlendingIsAsFound)
{
    const WheelConfig c = StartConfig();
    for (bool blend : {false, true}) {
        if (blend)
            glEnable(GL_BLEND);
        else
            glDisable(GL_BLEND);
        glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
        const FeedbackCaptureResult r = Capture(c);
        EXPECT_EQ(r.tokens, 0u);
        EXPECT_EQ(glIsEnabled(GL_BLEND) == GL_TRUE, blend);
        Rgba colour{};
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
        EXPECT_TRUE(ColorNear(colour, {0.1f, 0.2f, 0.3f, 0.4f}));
    }
    glDisable(GL_BLEND);
}

TEST_F(DimensionIndicatorsTest, EachIndicatorLeavesMatrixAndBlendingAsTheWheelNeedsThem)
{
    for (Indicator which : {Indicator::Maulweite, Indicator::Einpresstiefe, Indicator::Durchmesser}) {
        WheelConfig c = StartConfig();
        ToggleIndicator(c, which);
        QuadricPtr q = MakeWheelQuadric();
        GLint depthBefore = 0;
        GLint depthAfter = 0;
        GLfloat matrix[16] = {};
        glDisable(GL_BLEND);
        CaptureFeedback([&] {
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
            DrawDimensionIndicators(c, q.get());
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
            glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        });
        EXPECT_EQ(depthAfter, depthBefore);
        for (int i = 0; i < 16; ++i)
            EXPECT_FLOAT_EQ(matrix[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        Rgba colour{};
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
        EXPECT_TRUE(ColorNear(colour, IndicatorOrange));
    }
}
