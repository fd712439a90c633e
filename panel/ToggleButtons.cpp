#include "ToggleButtons.h"

#include "ToggleStates.h"

#include <QAbstractButton>
#include <QWidget>

#include <utility>

namespace {

const std::pair<Toggle, const char*> ToggleButtonNames[] = {
    {Toggle::ColorFelgenschuessel, "btnColorFelgenschuessel"},
    {Toggle::ColorFelgenhorn, "btnColorFelgenhorn"},
    {Toggle::ColorFelgenschulter, "btnColorFelgenschulter"},
    {Toggle::ColorHump, "btnColorHump"},
    {Toggle::ColorFelgenbett, "btnColorFelgenbett"},
    {Toggle::ColorRadschuessel, "btnColorRadschuessel"},
    {Toggle::ShowMaulweite, "btnShowMaulweite"},
    {Toggle::ShowEinpresstiefe, "btnShowEinpresstiefe"},
    {Toggle::ShowDurchmesser, "btnShowDurchmesser"},
    {Toggle::Halbschnitt, "btnSchnitt"},
};

QAbstractButton* ButtonNamed(QWidget& panel, const char* name)
{
    return panel.findChild<QAbstractButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

void MakeToggleButtonsCheckable(QWidget& panel)
{
    for (const auto& [toggle, name] : ToggleButtonNames)
        ButtonNamed(panel, name)->setCheckable(true);
}

void ShowToggleStates(const WheelConfig& c, QWidget& panel)
{
    for (const auto& [toggle, name] : ToggleButtonNames)
        ButtonNamed(panel, name)->setChecked(ToggleOn(c, toggle));
}
