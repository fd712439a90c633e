#pragma once

#include <string>
#include <string_view>

// The minus sign of figures in sentences. Markings and the panel's labels
// keep the hyphen-minus one types.
inline constexpr std::string_view TypographicMinus = "\u2212";

enum class FigureSign {
    Hyphen,  // "-8"
    Minus,   // "−8", with the typographic minus
    Always,  // "+6,7", "−12,0", and "±0,0" for what shows as zero
};

struct FigureStyle {
    // A fixed number of decimals, at most three, or the general format: at
    // most 15 significant digits in the shortest form.
    int decimals = General;
    FigureSign sign = FigureSign::Hyphen;

    static constexpr int General = -1;
};

// A figure with the given decimal separator. Fixed decimals round the value
// as it is held, halves away from zero, as Qt's fixed format does.
std::string FormatFigure(double value, std::string_view decimalSeparator, FigureStyle style = {});
