#include "PanelButtonStyle.h"

#include "WheelColors.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Against the panel's white and the buttons' light faces, pressed or not,
// it keeps a contrast of well over 4.5 : 1.
const QColor FocusColor(0x0B, 0x3D, 0x91);
constexpr int FocusWidth = 2;
// The orange the view highlights a part in.
const QColor OnColor = QColor::fromRgbF(HighlightColor[0], HighlightColor[1], HighlightColor[2]);
constexpr int OnHeight = 2;

void DrawFocusMark(const QRect& r, QPainter* painter)
{
    const int w = FocusWidth;
    for (const QRect& bar : {QRect(r.left(), r.top(), r.width(), w), QRect(r.left(), r.bottom() - w + 1, r.width(), w),
                             QRect(r.left(), r.top(), w, r.height()), QRect(r.right() - w + 1, r.top(), w, r.height())})
        painter->fillRect(bar, FocusColor);
}

// Just within the focus mark's place, below the caption.
void DrawOnMark(const QRect& r, QPainter* painter)
{
    const int inset = FocusWidth + 1;
    painter->fillRect(QRect(r.left() + inset, r.bottom() - FocusWidth - OnHeight + 1, r.width() - 2 * inset, OnHeight),
                      OnColor);
}

}  // namespace

PanelButtonStyle::PanelButtonStyle(QStyle* base)
    : QProxyStyle(base)
{
}

void PanelButtonStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton)
        return;
    if (option->state & State_On)
        DrawOnMark(option->rect, painter);
    if (option->state & State_HasFocus)
        DrawFocusMark(option->rect, painter);
}

void PanelButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && (option->state & State_HasFocus))
        DrawFocusMark(option->rect, painter);
}
