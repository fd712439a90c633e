#pragma once

#include "WheelRules.h"

#include <optional>
#include <string>
#include <string_view>

// Either the rim, or in German why the marking cannot be read or lies
// outside what the panel can set, naming the part, the value and what is
// allowed.
struct MarkingReading {
    std::optional<MarkedRim> rim;
    std::string message;
};

// Reads the common ways of writing a marking, in any case and with or
// without spaces: "7J x 16 H2 ET40", "7Jx16H2 ET40", "7,5J x 16",
// "7.5J-16 H ET35", "6j x 15 et -8". Without "ET" the current offset stays,
// or moves to the nearest one the new width allows. Figures in messages use
// the given decimal separator.
MarkingReading ReadRimMarking(std::string_view text, const WheelConfig& current, std::string_view decimalSeparator);
