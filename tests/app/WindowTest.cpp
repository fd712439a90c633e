#include "DialogCounter.h"
#include "FrameCapture.h"
#include "GLView.h"
#include "Release.h"
#include "Unit1.h"
#include "X11Properties.h"
#include "ct_ogl1.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <GL/gl.h>

TEST(MainWindow, CaptionIsExactlyTheProgramsOwnWithoutAppendedName)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    // The name is the X11 window class and the desktop file the Wayland app
    // id: both the same in every release, which is kept apart.
    EXPECT_EQ(QGuiApplication::applicationName().toStdString(), "MarloQuent");
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.marloquent.MarloQuent");
    EXPECT_EQ(QGuiApplication::applicationVersion().toStdString(), Release::Version);
    EXPECT_EQ(box.windowTitle().toStdString(), "TZ MarloQuent - Radbauformen");
    // What the window system shows, after Qt's own formatting of the title.
    if (RunningOnX11()) {
        EXPECT_EQ(X11WindowCaption(box).toStdString(), "TZ MarloQuent - Radbauformen");
    }
}

TEST(MainWindow, OpensAtItsOuterSizeCentredOrWithItsHeaderOnAScreenTooSmall)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    const QRect frame = box.frameGeometry();
    // Unless a frame as tall as Wayland's title bar leaves the client too small.
    // On a scaled screen a frame of odd device pixels rounds by one.
    const QSize margins = frame.size() - box.size();
    const QSize outer = (QSize(808, 630) - margins).expandedTo(QSize(800, 600)) + margins;
    EXPECT_LE(std::abs(frame.width() - outer.width()), box.devicePixelRatio() > 1.0 ? 1 : 0) << frame.width();
    EXPECT_LE(std::abs(frame.height() - outer.height()), box.devicePixelRatio() > 1.0 ? 1 : 0) << frame.height();
    EXPECT_EQ(box.Panel()->geometry(), QRect(0, 0, 200, box.height()));
    EXPECT_DOUBLE_EQ(box.Config().AspectRatio, static_cast<double>(box.width()) / box.height());
    if (!RunningOnX11())
        return;  // a Wayland compositor places windows itself
    // On a screen scaled by two, 1280 x 1024 pixels hold 640 x 512: too small.
    const QRect area = box.screen()->availableGeometry();
    if (frame.width() <= area.width())
        EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
    else
        EXPECT_EQ(frame.left(), area.left());
    if (frame.height() <= area.height())
        EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
    else
        EXPECT_EQ(frame.top(), area.top());
}

TEST(MainWindow, TooSmallARequestSnapsBackToTheMinimumClientSize)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    // The window system is told, so that a window manager stops the drag.
    EXPECT_EQ(box.minimumSize(), QSize(800, 600));
    if (RunningOnX11()) {
        EXPECT_EQ(X11MinimumSize(box), QSize(800, 600) * box.devicePixelRatio());
    }
    box.resize(700, 500);
    ASSERT_TRUE(WaitForClientSize(box, QSize(800, 600))) << box.width() << "x" << box.height();
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

TEST(MainWindow, ViewGetsItsGLOnlyOnceShownAndDescribesTheFormatItGot)
{
    TOpenGL_box box;
    EXPECT_FALSE(box.HasGLContext());
    EXPECT_FALSE(box.View()->handle());
    // A GL error in the first build or frame would open the error dialog.
    const DialogCounter dialogs;
    QSignalSpy presented(&box, &TOpenGL_box::FramePresented);
    ASSERT_TRUE(ShowAndExpose(box));
    ASSERT_TRUE(QTest::qWaitFor([&presented] { return presented.count() > 0; }, 5000));
    EXPECT_EQ(dialogs.Count(), 0);

    const PixelFormatDescription& described = box.DescribedFormat();
    GLint red = 0, green = 0, blue = 0, depth = 0, doubleBuffered = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_EQ(described.cRedBits, red);
    EXPECT_EQ(described.cGreenBits, green);
    EXPECT_EQ(described.cBlueBits, blue);
    EXPECT_EQ(described.cColorBits, red + green + blue);
    EXPECT_EQ(described.cDepthBits, depth);
    EXPECT_EQ((described.dwFlags & PFD_DOUBLEBUFFER) != 0, doubleBuffered != 0);
    // A true-colour display needs no palette.
    EXPECT_EQ(described.dwFlags & PFD_NEED_PALETTE, 0u);
    EXPECT_EQ(box.Palette(), 0u);
}

TEST(MainWindow, OnAScreenSmallerThanTheLeastSizeTheWindowFitsAndThePanelScrolls)
{
    TOpenGL_box box;
    const QRect area = box.screen()->availableGeometry();
    ASSERT_LT(area.height(), 600) << "registered for a small screen only";
    ASSERT_TRUE(ShowAndExpose(box));
    EXPECT_TRUE(area.contains(box.frameGeometry())) << area.height() << " " << box.frameGeometry().height();
    EXPECT_LE(box.minimumHeight(), area.height());
    // The view begins right of the panel's scroll bar.
    EXPECT_GT(box.ViewWidget()->x(), 200);
    // The marking, below the screen's edge at first, is scrolled into sight.
    ASSERT_TRUE(ActivateForKeys(box));
    QTest::keyClick(&box, Qt::Key_L, Qt::ControlModifier);
    QWidget* field = box.Panel()->findChild<QWidget*>(QStringLiteral("edtFelgenbezeichnung"));
    ASSERT_TRUE(field && field->hasFocus());
    const QRect shown(field->mapTo(&box, QPoint(0, 0)), field->size());
    EXPECT_TRUE(box.rect().contains(shown)) << shown.y() << " in " << box.height();
}
