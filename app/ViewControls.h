#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

#include <vector>

class QKeyEvent;
class QWidget;
class ViewCommands;

// One control of the view: what it does, the keys and the pointer that do
// it, and the command. The window's shortcuts and actions, the view's keys,
// its context menu and the list of controls shown by F1 are all made from
// the table of these rows.
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
    // Null where the view's window, the panel or Qt itself does it: the row
    // then only tells of it.
    void (*command)(ViewCommands&);
};

// Every control, in the order of the menu and of the list.
const std::vector<ViewControl>& ViewControlTable();

// The row whose view key the event is; null for any other key.
const ViewControl* ViewKeyControl(const QKeyEvent& event);

// The list of controls, with the key names in the user's language, in a
// small dialog over the window; returns when it is closed.
void ShowControlsHelp(QWidget* parent);
