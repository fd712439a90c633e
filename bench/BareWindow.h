#pragma once

#include <QWidget>

#include <functional>

class BareView;

// The viewer's window without the viewer: a top-level of the same outer size
// whose area right of a 200-pixel strip is a native child GL window that only
// clears and swaps. What the viewer's start costs beyond this is its own.
class BareWindow : public QWidget {
public:
    explicit BareWindow(std::function<void()> presented);

    BareView* View() const { return GLWindow; }

private:
    BareView* GLWindow = nullptr;
};
