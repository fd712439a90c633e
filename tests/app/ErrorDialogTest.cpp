#include "DialogCounter.h"
#include "FrameCapture.h"
#include "GLView.h"
#include "X11Properties.h"
#include "ct_ogl1.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <GL/gl.h>

namespace {

struct DialogSeen {
    int dialogs = 0;       // error dialogs seen open at once, at most
    int framesWhileOpen = 0;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QPoint centre;
    QWidget* parent = nullptr;
};

int OpenErrorDialogs()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w) && w->isVisible())
            ++count;
    return count;
}

// Records what the error dialog shows while it is open, and pokes the window
// with paints meanwhile; the counter then closes it.
void WatchErrorDialogs(DialogCounter& dialogs, TOpenGL_box& box, DialogSeen& seen, QSignalSpy& presented)
{
    dialogs.LookAtMessages([&box, &seen, &presented](QMessageBox& dialog) {
        const int before = presented.count();
        box.RenderScene();
        box.View()->requestUpdate();
        QApplication::processEvents();
        QApplication::processEvents();
        seen.framesWhileOpen = presented.count() - before;
        seen.dialogs = std::max(seen.dialogs, OpenErrorDialogs());
        seen.text = dialog.text();
        seen.title = dialog.windowTitle();
        seen.icon = dialog.icon();
        seen.buttons = dialog.standardButtons();
        seen.centre = dialog.frameGeometry().center();
        seen.parent = dialog.parentWidget();
    });
}

}  // namespace

TEST(ErrorDialog, AnErrorRaisedBeforeAFrameIsReportedOnceAndTheFrameStillPresented)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    QSignalSpy presented(&box, &TOpenGL_box::FramePresented);
    DialogSeen seen;
    DialogCounter dialogs;
    WatchErrorDialogs(dialogs, box, seen, presented);

    glEnable(0x7FFF);  // no such capability: GL_INVALID_ENUM
    box.RenderScene();

    EXPECT_EQ(seen.dialogs, 1);
    EXPECT_EQ(seen.framesWhileOpen, 0);
    EXPECT_EQ(seen.text.toStdString(), "Error in OpenGL scene gefunden!");
    EXPECT_EQ(seen.title.toStdString(), "Fehler");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.parent, &box);
    // Only where the platform lets a program place its windows.
    if (RunningOnX11()) {
        EXPECT_LE((seen.centre - box.screen()->geometry().center()).manhattanLength(), 2);
    }
    EXPECT_EQ(presented.count(), 1);
    EXPECT_EQ(OpenErrorDialogs(), 0);

    // The error was read: the next frame is clean and opens nothing.
    presented.clear();
    box.RenderScene();
    EXPECT_EQ(presented.count(), 1);
    EXPECT_EQ(OpenErrorDialogs(), 0);
}

TEST(ErrorDialog, AnErrorEveryFrameBringsOneDialogPerFrameAndNeverStacksThem)
{
    TOpenGL_box box;
    ASSERT_TRUE(ShowAndExpose(box));
    // A list whose replay raises an error in every frame.
    const GLuint faulty = glGenLists(1);
    glNewList(faulty, GL_COMPILE);
    glEnable(0x7FFF);
    glEndList();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const unsigned wheel = box.Config().WheelList;
    box.Config().WheelList = faulty;

    QSignalSpy presented(&box, &TOpenGL_box::FramePresented);
    DialogCounter dialogs;
    DialogSeen seen;
    WatchErrorDialogs(dialogs, box, seen, presented);
    for (int frame = 0; frame < 3; ++frame) {
        seen = {};
        const int before = presented.count();
        box.RenderScene();
        EXPECT_EQ(seen.dialogs, 1) << "frame " << frame;
        EXPECT_EQ(seen.framesWhileOpen, 0) << "frame " << frame;
        EXPECT_EQ(presented.count() - before, 1) << "frame " << frame;
    }
    box.Config().WheelList = wheel;
    glDeleteLists(faulty, 1);
}
