#include "LitView.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

LitView::~LitView()
{
    if (Quadric)
        gluDeleteQuadric(Quadric);
}

void LitView::DrawPicture()
{
    if (!Quadric) {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        glEnable(GL_DEPTH_TEST);
        glShadeModel(GL_SMOOTH);
        Quadric = gluNewQuadric();
        gluQuadricNormals(Quadric, GLU_SMOOTH);
    }
    const double ratio = devicePixelRatio();
    glViewport(0, 0, static_cast<GLsizei>(width() * ratio), static_cast<GLsizei>(height() * ratio));
    glClearColor(0.05f, 0.23f, 0.59f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // 40 model units across, as the viewer's start zoom.
    const GLfloat x = 20.0f;
    const GLfloat y = x * static_cast<GLfloat>(height()) / static_cast<GLfloat>(std::max(width(), 1));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-x, x, -y, y, -40.0, 40.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // The clear colour at the foot, the lit blue at the top.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glColor4f(0.4f, 0.53f, 0.86f, 0.0f);
    glVertex3f(-x, -y, -10.0f);
    glVertex3f(x, -y, -10.0f);
    glColor4f(0.4f, 0.53f, 0.86f, 1.0f);
    glVertex3f(x, y, -10.0f);
    glVertex3f(-x, y, -10.0f);
    glEnd();
    glDisable(GL_BLEND);

    glRotatef(45.0f, 1.0f, 1.0f, 0.0f);
    glColor3f(0.8f, 0.8f, 0.8f);
    gluCylinder(Quadric, 8.0, 8.0, 6.0, 64, 4);
}
