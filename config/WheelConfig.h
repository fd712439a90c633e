#pragma once

#include <array>
#include <cstdint>
#include <vector>

// A turn of the view that waits for the next frame: degrees about an axis of
// the screen.
struct PendingTurn {
    float angle = 0.0f;
    std::array<float, 3> axis{};
    bool operator==(const PendingTurn&) const = default;
};

// The whole mutable state of the viewer apart from the GL objects: the rim's
// dimensions, profile choices, highlight and indicator flags, and the view.
// Lengths are in model units of 20 mm unless a field says otherwise.
struct WheelConfig {
    double Maulweite = 0.0;      // rim width, inch
    double HalfWidth = 0.0;      // Maulweite * 2.54 / 4, model units
    double Durchmesser = 0.0;    // rim diameter, inch
    double Radius = 0.0;         // Durchmesser * 2.54 / 4, model units
    double Einpresstiefe = 0.0;  // wheel offset, mm, positive towards +z
    std::int32_t Radbolzen = 0;

    std::int32_t StyleHumpCount = 0;
    bool HumpFront = false;
    bool HumpBack = false;
    bool Tiefbett = false;

    bool ShowMaulweite = false;
    bool ShowEinpresstiefe = false;
    bool ShowDurchmesser = false;

    bool ColorFelgenschuessel = false;
    bool ColorFelgenhorn = false;
    bool ColorFelgenschulter = false;
    bool ColorHump = false;
    bool ColorFelgenbett = false;
    bool ColorRadschuessel = false;

    bool Halbschnitt = false;
    std::array<double, 4> ClipEquation{};
    std::int32_t StyleMode = 0;  // 1 filled, 2 outlines, 3 points
    float ZoomExtent = 0.0f;     // half the horizontal view extent
    // The picture moved on screen, in model units (x right, y up): the
    // model's origin shows this far from the view's centre.
    std::array<double, 2> Pan{};
    // The pending turns, which the next frame applies in the order taken and
    // clears: RotAngle about RotAxis first, then each later one, about another
    // axis than the turn before it.
    float RotAngle = 0.0f;  // degrees
    std::array<float, 3> RotAxis{};
    std::vector<PendingTurn> LaterTurns;
    std::array<float, 16> RotMatrix{};  // accumulated rotation, column-major
    double AspectRatio = 0.0;           // client width / client height
    unsigned int WheelList = 0;         // GL display-list name of the current wheel
};

inline constexpr float InitialZoomExtent = 20.0f;

// The start-up values, in the order the creation handler sets them. Leaves
// Halbschnitt, the pending turns, RotMatrix, AspectRatio and WheelList alone.
void SetInitialConfig(WheelConfig& c);
