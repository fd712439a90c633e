#pragma once

#include <QFont>
#include <QString>

// The panel was laid out with Windows faces. It draws with scalable faces
// only, so that its text scales with the screen and keeps its strokes on
// 16-bit screens, chosen with their pixel sizes so that the self-sizing labels
// come out nearest to their laid-out widths:
//   Tahoma            Tahoma, from Wine's fonts when not installed
//   Verdana           Verdana, else DejaVu Sans
//   MS Sans Serif 11  Tahoma 11 (the window's and the push buttons' font)
//   MS Sans Serif 13  DejaVu Sans Condensed 13 (the component labels)
//   Tahoma bold 21    DejaVu Sans Condensed Bold 21 (the header); Wine's
//                     Tahoma Bold has the regular face's outlines
inline const QString TahomaFamily = QStringLiteral("Tahoma");
inline const QString SectionFamily = QStringLiteral("Verdana");
inline const QString CondensedFamily = QStringLiteral("DejaVu Sans Condensed");

// Makes Tahoma resolve on systems that lack it, and points the families that
// are missing or only bitmap faces here at their stand-ins. Safe to call
// repeatedly.
void RegisterPanelFonts();

// A font of the given family at the given character height in pixels.
QFont PanelFont(const QString& family, int pixelSize, bool bold = false);
