#include "ImageCompare.h"

#include "FrameCapture.h"

#include <algorithm>
#include <cstdlib>

int ChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

std::vector<QPoint> ChangedPixels(const QImage& a, const QImage& b, int tolerance, int margin)
{
    const auto changed = [&](int x, int y) {
        return a.valid(x, y) && b.valid(x, y) && ChannelDifference(a.pixel(x, y), b.pixel(x, y)) > tolerance;
    };
    std::vector<QPoint> pixels;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool all = true;
            for (int dy = -margin; dy <= margin && all; ++dy)
                for (int dx = -margin; dx <= margin && all; ++dx)
                    all = changed(x + dx, y + dy);
            if (all)
                pixels.emplace_back(x, y);
        }
    }
    return pixels;
}

ImageDifference CompareImages(const QImage& actual, const QImage& expected, int tolerance)
{
    ImageDifference result;
    result.sameSize = !actual.isNull() && actual.size() == expected.size();
    if (!result.sameSize)
        return result;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const int d = ChannelDifference(actual.pixel(x, y), expected.pixel(x, y));
            result.largest = std::max(result.largest, d);
            result.differing += d > tolerance;
        }
    }
    return result;
}

testing::AssertionResult ImagesMatch(const QImage& actual, const QImage& expected, const QString& name,
                                     int tolerance, int allowedPixels)
{
    const ImageDifference d = CompareImages(actual, expected, tolerance);
    if (d.sameSize && d.differing <= allowedPixels)
        return testing::AssertionSuccess();
    const QString written = WriteTestImage(actual, name + QStringLiteral("-actual"));
    WriteTestImage(expected, name + QStringLiteral("-expected"));
    auto failure = testing::AssertionFailure();
    if (!d.sameSize)
        failure << "sizes differ: " << actual.width() << "x" << actual.height() << " against " << expected.width()
                << "x" << expected.height();
    else
        failure << d.differing << " pixels differ by more than " << tolerance << " (largest difference "
                << d.largest << ")";
    return failure << "; see " << written.toStdString() << " and its -expected picture";
}
