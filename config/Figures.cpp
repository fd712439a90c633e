#include "Figures.h"

#include <cmath>
#include <cstdio>

namespace {

std::string General(double magnitude, std::string_view separator)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", magnitude);
    std::string text;
    for (const char* p = buffer; *p; ++p) {
        if (*p == '.')
            text += separator;
        else
            text += *p;
    }
    return text;
}

std::string Fixed(double magnitude, int decimals, std::string_view separator)
{
    // Scaled by at most a thousand, a double's significand still fits a long
    // double's, so the rounding sees the value exactly.
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long units = std::llround(static_cast<long double>(magnitude) * scale);
    std::string text = std::to_string(units / scale);
    if (decimals > 0) {
        const std::string fraction = std::to_string(units % scale);
        text += std::string(separator) + std::string(decimals - fraction.size(), '0') + fraction;
    }
    return text;
}

}  // namespace

std::string FormatFigure(double value, std::string_view decimalSeparator, FigureStyle style)
{
    const double magnitude = std::fabs(value);
    const std::string digits = style.decimals == FigureStyle::General
                                   ? General(magnitude, decimalSeparator)
                                   : Fixed(magnitude, style.decimals, decimalSeparator);
    const bool negative = std::signbit(value);
    switch (style.sign) {
    case FigureSign::Hyphen:
        return negative ? "-" + digits : digits;
    case FigureSign::Minus:
        return negative ? std::string(TypographicMinus) + digits : digits;
    case FigureSign::Always:
        if (digits.find_first_of("123456789") == std::string::npos)
            return "±" + digits;
        return (negative ? std::string(TypographicMinus) : std::string("+")) + digits;
    }
    return digits;
}
