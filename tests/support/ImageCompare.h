#pragma once

#include <QImage>
#include <QString>

#include <vector>

#include <gtest/gtest.h>

// The largest difference of the red, green and blue values of two pixels.
int ChannelDifference(QRgb a, QRgb b);

// The pixels at which two pictures of one size differ by more than the
// tolerance, as do all pixels within `margin` of them, row by row from the top.
std::vector<QPoint> ChangedPixels(const QImage& a, const QImage& b, int tolerance, int margin = 0);

struct ImageDifference {
    bool sameSize = false;
    int largest = 0;    // largest channel difference over all pixels
    int differing = 0;  // pixels whose channel difference exceeds the tolerance
};

// Compares two pictures pixel for pixel by their colours; alpha is ignored.
ImageDifference CompareImages(const QImage& actual, const QImage& expected, int tolerance);

// Passes when the pictures have one size and at most allowedPixels of their
// pixels differ by more than the tolerance; otherwise writes both into the
// test output, as name-actual and name-expected, and says where.
testing::AssertionResult ImagesMatch(const QImage& actual, const QImage& expected, const QString& name,
                                     int tolerance = 0, int allowedPixels = 0);
