#pragma once

#include <array>

// RGBA colours of the wheel, as GL takes them: a component is grey, or orange
// while it is highlighted.
inline constexpr std::array<float, 4> NormalColor{0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr std::array<float, 4> HighlightColor{1.0f, 0.5f, 0.0f, 1.0f};

// The dimension indicators: the highlight orange, translucent.
inline constexpr std::array<float, 4> IndicatorColor{HighlightColor[0], HighlightColor[1], HighlightColor[2], 0.3f};
