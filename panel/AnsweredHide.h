#pragma once

#include "FrameAnswers.h"

#include <QCloseEvent>
#include <QWidget>

// One of Qt's windows (a menu, a tooltip) whose hide and close wait until the
// compositor has answered its last frame, however they come: from the
// program, from Qt's own handling of a click or a key, or from the
// compositor dismissing a popup. It stays on screen for that frame at most.
template <class Base>
class AnsweredHide : public Base {
public:
    using Base::Base;

    void setVisible(bool visible) override
    {
        if (visible)
            Gate.Cancel();
        if (visible || Gate.Open(*this, [this] { Base::setVisible(false); }))
            Base::setVisible(visible);
    }

    // Hides now: for a caller that has just had every frame answered.
    void HideAtOnce() { Base::setVisible(false); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (Gate.Open(*this, [this] { this->close(); }))
            Base::closeEvent(event);
        else
            event->ignore();
    }

    HideGate Gate;
};

// A dialog whose answer waits too: Qt closes a dialog it is done with
// without a close event of its own.
template <class Dialog>
class AnsweredDialog : public AnsweredHide<Dialog> {
public:
    using AnsweredHide<Dialog>::AnsweredHide;

    void done(int result) override
    {
        if (this->Gate.Open(*this, [this, result] { Dialog::done(result); }))
            Dialog::done(result);
    }
};
