#pragma once

#include <QWindow>

#include <functional>

// The native window the GL view draws on. It paints when it is exposed, or
// when an update is asked for while it can present; the owner decides what a
// paint draws.
class GLView : public QWindow {
public:
    explicit GLView(std::function<void()> paint);

protected:
    void exposeEvent(QExposeEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::function<void()> Paint;
};
