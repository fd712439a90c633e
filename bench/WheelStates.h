#pragma once

#include <span>

struct WheelConfig;

// A wheel state reached from the start configuration by panel commands.
struct WheelState {
    const char* name;
    void (*apply)(WheelConfig& c);
    bool byDefault;  // measured when the benchmark is given no state names
};

// Every state the memory benchmark knows: the start state, each indicator,
// each highlight, then half section, polygon styles, profiles and bolt counts.
std::span<const WheelState> WheelStates();
