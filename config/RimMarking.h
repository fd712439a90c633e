#pragma once

#include "WheelConfig.h"

#include <string>
#include <string_view>

// The marking a rim carries, from the configuration: width in inches with the
// flange letter J, "x" for a drop-centre well or "-" for a flat one, the
// diameter, the hump setting's code and the offset: "6J x 15 H2 ET34" at
// start. Numbers are written as the panel's labels write them, with the given
// decimal separator.
std::string RimMarking(const WheelConfig& c, std::string_view decimalSeparator);

// What the view shows, in German words, for a person who cannot see it: the
// rim by its marking and its parts, what is highlighted, which dimension is
// measured, the half section and the drawing style.
std::string ViewDescription(const WheelConfig& c, std::string_view decimalSeparator);

// The marking of the rim explained part by part, e.g. "6J: Maulweite 6 Zoll,
// Hornform J · x: Tiefbett · 15: Durchmesser 15 Zoll · H2: Hump auf beiden
// Seiten · ET34: Einpresstiefe 34 mm".
std::string ExplainRimMarking(const WheelConfig& c, std::string_view decimalSeparator);
