#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// QToolTip::showText, except that a tooltip still showing elsewhere is
// closed first rather than reused: Qt moves the one it reuses, and a
// Wayland compositor keeps a popup where it first placed it, so the new text
// would show beside the old place.
void ShowToolTipAt(QPoint globalPosition, const QString& text, QWidget* widget, QRect rect = {});
