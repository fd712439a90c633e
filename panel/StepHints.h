#pragma once

#include "PanelButtons.h"
#include "StepRefusal.h"

#include <QString>

class QAbstractButton;
struct WheelConfig;

// Why a dimension step would be refused from this configuration, with the
// default locale's figures; empty where the step would be taken.
QString StepRefusalText(const WheelConfig& c, DimensionStep step);

// Tells the reason at the step's button, a click's or a key's alike: as a
// tooltip there and as the button's accessible description, announced to
// assistive technology. An empty reason, for a step taken, tells nothing.
// Either way the reasons told before at the other step buttons are
// withdrawn: they spoke of a rim that has changed since.
void TellStepRefusal(std::span<const PushButtonRow> buttons, DimensionStep step, const QString& reason);

// Every reason withdrawn, for a rim set as a whole.
void WithdrawStepRefusals(std::span<const PushButtonRow> buttons);

// The reason the button's last step was refused, as a tooltip again: a key's
// release hides the tooltip its press showed.
void ShowStepRefusalAgain(QAbstractButton& button);
