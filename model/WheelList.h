#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

struct WheelConfig;

// Where a build gets its list name and its quadric from, and how it opens the
// list: the GL and GLU functions themselves and compile and execute, unless a
// caller has to see a build without them or record without drawing.
struct WheelListSources {
    GLuint (*GenLists)(GLsizei range) = glGenLists;
    GLUquadric* (*NewQuadric)() = gluNewQuadric;
    GLenum ListMode = GL_COMPILE_AND_EXECUTE;
};

// Records the whole wheel into a new display list (compile and execute),
// replacing the list of the previous build, and stores its name in
// c.WheelList. Requires the view's GL context to be current. Face culling is
// on afterwards. Without a list name or a quadric nothing is drawn, no list
// is left open and c.WheelList is 0.
void BuildWheelList(WheelConfig& c, const WheelListSources& sources = {});
