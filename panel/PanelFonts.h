#pragma once

#include <QFont>

// Makes the panel's Windows font families resolve on systems that lack them:
// Wine's free Tahoma and MS Sans Serif faces are loaded when the family is not
// installed, and Verdana falls back to DejaVu Sans. Safe to call repeatedly.
void RegisterPanelFonts();

// A font of the given family at the given character height in pixels.
QFont PanelFont(const QString& family, int pixelSize, bool bold = false);
