#pragma once

// An inch figure (a width or a diameter) to its half in model units of 20 mm.
// Evaluated in extended precision, then stored as a double, so that the stored
// half-width is the value the offset guards were tuned on.
inline double InchToModel(double inches)
{
    return static_cast<double>(static_cast<long double>(inches) * 2.54L / 4.0L);
}
