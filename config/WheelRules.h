#pragma once

#include "WheelConfig.h"

// The command rules. Each applies its step, guard, bound and derived value in
// full; a refused or bounded step leaves the value as it was, silently.

void WidthUp(WheelConfig& c);          // +0.5 inch, bounded at 8.0
void WidthDown(WheelConfig& c);        // -0.5 inch while the offset still fits the new width
void DiameterUp(WheelConfig& c);       // +1 inch, 18 becomes 17
void DiameterDown(WheelConfig& c);     // -1 inch, 12 becomes 13
void OffsetUp(WheelConfig& c);         // +1 mm while the disc stays within the well floor
void OffsetDown(WheelConfig& c);       // -1 mm while the disc stays within the well floor
void BoltsUp(WheelConfig& c);          // 6 becomes 5
void BoltsDown(WheelConfig& c);        // 2 becomes 3

void CyclePolygonStyle(WheelConfig& c);  // 1, 2, 3, 1
void CycleHumpStyle(WheelConfig& c);     // both humps, front only, none, both
void ToggleWell(WheelConfig& c);
void ToggleHalfSection(WheelConfig& c);

enum class Indicator { Maulweite, Einpresstiefe, Durchmesser };
void ToggleIndicator(WheelConfig& c, Indicator which);  // at most one shown

enum class RimPart { Felgenhorn, Felgenschulter, Hump, Felgenbett, Radschuessel };
void TogglePartHighlight(WheelConfig& c, RimPart which);  // lights one part, clears the rest
void ToggleWholeRimHighlight(WheelConfig& c);             // all four rim parts, disc off

void ZoomOut(WheelConfig& c);  // x1.1 while below 50
void ZoomIn(WheelConfig& c);   // x0.9 while above 5

// Each adds a 15-degree turn about a screen axis to those pending for the
// next frame.
void RotateUp(WheelConfig& c);
void RotateDown(WheelConfig& c);
void RotateLeft(WheelConfig& c);
void RotateRight(WheelConfig& c);

// The steps of the view buttons, which the view's keys and wheel take too.
enum class ViewStep { RotateUp, RotateDown, RotateLeft, RotateRight, ZoomIn, ZoomOut };

// The step taken `times` over before one frame, leaving the view as that many
// clicks of its button would: each zoom step tests its limit; the turns add
// up to one pending turn about their axis, which the frame applies.
void TakeViewStep(WheelConfig& c, ViewStep step, int times = 1);

// A drag in the view, in logical pixels (x right, y down), as one pending
// turn about the screen axis at right angles to it: a drag across the view's
// height turns the model 180 degrees. A drag of no length adds nothing.
void DragRotate(WheelConfig& c, double dx, double dy, double viewHeight);

// Back to the start-up orientation and zoom, the picture in the middle; the
// wheel itself is untouched.
// The start orientation is the matrix captured from GL at start-up.
void ResetView(WheelConfig& c, const std::array<float, 16>& startRotation);

// A rim as a typed marking gives it, settled against the rim shown: every
// value is one the panel's buttons can also set.
struct MarkedRim {
    double Maulweite = 0.0;    // inch
    bool Tiefbett = false;
    double Durchmesser = 0.0;  // inch
    int StyleHumpCount = 0;    // a row of HumpSettings
    double Einpresstiefe = 0.0;  // mm
};

// Sets the rim's values and those derived from them.
void ApplyMarkedRim(WheelConfig& c, const MarkedRim& rim);

// The offsets, in whole millimetres, that the offset buttons keep at a width.
struct OffsetBand {
    int lowest = 0;
    int highest = 0;
};
OffsetBand OffsetBandAt(double maulweite);
