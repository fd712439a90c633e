#pragma once

#include <QLocale>
#include <QString>

// The value labels' run-time captions. Numbers are written as the rim's
// marking writes them, with the locale's decimal separator.
QString MaulweiteCaption(double inches, const QLocale& locale);
QString DurchmesserCaption(double inches, const QLocale& locale);
QString EinpresstiefeCaption(double millimetres, const QLocale& locale);
QString RadbolzenCaption(int count);
