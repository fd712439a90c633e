#include "PanelTestSupport.h"

#include "FrameCapture.h"
#include "Unit1.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

using PanelAndView = PanelWindowTest;

enum class Seen { Orange, Grey, Background, Other };

const char* NameOf(Seen s)
{
    switch (s) {
    case Seen::Orange:
        return "orange";
    case Seen::Grey:
        return "grey";
    case Seen::Background:
        return "background";
    default:
        return "other";
    }
}

Seen Classify(const QColor& c)
{
    const int r = c.red();
    const int g = c.green();
    const int b = c.blue();
    if (r > g && g > b && r - b > 60)
        return Seen::Orange;
    if (std::abs(r - g) < 16 && std::abs(g - b) < 16 && r > 40)
        return Seen::Grey;
    if (b > r + 50 && b > g + 20)
        return Seen::Background;
    return Seen::Other;
}

// The class of a 3 x 3 patch, or Other when its pixels disagree.
Seen PatchAt(const QImage& image, QPoint p)
{
    const Seen centre = Classify(image.pixelColor(p));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!image.valid(p.x() + dx, p.y() + dy) || Classify(image.pixelColor(p.x() + dx, p.y() + dy)) != centre)
                return Seen::Other;
    return centre;
}

// Where a model point appears in the view's picture: the start orientation is
// a 45-degree turn about (0, -1, 0); the orthographic volume spans +-zoom
// horizontally over the whole client width, whose viewport starts half a panel
// width left of the view.
QPoint ViewPixel(const TOpenGL_box& box, const WheelConfig& c, double x, double y, double z)
{
    const double eyeX = (x - z) / std::sqrt(2.0);
    const double eyeY = y;
    const double clientW = box.width();
    const double clientH = box.height();
    const double halfH = c.ZoomExtent / c.AspectRatio;
    const double px = (eyeX / c.ZoomExtent + 1.0) / 2.0 * clientW - 100.0;
    const double py = (1.0 - eyeY / halfH) / 2.0 * clientH;
    return {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
}

}  // namespace

TEST_F(PanelAndView, ClickedConfigurationShowsWhereItsGeometryPutsIt)
{
    for (const char* name : {"btnDurchmesserPlus", "btnMaulweitePlus", "btnLochkreisePlus", "btnSchnitt",
                             "btnColorFelgenhorn"})
        Click(name);
    const WheelConfig& c = box->Config();
    ASSERT_EQ(c.Durchmesser, 16.0);
    ASSERT_EQ(c.Maulweite, 6.5);
    ASSERT_TRUE(c.Halbschnitt);
    ASSERT_TRUE(c.ColorFelgenhorn);

    PicturesOnFailure pictures;
    const QImage& frame = pictures.Keep(CaptureFrame(*box), QStringLiteral("panel-scene-actual"));
    ASSERT_EQ(frame.size(), QSize(box->width() - 200, box->height()));
    const double R = c.Radius;
    const double W = c.HalfWidth;
    const double e = c.Einpresstiefe / 20.0;

    struct Probe {
        const char* what;
        double x, y, z;
        Seen expected;
    };
    // Half section keeps model x <= 0; the flange faces lie at z = +-W between R and R + 0.6.
    const Probe probes[] = {
        {"front flange, left end", -(R + 0.3), 0.0, W, Seen::Orange},
        {"front flange, top", -0.7, R + 0.3, W, Seen::Orange},
        {"back flange, top", -0.7, R + 0.3, -W, Seen::Orange},
        {"wheel disc, kept half", -5.0, 2.0, e, Seen::Grey},
        {"wheel disc, cut half", 5.0, 2.0, e, Seen::Background},
        {"back flange, right end, cut", R + 0.3, 0.0, -W, Seen::Background},
        {"just beyond the front flange", -(R + 1.5), 0.0, W, Seen::Background},
    };
    for (const Probe& p : probes) {
        const QPoint at = ViewPixel(*box, c, p.x, p.y, p.z);
        const Seen seen = PatchAt(frame, at);
        EXPECT_EQ(seen, p.expected) << p.what << " at " << at.x() << "," << at.y() << " shows "
                                    << NameOf(seen) << " " << frame.pixelColor(at).name().toStdString();
    }
}

TEST_F(PanelAndView, PictureOfTheWholeWindowForAPersonToLookAt)
{
    for (const char* name : {"btnMaulweitePlus", "btnDurchmesserPlus", "btnColorFelgenhorn", "btnSchnitt"})
        Click(name);
    // The view is a native window inside a container, which grab() cannot read.
    QImage window = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage view = CaptureFrame(*box);
    ASSERT_FALSE(view.isNull());
    {
        QPainter painter(&window);
        painter.drawImage(200, 0, view);
    }
    const QString path = WriteTestImage(window, QStringLiteral("panel-window"));
    EXPECT_EQ(window.size(), box->size());
    // The panel and the view meet at x = 200: white panel, then the picture.
    EXPECT_EQ(window.pixelColor(195, window.height() - 5), QColor(Qt::white)) << path.toStdString();
    EXPECT_EQ(Classify(window.pixelColor(205, window.height() - 5)), Seen::Background) << path.toStdString();
}
