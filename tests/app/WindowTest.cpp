#include "FrameCapture.h"
#include "Unit1.h"
#include "X11Properties.h"
#include "ct_ogl1.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

// Waits for the X round trip of a resize to come back as the window's size.
static bool WaitForClientSize(const TOpenGL_box& box, QSize expected)
{
    for (int i = 0; i < 100 && box.size() != expected; ++i)
        QTest::qWait(20);
    return box.size() == expected;
}

TEST(MainWindow, CaptionIsExactlyTheProgramsOwnWithoutAppendedName)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    EXPECT_EQ(QGuiApplication::applicationName().toStdString(), "MarloQuent 1.12");
    EXPECT_EQ(box.windowTitle().toStdString(), "TZ MarloQuent - Radbauformen");
    // What the window system shows, after Qt's own formatting of the title.
    EXPECT_EQ(X11WindowCaption(box).toStdString(), "TZ MarloQuent - Radbauformen");
}

TEST(MainWindow, OpensAtItsOuterSizeCentredOnTheScreen)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    const QRect frame = box.frameGeometry();
    EXPECT_EQ(frame.size(), QSize(808, 630));
    const QRect screen = box.screen()->geometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
    EXPECT_EQ(box.Panel()->geometry(), QRect(0, 0, 200, box.height()));
    EXPECT_DOUBLE_EQ(box.Config().AspectRatio, static_cast<double>(box.width()) / box.height());
}

TEST(MainWindow, TooSmallARequestSnapsBackToTheMinimumClientSize)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    box.resize(700, 500);
    ASSERT_TRUE(WaitForClientSize(box, QSize(800, 600))) << box.width() << "x" << box.height();
    QTest::qWait(50);
    EXPECT_EQ(box.size(), QSize(800, 600));
    EXPECT_EQ(box.Panel()->geometry(), QRect(0, 0, 200, 600));
    EXPECT_DOUBLE_EQ(box.Config().AspectRatio, 800.0 / 600.0);

    // Only the too-small side is corrected.
    box.resize(1000, 400);
    ASSERT_TRUE(WaitForClientSize(box, QSize(1000, 600))) << box.width() << "x" << box.height();
}

TEST(MainWindow, LargerSizeIsHonouredWithThePanelFollowingTheHeight)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    const float zoom = box.Config().ZoomExtent;
    const auto rotation = box.Config().RotMatrix;
    const unsigned list = box.Config().WheelList;
    box.resize(1200, 900);
    ASSERT_TRUE(WaitForClientSize(box, QSize(1200, 900)));
    EXPECT_EQ(box.Panel()->geometry(), QRect(0, 0, 200, 900));
    EXPECT_DOUBLE_EQ(box.Config().AspectRatio, 1200.0 / 900.0);
    // A resize changes the proportions only, never the model or the view.
    EXPECT_EQ(box.Config().ZoomExtent, zoom);
    EXPECT_EQ(box.Config().RotMatrix, rotation);
    EXPECT_EQ(box.Config().WheelList, list);
    // The view covers exactly the area right of the panel.
    const QWidget* container = box.findChild<QWidget*>("GLViewContainer");
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->geometry(), QRect(200, 0, 1000, 900));
}

TEST(MainWindow, TrueColourDisplayBuildsNoPalette)
{
    TOpenGL_box box;
    ASSERT_TRUE(box.HasGLContext());
    EXPECT_EQ(box.Palette(), 0u);
}
