#include "ModelTestSupport.h"
#include "RimShell.h"
#include "WheelRules.h"
#include "WheelUnits.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double Tol = 2e-3;

struct Corner {
    double z;
    double r;
};

// The profile's corner points from back to front, for the configured humps
// and well.
std::vector<Corner> ExpectedProfile(const WheelConfig& c)
{
    const double W = c.HalfWidth;
    const double R = c.Radius;
    std::vector<Corner> p{{-W - 0.3, R + 0.6}, {-W - 0.2, R + 0.7}, {-W - 0.1, R + 0.7},
                          {-W, R + 0.6},       {-W, R},             {0.6 - W, R}};
    if (c.HumpBack)
        p.insert(p.end(), {{0.7 - W, R + 0.1}, {0.9 - W, R + 0.1}});
    p.push_back({1.0 - W, R});
    if (c.Tiefbett)
        p.insert(p.end(), {{2.8 - W, R - 0.3}, {3.4 - W, R - 0.8}, {W - 1.2, R - 0.8}});
    p.push_back({W - 1.0, R});
    if (c.HumpFront)
        p.insert(p.end(), {{W - 0.9, R + 0.1}, {W - 0.7, R + 0.1}});
    p.insert(p.end(), {{W - 0.6, R}, {W, R}, {W, R + 0.6}, {W + 0.1, R + 0.7}, {W + 0.2, R + 0.7}, {W + 0.3, R + 0.6}});
    return p;
}

int CornerIndex(const std::vector<Corner>& corners, const FeedbackVertex& v)
{
    for (std::size_t i = 0; i < corners.size(); ++i) {
        if (std::abs(corners[i].z - v.z) < Tol && std::abs(corners[i].r - RadiusOf(v)) < Tol)
            return static_cast<int>(i);
    }
    return -1;
}

enum class Group { Felgenhorn, Felgenschulter, Hump, Felgenbett };

// Which component a shell polygon belongs to, from where it lies along z.
Group GroupOf(const FeedbackPolygon& p, double W)
{
    const double z = std::abs(Centroid(p).z);
    if (z >= W - 1e-4)
        return Group::Felgenhorn;
    if (z > W - 0.6)
        return Group::Felgenschulter;
    if (z > W - 1.0)
        return Group::Hump;
    return Group::Felgenbett;
}

class RimShellTest : public ModelGLTest {
protected:
    static FeedbackCaptureResult CaptureShell(const WheelConfig& c)
    {
        QuadricPtr q = MakeWheelQuadric();
        FeedbackCaptureResult r = CaptureFeedback([&] { DrawRimShell(c, q.get()); });
        EXPECT_FALSE(r.incomplete);
        EXPECT_FALSE(r.polygons.empty());
        return r;
    }

    // Every piece joins two neighbouring corners of the profile, and every
    // pair of neighbours is joined.
    static void ExpectProfile(const WheelConfig& c, const std::string& what)
    {
        SCOPED_TRACE(what);
        const std::vector<Corner> corners = ExpectedProfile(c);
        const FeedbackCaptureResult shell = CaptureShell(c);
        std::set<int> joined;
        int stray = 0;
        for (const FeedbackPolygon& p : shell.polygons) {
            std::set<int> ends;
            for (const FeedbackVertex& v : p.vertices) {
                const int i = CornerIndex(corners, v);
                if (i < 0) {
                    if (++stray <= 3)
                        ADD_FAILURE() << "vertex off the profile at z " << v.z << ", r " << RadiusOf(v);
                }
                ends.insert(i);
            }
            if (ends.size() != 2 || *ends.rbegin() - *ends.begin() != 1) {
                ADD_FAILURE() << "piece does not join two neighbouring corners";
                return;
            }
            joined.insert(*ends.begin());
        }
        EXPECT_EQ(stray, 0);
        EXPECT_EQ(joined.size(), corners.size() - 1) << "a gap in the profile";
    }
};

struct ShellExtent {
    double zMin = 1e9, zMax = -1e9, rMin = 1e9, rMax = -1e9;
};

ShellExtent ExtentOf(const FeedbackCaptureResult& r)
{
    ShellExtent e;
    for (const FeedbackPolygon& p : r.polygons) {
        for (const FeedbackVertex& v : p.vertices) {
            e.zMin = std::min(e.zMin, v.z);
            e.zMax = std::max(e.zMax, v.z);
            e.rMin = std::min(e.rMin, RadiusOf(v));
            e.rMax = std::max(e.rMax, RadiusOf(v));
        }
    }
    return e;
}

// The z range covered by vertices at the given radius.
std::pair<double, double> RunAtRadius(const FeedbackCaptureResult& r, double radius)
{
    double lo = 1e9;
    double hi = -1e9;
    for (const FeedbackPolygon& p : r.polygons) {
        for (const FeedbackVertex& v : p.vertices) {
            if (std::abs(RadiusOf(v) - radius) < Tol) {
                lo = std::min(lo, v.z);
                hi = std::max(hi, v.z);
            }
        }
    }
    return {lo, hi};
}

void SetWidth(WheelConfig& c, double inches)
{
    c.Maulweite = inches;
    c.HalfWidth = InchToModel(inches);
}

void SetDiameter(WheelConfig& c, double inches)
{
    c.Durchmesser = inches;
    c.Radius = InchToModel(inches);
}

}  // namespace

TEST_F(RimShellTest, StartUpShellSpansItsWidthAndRadiiInGrey)
{
    const WheelConfig c = StartConfig();
    const FeedbackCaptureResult shell = CaptureShell(c);
    const ShellExtent e = ExtentOf(shell);
    EXPECT_NEAR(e.zMin, -4.11, Tol);
    EXPECT_NEAR(e.zMax, 4.11, Tol);
    EXPECT_NEAR(e.rMin, 8.725, Tol);
    EXPECT_NEAR(e.rMax, 10.225, Tol);
    const auto [floorStart, floorEnd] = RunAtRadius(shell, 8.725);
    EXPECT_NEAR(floorStart, -0.41, Tol);
    EXPECT_NEAR(floorEnd, 2.61, Tol);
    for (const FeedbackPolygon& p : shell.polygons)
        ASSERT_TRUE(PolygonColored(p, Grey));
    ExpectProfile(c, "start-up");
}

TEST_F(RimShellTest, ProfileHoldsForEveryHumpAndWellVariant)
{
    for (int front = 0; front < 2; ++front) {
        for (int back = 0; back < 2; ++back) {
            for (int well = 0; well < 2; ++well) {
                WheelConfig c = StartConfig();
                c.HumpFront = front == 1;
                c.HumpBack = back == 1;
                c.Tiefbett = well == 1;
                ExpectProfile(c, "front " + std::to_string(front) + " back " + std::to_string(back) + " well " +
                                     std::to_string(well));
            }
        }
    }
}

TEST_F(RimShellTest, ProfileHoldsAtTheEndsOfTheWidthAndDiameterRanges)
{
    for (double width : {4.0, 8.0}) {
        for (double diameter : {13.0, 17.0}) {
            WheelConfig c = StartConfig();
            SetWidth(c, width);
            SetDiameter(c, diameter);
            ExpectProfile(c, "width " + std::to_string(width) + " diameter " + std::to_string(diameter));
        }
    }
}

TEST_F(RimShellTest, DropCentreFloorAndPlainWellFollowTheWidth)
{
    WheelConfig c = StartConfig();
    SetWidth(c, 4.0);
    auto [lo, hi] = RunAtRadius(CaptureShell(c), c.Radius - 0.8);
    EXPECT_NEAR(lo, 0.86, Tol);
    EXPECT_NEAR(hi, 1.34, Tol);
    EXPECT_NEAR(hi - lo, 0.48, Tol);

    SetWidth(c, 8.0);
    std::tie(lo, hi) = RunAtRadius(CaptureShell(c), c.Radius - 0.8);
    EXPECT_NEAR(lo, -1.68, Tol);
    EXPECT_NEAR(hi, 3.88, Tol);

    // The plain well is the one piece at radius R starting at z = 1 - W.
    for (const auto& [width, length] : {std::pair{4.0, 3.08}, std::pair{8.0, 8.16}}) {
        SetWidth(c, width);
        c.Tiefbett = false;
        const FeedbackCaptureResult shell = CaptureShell(c);
        double lo2 = 1e9;
        double hi2 = -1e9;
        for (const FeedbackPolygon& p : shell.polygons) {
            if (GroupOf(p, c.HalfWidth) != Group::Felgenbett)
                continue;
            for (const FeedbackVertex& v : p.vertices) {
                EXPECT_NEAR(RadiusOf(v), c.Radius, Tol);
                lo2 = std::min(lo2, v.z);
                hi2 = std::max(hi2, v.z);
            }
        }
        EXPECT_NEAR(hi2 - lo2, length, Tol) << "width " << width;
        EXPECT_NEAR(lo2, 1.0 - c.HalfWidth, Tol);
    }
}

TEST_F(RimShellTest, DiameterMovesFloorAndCrest)
{
    WheelConfig c = StartConfig();
    SetDiameter(c, 13.0);
    EXPECT_NEAR(ExtentOf(CaptureShell(c)).rMin, 7.455, Tol);
    SetDiameter(c, 17.0);
    EXPECT_NEAR(ExtentOf(CaptureShell(c)).rMax, 11.495, Tol);
}

TEST_F(RimShellTest, EveryRingIsCutIntoSixtyFourSlices)
{
    const WheelConfig c = StartConfig();
    const FeedbackCaptureResult shell = CaptureShell(c);
    std::set<long> angles;
    for (const FeedbackPolygon& p : shell.polygons) {
        for (const FeedbackVertex& v : p.vertices) {
            if (std::abs(v.z - 4.11) < Tol)
                angles.insert(std::lround(PolarAngle(v) * 10.0) % 3600);
        }
    }
    EXPECT_EQ(angles.size(), 64u);
}

TEST_F(RimShellTest, EachHighlightTurnsExactlyItsGroupOrange)
{
    const std::pair<RimPart, Group> parts[] = {{RimPart::Felgenhorn, Group::Felgenhorn},
                                               {RimPart::Felgenschulter, Group::Felgenschulter},
                                               {RimPart::Hump, Group::Hump},
                                               {RimPart::Felgenbett, Group::Felgenbett}};
    for (const auto& [part, group] : parts) {
        for (bool profiled : {true, false}) {
            WheelConfig c = StartConfig();
            c.HumpFront = c.HumpBack = c.Tiefbett = profiled;
            TogglePartHighlight(c, part);
            const FeedbackCaptureResult shell = CaptureShell(c);
            int orange = 0;
            for (const FeedbackPolygon& p : shell.polygons) {
                const bool inGroup = GroupOf(p, c.HalfWidth) == group;
                ASSERT_TRUE(PolygonColored(p, inGroup ? Orange : Grey))
                    << "group " << static_cast<int>(group) << " at z " << Centroid(p).z;
                orange += inGroup ? 1 : 0;
            }
            EXPECT_GT(orange, 0);
        }
    }
}

TEST_F(RimShellTest, WholeShellHighlightTurnsAllSevenGroupsOrange)
{
    WheelConfig c = StartConfig();
    ToggleWholeRimHighlight(c);
    const FeedbackCaptureResult shell = CaptureShell(c);
    // The well is one group; every other component has a front and a back one.
    std::set<std::pair<int, int>> groups;
    for (const FeedbackPolygon& p : shell.polygons) {
        ASSERT_TRUE(PolygonColored(p, Orange));
        const Group g = GroupOf(p, c.HalfWidth);
        const int side = g == Group::Felgenbett ? 0 : (Centroid(p).z > 0 ? 1 : -1);
        groups.insert({static_cast<int>(g), side});
    }
    EXPECT_EQ(groups.size(), 7u);
}
