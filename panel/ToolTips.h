#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// The program's tooltips. On X11 they are Qt's own. On Wayland they are
// windows of the program's, with Qt's look and rules, whose hides wait for
// the compositor (see FrameAnswers.h): Qt hides its tooltips on clicks,
// keys and timers of its own, too soon after they have painted.

// A tooltip with the text at a point, for the widget; with a rect, it goes
// when the pointer leaves that part of the widget. One still showing at
// another place, or for another widget, is taken down rather than moved: a
// Wayland compositor keeps a popup where it first placed it.
void ShowToolTipAt(QPoint globalPosition, const QString& text, QWidget* widget, QRect rect = {});
// Takes the tooltip down after a moment, as QToolTip::hideText does.
void HideToolTip();
bool ToolTipShown();
QString ToolTipText();
// Every tooltip down at once, for a window that has had its frames answered
// and is about to go with the tooltips on it.
void TakeDownToolTips();
// On Wayland, the widgets' own tooltips are shown the program's way too.
void TakeOverToolTips();
