#include "Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

// Run in its own process: the program makes its own application object.
namespace {

QString ShownMessage;
QString ShownOver;

// Answers the program's message box as a user would, and remembers its text
// and the window it was shown over.
void AnswerMessageBoxes()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ShownMessage = box->text();
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
    EXPECT_EQ(ShownOver.toStdString(), "OpenGL_box");
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
