#pragma once

#include "WheelConfig.h"

#include <string>
#include <string_view>

// How the current rim sits on the car against a reference rim, both held by
// the wheel disc's mounting face, in millimetres: positive where the
// current rim reaches further.
struct RimDifferences {
    double outerEdge = 0.0;  // further out, away from the car
    double innerEdge = 0.0;  // nearer the suspension
    double radius = 0.0;
    double track = 0.0;  // per axle, both wheels
};

RimDifferences CompareRims(const WheelConfig& current, const WheelConfig& reference);

// The differences as the panel lists them, one a line, signed, with one
// decimal and the given decimal separator: "außen +6,7 mm".
std::string DifferencesText(const RimDifferences& d, std::string_view decimalSeparator);

// The reference as the view draws it: the rim alone, nothing highlighted or
// measured, and no display list of its own yet.
WheelConfig ReferenceOf(const WheelConfig& rim);

// The comparison for a person who cannot see the view: "Verglichen mit
// 6J x 15 H2 ET34: außen +6,7 mm, …".
std::string ComparisonDescription(const WheelConfig& current, const WheelConfig& reference,
                                  std::string_view decimalSeparator);
