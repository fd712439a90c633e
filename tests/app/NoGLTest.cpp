#include "Application.h"
#include "Release.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Run in its own process: the program makes its own application object.
namespace {

QString ShownMessage;
QString ShownCaption;
QString ShownOver;

// Answers the program's message box as a user would, a moment after it is
// on screen, and remembers its text and the window it was shown over. (Qt 6.4
// on Wayland can hang in its teardown when a window closes within a few
// milliseconds of being shown, which no person does.)
void AnswerMessageBoxes()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [] {
        static QElapsedTimer shown;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed())
            return;
        if (!shown.isValid())
            shown.start();
        if (shown.elapsed() >= 300) {
            ShownMessage = box->text();
            ShownCaption = box->windowTitle();
            ShownOver = box->parentWidget() ? box->parentWidget()->objectName() : QString();
            box->accept();
        }
    });
    poll->start(20);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(AnswerMessageBoxes)

TEST(NoGL, WithoutAnyGLIntegrationTheProgramSaysSoAndExitsNonZero)
{
    // The display works, but offers no GL at all: on X11 with Qt's GL
    // integration off, on Wayland with no EGL driver to be found.
    setenv("QT_XCB_GL_INTEGRATION", "none", 1);
    setenv("__EGL_VENDOR_LIBRARY_FILENAMES", "/nonexistent/egl_vendor.json", 1);
    char name[] = "marloquent";
    char* argv[] = {name, nullptr};
    const int code = RunMarloQuent(1, argv);
    EXPECT_NE(code, 0);
    EXPECT_TRUE(ShownMessage.contains(QStringLiteral("OpenGL"))) << ShownMessage.toStdString();
    // The program and its release, as in every version before.
    EXPECT_EQ(ShownCaption.toStdString(), std::string("MarloQuent ") + Release::Version);
    EXPECT_EQ(ShownOver.toStdString(), "OpenGL_box");
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
