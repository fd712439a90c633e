#include "WheelStates.h"

#include "WheelConfig.h"
#include "WheelRules.h"

namespace {

constexpr WheelState States[] = {
    {"start", [](WheelConfig&) {}, true},
    {"width", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Maulweite); }, true},
    {"offset", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Einpresstiefe); }, true},
    {"diameter", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Durchmesser); }, true},
    {"whole-rim", [](WheelConfig& c) { ToggleWholeRimHighlight(c); }, true},
    {"flange", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenhorn); }, true},
    {"bead-seat", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenschulter); }, true},
    {"hump", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Hump); }, true},
    {"well", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenbett); }, true},
    {"disc", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Radschuessel); }, true},
    {"half-section", [](WheelConfig& c) { ToggleHalfSection(c); }, false},
    {"outlines", [](WheelConfig& c) { CyclePolygonStyle(c); }, false},
    {"points", [](WheelConfig& c) { CyclePolygonStyle(c); CyclePolygonStyle(c); }, false},
    {"front-hump-only", [](WheelConfig& c) { CycleHumpStyle(c); }, false},
    {"no-humps", [](WheelConfig& c) { CycleHumpStyle(c); CycleHumpStyle(c); }, false},
    {"plain-well", [](WheelConfig& c) { ToggleWell(c); }, false},
    {"3-bolts", [](WheelConfig& c) { BoltsDown(c); }, false},
    {"5-bolts", [](WheelConfig& c) { BoltsUp(c); }, false},
};

}  // namespace

std::span<const WheelState> WheelStates()
{
    return States;
}
