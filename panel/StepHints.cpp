#include "StepHints.h"

#include "PanelTexts.h"
#include "ToolTips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLocale>
#include <QWidget>

#include <utility>

namespace {

const std::pair<DimensionStep, const char*> StepButtonNames[] = {
    {DimensionStep::WidthUp, "btnMaulweitePlus"},
    {DimensionStep::WidthDown, "btnMaulweiteMinus"},
    {DimensionStep::DiameterUp, "btnDurchmesserPlus"},
    {DimensionStep::DiameterDown, "btnDurchmesserMinus"},
    {DimensionStep::OffsetUp, "btnEinpresstiefePlus"},
    {DimensionStep::OffsetDown, "btnEinpresstiefeMinus"},
    {DimensionStep::BoltsUp, "btnLochkreisePlus"},
    {DimensionStep::BoltsDown, "btnLochkreiseMinus"},
};

void ShowTip(QAbstractButton& button, const QString& reason)
{
    // Below the button, clear of the pointer that pressed it.
    ShowToolTipAt(button.mapToGlobal(QPoint(0, button.height() / 2)), reason, &button, button.rect());
}

void SetReason(QAbstractButton& button, const QString& reason)
{
    if (button.accessibleDescription() == reason)
        return;
    button.setAccessibleDescription(reason);
    QAccessibleEvent changed(&button, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace

QString StepRefusalText(const WheelConfig& c, DimensionStep step)
{
    return QString::fromStdString(StepRefusal(c, step, DecimalSeparator()));
}

void TellStepRefusal(QWidget& panel, DimensionStep step, const QString& reason)
{
    for (const auto& [each, name] : StepButtonNames) {
        auto* button = panel.findChild<QAbstractButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (each != step || reason.isEmpty()) {
            SetReason(*button, {});
            continue;
        }
        // A held button repeats its step: the reason is announced when it
        // first comes, and again for every press, not for every repeat.
        const bool news = button->accessibleDescription() != reason || !button->isDown();
        SetReason(*button, reason);
        ShowTip(*button, reason);
        if (news) {
            QAccessibleEvent alert(button, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }
}

void WithdrawStepRefusals(QWidget& panel)
{
    for (const auto& [each, name] : StepButtonNames)
        SetReason(*panel.findChild<QAbstractButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly), {});
}

void ShowStepRefusalAgain(QAbstractButton& button)
{
    if (!button.accessibleDescription().isEmpty())
        ShowTip(button, button.accessibleDescription());
}
