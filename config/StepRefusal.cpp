#include "StepRefusal.h"

#include "Figures.h"
#include "MarkingReader.h"
#include "WheelRules.h"

#include <optional>

namespace {

double SteppedValue(const WheelConfig& c, DimensionStep step)
{
    switch (step) {
    case DimensionStep::WidthUp:
    case DimensionStep::WidthDown:
        return c.Maulweite;
    case DimensionStep::DiameterUp:
    case DimensionStep::DiameterDown:
        return c.Durchmesser;
    case DimensionStep::OffsetUp:
    case DimensionStep::OffsetDown:
        return c.Einpresstiefe;
    case DimensionStep::BoltsUp:
    case DimensionStep::BoltsDown:
        return c.Radbolzen;
    }
    return 0.0;
}

bool StepTaken(const WheelConfig& c, DimensionStep step)
{
    static constexpr void (*const rules[])(WheelConfig&) = {WidthUp,  WidthDown,  DiameterUp, DiameterDown,
                                                            OffsetUp, OffsetDown, BoltsUp,    BoltsDown};
    WheelConfig next = c;
    rules[static_cast<int>(step)](next);
    return SteppedValue(next, step) != SteppedValue(c, step);
}

// The largest offset of the width's band at which the width may narrow;
// none where no offset lets it.
std::optional<int> NarrowingOffset(const WheelConfig& c)
{
    const OffsetBand band = OffsetBandAt(c.Maulweite);
    for (int offset = band.highest; offset >= band.lowest; --offset) {
        WheelConfig at = c;
        at.Einpresstiefe = offset;
        if (StepTaken(at, DimensionStep::WidthDown))
            return offset;
    }
    return std::nullopt;
}

}  // namespace

std::string StepRefusal(const WheelConfig& c, DimensionStep step, std::string_view decimalSeparator)
{
    if (StepTaken(c, step))
        return {};
    const auto figure = [decimalSeparator](double value) {
        return FormatFigure(value, decimalSeparator, {.sign = FigureSign::Minus});
    };
    const std::string width = figure(c.Maulweite) + " Zoll";
    switch (step) {
    case DimensionStep::WidthUp:
        return "Größte Maulweite: " + width;
    case DimensionStep::WidthDown:
        if (const std::optional<int> offset = NarrowingOffset(c))
            return "Schmaler als " + width + " erst bei einer Einpresstiefe bis " + figure(*offset) + " mm";
        return "Kleinste Maulweite: " + width;
    case DimensionStep::DiameterUp:
        return "Größter Durchmesser: " + figure(c.Durchmesser) + " Zoll";
    case DimensionStep::DiameterDown:
        return "Kleinster Durchmesser: " + figure(c.Durchmesser) + " Zoll";
    case DimensionStep::OffsetUp:
    case DimensionStep::OffsetDown: {
        const OffsetBand band = OffsetBandAt(c.Maulweite);
        return "Die Einpresstiefe reicht bei " + width + " von " + figure(band.lowest) + " bis " +
               figure(band.highest) + " mm";
    }
    case DimensionStep::BoltsUp:
        return "Höchstens " + std::to_string(c.Radbolzen) + " Radbolzen";
    case DimensionStep::BoltsDown:
        return "Mindestens " + std::to_string(c.Radbolzen) + " Radbolzen";
    }
    return {};
}
