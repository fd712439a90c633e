#pragma once

class QWidget;
struct WheelConfig;

// The highlight and indicator "?" buttons and "Halbschnitt" as switches:
// checkable, so that one that is on is drawn pressed and reported checked
// to assistive technology.
void MakeToggleButtonsCheckable(QWidget& panel);

// Each switch's button checked exactly while the configuration has it on;
// after any command, since one switch may turn others off.
void ShowToggleStates(const WheelConfig& c, QWidget& panel);
