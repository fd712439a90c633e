#include "StepHints.h"

#include "PanelTexts.h"
#include "ToolTips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLocale>
#include <QPushButton>

namespace {

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

void TellStepRefusal(std::span<const PushButtonRow> buttons, DimensionStep step, const QString& reason)
{
    for (const PushButtonRow& row : buttons) {
        if (!row.step)
            continue;
        QAbstractButton* button = row.button;
        if (row.step != step || reason.isEmpty()) {
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

void WithdrawStepRefusals(std::span<const PushButtonRow> buttons)
{
    for (const PushButtonRow& row : buttons)
        if (row.step)
            SetReason(*row.button, {});
}

void ShowStepRefusalAgain(QAbstractButton& button)
{
    if (!button.accessibleDescription().isEmpty())
        ShowTip(button, button.accessibleDescription());
}
