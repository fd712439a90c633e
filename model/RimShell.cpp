#include "RimShell.h"

#include "HighlightColor.h"
#include "WheelConfig.h"

#include <GL/gl.h>

namespace {

constexpr GLint Slices = 64;

// A cone frustum along the axis from z to z + length, radius base at z.
void Cylinder(GLUquadric* q, double z, double base, double top, double length)
{
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(z));
    gluCylinder(q, base, top, length, Slices, 1);
    glPopMatrix();
}

// A flat ring in the plane z, facing +z.
void Disk(GLUquadric* q, double z, double inner, double outer)
{
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(z));
    gluDisk(q, inner, outer, Slices, 1);
    glPopMatrix();
}

}  // namespace

void DrawRimShell(const WheelConfig& c, GLUquadric* q)
{
    const double W = c.HalfWidth;
    const double R = c.Radius;

    ApplyHighlightColor(ViewComponent::Felgenhorn, c.ColorFelgenhorn);
    Cylinder(q, W + 0.2, R + 0.7, R + 0.6, 0.1);  // lip
    Cylinder(q, W + 0.1, R + 0.7, R + 0.7, 0.1);  // crest
    Cylinder(q, W, R + 0.6, R + 0.7, 0.1);        // rise from face to crest
    Disk(q, W, R, R + 0.6);                       // face

    ApplyHighlightColor(ViewComponent::Felgenschulter, c.ColorFelgenschulter);
    Cylinder(q, W - 0.6, R, R, 0.6);

    ApplyHighlightColor(ViewComponent::Hump, c.ColorHump);
    if (!c.HumpFront) {
        Cylinder(q, W - 1.0, R, R, 0.4);
    } else {
        Cylinder(q, W - 0.7, R + 0.1, R, 0.1);        // flank toward the bead seat
        Cylinder(q, W - 0.9, R + 0.1, R + 0.1, 0.2);  // top
        Cylinder(q, W - 1.0, R, R + 0.1, 0.1);        // flank toward the well
    }

    ApplyHighlightColor(ViewComponent::Felgenbett, c.ColorFelgenbett);
    if (!c.Tiefbett) {
        Cylinder(q, 1.0 - W, R, R, 2.0 * W - 2.0);
    } else {
        Cylinder(q, W - 1.2, R - 0.8, R, 0.2);                // front wall of the drop centre
        Cylinder(q, 3.4 - W, R - 0.8, R - 0.8, 2.0 * W - 4.6);  // floor
        Cylinder(q, 2.8 - W, R - 0.3, R - 0.8, 0.6);          // steep back slope
        Cylinder(q, 1.0 - W, R, R - 0.3, 1.8);                // shallow back slope
    }

    ApplyHighlightColor(ViewComponent::Hump, c.ColorHump);
    if (!c.HumpBack) {
        Cylinder(q, 0.6 - W, R, R, 0.4);
    } else {
        Cylinder(q, 0.9 - W, R + 0.1, R, 0.1);        // flank toward the well
        Cylinder(q, 0.7 - W, R + 0.1, R + 0.1, 0.2);  // top
        Cylinder(q, 0.6 - W, R, R + 0.1, 0.1);        // flank toward the bead seat
    }

    ApplyHighlightColor(ViewComponent::Felgenschulter, c.ColorFelgenschulter);
    Cylinder(q, -W, R, R, 0.6);

    ApplyHighlightColor(ViewComponent::Felgenhorn, c.ColorFelgenhorn);
    Disk(q, -W, R, R + 0.6);                       // face
    Cylinder(q, -W - 0.1, R + 0.7, R + 0.6, 0.1);  // rise from face to crest
    Cylinder(q, -W - 0.2, R + 0.7, R + 0.7, 0.1);  // crest
    Cylinder(q, -W - 0.3, R + 0.6, R + 0.7, 0.1);  // lip
}
