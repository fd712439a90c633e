#include "HighlightColor.h"

#include "WheelColors.h"

#include <GL/gl.h>

void ApplyHighlightColor(ViewComponent component, bool highlighted)
{
    NameComponent(component);
    const std::array<float, 4>& c = highlighted ? HighlightColor : NormalColor;
    glColor4f(c[0], c[1], c[2], c[3]);
}

void NameComponent(ViewComponent component)
{
    glLoadName(static_cast<GLuint>(component));
    glPassThrough(ComponentFeedbackMark + static_cast<GLfloat>(component));
}
