#include "ToolTips.h"

#include "AnsweredHide.h"

#include <QApplication>
#include <QBasicTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QStyleOption>
#include <QStylePainter>
#include <QToolTip>

namespace {

// Qt's timings: gone 300 ms after the pointer leaves, or after ten seconds
// and a little longer for long texts.
constexpr int HideDelayMs = 300;

int ExpiryMs(const QString& text)
{
    return 10000 + 40 * std::max(0, static_cast<int>(text.size()) - 100);
}

// One tooltip on Wayland, drawn as Qt draws its own.
class ToolTipLabel : public AnsweredHide<QLabel> {
public:
    ToolTipLabel(QWidget* widget, QRect rect)
        : AnsweredHide<QLabel>(widget, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
        , Widget(widget)
        , Rect(rect)
    {
        setObjectName(QStringLiteral("ToolTip"));
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        ensurePolished();
        setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
        setFrameStyle(QFrame::NoFrame);
        setAlignment(Qt::AlignLeft);
        setIndent(1);
        setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) / 255.0);
        setMouseTracking(true);
        qApp->installEventFilter(this);
    }

    static QPointer<ToolTipLabel> Current;

    bool Shows(const QString& text, QWidget* widget, QPoint localPosition) const
    {
        return text == this->text() && widget == Widget && (Rect.isNull() || Rect.contains(localPosition));
    }

    void Show(const QString& text, QPoint globalPosition)
    {
        setText(text);
        setWordWrap(Qt::mightBeRichText(text));
        resize(sizeHint() + QSize(1, 0));
        Place(globalPosition);
        Expiry.start(ExpiryMs(text), this);
        show();
    }

    void HideSoon()
    {
        if (!Delay.isActive())
            Delay.start(HideDelayMs, this);
    }

    // Gone for the program at once; the window goes once its frame is
    // answered, and is deleted once it has gone.
    void HideNow()
    {
        Retire();
        hide();
    }

    // Down without waiting, for a caller that has had the frame answered.
    void TakeDown()
    {
        Retire();
        HideAtOnce();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Leave:
            HideSoon();
            break;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            HideNow();
            break;
        case QEvent::MouseMove:
            if (watched == Widget && !Rect.isNull() &&
                !Rect.contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                HideSoon();
            break;
        default:
            break;
        }
        return false;
    }

    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() == Delay.timerId() || event->timerId() == Expiry.timerId())
            HideNow();
    }

    void hideEvent(QHideEvent* event) override
    {
        QLabel::hideEvent(event);
        deleteLater();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QStylePainter painter(this);
        QStyleOptionFrame option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
        painter.end();
        QLabel::paintEvent(event);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QStyleHintReturnMask mask;
        QStyleOption option;
        option.initFrom(this);
        if (style()->styleHint(QStyle::SH_ToolTip_Mask, &option, this, &mask))
            setMask(mask.region);
        QLabel::resizeEvent(event);
    }

private:
    void Retire()
    {
        Delay.stop();
        Expiry.stop();
        if (Current == this)
            Current = nullptr;
        qApp->removeEventFilter(this);
    }

    // Below and right of the point, by a pointer's size, and on the screen.
    void Place(QPoint at)
    {
        QPoint p = at + QPoint(2, 16);
        const QScreen* screen = Widget ? Widget->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->geometry();
            if (p.x() + width() > area.right() + 1)
                p.rx() -= 4 + width();
            if (p.y() + height() > area.bottom() + 1)
                p.ry() -= 24 + height();
            p.setX(std::clamp(p.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
            p.setY(std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
        }
        move(p);
    }

    QPointer<QWidget> Widget;
    QRect Rect;
    QBasicTimer Delay;
    QBasicTimer Expiry;
};

QPointer<ToolTipLabel> ToolTipLabel::Current;

// A tooltip unless the one showing already says this there; `anywhere`
// leaves it where it is wherever the point lies in the widget, as Qt does
// for a widget's own tooltip while the pointer moves over it.
void ShowOnWayland(QPoint globalPosition, const QString& text, QWidget* widget, QRect rect, bool anywhere)
{
    static QPoint shownAt;
    ToolTipLabel* current = ToolTipLabel::Current;
    if (text.isEmpty()) {
        HideToolTip();
        return;
    }
    const QPoint local = widget ? widget->mapFromGlobal(globalPosition) : globalPosition;
    if (current && current->Shows(text, widget, local) && (anywhere || globalPosition == shownAt))
        return;
    if (current)
        current->HideNow();
    shownAt = globalPosition;
    ToolTipLabel::Current = new ToolTipLabel(widget, rect);
    ToolTipLabel::Current->Show(text, globalPosition);
}

// Hands a widget's own tooltip to the program's.
class ToolTipTakeover : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        ShowOnWayland(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), widget, {}, true);
        return true;
    }
};

}  // namespace

void ShowToolTipAt(QPoint globalPosition, const QString& text, QWidget* widget, QRect rect)
{
    if (HidesWaitForFrames()) {
        ShowOnWayland(globalPosition, text, widget, rect, false);
        return;
    }
    static QPoint shownAt;
    static QPointer<QWidget> shownFor;
    // QToolTip::hideText only starts the tooltip's fade; closed at once, the
    // next text gets a tooltip of its own, placed anew.
    if (QToolTip::isVisible() && (globalPosition != shownAt || widget != shownFor)) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->inherits("QTipLabel"))
                window->close();
    }
    shownAt = globalPosition;
    shownFor = widget;
    QToolTip::showText(globalPosition, text, widget, rect);
}

void HideToolTip()
{
    if (!HidesWaitForFrames())
        QToolTip::hideText();
    else if (ToolTipLabel::Current)
        ToolTipLabel::Current->HideSoon();
}

bool ToolTipShown()
{
    if (!HidesWaitForFrames())
        return QToolTip::isVisible();
    return ToolTipLabel::Current && ToolTipLabel::Current->isVisible();
}

QString ToolTipText()
{
    if (!HidesWaitForFrames())
        return QToolTip::text();
    return ToolTipLabel::Current ? ToolTipLabel::Current->text() : QString();
}

void TakeDownToolTips()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* label = dynamic_cast<ToolTipLabel*>(window); label && label->isVisible())
            label->TakeDown();
}

void TakeOverToolTips()
{
    if (HidesWaitForFrames())
        qApp->installEventFilter(new ToolTipTakeover(qApp));
}
