#include "FrameCapture.h"
#include "ct_ogl1.h"

#include <gtest/gtest.h>

TEST(Frame, BackgroundGradientRunsFromClearColourToLitTop)
{
    TOpenGL_box box;
    ASSERT_TRUE(box.HasGLContext());
    ASSERT_TRUE(ShowAndExpose(box));
    const QImage frame = CaptureFrame(box);
    WriteTestImage(frame, "frame-start");
    ASSERT_FALSE(frame.isNull());
    const int x = 5;
    EXPECT_TRUE(PixelNear(frame, x, 0, 0.44, 0.58, 0.95)) << frame.pixelColor(x, 0).name().toStdString();
    EXPECT_TRUE(PixelNear(frame, x, frame.height() - 1, 0.05, 0.23, 0.59))
        << frame.pixelColor(x, frame.height() - 1).name().toStdString();
}
