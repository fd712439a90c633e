#include "ToggleStates.h"

bool ToggleOn(const WheelConfig& c, Toggle toggle)
{
    switch (toggle) {
    case Toggle::ColorFelgenschuessel:
        return c.ColorFelgenschuessel;
    case Toggle::ColorFelgenhorn:
        return c.ColorFelgenhorn;
    case Toggle::ColorFelgenschulter:
        return c.ColorFelgenschulter;
    case Toggle::ColorHump:
        return c.ColorHump;
    case Toggle::ColorFelgenbett:
        return c.ColorFelgenbett;
    case Toggle::ColorRadschuessel:
        return c.ColorRadschuessel;
    case Toggle::ShowMaulweite:
        return c.ShowMaulweite;
    case Toggle::ShowEinpresstiefe:
        return c.ShowEinpresstiefe;
    case Toggle::ShowDurchmesser:
        return c.ShowDurchmesser;
    case Toggle::Halbschnitt:
        return c.Halbschnitt;
    }
    return false;
}
