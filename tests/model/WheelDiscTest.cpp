#include "ModelTestSupport.h"
#include "WheelDisc.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr double Tol = 2e-3;
constexpr double AngleTol = 0.05;  // degrees

struct Point2 {
    double x;
    double y;
};

struct DiscPieces {
    std::vector<std::vector<const FeedbackPolygon*>> torus;  // per bolt seat
    std::vector<std::vector<const FeedbackPolygon*>> plate;
    std::vector<const FeedbackPolygon*> sectors;
    std::vector<const FeedbackPolygon*> hub;
    std::vector<const FeedbackPolygon*> outer;
    int unclassified = 0;
};

bool DistancesAmong(const FeedbackPolygon& p, Point2 centre, std::initializer_list<double> radii)
{
    for (const FeedbackVertex& v : p.vertices) {
        const double d = DistanceXY(v, centre.x, centre.y);
        if (std::none_of(radii.begin(), radii.end(), [d](double r) { return std::abs(d - r) < Tol; }))
            return false;
    }
    return true;
}

bool TorusAround(const FeedbackPolygon& p, Point2 centre, double e)
{
    if (FlatAt(p, e, 1e-4))
        return false;
    for (const FeedbackVertex& v : p.vertices) {
        const double d = DistanceXY(v, centre.x, centre.y);
        if (d < 0.45 - Tol || d > 0.65 + Tol || std::abs(v.z - e) > 0.1 + Tol)
            return false;
    }
    return true;
}

// The pieces point into r, which must outlive them.
DiscPieces Classify(const FeedbackCaptureResult& r, const std::vector<Point2>& seats, double e, double outerRadius)
{
    DiscPieces pieces;
    pieces.torus.resize(seats.size());
    pieces.plate.resize(seats.size());
    for (const FeedbackPolygon& p : r.polygons) {
        bool found = false;
        for (std::size_t k = 0; k < seats.size() && !found; ++k) {
            if (TorusAround(p, seats[k], e)) {
                pieces.torus[k].push_back(&p);
                found = true;
            } else if (FlatAt(p, e) && DistancesAmong(p, seats[k], {0.6, 1.0})) {
                pieces.plate[k].push_back(&p);
                found = true;
            }
        }
        if (found)
            continue;
        if (FlatAt(p, e) && DistancesAmong(p, {0, 0}, {1.8, 3.2}))
            pieces.sectors.push_back(&p);
        else if (FlatAt(p, e) && DistancesAmong(p, {0, 0}, {1.25, 1.8}))
            pieces.hub.push_back(&p);
        else if (FlatAt(p, e) && DistancesAmong(p, {0, 0}, {3.1, outerRadius}))
            pieces.outer.push_back(&p);
        else
            ++pieces.unclassified;
    }
    return pieces;
}

// Seat k at polar angle k * 360 / bolts on the circle of radius 2.3.
std::vector<Point2> SeatsFor(int bolts)
{
    std::vector<Point2> seats;
    for (int k = 0; k < bolts; ++k) {
        const double a = k * 2.0 * std::numbers::pi / bolts;
        seats.push_back({2.3 * std::sin(a), 2.3 * std::cos(a)});
    }
    return seats;
}

// The polar angles each spoke sector covers; sector k lies between seat k
// and seat k + 1, and the sectors come in turn from +y towards +x.
std::vector<std::pair<double, double>> SectorSpans(const DiscPieces& pieces, int bolts)
{
    const double pitch = 360.0 / bolts;
    std::vector<std::pair<double, double>> spans(static_cast<std::size_t>(bolts), {1e9, -1e9});
    std::size_t previous = 0;
    for (const FeedbackPolygon* p : pieces.sectors) {
        const auto k = static_cast<std::size_t>(PolarAngle(Centroid(*p)) / pitch);
        EXPECT_GE(k, previous) << "sectors drawn out of turn";
        previous = k;
        for (const FeedbackVertex& v : p->vertices) {
            spans[k].first = std::min(spans[k].first, PolarAngle(v));
            spans[k].second = std::max(spans[k].second, PolarAngle(v));
        }
    }
    return spans;
}

class WheelDiscTest : public ModelGLTest {
protected:
    static FeedbackCaptureResult CaptureDisc(const WheelConfig& c)
    {
        QuadricPtr q = MakeWheelQuadric();
        FeedbackCaptureResult r = CaptureFeedback([&] { DrawWheelDisc(c, q.get()); });
        EXPECT_FALSE(r.incomplete);
        return r;
    }

    static void ExpectSeats(const DiscPieces& pieces, const std::vector<Point2>& seats)
    {
        EXPECT_EQ(pieces.unclassified, 0);
        for (std::size_t k = 0; k < seats.size(); ++k) {
            SCOPED_TRACE("seat " + std::to_string(k));
            ASSERT_FALSE(pieces.torus[k].empty());
            EXPECT_EQ(pieces.torus[k].size(), pieces.torus[0].size());
            EXPECT_FALSE(pieces.plate[k].empty());
            // The ring is symmetric about its centre.
            double sx = 0.0;
            double sy = 0.0;
            std::size_t n = 0;
            for (const FeedbackPolygon* p : pieces.torus[k]) {
                for (const FeedbackVertex& v : p->vertices) {
                    sx += v.x;
                    sy += v.y;
                    ++n;
                }
            }
            EXPECT_NEAR(sx / n, seats[k].x, 5e-3);
            EXPECT_NEAR(sy / n, seats[k].y, 5e-3);
            // Seats are drawn in turn from +y towards +x.
            if (k > 0 && !pieces.torus[k - 1].empty()) {
                EXPECT_LT(pieces.torus[k - 1].front(), pieces.torus[k].front());
            }
        }
    }
};

}  // namespace

TEST_F(WheelDiscTest, FourBoltSeatsAndSectorsAtStartUp)
{
    const WheelConfig c = StartConfig();
    const FeedbackCaptureResult disc = CaptureDisc(c);
    const std::vector<Point2> seats{{0, 2.3}, {2.3, 0}, {0, -2.3}, {-2.3, 0}};
    const DiscPieces pieces = Classify(disc, seats, 1.7, c.Radius - 0.8);
    ExpectSeats(pieces, seats);
    EXPECT_FALSE(pieces.hub.empty());
    EXPECT_FALSE(pieces.outer.empty());

    const auto spans = SectorSpans(pieces, 4);
    const std::pair<double, double> expected[] = {{12, 78}, {102, 168}, {192, 258}, {282, 348}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(spans[k].first, expected[k].first, AngleTol) << "sector " << k;
        EXPECT_NEAR(spans[k].second, expected[k].second, AngleTol) << "sector " << k;
    }
    for (const FeedbackPolygon& p : disc.polygons)
        ASSERT_TRUE(PolygonColored(p, Grey));
}

TEST_F(WheelDiscTest, SeatsAndSectorsFollowTheBoltCount)
{
    for (const auto& [bolts, sweep] : {std::pair{3, 96.0}, std::pair{5, 48.0}}) {
        SCOPED_TRACE(bolts);
        WheelConfig c = StartConfig();
        c.Radbolzen = bolts;
        const std::vector<Point2> seats = SeatsFor(bolts);
        const FeedbackCaptureResult disc = CaptureDisc(c);
        const DiscPieces pieces = Classify(disc, seats, 1.7, c.Radius - 0.8);
        ExpectSeats(pieces, seats);
        const auto spans = SectorSpans(pieces, bolts);
        for (int k = 0; k < bolts; ++k) {
            EXPECT_NEAR(spans[k].first, k * 360.0 / bolts + 12.0, AngleTol);
            EXPECT_NEAR(spans[k].second - spans[k].first, sweep, AngleTol);
        }
    }
}

TEST_F(WheelDiscTest, OffsetMovesTheWholeDiscAlongTheAxis)
{
    for (double offset : {0.0, -30.0, 34.0}) {
        SCOPED_TRACE(offset);
        WheelConfig c = StartConfig();
        c.Einpresstiefe = offset;
        const double e = offset / 20.0;
        const FeedbackCaptureResult disc = CaptureDisc(c);
        const DiscPieces pieces = Classify(disc, SeatsFor(4), e, c.Radius - 0.8);
        ExpectSeats(pieces, SeatsFor(4));
        EXPECT_EQ(pieces.sectors.size() % 4, 0u);
        EXPECT_FALSE(pieces.sectors.empty());
        EXPECT_FALSE(pieces.hub.empty());
        EXPECT_FALSE(pieces.outer.empty());
    }
}

TEST_F(WheelDiscTest, PlainWellWidensOnlyTheOuterRing)
{
    WheelConfig c = StartConfig();
    const FeedbackCaptureResult drop = CaptureDisc(c);
    c.Tiefbett = false;
    const FeedbackCaptureResult plain = CaptureDisc(c);
    ASSERT_EQ(drop.polygons.size(), plain.polygons.size());
    const DiscPieces plainPieces = Classify(plain, SeatsFor(4), 1.7, c.Radius);
    EXPECT_EQ(plainPieces.unclassified, 0);
    ASSERT_FALSE(plainPieces.outer.empty());
    int widened = 0;
    for (std::size_t i = 0; i < drop.polygons.size(); ++i) {
        const auto& a = drop.polygons[i].vertices;
        const auto& b = plain.polygons[i].vertices;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t j = 0; j < a.size(); ++j) {
            const double ra = RadiusOf(a[j]);
            if (std::abs(ra - (c.Radius - 0.8)) < Tol) {
                EXPECT_NEAR(RadiusOf(b[j]), c.Radius, Tol);
                EXPECT_NEAR(PolarAngle(a[j]), PolarAngle(b[j]), AngleTol);
                ++widened;
            } else {
                EXPECT_NEAR(a[j].x, b[j].x, 1e-5);
                EXPECT_NEAR(a[j].y, b[j].y, 1e-5);
            }
            EXPECT_NEAR(a[j].z, b[j].z, 1e-5);
        }
    }
    EXPECT_GE(widened, 64);
}

TEST_F(WheelDiscTest, HighlightRecoloursEveryDiscPiece)
{
    WheelConfig c = StartConfig();
    c.ColorRadschuessel = true;
    const FeedbackCaptureResult disc = CaptureDisc(c);
    ASSERT_FALSE(disc.polygons.empty());
    for (const FeedbackPolygon& p : disc.polygons)
        ASSERT_TRUE(PolygonColored(p, Orange));
}

TEST_F(WheelDiscTest, LeavesNoNetTurnBehind)
{
    for (int bolts : {3, 4, 5, 7}) {
        SCOPED_TRACE(bolts);
        WheelConfig c = StartConfig();
        c.Radbolzen = bolts;
        QuadricPtr q = MakeWheelQuadric();
        GLint depthBefore = 0;
        GLint depthAfter = 0;
        const FeedbackCaptureResult r = CaptureFeedback([&] {
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
            DrawWheelDisc(c, q.get());
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
            glBegin(GL_POINTS);
            glVertex3f(0.0f, 1.0f, 0.0f);
            glEnd();
        });
        EXPECT_EQ(depthAfter, depthBefore);
        ASSERT_EQ(r.points.size(), 1u);
        EXPECT_NEAR(r.points[0].x, 0.0, 1e-4);
        EXPECT_NEAR(r.points[0].y, 1.0, 1e-4);
        EXPECT_NEAR(r.points[0].z, 0.0, 1e-4);
    }
}

TEST_F(WheelDiscTest, NoBoltsLeaveOnlyHubAndOuterRing)
{
    for (int bolts : {0, -3}) {
        SCOPED_TRACE(bolts);
        WheelConfig c = StartConfig();
        c.Radbolzen = bolts;
        const FeedbackCaptureResult disc = CaptureDisc(c);
        const DiscPieces pieces = Classify(disc, SeatsFor(4), 1.7, c.Radius - 0.8);
        EXPECT_EQ(pieces.unclassified, 0);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_TRUE(pieces.torus[k].empty());
            EXPECT_TRUE(pieces.plate[k].empty());
        }
        EXPECT_TRUE(pieces.sectors.empty());
        EXPECT_FALSE(pieces.hub.empty());
        EXPECT_FALSE(pieces.outer.empty());
    }
}
