#pragma once

#include <QProxyStyle>

// The panel's buttons and marking field in their light design, with two
// marks of its own. The focused control has a dark blue outline inside its
// edge, whenever it has the focus, also before any key was pressed, so that
// the control a key acts on can always be seen. A switch that is on is drawn
// pressed, with a bar in the view's highlight orange along its foot. Without
// either a control is drawn exactly as the style beneath draws it.
class PanelButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes the style beneath.
    explicit PanelButtonStyle(QStyle* base);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
