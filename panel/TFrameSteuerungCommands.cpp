#include "Unit1.h"

#include "MarkingField.h"
#include "MarkingReader.h"
#include "PanelTexts.h"
#include "RimComparison.h"
#include "RimMarking.h"
#include "SceneHost.h"
#include "StepHints.h"
#include "WheelConfig.h"
#include "WheelRules.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

// Each command applies its rule, rewrites its own text, then rebuilds and
// draws, or only draws for the view commands, whose steps the view's keys and
// wheel take alike. Refused and bounded steps still rewrite the label and
// rebuild, and then say why at their button.

template <typename... Args>
void TFrameSteuerung::Command(void (*rule)(WheelConfig&, Args...), Args... args)
{
    rule(Config, args...);
    Rebuild();
}

void TFrameSteuerung::ViewCommand(ViewStep step)
{
    TakeViewStep(Config, step);
    Frame();
}

void TFrameSteuerung::Step(DimensionStep step, void (*rule)(WheelConfig&), QLabel* label)
{
    const QString refusal = StepRefusalText(Config, step);
    rule(Config);
    ShowValue(label);
    Rebuild();
    TellStepRefusal(PushButtons, step, refusal);
}

void TFrameSteuerung::btnSchnittClick()
{
    ToggleHalfSection(Config);
    btnSchnitt->setText(Config.Halbschnitt ? QStringLiteral("Volldarstellung") : QStringLiteral("Halbschnitt"));
    Rebuild();
}

void TFrameSteuerung::SpeedButton6Click() { ViewCommand(ViewStep::ZoomOut); }
void TFrameSteuerung::SpeedButton5Click() { ViewCommand(ViewStep::ZoomIn); }
void TFrameSteuerung::SpeedButton1Click() { ViewCommand(ViewStep::RotateUp); }
void TFrameSteuerung::SpeedButton2Click() { ViewCommand(ViewStep::RotateDown); }
void TFrameSteuerung::SpeedButton3Click() { ViewCommand(ViewStep::RotateLeft); }
void TFrameSteuerung::SpeedButton4Click() { ViewCommand(ViewStep::RotateRight); }
void TFrameSteuerung::btnStyleClick() { Command(CyclePolygonStyle); }
void TFrameSteuerung::btnMaulweitePlusClick() { Step(DimensionStep::WidthUp, WidthUp, lblMaulweiteText); }
void TFrameSteuerung::btnMaulweiteMinusClick() { Step(DimensionStep::WidthDown, WidthDown, lblMaulweiteText); }
void TFrameSteuerung::btnShowMaulweiteClick() { Command(ToggleIndicator, Indicator::Maulweite); }
void TFrameSteuerung::btnDurchmesserPlusClick() { Step(DimensionStep::DiameterUp, DiameterUp, lblDurchmesser); }
void TFrameSteuerung::btnDurchmesserMinusClick() { Step(DimensionStep::DiameterDown, DiameterDown, lblDurchmesser); }
void TFrameSteuerung::btnShowDurchmesserClick() { Command(ToggleIndicator, Indicator::Durchmesser); }
void TFrameSteuerung::btnEinpresstiefePlusClick() { Step(DimensionStep::OffsetUp, OffsetUp, lblEinpresstiefe); }
void TFrameSteuerung::btnEinpresstiefeMinusClick() { Step(DimensionStep::OffsetDown, OffsetDown, lblEinpresstiefe); }
void TFrameSteuerung::btnShowEinpresstiefeClick() { Command(ToggleIndicator, Indicator::Einpresstiefe); }
void TFrameSteuerung::btnLochkreisePlusClick() { Step(DimensionStep::BoltsUp, BoltsUp, lblLochkreise); }
void TFrameSteuerung::btnLochkreiseMinusClick() { Step(DimensionStep::BoltsDown, BoltsDown, lblLochkreise); }
void TFrameSteuerung::btnColorFelgenschuesselClick() { Command(ToggleWholeRimHighlight); }
void TFrameSteuerung::btnColorFelgenhornClick() { Command(TogglePartHighlight, RimPart::Felgenhorn); }
void TFrameSteuerung::btnColorFelgenschulterClick() { Command(TogglePartHighlight, RimPart::Felgenschulter); }
void TFrameSteuerung::btnStyleHumpClick() { Command(CycleHumpStyle); }
void TFrameSteuerung::btnColorHumpClick() { Command(TogglePartHighlight, RimPart::Hump); }
void TFrameSteuerung::btnStyleFelgenbettClick() { Command(ToggleWell); }
void TFrameSteuerung::btnColorFelgenbettClick() { Command(TogglePartHighlight, RimPart::Felgenbett); }
void TFrameSteuerung::btnColorRadschuesselClick() { Command(TogglePartHighlight, RimPart::Radschuessel); }

void TFrameSteuerung::HighlightComponent(ViewComponent component)
{
    if (component == ViewComponent::None)
        return;
    for (const PushButtonRow& row : PushButtons)
        if (row.component == component)
            return (this->*row.handler)();
}

void TFrameSteuerung::EditMarking()
{
    Marking->setFocus(Qt::ShortcutFocusReason);
    Marking->selectAll();
}

void TFrameSteuerung::ApplyMarking(const QString& marking)
{
    const MarkingReading reading =
        ReadRimMarking(marking.toStdString(), Config, DecimalSeparator());
    if (!reading.rim) {
        Marking->ShowProblem(QString::fromStdString(reading.message));
        return;
    }
    Marking->ShowProblem({});
    SetRim(*reading.rim);
}

void TFrameSteuerung::SetRim(const MarkedRim& rim)
{
    ApplyMarkedRim(Config, rim);
    ShowValues();
    Rebuild();
    WithdrawStepRefusals(PushButtons);
}

void TFrameSteuerung::ShowValues()
{
    for (QLabel* label : {lblMaulweiteText, lblDurchmesser, lblEinpresstiefe, lblLochkreise})
        ShowValue(label);
}

void TFrameSteuerung::ShowValue(QLabel* label)
{
    const QLocale locale;
    if (label == lblMaulweiteText)
        SetLabelCaption(label, MaulweiteCaption(Config.Maulweite, locale));
    else if (label == lblDurchmesser)
        SetLabelCaption(label, DurchmesserCaption(Config.Durchmesser, locale));
    else if (label == lblEinpresstiefe)
        SetLabelCaption(label, EinpresstiefeCaption(Config.Einpresstiefe, locale));
    else if (label == lblLochkreise)
        SetLabelCaption(label, RadbolzenCaption(Config.Radbolzen));
}

void TFrameSteuerung::ShowComparison(const WheelConfig* reference)
{
    if (lblVergleich || reference)
        Comparison()->setVisible(reference != nullptr);
    if (!reference)
        return;
    const std::string separator = DecimalSeparator();
    lblVergleich->setText(QString::fromStdString("Vergleich mit " + RimMarking(*reference, separator) + ":\n" +
                                                 DifferencesText(CompareRims(Config, *reference), separator)));
}
