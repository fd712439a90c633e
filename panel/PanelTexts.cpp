#include "PanelTexts.h"

#include "RimMarking.h"

namespace {

QString Figure(double value, const QLocale& locale)
{
    return QString::fromStdString(FormatFigure(value, locale.decimalPoint().toStdString()));
}

}  // namespace

QString MaulweiteCaption(double inches, const QLocale& locale)
{
    return QStringLiteral("Maulweite: ") + Figure(inches, locale) + QStringLiteral(" \"");
}

QString DurchmesserCaption(double inches, const QLocale& locale)
{
    return QStringLiteral("Durchmesser: ") + Figure(inches, locale) + QStringLiteral(" \"");
}

QString EinpresstiefeCaption(double millimetres, const QLocale& locale)
{
    return QStringLiteral("Einpresstiefe: ") + Figure(millimetres, locale) + QStringLiteral("mm");
}

QString RadbolzenCaption(int count)
{
    return QStringLiteral("Radbolzen: ") + QString::number(count);
}
