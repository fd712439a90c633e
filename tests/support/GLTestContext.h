#pragma once

#include <QOpenGLContext>
#include <QWindow>

#include <memory>

// A compatibility GL context current on a small hidden window, for tests that
// drive the model or the frame without the main window.
class GLTestContext {
public:
    GLTestContext();
    ~GLTestContext();
    bool valid() const { return Valid; }
    void makeCurrent();

private:
    std::unique_ptr<QWindow> Window;
    std::unique_ptr<QOpenGLContext> Context;
    bool Valid = false;
};
