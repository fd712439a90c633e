#include "PanelButtons.h"

#include "Unit1.h"

#include <QPushButton>

std::vector<SpeedButtonRow> TFrameSteuerung::SpeedButtonTable()
{
    using F = TFrameSteuerung;
    return {
        {"SpeedButton6", {16, 88}, QStringLiteral("-"), Qt::NoArrow, QStringLiteral("verkleinern"),
         &F::SpeedButton6Click},
        {"SpeedButton1", {40, 88}, {}, Qt::UpArrow, QStringLiteral("drehen nach oben"), &F::SpeedButton1Click},
        {"SpeedButton5", {64, 88}, QStringLiteral("+"), Qt::NoArrow, QStringLiteral("vergrößern"),
         &F::SpeedButton5Click},
        {"SpeedButton3", {16, 112}, {}, Qt::LeftArrow, QStringLiteral("drehen nach links"), &F::SpeedButton3Click},
        {"SpeedButton2", {40, 112}, {}, Qt::DownArrow, QStringLiteral("drehen nach unten"), &F::SpeedButton2Click},
        {"SpeedButton4", {64, 112}, {}, Qt::RightArrow, QStringLiteral("drehen nach rechts"),
         &F::SpeedButton4Click},
    };
}

std::vector<PushButtonRow> TFrameSteuerung::PushButtonTable()
{
    const QString grow = QStringLiteral("vergrößern");
    const QString shrink = QStringLiteral("verkleinern");
    const QString toggle = QStringLiteral("ein-/ ausblenden");
    const QString restyle = QStringLiteral("Darstellung ändern");
    const QString plus = QStringLiteral("+");
    const QString minus = QStringLiteral("-");
    const QString query = QStringLiteral("?");
    const QString style = QStringLiteral("Style");
    const auto named = [](const char* subject, const QString& hint) {
        return QString::fromUtf8(subject) + QLatin1Char(' ') + hint;
    };
    const auto styled = [](const char* subject, const QString& hint) {
        return QString::fromUtf8(subject) + QStringLiteral(": ") + hint;
    };
    // A switch is named for what it switches on; its state says whether it is.
    const auto lit = [](const char* part) { return QString::fromUtf8(part) + QStringLiteral(" hervorheben"); };
    const auto measured = [](const char* size) { return QString::fromUtf8(size) + QStringLiteral(" bemaßen"); };
    using F = TFrameSteuerung;
    using S = DimensionStep;
    using T = Toggle;
    using C = ViewComponent;
    // Name, geometry, caption, hint, accessible name, tab order, handler; step, switch, component.
    return {
        {"btnSchnitt", {96, 88, 89, 25}, QStringLiteral("Halbschnitt"), restyle, QStringLiteral("Halbschnitt"), 5,
         &F::btnSchnittClick, {}, T::Halbschnitt},
        {"btnStyle", {96, 112, 89, 25}, style, restyle, styled("Style", restyle), 4, &F::btnStyleClick},
        {"btnMaulweitePlus", {136, 192, 17, 17}, plus, grow, named("Maulweite", grow), 2, &F::btnMaulweitePlusClick,
         S::WidthUp},
        {"btnMaulweiteMinus", {152, 192, 17, 17}, minus, shrink, named("Maulweite", shrink), 3,
         &F::btnMaulweiteMinusClick, S::WidthDown},
        {"btnShowMaulweite", {168, 192, 17, 17}, query, toggle, measured("Maulweite"), 6, &F::btnShowMaulweiteClick,
         {}, T::ShowMaulweite},
        {"btnDurchmesserPlus", {136, 216, 17, 17}, plus, grow, named("Durchmesser", grow), 0,
         &F::btnDurchmesserPlusClick, S::DiameterUp},
        {"btnDurchmesserMinus", {152, 216, 17, 17}, minus, shrink, named("Durchmesser", shrink), 1,
         &F::btnDurchmesserMinusClick, S::DiameterDown},
        {"btnShowDurchmesser", {168, 216, 17, 17}, query, toggle, measured("Durchmesser"), 7,
         &F::btnShowDurchmesserClick, {}, T::ShowDurchmesser},
        {"btnEinpresstiefePlus", {136, 240, 17, 17}, plus, grow, named("Einpresstiefe", grow), 8,
         &F::btnEinpresstiefePlusClick, S::OffsetUp},
        {"btnEinpresstiefeMinus", {152, 240, 17, 17}, minus, shrink, named("Einpresstiefe", shrink), 9,
         &F::btnEinpresstiefeMinusClick, S::OffsetDown},
        {"btnShowEinpresstiefe", {168, 240, 17, 17}, query, toggle, measured("Einpresstiefe"), 10,
         &F::btnShowEinpresstiefeClick, {}, T::ShowEinpresstiefe},
        {"btnLochkreisePlus", {136, 264, 17, 17}, plus, grow, named("Radbolzen", grow), 11,
         &F::btnLochkreisePlusClick, S::BoltsUp},
        {"btnLochkreiseMinus", {152, 264, 17, 17}, minus, shrink, named("Radbolzen", shrink), 12,
         &F::btnLochkreiseMinusClick, S::BoltsDown},
        {"btnColorFelgenschuessel", {168, 336, 17, 17}, query, toggle, lit("Felgenschüssel"), 19,
         &F::btnColorFelgenschuesselClick, {}, T::ColorFelgenschuessel},
        {"btnColorFelgenhorn", {168, 360, 17, 17}, query, toggle, lit("Felgenhorn"), 15, &F::btnColorFelgenhornClick,
         {}, T::ColorFelgenhorn, C::Felgenhorn},
        {"btnColorFelgenschulter", {168, 384, 17, 17}, query, toggle, lit("Felgenschulter"), 16,
         &F::btnColorFelgenschulterClick, {}, T::ColorFelgenschulter, C::Felgenschulter},
        {"btnStyleHump", {128, 408, 33, 17}, style, restyle, styled("Hump", restyle), 14, &F::btnStyleHumpClick},
        {"btnColorHump", {168, 408, 17, 17}, query, toggle, lit("Hump"), 17, &F::btnColorHumpClick, {}, T::ColorHump,
         C::Hump},
        {"btnStyleFelgenbett", {128, 432, 33, 17}, style, restyle, styled("Felgenbett", restyle), 13,
         &F::btnStyleFelgenbettClick},
        {"btnColorFelgenbett", {168, 432, 17, 17}, query, toggle, lit("Felgenbett"), 18, &F::btnColorFelgenbettClick,
         {}, T::ColorFelgenbett, C::Felgenbett},
        {"btnColorRadschuessel", {168, 456, 17, 17}, query, toggle, lit("Radscheibe"), 20,
         &F::btnColorRadschuesselClick, {}, T::ColorRadschuessel, C::Radscheibe},
    };
}

void ShowToggleStates(const WheelConfig& c, std::span<const PushButtonRow> buttons)
{
    for (const PushButtonRow& row : buttons)
        if (row.toggle)
            row.button->setChecked(ToggleOn(c, *row.toggle));
}
