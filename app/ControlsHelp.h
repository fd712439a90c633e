#pragma once

class QWidget;

// The mouse and keyboard controls in a small German dialog over the window;
// returns when it is closed.
void ShowControlsHelp(QWidget* parent);
