#include "PanelScroll.h"

#include "Unit1.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

PanelScroll::PanelScroll(QWidget* panel, QWidget* window)
    : QScrollArea(window)
{
    setObjectName(QStringLiteral("PanelScroll"));
    // Some desktop styles (Breeze, Adwaita) take the background off what a
    // frameless scroll area holds, for their flat look: the panel's light
    // design would then lie on the desktop's dark window colour. Its scroll
    // bar keeps the desktop's style.
    auto* plain = QStyleFactory::create(QStringLiteral("Fusion"));
    plain->setParent(this);
    setStyle(plain);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab leads through the panel's controls, never to the area itself.
    setFocusPolicy(Qt::NoFocus);
    setWidget(panel);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget()->isAncestorOf(now))
            ensureWidgetVisible(now);
    });
}

int PanelScroll::Fit(int clientHeight)
{
    const bool scrolls = clientHeight < TFrameSteuerung::PanelHeight;
    const int bar = scrolls ? verticalScrollBar()->sizeHint().width() : 0;
    widget()->resize(TFrameSteuerung::PanelWidth, std::max(clientHeight, TFrameSteuerung::PanelHeight));
    setGeometry(0, 0, TFrameSteuerung::PanelWidth + bar, clientHeight);
    return TFrameSteuerung::PanelWidth + bar;
}
