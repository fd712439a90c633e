#pragma once

#include "StepRefusal.h"
#include "ToggleStates.h"
#include "ViewComponent.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <span>

class QPushButton;
class TFrameSteuerung;
struct WheelConfig;

using PanelHandler = void (TFrameSteuerung::*)();

// A view button: a face or an arrow, named by its hint. It takes no focus
// and steps on while held.
struct SpeedButtonRow {
    const char* name;
    QPoint position;
    QString face;
    Qt::ArrowType arrow;
    QString hint;
    PanelHandler handler;
};

// A push button, focusable in its tab order, and what it is besides its
// command: the dimension step it takes, which repeats while it is held and
// whose refusal is told at it; the switch it is, drawn and reported checked
// while on; and the part of the wheel it lights, which a click on that part
// in the view lights alike.
struct PushButtonRow {
    const char* name;
    QRect geometry;
    QString caption;
    QString hint;
    QString accessibleName;  // empty: the caption names the button
    int tabOrder;
    PanelHandler handler;
    std::optional<DimensionStep> step = {};
    std::optional<Toggle> toggle = {};
    ViewComponent component = ViewComponent::None;
    QPushButton* button = nullptr;  // once made from the row
};

// Each switch's button checked exactly while the configuration has it on;
// after any command, since one switch may turn others off.
void ShowToggleStates(const WheelConfig& c, std::span<const PushButtonRow> buttons);
