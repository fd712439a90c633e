#pragma once

#include "FrameAnswers.h"

#include <QWidget>

// One of Qt's windows (a menu, a dialog, a tooltip) whose hide waits until
// the compositor has answered its last frame, however the hide comes: from
// the program, from Qt's own handling of a click or a key, or from the
// compositor dismissing a popup. It stays on screen for that frame at most.
template <class Base>
class AnsweredHide : public Base {
public:
    using Base::Base;

    void setVisible(bool visible) override
    {
        HideWanted = !visible;
        if (visible || !this->isVisible() || !HidesWaitForFrames() || !this->windowHandle()) {
            Base::setVisible(visible);
            return;
        }
        if (Waiting)
            return;
        Waiting = true;
        AfterFramesAnswered(WindowAndPopups(this->windowHandle()), this, [this] {
            Waiting = false;
            if (HideWanted)
                Base::setVisible(false);
        });
    }

    // Hides now: for a caller that has just had every frame answered.
    void HideAtOnce()
    {
        HideWanted = true;
        Base::setVisible(false);
    }

private:
    bool HideWanted = false;
    bool Waiting = false;
};
