#pragma once

#include "ViewInput.h"

#include <QObject>

class ViewCommands;

// The table of the view's controls put to work: the window's shortcuts and
// the view's menu entries as actions, and the view's keys and gestures, each
// running the command its row gives.
class ViewControlInput : public QObject, public ViewInput {
public:
    // On the commands' window, so that the shortcuts work wherever the focus
    // is in it.
    explicit ViewControlInput(ViewCommands& commands);

    void ViewGesture(Gesture gesture, const GestureAmount& amount) override;
    void ViewPressed() override;
    void ViewPointerMoved(std::optional<QPointF> position) override;

protected:
    // The view's keys, while its widget has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ViewCommands& Commands;
};
