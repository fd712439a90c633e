#include "WheelDisc.h"

#include "DrawTorus.h"
#include "HighlightColor.h"
#include "WheelConfig.h"

#include <GL/gl.h>

namespace {

constexpr double BoltCircle = 2.3;

// The turn from one bolt to the next, clockwise as seen from the front.
void TurnToNextBolt(double pitch)
{
    glRotatef(static_cast<GLfloat>(pitch), 0.0f, 0.0f, -1.0f);
}

void DrawBoltSeats(int bolts, double pitch, GLfloat e, GLUquadric* q)
{
    for (int k = 0; k < bolts; ++k) {
        glPushMatrix();
        glTranslatef(0.0f, static_cast<GLfloat>(BoltCircle), e);
        DrawTorus(8, 32, 0.5, 0.6);
        gluDisk(q, 0.6, 1.0, 32, 1);
        glPopMatrix();
        TurnToNextBolt(pitch);
    }
}

// Each sector leaves a 24-degree gap centred on a bolt seat for its plate.
void DrawSpokeSectors(int bolts, double pitch, GLfloat e, GLUquadric* q)
{
    for (int k = 0; k < bolts; ++k) {
        glPushMatrix();
        glTranslatef(0.0f, 0.0f, e);
        gluPartialDisk(q, 1.8, 3.2, 5, 1, 12.0, pitch - 20.0 - 4.0);
        glPopMatrix();
        TurnToNextBolt(pitch);
    }
}

}  // namespace

void DrawWheelDisc(const WheelConfig& c, GLUquadric* q)
{
    ApplyHighlightColor(ViewComponent::Radscheibe, c.ColorRadschuessel);
    const auto e = static_cast<GLfloat>(c.Einpresstiefe / 20.0);

    if (c.Radbolzen >= 1) {
        const double pitch = 360.0 / c.Radbolzen;
        DrawBoltSeats(c.Radbolzen, pitch, e, q);
        DrawSpokeSectors(c.Radbolzen, pitch, e, q);
    }

    // The outer ring meets the well's floor.
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, e);
    gluDisk(q, 1.25, 1.8, 64, 1);
    gluDisk(q, 3.1, c.Tiefbett ? c.Radius - 0.8 : c.Radius, 64, 1);
    glPopMatrix();
}
