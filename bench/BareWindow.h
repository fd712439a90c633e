#pragma once

#include <QWidget>

class BareView;

// The viewer's window without the viewer: a top-level of the same outer size
// whose area right of a 200-pixel strip is the given native child GL window,
// which it takes over. What the viewer's start costs beyond this is its own.
class BareWindow : public QWidget {
public:
    explicit BareWindow(BareView* view);

    BareView* View() const { return GLWindow; }

private:
    BareView* GLWindow = nullptr;
};
