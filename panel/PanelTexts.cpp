#include "PanelTexts.h"

#include "Figures.h"
#include "WheelConfig.h"

namespace {

QString Figure(double value, const QLocale& locale)
{
    return QString::fromStdString(FormatFigure(value, DecimalSeparator(locale)));
}

}  // namespace

std::string DecimalSeparator(const QLocale& locale)
{
    return locale.decimalPoint().toStdString();
}

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

QString PartCaption(ViewComponent part)
{
    switch (part) {
    case ViewComponent::Felgenhorn:
        return QStringLiteral("1.1 Felgenhorn");
    case ViewComponent::Felgenschulter:
        return QStringLiteral("1.2 Felgenschulter");
    case ViewComponent::Hump:
        return QStringLiteral("1.3 Hump");
    case ViewComponent::Felgenbett:
        return QStringLiteral("1.4 Felgenbett");
    case ViewComponent::Radscheibe:
        return QStringLiteral("2. Radscheibe");
    default:
        return {};
    }
}

QString ComponentCaption(ViewComponent component, const WheelConfig& c, const QLocale& locale)
{
    switch (component) {
    case ViewComponent::Maulweite:
        return QStringLiteral("Maulweite ") + Figure(c.Maulweite, locale) + QStringLiteral("\"");
    case ViewComponent::Einpresstiefe:
        return QStringLiteral("Einpresstiefe ") + Figure(c.Einpresstiefe, locale) + QStringLiteral(" mm");
    case ViewComponent::Durchmesser:
        return QStringLiteral("Durchmesser ") + Figure(c.Durchmesser, locale) + QStringLiteral("\"");
    default:
        return PartCaption(component);
    }
}
