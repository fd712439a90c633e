#include "RimComparison.h"

#include "Figures.h"
#include "RimMarking.h"

#include <cmath>

namespace {

constexpr double HalfInchMm = 12.7;

std::string Signed(double mm, std::string_view separator)
{
    // Every difference is a whole number of hundredths (half inches are
    // 6.35 mm), rounded to tenths half away from zero as by hand: in binary,
    // 41.35 lies a hair below and would round down.
    const double tenths = std::round(std::round(mm * 100.0) / 10.0);
    return FormatFigure(tenths / 10.0, separator, {.decimals = 1, .sign = FigureSign::Always}) + " mm";
}

}  // namespace

RimDifferences CompareRims(const WheelConfig& current, const WheelConfig& reference)
{
    // Measured from the mounting face: the offset is the disc's distance from
    // the rim's centre plane, half the width lies each side of that plane.
    const auto outer = [](const WheelConfig& c) { return c.Maulweite * HalfInchMm - c.Einpresstiefe; };
    const auto inner = [](const WheelConfig& c) { return c.Maulweite * HalfInchMm + c.Einpresstiefe; };
    RimDifferences d;
    d.outerEdge = outer(current) - outer(reference);
    d.innerEdge = inner(current) - inner(reference);
    d.radius = (current.Durchmesser - reference.Durchmesser) * HalfInchMm;
    d.track = -2.0 * (current.Einpresstiefe - reference.Einpresstiefe);
    return d;
}

std::string DifferencesText(const RimDifferences& d, std::string_view decimalSeparator)
{
    return "außen " + Signed(d.outerEdge, decimalSeparator) + ", innen " + Signed(d.innerEdge, decimalSeparator) +
           "\nRadius " + Signed(d.radius, decimalSeparator) + ", Spur " + Signed(d.track, decimalSeparator);
}

WheelConfig ReferenceOf(const WheelConfig& rim)
{
    WheelConfig reference = rim;
    reference.ShowMaulweite = reference.ShowEinpresstiefe = reference.ShowDurchmesser = false;
    reference.ColorFelgenschuessel = reference.ColorFelgenhorn = reference.ColorFelgenschulter = false;
    reference.ColorHump = reference.ColorFelgenbett = reference.ColorRadschuessel = false;
    reference.WheelList = 0;
    return reference;
}

std::string ComparisonDescription(const WheelConfig& current, const WheelConfig& reference,
                                  std::string_view decimalSeparator)
{
    std::string differences = DifferencesText(CompareRims(current, reference), decimalSeparator);
    differences.replace(differences.find('\n'), 1, ", ");
    return "Verglichen mit " + RimMarking(reference, decimalSeparator) + ": " + differences + ".";
}
