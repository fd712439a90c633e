#include "WheelConfig.h"

#include "WheelUnits.h"

void SetInitialConfig(WheelConfig& c)
{
    c.StyleMode = 1;
    c.ZoomExtent = InitialZoomExtent;
    c.ClipEquation = {0.0, 0.0, 0.0, 0.0};
    c.Einpresstiefe = 34.0;
    c.Maulweite = 6.0;
    c.HalfWidth = InchToModel(c.Maulweite);
    c.Durchmesser = 15.0;
    c.Radius = InchToModel(c.Durchmesser);
    c.Radbolzen = 4;
    c.StyleHumpCount = 0;
    c.HumpFront = true;
    c.HumpBack = true;
    c.Tiefbett = true;
    c.ShowMaulweite = false;
    c.ShowEinpresstiefe = false;
    c.ShowDurchmesser = false;
    c.ColorFelgenschuessel = false;
    c.ColorFelgenhorn = false;
    c.ColorFelgenschulter = false;
    c.ColorHump = false;
    c.ColorFelgenbett = false;
    c.ColorRadschuessel = false;
}
