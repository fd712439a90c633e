#include "FeedbackCapture.h"
#include "ModelTestSupport.h"
#include "PanelTestSupport.h"

#include <GL/gl.h>

#include <cmath>

namespace {

struct IndicatorsShown {
    bool width = false;
    bool diameter = false;
    int pieces = 0;  // polygons in the indicator colour
};

// Replays the window's current wheel list in feedback mode, unlit so that the
// colours come back as recorded, and tells which indicators it holds.
IndicatorsShown ReadIndicators(TOpenGL_box& box)
{
    glDisable(GL_LIGHTING);
    const FeedbackCaptureResult r = CaptureFeedback([&] { glCallList(box.Config().WheelList); });
    glEnable(GL_LIGHTING);
    IndicatorsShown shown;
    for (const FeedbackPolygon& p : r.polygons) {
        if (!PolygonColored(p, IndicatorOrange))
            continue;
        ++shown.pieces;
        for (const FeedbackVertex& v : p.vertices) {
            // The width rod runs 1.5 beyond the bead seats, between the flanges.
            if (std::abs(v.y - 11.025) < 0.05 && std::abs(v.z) < 3.85)
                shown.width = true;
            // The diameter tube lies just outside the bead seats and reaches
            // 2.5 beyond the front flange.
            if (std::abs(RadiusOf(v) - 9.535) < 0.005 && v.z > 6.0)
                shown.diameter = true;
        }
    }
    return shown;
}

class PanelIndicatorTest : public PanelWindowTest {};

}  // namespace

TEST_F(PanelIndicatorTest, QuestionMarksShowOneIndicatorAtATimeAndASecondClickHidesIt)
{
    IndicatorsShown shown = ReadIndicators(*box);
    EXPECT_EQ(shown.pieces, 0);

    Click("btnShowMaulweite");
    shown = ReadIndicators(*box);
    EXPECT_TRUE(shown.width);
    EXPECT_FALSE(shown.diameter);

    Click("btnShowDurchmesser");
    shown = ReadIndicators(*box);
    EXPECT_FALSE(shown.width);
    EXPECT_TRUE(shown.diameter);

    Click("btnShowDurchmesser");
    shown = ReadIndicators(*box);
    EXPECT_EQ(shown.pieces, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
