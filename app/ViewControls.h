#pragma once

#include "ViewInput.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

#include <vector>

class QKeyEvent;
class QWidget;
class ViewCommands;

// One control of the view: what it does, the keys and the gestures that do
// it, and the command. The window's shortcuts and actions, the view's keys
// and gestures, its context menu and the list of controls shown by F1 are
// all made from the table of these rows.
struct ViewControl {
    enum Group { Pictures, View, Window };

    // What it does, in the view's menu and in the list of controls.
    const char* text;
    Group group;  // the menu sets the groups apart
    bool inMenu;
    // Keys anywhere in the window.
    QList<QKeySequence> shortcuts;
    // Keys while the view has the focus. A typed character counts with or
    // without Shift, which some layouts need for it, and from the keypad.
    QList<QKeyCombination> viewKeys;
    // What the mouse does for it in the view, for the list; null for nothing.
    const char* pointer;
    // What the keys do; null where the panel or Qt itself does it, or for
    // a gesture alone.
    void (*command)(ViewCommands&);
    // The gestures in the view that do it, and what they do with how far and
    // where they went.
    QList<Gesture> gestures = {};
    void (*gestureCommand)(ViewCommands&, const GestureAmount&) = nullptr;
};

// Every control, in the order of the menu and of the list.
const std::vector<ViewControl>& ViewControlTable();

// The row whose view key the event is; null for any other key.
const ViewControl* ViewKeyControl(const QKeyEvent& event);

// The row that says what the gesture does; null where none does.
const ViewControl* GestureControl(Gesture gesture);

// The list of controls, with the key names in the user's language, in a
// small dialog over the window; returns when it is closed.
void ShowControlsHelp(QWidget* parent);
