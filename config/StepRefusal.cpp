#include "StepRefusal.h"

#include "Figures.h"
#include "WheelRules.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Each step's rule and the value it steps, found by the step.
struct StepRule {
    DimensionStep step;
    void (*rule)(WheelConfig&);
    double (*value)(const WheelConfig&);
};

double Width(const WheelConfig& c) { return c.Maulweite; }
double Diameter(const WheelConfig& c) { return c.Durchmesser; }
double Offset(const WheelConfig& c) { return c.Einpresstiefe; }
double Bolts(const WheelConfig& c) { return c.Radbolzen; }

constexpr StepRule StepRules[] = {
    {DimensionStep::WidthUp, WidthUp, Width},         {DimensionStep::WidthDown, WidthDown, Width},
    {DimensionStep::DiameterUp, DiameterUp, Diameter}, {DimensionStep::DiameterDown, DiameterDown, Diameter},
    {DimensionStep::OffsetUp, OffsetUp, Offset},       {DimensionStep::OffsetDown, OffsetDown, Offset},
    {DimensionStep::BoltsUp, BoltsUp, Bolts},          {DimensionStep::BoltsDown, BoltsDown, Bolts},
};

bool StepTaken(const WheelConfig& c, DimensionStep step)
{
    const StepRule& s = *std::find_if(std::begin(StepRules), std::end(StepRules),
                                      [step](const StepRule& row) { return row.step == step; });
    WheelConfig next = c;
    s.rule(next);
    return s.value(next) != s.value(c);
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
