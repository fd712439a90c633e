#include "MarkingReader.h"

#include "Figures.h"
#include "HumpSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr std::string_view Example = "z. B. 7J x 16 H2 ET40";
constexpr FigureStyle InText{.sign = FigureSign::Minus};

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

char Upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

std::string Upper(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char ch) { return Upper(ch); });
    return upper;
}

// A figure as typed, with either separator, and its value.
struct Figure {
    std::string text;  // with the user's separator, for messages
    double value = 0.0;
    bool whole = true;
};

class Reader {
public:
    Reader(std::string_view text, std::string_view separator)
        : Text(text)
        , Separator(separator)
    {
    }

    void SkipSpaces()
    {
        while (At < Text.size() && (Text[At] == ' ' || Text[At] == '\t'))
            ++At;
    }
    bool AtEnd() const { return At >= Text.size(); }

    // Takes one of the given spellings, case aside.
    bool Take(std::string_view word)
    {
        if (Upper(Text.substr(At, word.size())) != Upper(word))
            return false;
        At += word.size();
        return true;
    }

    std::optional<Figure> TakeFigure()
    {
        const std::size_t start = At;
        while (!AtEnd() && IsDigit(Text[At]))
            ++At;
        if (At == start)
            return std::nullopt;
        Figure f;
        std::string plain(Text.substr(start, At - start));
        if (At + 1 < Text.size() && (Text[At] == '.' || Text[At] == ',') && IsDigit(Text[At + 1])) {
            ++At;
            const std::size_t fraction = At;
            while (!AtEnd() && IsDigit(Text[At]))
                ++At;
            const std::string digits(Text.substr(fraction, At - fraction));
            f.text = plain + std::string(Separator) + digits;
            plain += "." + digits;
        } else {
            f.text = plain;
        }
        // Beyond a double's range the figure is out of every range anyway.
        if (std::from_chars(plain.data(), plain.data() + plain.size(), f.value).ec != std::errc())
            f.value = HUGE_VAL;
        f.whole = std::floor(f.value) == f.value;
        return f;
    }

    std::string TakeLetters()
    {
        const std::size_t start = At;
        while (!AtEnd() && IsLetter(Text[At]))
            ++At;
        return Upper(Text.substr(start, At - start));
    }

    std::string TakeDigits()
    {
        const std::size_t start = At;
        while (!AtEnd() && IsDigit(Text[At]))
            ++At;
        return std::string(Text.substr(start, At - start));
    }

    // What is left, shortened for a message at a whole character.
    std::string Rest() const
    {
        std::string_view rest = Text.substr(At);
        if (rest.size() <= 16)
            return std::string(rest);
        std::size_t cut = 16;
        while (cut > 0 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80)
            --cut;
        return std::string(rest.substr(0, cut)) + "…";
    }

private:
    std::string_view Text;
    std::string_view Separator;
    std::size_t At = 0;
};

// Hump codes are read in capitals.
const HumpSetting* HumpSettingOfCode(std::string_view code)
{
    for (const HumpSetting& setting : HumpSettings)
        if (setting.code == code)
            return &setting;
    return nullptr;
}

// "H2, H oder kein Hump": the codes, and in words the setting without one.
std::string HumpChoices()
{
    std::string choices;
    for (const HumpSetting& setting : HumpSettings) {
        if (!choices.empty())
            choices += &setting == std::end(HumpSettings) - 1 ? " oder " : ", ";
        choices += setting.code.empty() ? setting.meaning : setting.code;
    }
    return choices;
}

MarkingReading Refused(std::string message)
{
    return {std::nullopt, std::move(message)};
}

bool OffsetAllowed(int offset, double width, const WheelConfig& current)
{
    const OffsetBand band = OffsetBandAt(width);
    // The rim shown is one the panel set, even where a narrowing carried its
    // offset past the band the offset buttons keep.
    return (offset >= band.lowest && offset <= band.highest) ||
           (width == current.Maulweite && offset == current.Einpresstiefe);
}

}  // namespace

MarkingReading ReadRimMarking(std::string_view text, const WheelConfig& current, std::string_view decimalSeparator)
{
    Reader r(text, decimalSeparator);
    MarkedRim rim;
    r.SkipSpaces();
    if (r.AtEnd())
        return Refused("Keine Felgenbezeichnung: erwartet wird " + std::string(Example));

    const std::optional<Figure> width = r.TakeFigure();
    if (!width)
        return Refused("Die Felgenbezeichnung beginnt mit der Maulweite in Zoll, " + std::string(Example));
    if (width->value < 4.0 || width->value > 8.0)
        return Refused("Maulweite " + width->text + " Zoll: möglich sind 4 bis 8 Zoll");
    if (std::floor(width->value * 2.0) != width->value * 2.0)
        return Refused("Maulweite " + width->text + " Zoll: möglich sind halbe Zoll von 4 bis 8 Zoll");
    rim.Maulweite = width->value;

    r.SkipSpaces();
    std::string flange = r.TakeLetters();
    // "7Jx16": the well's "x" follows the flange letters directly.
    bool dropCentre = false;
    if (!flange.empty() && flange.back() == 'X') {
        flange.pop_back();
        dropCentre = true;
    }
    if (flange.empty())
        return Refused("Nach der Maulweite fehlt die Hornform J, z. B. " + width->text + "J");
    if (flange != "J")
        return Refused("Hornform " + flange + " zeigt MarloQuent nicht: möglich ist nur J");

    r.SkipSpaces();
    if (dropCentre || r.Take("x") || r.Take("×"))
        rim.Tiefbett = true;
    else if (r.Take("-") || r.Take("–"))
        rim.Tiefbett = false;
    else
        return Refused("Nach " + width->text + "J fehlt x (Tiefbett) oder - (Flachbett)");

    r.SkipSpaces();
    const std::optional<Figure> diameter = r.TakeFigure();
    if (!diameter)
        return Refused(std::string("Nach ") + (rim.Tiefbett ? "x" : "-") + " fehlt der Durchmesser in Zoll, z. B. 16");
    if (diameter->value < 13.0 || diameter->value > 17.0)
        return Refused("Durchmesser " + diameter->text + " Zoll: möglich sind 13 bis 17 Zoll");
    if (!diameter->whole)
        return Refused("Durchmesser " + diameter->text + " Zoll: möglich sind ganze Zoll von 13 bis 17");
    rim.Durchmesser = diameter->value;

    // The hump code, then "ET"; either may be missing, and "HET35" runs them
    // together.
    r.SkipSpaces();
    std::string code = r.TakeLetters();
    bool offsetFollows = false;
    if (code.size() >= 2 && code.ends_with("ET")) {
        code.resize(code.size() - 2);
        offsetFollows = true;
    } else {
        code += r.TakeDigits();
        r.SkipSpaces();
        offsetFollows = r.Take("ET");
    }
    const HumpSetting* hump = HumpSettingOfCode(code);
    if (!hump)
        return Refused("Humpform " + code + " zeigt MarloQuent nicht: möglich sind " + HumpChoices());
    rim.StyleHumpCount = hump->styleHumpCount;

    const OffsetBand band = OffsetBandAt(rim.Maulweite);
    if (offsetFollows) {
        r.SkipSpaces();
        bool negative = false;
        if (r.Take("-") || r.Take(TypographicMinus))
            negative = true;
        else
            r.Take("+");
        r.SkipSpaces();
        const std::optional<Figure> offset = r.TakeFigure();
        if (!offset)
            return Refused("Nach ET fehlt die Einpresstiefe in ganzen Millimetern, z. B. ET40");
        const std::string given = (negative ? std::string(TypographicMinus) : std::string()) + offset->text;
        const double value = negative ? -offset->value : offset->value;
        if (!offset->whole)
            return Refused("Einpresstiefe " + given + " mm: möglich sind nur ganze Millimeter");
        if (std::abs(value) > 1000.0 || !OffsetAllowed(static_cast<int>(value), rim.Maulweite, current))
            return Refused("Einpresstiefe " + given + " mm: bei " + width->text + " Zoll möglich sind " +
                           FormatFigure(band.lowest, decimalSeparator, InText) + " bis " +
                           FormatFigure(band.highest, decimalSeparator, InText) + " mm");
        rim.Einpresstiefe = value;
    } else if (OffsetAllowed(static_cast<int>(current.Einpresstiefe), rim.Maulweite, current)) {
        rim.Einpresstiefe = current.Einpresstiefe;
    } else {
        rim.Einpresstiefe = std::clamp(static_cast<int>(current.Einpresstiefe), band.lowest, band.highest);
    }

    r.SkipSpaces();
    if (!r.AtEnd())
        return Refused("Nicht lesbar: „" + r.Rest() + "“; erwartet wird " + std::string(Example));
    return {rim, {}};
}
