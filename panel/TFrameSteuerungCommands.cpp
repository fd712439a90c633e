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

void TFrameSteuerung::SpeedButton6Click()
{
    TakeViewStep(Config, ViewStep::ZoomOut);
    Frame();
}

void TFrameSteuerung::SpeedButton5Click()
{
    TakeViewStep(Config, ViewStep::ZoomIn);
    Frame();
}

void TFrameSteuerung::SpeedButton1Click()
{
    TakeViewStep(Config, ViewStep::RotateUp);
    Frame();
}

void TFrameSteuerung::SpeedButton2Click()
{
    TakeViewStep(Config, ViewStep::RotateDown);
    Frame();
}

void TFrameSteuerung::SpeedButton3Click()
{
    TakeViewStep(Config, ViewStep::RotateLeft);
    Frame();
}

void TFrameSteuerung::SpeedButton4Click()
{
    TakeViewStep(Config, ViewStep::RotateRight);
    Frame();
}

void TFrameSteuerung::btnSchnittClick()
{
    ToggleHalfSection(Config);
    btnSchnitt->setText(Config.Halbschnitt ? QStringLiteral("Volldarstellung") : QStringLiteral("Halbschnitt"));
    Rebuild();
}

void TFrameSteuerung::btnStyleClick()
{
    CyclePolygonStyle(Config);
    Rebuild();
}

void TFrameSteuerung::btnMaulweitePlusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::WidthUp);
    WidthUp(Config);
    SetLabelCaption(lblMaulweiteText, MaulweiteCaption(Config.Maulweite, QLocale()));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::WidthUp, refusal);
}

void TFrameSteuerung::btnMaulweiteMinusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::WidthDown);
    WidthDown(Config);
    SetLabelCaption(lblMaulweiteText, MaulweiteCaption(Config.Maulweite, QLocale()));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::WidthDown, refusal);
}

void TFrameSteuerung::btnShowMaulweiteClick()
{
    ToggleIndicator(Config, Indicator::Maulweite);
    Rebuild();
}

void TFrameSteuerung::btnDurchmesserPlusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::DiameterUp);
    DiameterUp(Config);
    SetLabelCaption(lblDurchmesser, DurchmesserCaption(Config.Durchmesser, QLocale()));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::DiameterUp, refusal);
}

void TFrameSteuerung::btnDurchmesserMinusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::DiameterDown);
    DiameterDown(Config);
    SetLabelCaption(lblDurchmesser, DurchmesserCaption(Config.Durchmesser, QLocale()));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::DiameterDown, refusal);
}

void TFrameSteuerung::btnShowDurchmesserClick()
{
    ToggleIndicator(Config, Indicator::Durchmesser);
    Rebuild();
}

void TFrameSteuerung::btnEinpresstiefePlusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::OffsetUp);
    OffsetUp(Config);
    SetLabelCaption(lblEinpresstiefe, EinpresstiefeCaption(Config.Einpresstiefe, QLocale()));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::OffsetUp, refusal);
}

void TFrameSteuerung::btnEinpresstiefeMinusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::OffsetDown);
    OffsetDown(Config);
    SetLabelCaption(lblEinpresstiefe, EinpresstiefeCaption(Config.Einpresstiefe, QLocale()));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::OffsetDown, refusal);
}

void TFrameSteuerung::btnShowEinpresstiefeClick()
{
    ToggleIndicator(Config, Indicator::Einpresstiefe);
    Rebuild();
}

void TFrameSteuerung::btnLochkreisePlusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::BoltsUp);
    BoltsUp(Config);
    SetLabelCaption(lblLochkreise, RadbolzenCaption(Config.Radbolzen));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::BoltsUp, refusal);
}

void TFrameSteuerung::btnLochkreiseMinusClick()
{
    const QString refusal = StepRefusalText(Config, DimensionStep::BoltsDown);
    BoltsDown(Config);
    SetLabelCaption(lblLochkreise, RadbolzenCaption(Config.Radbolzen));
    Rebuild();
    TellStepRefusal(*this, DimensionStep::BoltsDown, refusal);
}

void TFrameSteuerung::btnColorFelgenschuesselClick()
{
    ToggleWholeRimHighlight(Config);
    Rebuild();
}

void TFrameSteuerung::btnColorFelgenhornClick()
{
    TogglePartHighlight(Config, RimPart::Felgenhorn);
    Rebuild();
}

void TFrameSteuerung::btnColorFelgenschulterClick()
{
    TogglePartHighlight(Config, RimPart::Felgenschulter);
    Rebuild();
}

void TFrameSteuerung::btnStyleHumpClick()
{
    CycleHumpStyle(Config);
    Rebuild();
}

void TFrameSteuerung::btnColorHumpClick()
{
    TogglePartHighlight(Config, RimPart::Hump);
    Rebuild();
}

void TFrameSteuerung::btnStyleFelgenbettClick()
{
    ToggleWell(Config);
    Rebuild();
}

void TFrameSteuerung::btnColorFelgenbettClick()
{
    TogglePartHighlight(Config, RimPart::Felgenbett);
    Rebuild();
}

void TFrameSteuerung::btnColorRadschuesselClick()
{
    TogglePartHighlight(Config, RimPart::Radschuessel);
    Rebuild();
}

void TFrameSteuerung::HighlightComponent(ViewComponent component)
{
    switch (component) {
    case ViewComponent::Felgenhorn:
        return btnColorFelgenhornClick();
    case ViewComponent::Felgenschulter:
        return btnColorFelgenschulterClick();
    case ViewComponent::Hump:
        return btnColorHumpClick();
    case ViewComponent::Felgenbett:
        return btnColorFelgenbettClick();
    case ViewComponent::Radscheibe:
        return btnColorRadschuesselClick();
    default:
        return;
    }
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
    WithdrawStepRefusals(*this);
}

void TFrameSteuerung::ShowValues()
{
    const QLocale locale;
    SetLabelCaption(lblMaulweiteText, MaulweiteCaption(Config.Maulweite, locale));
    SetLabelCaption(lblDurchmesser, DurchmesserCaption(Config.Durchmesser, locale));
    SetLabelCaption(lblEinpresstiefe, EinpresstiefeCaption(Config.Einpresstiefe, locale));
    SetLabelCaption(lblLochkreise, RadbolzenCaption(Config.Radbolzen));
}

void TFrameSteuerung::ShowComparison(const WheelConfig* reference)
{
    lblVergleich->setVisible(reference != nullptr);
    if (!reference)
        return;
    const std::string separator = DecimalSeparator();
    lblVergleich->setText(QString::fromStdString("Vergleich mit " + RimMarking(*reference, separator) + ":\n" +
                                                 DifferencesText(CompareRims(Config, *reference), separator)));
}
