#pragma once

#include "BareView.h"

struct GLUquadric;

// The bare view with a picture of the viewer's kind: one GLU cylinder, lit
// and shaded, over a gradient, in the viewer's projection. What the viewer's
// first frame costs beyond this is its model and its own start.
class LitView : public BareView {
public:
    using BareView::BareView;
    ~LitView() override;

protected:
    void DrawPicture() override;

private:
    GLUquadric* Quadric = nullptr;
};
