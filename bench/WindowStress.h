#pragma once

#include <functional>

// Cycles of the program's own windows racing the compositor, in this
// process: the refusal reasons moved between two buttons ten times, the
// view's part name shown and taken away, two buttons' hints, the view's
// context menu opened and closed, and, in the first cycle and every fourth
// after it, a second main window shown, drawn and closed. Each hide comes a
// random moment of up to about a compositor frame after the paint before
// it, so that it falls anywhere around the compositor's answer to it.
// Calls cycleDone after each cycle; false when a window never came up.
bool RunWindowStress(int cycles, const std::function<void(int)>& cycleDone);
