#pragma once

#include "WheelConfig.h"

#include <string>
#include <string_view>

// The panel's dimension steps, one per "+" and "-" button.
enum class DimensionStep { WidthUp, WidthDown, DiameterUp, DiameterDown, OffsetUp, OffsetDown, BoltsUp, BoltsDown };

// Why the step leaves its value as it is, and what would let it through, in
// German: "Schmaler als 6 Zoll erst bei einer Einpresstiefe bis 31 mm".
// Empty where the step changes the value. The limits named are found by
// applying the rules, so the text follows them. Figures use the given decimal
// separator, negative ones the typographic minus.
std::string StepRefusal(const WheelConfig& c, DimensionStep step, std::string_view decimalSeparator);
