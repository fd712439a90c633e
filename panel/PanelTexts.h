#pragma once

#include "ViewComponent.h"

#include <QLocale>
#include <QString>

#include <string>

struct WheelConfig;

// The decimal separator of the locale, the user's unless another is given,
// for the figures the configuration writes.
std::string DecimalSeparator(const QLocale& locale = QLocale());

// The value labels' run-time captions. Numbers are written as the rim's
// marking writes them, with the locale's decimal separator.
QString MaulweiteCaption(double inches, const QLocale& locale);
QString DurchmesserCaption(double inches, const QLocale& locale);
QString EinpresstiefeCaption(double millimetres, const QLocale& locale);
QString RadbolzenCaption(int count);

// The panel's name of a wheel part, "1.1 Felgenhorn" to "2. Radscheibe".
QString PartCaption(ViewComponent part);
// What the view shows there, in the panel's words: a part's name, or a
// dimension with its value, "Maulweite 6\""; empty for nothing.
QString ComponentCaption(ViewComponent component, const WheelConfig& c, const QLocale& locale);
