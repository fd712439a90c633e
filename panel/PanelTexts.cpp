#include "PanelTexts.h"

QString FormatPanelNumber(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QString MaulweiteCaption(double inches, const QLocale& locale)
{
    return QStringLiteral("Maulweite: ") + FormatPanelNumber(inches, locale) + QStringLiteral(" \"");
}

QString DurchmesserCaption(double inches, const QLocale& locale)
{
    return QStringLiteral("Durchmesser: ") + FormatPanelNumber(inches, locale) + QStringLiteral(" \"");
}

QString EinpresstiefeCaption(double millimetres, const QLocale& locale)
{
    return QStringLiteral("Einpresstiefe: ") + FormatPanelNumber(millimetres, locale) + QStringLiteral("mm");
}

QString RadbolzenCaption(int count)
{
    return QStringLiteral("Radbolzen: ") + QString::number(count);
}
