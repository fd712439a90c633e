#include "WheelList.h"

#include "WheelConfig.h"

#include <GL/gl.h>

void BuildWheelList(WheelConfig& c)
{
    if (c.WheelList != 0)
        glDeleteLists(c.WheelList, 1);
    c.WheelList = glGenLists(1);
    if (c.WheelList == 0)
        return;
    glNewList(c.WheelList, GL_COMPILE_AND_EXECUTE);
    glEndList();
}
