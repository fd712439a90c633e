#pragma once

#include "WheelConfig.h"

#include <optional>
#include <string>
#include <string_view>

// A rim as a typed marking gives it, settled against the rim shown: every
// value is one the panel's buttons can also set.
struct MarkedRim {
    double Maulweite = 0.0;    // inch
    bool Tiefbett = false;
    double Durchmesser = 0.0;  // inch
    int StyleHumpCount = 0;    // 0 both humps, 1 front only, 2 none
    double Einpresstiefe = 0.0;  // mm
};

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

// Sets the rim's values and those derived from them.
void ApplyMarkedRim(WheelConfig& c, const MarkedRim& rim);

// The offsets, in whole millimetres, that the offset buttons keep at a width.
struct OffsetBand {
    int lowest = 0;
    int highest = 0;
};
OffsetBand OffsetBandAt(double maulweite);

// The marking of the rim explained part by part, e.g. "6J: Maulweite 6 Zoll,
// Hornform J · x: Tiefbett · 15: Durchmesser 15 Zoll · H2: Hump auf beiden
// Seiten · ET34: Einpresstiefe 34 mm".
std::string ExplainRimMarking(const WheelConfig& c, std::string_view decimalSeparator);
