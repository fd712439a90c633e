#pragma once

#include <QWindow>

#include <functional>

class QOpenGLContext;

// A native GL window that does nothing but clear and swap when it is exposed:
// the least a GL view can do to put a picture on screen. It asks for the
// viewer's pixel format, so that both pay for the same visual and buffers.
// A subclass may draw more in place of the clear.
class BareView : public QWindow {
public:
    // presented runs after every swap.
    explicit BareView(std::function<void()> presented);
    ~BareView() override;

    // Draws and swaps; the first call creates the context.
    void Draw();

protected:
    void exposeEvent(QExposeEvent* event) override;
    // The picture, with the context current: a clear.
    virtual void DrawPicture();

private:
    std::function<void()> Presented;
    QOpenGLContext* Context = nullptr;
};
