#pragma once

#include "ViewComponent.h"

// Sets the current colour for the component group that follows: grey, or
// orange while it is highlighted. Colour material turns it into the ambient
// and diffuse material colour.
void ApplyHighlightColor(ViewComponent component, bool highlighted);

// Names what follows as the given component for a pick in selection or
// feedback mode; frames drawn in render mode pass over it.
void NameComponent(ViewComponent component);
