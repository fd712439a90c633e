#include "HighlightColor.h"

#include <GL/gl.h>

void ApplyHighlightColor(bool highlighted)
{
    const std::array<float, 4>& c = highlighted ? HighlightColor : NormalColor;
    glColor4f(c[0], c[1], c[2], c[3]);
}
