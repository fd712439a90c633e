#pragma once

#include <QScrollArea>

// The panel at the window's left edge, scrolled up and down where the window
// is shorter than the panel, as on a small screen: a scroll bar then appears
// beside it and the view starts right of that. The control that takes the
// keyboard focus is scrolled into sight.
class PanelScroll : public QScrollArea {
public:
    PanelScroll(QWidget* panel, QWidget* window);

    // Lays the panel out for a client of the given height; returns the
    // width it takes, where the view begins.
    int Fit(int clientHeight);
};
