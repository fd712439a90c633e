#include "RimMarking.h"

#include "Figures.h"
#include "HumpSettings.h"

#include <vector>

std::string RimMarking(const WheelConfig& c, std::string_view decimalSeparator)
{
    std::string marking = FormatFigure(c.Maulweite, decimalSeparator) + "J";
    marking += c.Tiefbett ? " x " : " - ";
    marking += FormatFigure(c.Durchmesser, decimalSeparator);
    const std::string_view hump = HumpSettingOf(c.StyleHumpCount).code;
    if (!hump.empty())
        marking += " " + std::string(hump);
    marking += " ET" + FormatFigure(c.Einpresstiefe, decimalSeparator);
    return marking;
}

std::string ExplainRimMarking(const WheelConfig& c, std::string_view decimalSeparator)
{
    const std::string width = FormatFigure(c.Maulweite, decimalSeparator);
    const std::string diameter = FormatFigure(c.Durchmesser, decimalSeparator);
    const std::string offset = FormatFigure(c.Einpresstiefe, decimalSeparator);
    const HumpSetting& hump = HumpSettingOf(c.StyleHumpCount);
    std::string text = width + "J: Maulweite " + width + " Zoll, Hornform J · ";
    text += c.Tiefbett ? "x: Tiefbett · " : "-: Flachbett · ";
    text += diameter + ": Durchmesser " + diameter + " Zoll · ";
    text += (hump.code.empty() ? std::string("ohne H") : std::string(hump.code)) + ": " + std::string(hump.meaning);
    return text + " · ET" + offset + ": Einpresstiefe " + offset + " mm";
}

namespace {

std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += i + 1 == parts.size() ? " und " : ", ";
        text += parts[i];
    }
    return text;
}

std::string Highlighted(const WheelConfig& c)
{
    if (c.ColorFelgenschuessel && c.ColorFelgenhorn && c.ColorFelgenschulter && c.ColorHump && c.ColorFelgenbett)
        return "die ganze Felgenschüssel";
    std::vector<std::string> parts;
    const std::pair<bool, const char*> flags[] = {
        {c.ColorFelgenhorn, "Felgenhorn"}, {c.ColorFelgenschulter, "Felgenschulter"}, {c.ColorHump, "Hump"},
        {c.ColorFelgenbett, "Felgenbett"}, {c.ColorRadschuessel, "Radscheibe"},
    };
    for (const auto& [lit, name] : flags)
        if (lit)
            parts.emplace_back(name);
    return parts.empty() ? "nichts" : Joined(parts);
}

}  // namespace

std::string ViewDescription(const WheelConfig& c, std::string_view decimalSeparator)
{
    std::string text = "Felge " + RimMarking(c, decimalSeparator) + " mit " + std::to_string(c.Radbolzen) +
                       " Radbolzen, " + (c.Tiefbett ? "Tiefbett" : "Flachbett") + ", " +
                       std::string(HumpSettingOf(c.StyleHumpCount).description) + ".";
    text += " Hervorgehoben: " + Highlighted(c) + ".";

    std::vector<std::string> measured;
    if (c.ShowMaulweite)
        measured.push_back("Maulweite " + FormatFigure(c.Maulweite, decimalSeparator) + " Zoll");
    if (c.ShowEinpresstiefe)
        measured.push_back("Einpresstiefe " + FormatFigure(c.Einpresstiefe, decimalSeparator) + " mm");
    if (c.ShowDurchmesser)
        measured.push_back("Durchmesser " + FormatFigure(c.Durchmesser, decimalSeparator) + " Zoll");
    if (!measured.empty())
        text += " Bemaßt: " + Joined(measured) + ".";
    if (c.Halbschnitt)
        text += " Im Halbschnitt.";
    if (c.StyleMode == 2)
        text += " Nur Kanten.";
    else if (c.StyleMode == 3)
        text += " Nur Punkte.";
    return text;
}
