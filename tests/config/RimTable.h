#pragma once

#include <array>
#include <optional>

// Reference figures for every rim width, written down independently of the
// rules: the stored half-width, the ends of the offset band that the offset
// buttons can reach, and the largest offset at which the width may be narrowed.
struct RimWidthRow {
    double maulweite;    // inch
    double halfWidth;    // model units
    int highestOffset;   // mm, reached by stepping the offset up
    int lowestOffset;    // mm, reached by stepping the offset down
    std::optional<int> narrowUpTo;  // mm; none where the width cannot shrink
};

inline constexpr std::array<RimWidthRow, 9> kRimWidths{{
    {4.0, 2.54, 26, 18, std::nullopt},
    {4.5, 2.8575, 33, 11, 15},
    {5.0, 3.175, 39, 5, 21},
    {5.5, 3.4925, 45, -1, 26},
    {6.0, 3.81, 52, -8, 31},
    {6.5, 4.1275, 58, -14, 36},
    {7.0, 4.445, 64, -20, 41},
    {7.5, 4.7625, 71, -27, 46},
    {8.0, 5.08, 77, -33, 51},
}};

// Row of a width that is one of 4.0, 4.5, ..., 8.0; nullptr for any other value.
inline const RimWidthRow* FindRimWidth(double maulweite)
{
    for (const RimWidthRow& row : kRimWidths)
        if (row.maulweite == maulweite)
            return &row;
    return nullptr;
}
