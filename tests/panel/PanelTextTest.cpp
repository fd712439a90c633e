#include "PanelTestSupport.h"

#include "FrameCapture.h"
#include "ImageCompare.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using PanelText = PanelWindowTest;

// A widget's area in a picture of the whole window, in the picture's pixels.
QRect DeviceArea(const QWidget* w, const QWidget* window, qreal dpr)
{
    const QRectF logical(w->mapTo(window, QPoint(0, 0)), w->size());
    return QRectF(logical.topLeft() * dpr, logical.size() * dpr).toAlignedRect();
}

QRgb MostCommonColour(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb common = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            common = it.key();
        }
    }
    return common;
}

// The box around the pixels that stand out from the area's most common colour
// by more than a quarter of the full contrast: the ink of the text drawn
// there, with the antialiased edges of thin strokes.
QRect InkBox(const QImage& image, const QRect& area)
{
    const QRgb background = MostCommonColour(image, area);
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ChannelDifference(image.pixel(x, y), background) > 63)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The ink of a caption drawn alone in a font at scale 1.
QRect ReferenceInk(const QFont& font, const QString& caption, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, caption);
    }
    return InkBox(image, image.rect());
}

// The widths of the text strokes that the rows of an area cross: each run of
// text pixels counts every pixel by its coverage, so antialiased edges count
// in part. The median is the stem width of a line of text.
double MedianStrokeWidth(const QImage& image, const QRect& area, QRgb text, QRgb background)
{
    const double full = ChannelDifference(text, background);
    std::vector<double> runs;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        double run = 0.0;
        for (int x = area.left(); x <= area.right() + 1; ++x) {
            const double coverage = x <= area.right() ? ChannelDifference(image.pixel(x, y), background) / full : 0.0;
            if (coverage > 0.1) {
                run += std::min(coverage, 1.0);
            } else if (run > 0.0) {
                if (run >= 0.5)
                    runs.push_back(run);
                run = 0.0;
            }
        }
    }
    if (runs.empty())
        return 0.0;
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    return runs[runs.size() / 2];
}

}  // namespace

// The whole window as it shows: once at scale 1 and once on a screen scaled by
// two, where every text must be drawn at twice the size, glyphs as well as
// their spacing.
TEST_F(PanelText, EveryTextIsDrawnAtTheScreensScale)
{
    const QImage window = box->grab().toImage();
    const qreal dpr = window.devicePixelRatio();
    // A widget grab may leave the GL view blank; the panel's text is what this picture is for.
    WriteTestImage(window, QStringLiteral("panel-text-scale%1-gl-view-may-be-blank").arg(dpr));

    int texts = 0;
    for (const QWidget* w : box->Panel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString caption = CaptionOf(w);
        if (caption.isEmpty())
            continue;
        ++texts;
        SCOPED_TRACE(w->objectName().toStdString() + " \"" + caption.toStdString() + "\"");
        QRect area = DeviceArea(w, box.get(), dpr);
        // Inside a button's frame and bevel.
        if (qobject_cast<const QAbstractButton*>(w))
            area = area.marginsRemoved(QMargins(1, 1, 1, 1) * qRound(2 * dpr));
        const QRect ink = InkBox(window, area);
        const QRect reference = ReferenceInk(w->font(), caption, w->size());
        ASSERT_FALSE(ink.isEmpty()) << "no text drawn";
        // Hinting at the two sizes moves each edge by up to a pixel.
        EXPECT_NEAR(ink.height(), reference.height() * dpr, dpr + 1.0);
        EXPECT_NEAR(ink.width(), reference.width() * dpr, dpr + 1.0);
    }
    // Seventeen labels, the two zoom faces and the push buttons' captions.
    EXPECT_EQ(texts, 17 + 2 + 21);
}

TEST_F(PanelText, HeaderIsDrawnInABoldFace)
{
    PicturesOnFailure pictures;
    const QImage& window = pictures.Keep(box->grab().toImage(), QStringLiteral("header-window"));
    const qreal dpr = window.devicePixelRatio();
    for (const char* name : {"Label2", "Label3"}) {
        SCOPED_TRACE(name);
        const QLabel* label = Label(name);
        ASSERT_NE(label, nullptr);
        const QRgb text = label->palette().color(QPalette::WindowText).rgb();
        const QRgb background = label->palette().color(QPalette::Window).rgb();
        const double seen = MedianStrokeWidth(window, DeviceArea(label, box.get(), dpr), text, background);

        // The same caption in the regular weight of the same family, at the same scale.
        QFont regularFont = label->font();
        regularFont.setBold(false);
        QImage regular((QSizeF(label->size()) * dpr).toSize(), QImage::Format_RGB32);
        regular.setDevicePixelRatio(dpr);
        regular.fill(background);
        {
            QPainter painter(&regular);
            painter.setFont(regularFont);
            painter.setPen(QColor(text));
            painter.drawText(QRect(QPoint(0, 0), label->size()), static_cast<int>(label->alignment()), label->text());
        }
        pictures.Keep(regular, QStringLiteral("header-regular-%1-scale%2").arg(QLatin1String(name)).arg(dpr));
        const double regularWidth = MedianStrokeWidth(regular, regular.rect(), text, background);

        ASSERT_GT(regularWidth, 0.0);
        // Bold stems are a fifth or more wider than regular ones (Qt's
        // synthesised bold on a screen scaled by two is the thinnest seen, at
        // 1.24); a bold face with the regular outlines stays at 1.
        EXPECT_GT(seen, 1.2 * regularWidth) << "stroke " << seen << " px, regular " << regularWidth << " px";
    }
}
