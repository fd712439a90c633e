#pragma once

#include "WheelConfig.h"

// The panel's switches that are either on or off.
enum class Toggle {
    ColorFelgenschuessel,
    ColorFelgenhorn,
    ColorFelgenschulter,
    ColorHump,
    ColorFelgenbett,
    ColorRadschuessel,
    ShowMaulweite,
    ShowEinpresstiefe,
    ShowDurchmesser,
    Halbschnitt,
};

// Whether the switch is on in the configuration. The whole-rim highlight
// lights the four rim parts too, and their switches show it.
bool ToggleOn(const WheelConfig& c, Toggle toggle);
