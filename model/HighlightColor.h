#pragma once

#include "ViewComponent.h"

#include <array>

// RGBA colours of a wheel component: grey, or orange while it is highlighted.
inline constexpr std::array<float, 4> NormalColor{0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr std::array<float, 4> HighlightColor{1.0f, 0.5f, 0.0f, 1.0f};

// Sets the current colour for the component group that follows. Colour
// material turns it into the ambient and diffuse material colour.
void ApplyHighlightColor(ViewComponent component, bool highlighted);

// Names what follows as the given component for a pick in selection or
// feedback mode; frames drawn in render mode pass over it.
void NameComponent(ViewComponent component);
