#pragma once

#include "WheelConfig.h"

#include <gtest/gtest.h>

class TOpenGL_box;
class QWidget;

// The checks made after every click of a long session, each stated on its
// own: the panel's texts from the configuration, the GL's lists and error
// state from the view's context.
class SoakChecks {
public:
    // The width and diameter labels keep their design-time text (without the
    // blank before the inch mark) until one of their buttons is first clicked.
    void WidthLabelRewritten() { WidthRewritten = true; }
    void DiameterLabelRewritten() { DiameterRewritten = true; }

    // The value labels and the half-section button's caption, as a German
    // locale writes them.
    testing::AssertionResult PanelShows(const QWidget& panel, const WheelConfig& c) const;

    // Every frame consumes the pending rotation; only a rotation turns the model.
    static testing::AssertionResult FrameConsumedTheRotation(const WheelConfig& before, const WheelConfig& after,
                                                             bool rotationClick);

    // The view's context is current and holds no error.
    static testing::AssertionResult NoGLError(const TOpenGL_box& box);

    // Of all list names handed out so far, only the configuration's names a list.
    testing::AssertionResult ExactlyOneWheelList(TOpenGL_box& box);
    unsigned HighestListName() const { return Highest; }

private:
    bool WidthRewritten = false;
    bool DiameterRewritten = false;
    unsigned Highest = 0;
};
