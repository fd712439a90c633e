#pragma once

#include "WheelConfig.h"
#include "WheelRules.h"

// Drives a configuration the way a user would, through the commands only.

inline WheelConfig StartConfig()
{
    WheelConfig c;
    SetInitialConfig(c);
    return c;
}

// Clicks the offset buttons until the offset is `target` mm; stops early if a
// guard refuses, so the caller must check where it ended.
inline void StepOffsetTo(WheelConfig& c, double target)
{
    for (int i = 0; i < 200 && c.Einpresstiefe != target; ++i) {
        const double before = c.Einpresstiefe;
        if (c.Einpresstiefe < target)
            OffsetUp(c);
        else
            OffsetDown(c);
        if (c.Einpresstiefe == before)
            return;
    }
}

// From the start-up state, reaches `maulweite` with the offset at `offset` mm
// (which must lie in that width's band). The offset is first lowered far
// enough for every narrowing to be allowed.
inline WheelConfig ConfigAt(double maulweite, double offset)
{
    WheelConfig c = StartConfig();
    StepOffsetTo(c, 10.0);
    for (int i = 0; i < 10 && c.Maulweite < maulweite; ++i)
        WidthUp(c);
    for (int i = 0; i < 10 && c.Maulweite > maulweite; ++i)
        WidthDown(c);
    StepOffsetTo(c, offset);
    return c;
}
