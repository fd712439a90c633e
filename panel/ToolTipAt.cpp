#include "ToolTipAt.h"

#include <QApplication>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

void ShowToolTipAt(QPoint globalPosition, const QString& text, QWidget* widget, QRect rect)
{
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
