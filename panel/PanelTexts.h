#pragma once

#include <QLocale>
#include <QString>

// The value labels' run-time captions. Numbers are in the general format with
// at most 15 significant digits and the locale's decimal separator.
QString FormatPanelNumber(double value, const QLocale& locale);
QString MaulweiteCaption(double inches, const QLocale& locale);
QString DurchmesserCaption(double inches, const QLocale& locale);
QString EinpresstiefeCaption(double millimetres, const QLocale& locale);
QString RadbolzenCaption(int count);
