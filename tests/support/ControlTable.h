#pragma once

#include "WheelRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Groups of configuration variables that one command may change; any other
// group it touches is a fault.
enum Group : std::uint32_t {
    kWidth = 1 << 0, kDiameter = 1 << 1, kOffset = 1 << 2, kBolts = 1 << 3,
    kPolygon = 1 << 4, kHump = 1 << 5, kWell = 1 << 6, kSection = 1 << 7,
    kIndicators = 1 << 8, kColors = 1 << 9, kZoom = 1 << 10, kRotation = 1 << 11,
    kFrameState = 1 << 12,  // written by rendering and the window, never by a command
};

enum class Dimension { None, Width, Diameter, Offset, Bolts };

// A control of the panel: the rule its click applies to the configuration,
// what that may change, whether the click rebuilds the wheel (the view
// buttons only draw) and, for the dimension buttons, the value it steps and
// which way.
struct Control {
    const char* name;
    void (*rule)(WheelConfig&);
    std::uint32_t mayChange;
    bool rebuilds;
    Dimension dimension = Dimension::None;
    int direction = 0;
};

// Every control of the panel, view buttons first.
inline constexpr std::array<Control, 27> kControls{{
    {"SpeedButton6", ZoomOut, kZoom, false},
    {"SpeedButton5", ZoomIn, kZoom, false},
    {"SpeedButton1", RotateUp, kRotation, false},
    {"SpeedButton2", RotateDown, kRotation, false},
    {"SpeedButton3", RotateLeft, kRotation, false},
    {"SpeedButton4", RotateRight, kRotation, false},
    {"btnSchnitt", ToggleHalfSection, kSection, true},
    {"btnStyle", CyclePolygonStyle, kPolygon, true},
    {"btnMaulweitePlus", WidthUp, kWidth, true, Dimension::Width, 1},
    {"btnMaulweiteMinus", WidthDown, kWidth, true, Dimension::Width, -1},
    {"btnShowMaulweite", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Maulweite); }, kIndicators, true},
    {"btnDurchmesserPlus", DiameterUp, kDiameter, true, Dimension::Diameter, 1},
    {"btnDurchmesserMinus", DiameterDown, kDiameter, true, Dimension::Diameter, -1},
    {"btnShowDurchmesser", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Durchmesser); }, kIndicators, true},
    {"btnEinpresstiefePlus", OffsetUp, kOffset, true, Dimension::Offset, 1},
    {"btnEinpresstiefeMinus", OffsetDown, kOffset, true, Dimension::Offset, -1},
    {"btnShowEinpresstiefe", [](WheelConfig& c) { ToggleIndicator(c, Indicator::Einpresstiefe); }, kIndicators,
     true},
    {"btnLochkreisePlus", BoltsUp, kBolts, true, Dimension::Bolts, 1},
    {"btnLochkreiseMinus", BoltsDown, kBolts, true, Dimension::Bolts, -1},
    {"btnColorFelgenschuessel", ToggleWholeRimHighlight, kColors, true},
    {"btnColorFelgenhorn", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenhorn); }, kColors, true},
    {"btnColorFelgenschulter", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenschulter); }, kColors,
     true},
    {"btnStyleHump", CycleHumpStyle, kHump, true},
    {"btnColorHump", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Hump); }, kColors, true},
    {"btnStyleFelgenbett", ToggleWell, kWell, true},
    {"btnColorFelgenbett", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Felgenbett); }, kColors, true},
    {"btnColorRadschuessel", [](WheelConfig& c) { TogglePartHighlight(c, RimPart::Radschuessel); }, kColors, true},
}};

inline const Control& ControlNamed(std::string_view name)
{
    const auto found = std::find_if(kControls.begin(), kControls.end(),
                                    [name](const Control& c) { return name == c.name; });
    if (found == kControls.end())
        throw std::invalid_argument("no control named " + std::string(name));
    return *found;
}
