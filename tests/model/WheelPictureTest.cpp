#include "FrameCapture.h"
#include "GLView.h"
#include "WheelRules.h"
#include "ct_ogl1.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QObject>
#include <QPoint>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Rgb = std::array<double, 3>;
constexpr Rgb GreyRgb{0.8, 0.8, 0.8};
constexpr Rgb OrangeRgb{1.0, 0.5, 0.0};

// A frame together with the matrices it was drawn with, to find where a model
// point shows.
struct Frame {
    QImage image;
    GLdouble modelView[16] = {};
    GLdouble projection[16] = {};
    GLint viewport[4] = {};

    QPoint Pixel(double x, double y, double z) const
    {
        GLdouble wx = 0.0;
        GLdouble wy = 0.0;
        GLdouble wz = 0.0;
        gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz);
        return {static_cast<int>(std::floor(wx)), image.height() - 1 - static_cast<int>(std::floor(wy))};
    }

    // The gradient background of the same row, where no wheel lies.
    Rgb Background(QPoint p) const
    {
        const QColor c = image.pixelColor(2, p.y());
        return {c.redF(), c.greenF(), c.blueF()};
    }
};

Frame Capture(TOpenGL_box& box)
{
    Frame f;
    const auto connection = QObject::connect(&box, &TOpenGL_box::FrameDrawn, [&f] {
        glGetDoublev(GL_MODELVIEW_MATRIX, f.modelView);
        glGetDoublev(GL_PROJECTION_MATRIX, f.projection);
        glGetIntegerv(GL_VIEWPORT, f.viewport);
    });
    f.image = CaptureFrame(box);
    QObject::disconnect(connection);
    return f;
}

// A surface facing the viewer at cos(angle) = facing, lit by the start-up
// light: ambient 0.2 + 0.3 and diffuse 0.7 of its colour; the specular term
// vanishes away from the mirror direction.
Rgb Lit(const Rgb& c, double facing)
{
    Rgb out;
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::min(1.0, c[i] * (0.5 + 0.7 * facing));
    return out;
}

Rgb Blend(const Rgb& top, double alpha, const Rgb& under)
{
    return {top[0] * alpha + under[0] * (1 - alpha), top[1] * alpha + under[1] * (1 - alpha),
            top[2] * alpha + under[2] * (1 - alpha)};
}

bool Shows(const Frame& f, QPoint p, const Rgb& c, double tolerance = 5.0)
{
    return PixelNear(f.image, p.x(), p.y(), c[0], c[1], c[2], tolerance);
}

std::string Describe(const Frame& f, QPoint p)
{
    return "pixel (" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ") is " +
           f.image.pixelColor(p).name().toStdString();
}

class WheelPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowAndExpose(Box));
    }

    // How squarely the disc plane, and every plane z = const, faces the viewer.
    double Facing() { return Box.Config().RotMatrix[10]; }

    void Rebuild() { Box.BuildWheelList(); }

    void KeepImageOnFailure(const Frame& f, const char* name) { Pictures.Keep(f.image, QString::fromLatin1(name)); }

    TOpenGL_box Box;
    PicturesOnFailure Pictures;
};

}  // namespace

TEST_F(WheelPictureTest, StartUpWheelShowsBoreHubAndGreyFlange)
{
    const WheelConfig& c = Box.Config();
    const Frame f = Capture(Box);
    KeepImageOnFailure(f, "wheel-start");
    ASSERT_FALSE(f.image.isNull());
    const double e = c.Einpresstiefe / 20.0;

    const QPoint bore = f.Pixel(0.0, 0.0, e);
    EXPECT_TRUE(Shows(f, bore, f.Background(bore), 3.0)) << "centre bore: " << Describe(f, bore);
    const QPoint hub = f.Pixel(0.0, 1.5, e);
    EXPECT_TRUE(Shows(f, hub, Lit(GreyRgb, Facing()))) << "hub ring: " << Describe(f, hub);
    const QPoint flange = f.Pixel(0.0, c.Radius + 0.3, c.HalfWidth);
    EXPECT_TRUE(Shows(f, flange, Lit(GreyRgb, Facing()))) << "front flange: " << Describe(f, flange);
}

TEST_F(WheelPictureTest, HighlightedFlangeIsOrangeWhereItProjects)
{
    TogglePartHighlight(Box.Config(), RimPart::Felgenhorn);
    Rebuild();
    const WheelConfig& c = Box.Config();
    const Frame f = Capture(Box);
    KeepImageOnFailure(f, "wheel-flange-highlight");
    const QPoint flange = f.Pixel(0.0, c.Radius + 0.3, c.HalfWidth);
    EXPECT_TRUE(Shows(f, flange, Lit(OrangeRgb, Facing()))) << "front flange: " << Describe(f, flange);
    const QPoint hub = f.Pixel(0.0, 1.5, c.Einpresstiefe / 20.0);
    EXPECT_TRUE(Shows(f, hub, Lit(GreyRgb, Facing()))) << "hub ring: " << Describe(f, hub);
}

TEST_F(WheelPictureTest, WidthMarkerBlendsWhileItsArrowHeadIsOpaque)
{
    ToggleIndicator(Box.Config(), Indicator::Maulweite);
    Rebuild();
    const WheelConfig& c = Box.Config();
    const Frame f = Capture(Box);
    KeepImageOnFailure(f, "wheel-width-indicator");

    // On the front marker, outside the flange crest and off the rod; nothing
    // but the background lies behind it there.
    const QPoint marker = f.Pixel(0.0, c.Radius + 1.075, c.HalfWidth - 0.01);
    const Rgb expected = Blend(Lit(OrangeRgb, Facing()), 0.3, f.Background(marker));
    EXPECT_TRUE(Shows(f, marker, expected, 6.0)) << "marker: " << Describe(f, marker);

    // On the back arrow head near its wide end. The front one lies behind the
    // front marker, which was drawn first and wrote depth.
    const QPoint arrow = f.Pixel(0.0, c.Radius + 1.5, -c.HalfWidth + 1.81);
    // Its facets are lit per vertex, so the shade depends on where the pixel
    // falls between them; the hue and the missing blue do not.
    const QColor a = f.image.pixelColor(arrow);
    EXPECT_GT(a.redF(), 0.75) << "arrow head: " << Describe(f, arrow);
    EXPECT_NEAR(a.greenF() / a.redF(), 0.5, 0.06) << "arrow head: " << Describe(f, arrow);
    EXPECT_LT(a.blueF(), 0.06) << "arrow head shows the background through: " << Describe(f, arrow);
}
