#pragma once

#include "ViewComponent.h"

// What the view's commands ask of the panel: the two of its commands that
// the view also offers.
class PanelRequests {
public:
    virtual ~PanelRequests() = default;
    // A part of the wheel highlighted, or no longer, as its "?" button does
    // it; anything else changes nothing.
    virtual void HighlightComponent(ViewComponent component) = 0;
    // The focus to the marking, all of it selected, for a new one to be typed.
    virtual void EditMarking() = 0;
};
