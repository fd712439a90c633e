#pragma once

#include <QWindow>

#include <functional>

// The native window the GL view draws on. It paints only when told that it is
// exposed or asked to update; the owner decides what a paint draws.
class GLView : public QWindow {
public:
    explicit GLView(std::function<void()> paint);

protected:
    void exposeEvent(QExposeEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::function<void()> Paint;
};
