#include "WheelRules.h"

#include "HumpSettings.h"
#include "WheelUnits.h"

#include <cmath>

// The offset guards compare decimal figures that are not exact in binary; they
// are evaluated with the 64-bit significand of long double so that the
// borderline narrowings come out as the rim tables list them.
using Ext = long double;

void WidthUp(WheelConfig& c)
{
    c.Maulweite += 0.5;
    if (c.Maulweite > 8.0)
        c.Maulweite = 8.0;
    c.HalfWidth = InchToModel(c.Maulweite);
}

void WidthDown(WheelConfig& c)
{
    const Ext newWidth = static_cast<Ext>(c.Maulweite) - 0.5L;
    if (static_cast<Ext>(c.Einpresstiefe) / 20.0L <= newWidth / 2.0L - 1.2L)
        c.Maulweite -= 0.5;
    if (c.Maulweite < 4.0)
        c.Maulweite = 4.0;
    c.HalfWidth = InchToModel(c.Maulweite);
}

void DiameterUp(WheelConfig& c)
{
    c.Durchmesser += 1.0;
    if (c.Durchmesser == 18.0)
        c.Durchmesser = 17.0;
    c.Radius = InchToModel(c.Durchmesser);
}

void DiameterDown(WheelConfig& c)
{
    c.Durchmesser -= 1.0;
    if (c.Durchmesser == 12.0)
        c.Durchmesser = 13.0;
    c.Radius = InchToModel(c.Durchmesser);
}

void OffsetUp(WheelConfig& c)
{
    if ((static_cast<Ext>(c.Einpresstiefe) + 1.0L) / 20.0L <= static_cast<Ext>(c.HalfWidth) - 1.2L)
        c.Einpresstiefe += 1.0;
}

void OffsetDown(WheelConfig& c)
{
    if ((static_cast<Ext>(c.Einpresstiefe) - 1.0L) / 20.0L >= 3.4L - static_cast<Ext>(c.HalfWidth))
        c.Einpresstiefe -= 1.0;
}

void BoltsUp(WheelConfig& c)
{
    ++c.Radbolzen;
    if (c.Radbolzen == 6)
        c.Radbolzen = 5;
}

void BoltsDown(WheelConfig& c)
{
    --c.Radbolzen;
    if (c.Radbolzen == 2)
        c.Radbolzen = 3;
}

void CyclePolygonStyle(WheelConfig& c)
{
    ++c.StyleMode;
    if (c.StyleMode == 4)
        c.StyleMode = 1;
}

static void SetHumpStyle(WheelConfig& c, const HumpSetting& setting)
{
    c.StyleHumpCount = setting.styleHumpCount;
    c.HumpFront = setting.front;
    c.HumpBack = setting.back;
}

void CycleHumpStyle(WheelConfig& c)
{
    const std::int32_t next = c.StyleHumpCount + 1;
    SetHumpStyle(c, HumpSettingOf(next == HumpSettingCount ? 0 : next));
}

void ToggleWell(WheelConfig& c)
{
    c.Tiefbett = !c.Tiefbett;
}

void ToggleHalfSection(WheelConfig& c)
{
    c.ClipEquation[0] = c.Halbschnitt ? 0.0 : -1.0;
    c.Halbschnitt = !c.Halbschnitt;
}

void ToggleIndicator(WheelConfig& c, Indicator which)
{
    bool* const flags[] = {&c.ShowMaulweite, &c.ShowEinpresstiefe, &c.ShowDurchmesser};
    bool* const own = flags[static_cast<int>(which)];
    const bool next = !*own;
    for (bool* f : flags)
        *f = false;
    *own = next;
}

void TogglePartHighlight(WheelConfig& c, RimPart which)
{
    bool* const parts[] = {&c.ColorFelgenhorn, &c.ColorFelgenschulter, &c.ColorHump,
                           &c.ColorFelgenbett, &c.ColorRadschuessel};
    bool* const own = parts[static_cast<int>(which)];
    const bool next = !*own;
    for (bool* f : parts)
        *f = false;
    c.ColorFelgenschuessel = false;
    *own = next;
}

void ToggleWholeRimHighlight(WheelConfig& c)
{
    c.ColorFelgenschuessel = !c.ColorFelgenschuessel;
    const bool on = c.ColorFelgenschuessel;
    c.ColorFelgenhorn = on;
    c.ColorFelgenschulter = on;
    c.ColorHump = on;
    c.ColorFelgenbett = on;
    c.ColorRadschuessel = false;
}

void ZoomOut(WheelConfig& c)
{
    if (c.ZoomExtent < 50.0f)
        c.ZoomExtent = static_cast<float>(static_cast<double>(c.ZoomExtent) * 1.1);
}

void ZoomIn(WheelConfig& c)
{
    if (c.ZoomExtent > 5.0f)
        c.ZoomExtent = static_cast<float>(static_cast<double>(c.ZoomExtent) * 0.9);
}

// A turn about the axis of the last one pending adds to its angle; about
// another axis it follows it, so that none is lost before the frame.
static void AddPendingTurn(WheelConfig& c, float angle, const std::array<float, 3>& axis)
{
    if (c.LaterTurns.empty() && (c.RotAngle == 0.0f || c.RotAxis == axis)) {
        c.RotAngle += angle;
        c.RotAxis = axis;
    } else if (!c.LaterTurns.empty() && c.LaterTurns.back().axis == axis) {
        c.LaterTurns.back().angle += angle;
    } else {
        c.LaterTurns.push_back({angle, axis});
    }
}

void RotateUp(WheelConfig& c) { AddPendingTurn(c, -15.0f, {1.0f, 0.0f, 0.0f}); }
void RotateDown(WheelConfig& c) { AddPendingTurn(c, 15.0f, {1.0f, 0.0f, 0.0f}); }
void RotateLeft(WheelConfig& c) { AddPendingTurn(c, -15.0f, {0.0f, 1.0f, 0.0f}); }
void RotateRight(WheelConfig& c) { AddPendingTurn(c, 15.0f, {0.0f, 1.0f, 0.0f}); }

void TakeViewStep(WheelConfig& c, ViewStep step, int times)
{
    void (*rule)(WheelConfig&) = nullptr;
    switch (step) {
    case ViewStep::ZoomIn:
        rule = ZoomIn;
        break;
    case ViewStep::ZoomOut:
        rule = ZoomOut;
        break;
    case ViewStep::RotateUp:
        rule = RotateUp;
        break;
    case ViewStep::RotateDown:
        rule = RotateDown;
        break;
    case ViewStep::RotateLeft:
        rule = RotateLeft;
        break;
    case ViewStep::RotateRight:
        rule = RotateRight;
        break;
    }
    for (int i = 0; i < times; ++i)
        rule(c);
}

void DragRotate(WheelConfig& c, double dx, double dy, double viewHeight)
{
    const double length = std::hypot(dx, dy);
    if (length == 0.0 || !(viewHeight > 0.0))
        return;
    // Screen y grows downwards: a drag down turns the front down, as the
    // down button does with a positive angle about x.
    AddPendingTurn(c, static_cast<float>(180.0 * length / viewHeight),
                   {static_cast<float>(dy / length), static_cast<float>(dx / length), 0.0f});
}

void ResetView(WheelConfig& c, const std::array<float, 16>& startRotation)
{
    c.RotMatrix = startRotation;
    c.RotAngle = 0.0f;
    c.LaterTurns.clear();
    c.ZoomExtent = InitialZoomExtent;
    c.Pan = {0.0, 0.0};
}

void ApplyMarkedRim(WheelConfig& c, const MarkedRim& rim)
{
    c.Maulweite = rim.Maulweite;
    c.HalfWidth = InchToModel(c.Maulweite);
    c.Durchmesser = rim.Durchmesser;
    c.Radius = InchToModel(c.Durchmesser);
    c.Einpresstiefe = rim.Einpresstiefe;
    c.Tiefbett = rim.Tiefbett;
    SetHumpStyle(c, HumpSettingOf(rim.StyleHumpCount));
}

OffsetBand OffsetBandAt(double maulweite)
{
    // The offset buttons' own guards find the ends: up from zero until the
    // upper guard holds, then down until the lower one does.
    WheelConfig c;
    c.Maulweite = maulweite;
    c.HalfWidth = InchToModel(maulweite);
    OffsetBand band;
    for (double before = -1.0; before != c.Einpresstiefe;) {
        before = c.Einpresstiefe;
        OffsetUp(c);
    }
    band.highest = static_cast<int>(c.Einpresstiefe);
    for (double before = c.Einpresstiefe + 1.0; before != c.Einpresstiefe;) {
        before = c.Einpresstiefe;
        OffsetDown(c);
    }
    band.lowest = static_cast<int>(c.Einpresstiefe);
    return band;
}
