#include "FrameCapture.h"
#include "FrameReadback.h"
#include "GLView.h"
#include "WheelRules.h"
#include "ct_ogl1.h"

#include <gtest/gtest.h>


#include <GL/gl.h>

namespace {

struct Rgb {
    double r, g, b;
};

constexpr Rgb ClearColour{0.05, 0.23, 0.59};
// The quad's tracked colour lit by the model ambient (0.2), light 0's ambient
// (0.3) and its diffuse share along the unnormalised normal (0.7 x 0.86).
constexpr double LitFactor = 0.2 + 0.3 + 0.7 * 0.86;
constexpr Rgb TopColour{0.4 * LitFactor, 0.53 * LitFactor, 0.86 * LitFactor};

// Samples a column of the background where the (still small) wheel leaves it
// free and checks the linear mix from the clear colour up to the lit colour.
void ExpectGradient(const QImage& frame, int x, const char* what)
{
    const int h = frame.height();
    for (int row = 0; row < h; row += 37) {
        const double alpha = (h - row - 0.5) / h;  // row 0 is the top
        const Rgb expected{ClearColour.r + (TopColour.r - ClearColour.r) * alpha,
                           ClearColour.g + (TopColour.g - ClearColour.g) * alpha,
                           ClearColour.b + (TopColour.b - ClearColour.b) * alpha};
        EXPECT_TRUE(PixelNear(frame, x, row, expected.r, expected.g, expected.b))
            << what << ": row " << row << " is " << frame.pixelColor(x, row).name().toStdString();
    }
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowAndExpose(box));
    }

    // Captures a frame and keeps it for a person to look at should the test fail.
    QImage Capture(const char* name) { return Pictures.Keep(CaptureFrame(box), QString::fromLatin1(name)); }

    TOpenGL_box box;
    PicturesOnFailure Pictures;
};

}  // namespace

TEST_F(FrameTest, BackgroundRunsLinearlyFromTheClearColourUpToTheLitTop)
{
    const QImage frame = Capture("frame-gradient");
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(PixelNear(frame, 3, 0, 0.44, 0.58, 0.95)) << frame.pixelColor(3, 0).name().toStdString();
    EXPECT_TRUE(PixelNear(frame, 3, frame.height() - 1, 0.05, 0.23, 0.59))
        << frame.pixelColor(3, frame.height() - 1).name().toStdString();
    ExpectGradient(frame, 3, "fill");
    ExpectGradient(frame, frame.width() - 3, "fill, right edge");
    // Opaque where the buffer holds alpha, as on Wayland: a compositor would
    // let the desktop show through the blended middle of the gradient.
    int translucent = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            translucent += frame.pixelColor(x, y).alpha() != 255;
    EXPECT_EQ(translucent, 0);
}

TEST_F(FrameTest, BackgroundStaysFilledInOutlineAndPointStyleAndInHalfSection)
{
    CyclePolygonStyle(box.Config());
    ExpectGradient(Capture("frame-outline-style"), 3, "outline style");
    CyclePolygonStyle(box.Config());
    ExpectGradient(Capture("frame-point-style"), 3, "point style");
    CyclePolygonStyle(box.Config());
    ToggleHalfSection(box.Config());
    // The clip plane cuts model x > 0; the left edge of the view would be kept
    // anyway, so the right edge is the one that shows whether the background
    // escaped the clip.
    const QImage frame = Capture("frame-half-section");
    ExpectGradient(frame, 3, "half section, left");
    ExpectGradient(frame, frame.width() - 3, "half section, right");
}

TEST_F(FrameTest, FrameLeavesItsStateForTheNextOne)
{
    box.Config().StyleMode = 2;
    box.RenderScene();
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_TRUE(glIsEnabled(GL_CLIP_PLANE0));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    // The disc's two full turns inside the list leave only rounding behind.
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(modelview[i], box.Config().RotMatrix[i], 1e-5) << i;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FrameTest, ViewportIsTheFullClientAreaShiftedUnderThePanel)
{
    const double dpr = box.View()->devicePixelRatio();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    // The view starts at the panel's right edge (200); the full-client
    // viewport would start at 100, so in the view it starts at -100.
    EXPECT_EQ(viewport[0], static_cast<GLint>(-100 * dpr));
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], static_cast<GLint>(box.width() * dpr));
    EXPECT_EQ(viewport[3], static_cast<GLint>(box.height() * dpr));
    const QImage frame = Capture("frame-viewport");
    EXPECT_EQ(frame.width(), static_cast<int>((box.width() - 200) * dpr));
    EXPECT_EQ(frame.height(), static_cast<int>(box.height() * dpr));
}

TEST_F(FrameTest, RebuildRecordsAndExecutesTheListYetRasterisesNothing)
{
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ToggleIndicator(box.Config(), Indicator::Durchmesser);
    const unsigned before = box.Config().WheelList;
    box.BuildWheelList();
    EXPECT_NE(box.Config().WheelList, before);
    EXPECT_TRUE(glIsList(box.Config().WheelList));
    // The execution still leaves its state: culling back on after the wheel.
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));

    const QImage back = ReadBackBuffer(box.ViewPixelSize());
    int drawn = 0;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            drawn += back.pixelColor(x, y) != QColor(255, 0, 255);
    EXPECT_EQ(drawn, 0) << "pixels the rebuild drew before any frame";
    Pictures.Keep(back, QStringLiteral("rebuild-back-buffer"));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
