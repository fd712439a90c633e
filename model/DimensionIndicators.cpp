#include "DimensionIndicators.h"

#include "HighlightColor.h"
#include "WheelColors.h"
#include "WheelConfig.h"

#include <GL/gl.h>

namespace {

constexpr double RodRadius = 0.03;
constexpr double ArrowBase = 0.3;
constexpr double ArrowLength = 2.0;

void SetIndicatorColor(ViewComponent indicator)
{
    NameComponent(indicator);
    glColor4f(IndicatorColor[0], IndicatorColor[1], IndicatorColor[2], IndicatorColor[3]);
}

void Translate(double x, double y, double z)
{
    glTranslatef(static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z));
}

// A plane marker with the thin band that rims it, both in the current frame.
void Marker(GLUquadric* q, double radius, double inner)
{
    gluDisk(q, inner, radius + 2.0, 64, 1);
    gluCylinder(q, radius + 2.0, radius + 2.0, 0.05, 64, 1);
}

void DrawWidthIndicator(const WheelConfig& c, GLUquadric* q)
{
    const double W = c.HalfWidth;
    const double R = c.Radius;
    SetIndicatorColor(ViewComponent::Maulweite);
    glEnable(GL_BLEND);
    glPushMatrix();
    Translate(0.0, 0.0, W - 0.01);
    Marker(q, R, R);
    glPopMatrix();

    glPushMatrix();
    Translate(0.0, 0.0, -W + 0.01);
    Marker(q, R, R);
    glDisable(GL_BLEND);
    Translate(0.0, R + 1.5, 0.0);
    // The rod gets a list node of its own: Mesa 22's list compiler leaks the
    // draw table (12 bytes a strip) of a node that holds strips back to back,
    // as rod and arrow head did, 24 bytes per wheel build. The empty matrix
    // bracket ends the node.
    glPushMatrix();
    gluCylinder(q, RodRadius, RodRadius, 2.0 * W - 0.02, 64, 1);
    glPopMatrix();
    gluCylinder(q, RodRadius, ArrowBase, ArrowLength, 32, 1);
    Translate(0.0, 0.0, 2.0 * W - 0.02 - ArrowLength);
    gluCylinder(q, ArrowBase, RodRadius, ArrowLength, 32, 1);
    glPopMatrix();
}

void DrawOffsetIndicator(const WheelConfig& c, GLUquadric* q)
{
    const double E = c.Einpresstiefe / 20.0;
    const double R = c.Radius;
    // The rod's half-length follows the inch figure itself, not HalfWidth.
    const double halfRod = c.Maulweite + 2.4;
    SetIndicatorColor(ViewComponent::Einpresstiefe);
    glEnable(GL_BLEND);
    glPushMatrix();
    Marker(q, R, 0.0);
    Translate(0.0, 0.0, E - 0.01);
    Marker(q, R, 0.0);
    glPopMatrix();

    glPushMatrix();
    glDisable(GL_BLEND);
    Translate(0.0, 0.0, -halfRod);
    gluCylinder(q, RodRadius, RodRadius, halfRod * 2.0, 64, 1);
    glPopMatrix();

    glPushMatrix();
    Translate(0.0, 0.0, -ArrowLength);
    gluCylinder(q, ArrowBase, RodRadius, ArrowLength, 32, 1);
    Translate(0.0, 0.0, E + 0.01 + ArrowLength);
    gluCylinder(q, RodRadius, ArrowBase, ArrowLength, 64, 1);
    glPopMatrix();
}

void DrawDiameterIndicator(const WheelConfig& c, GLUquadric* q)
{
    const double W = c.HalfWidth;
    const double tube = c.Radius + 0.01;
    SetIndicatorColor(ViewComponent::Durchmesser);
    glEnable(GL_BLEND);
    glPushMatrix();
    Translate(0.0, 0.0, -W - 2.3);
    gluCylinder(q, tube, tube, (W + 2.4) * 2.0, 64, 1);
    glPopMatrix();
    glDisable(GL_BLEND);

    // Local z now runs along the model's +y, local y along the model's -z.
    glPushMatrix();
    glRotatef(90.0f, -1.0f, 0.0f, 0.0f);
    Translate(0.0, -W - 2.0, -(tube + 3.0));
    gluCylinder(q, RodRadius, RodRadius, (tube + 3.0) * 2.0, 32, 1);
    Translate(0.0, 0.0, 1.0);
    gluCylinder(q, ArrowBase, RodRadius, ArrowLength, 32, 1);
    Translate(0.0, 0.0, 2.0 * tube + ArrowLength);
    gluCylinder(q, RodRadius, ArrowBase, ArrowLength, 32, 1);
    glPopMatrix();
}

}  // namespace

void DrawDimensionIndicators(const WheelConfig& c, GLUquadric* q)
{
    if (c.ShowMaulweite)
        DrawWidthIndicator(c, q);
    if (c.ShowEinpresstiefe)
        DrawOffsetIndicator(c, q);
    if (c.ShowDurchmesser)
        DrawDiameterIndicator(c, q);
}
