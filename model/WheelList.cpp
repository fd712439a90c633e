#include "WheelList.h"

#include "DimensionIndicators.h"
#include "RimShell.h"
#include "WheelConfig.h"
#include "WheelDisc.h"

void BuildWheelList(WheelConfig& c, const WheelListSources& sources)
{
    if (c.WheelList != 0)
        glDeleteLists(c.WheelList, 1);
    c.WheelList = sources.GenLists(1);
    if (c.WheelList == 0) {
        // Frames drawn after a failed build see the culling a good one leaves.
        glEnable(GL_CULL_FACE);
        return;
    }
    glNewList(c.WheelList, sources.ListMode);

    GLUquadric* WheelQuadric = sources.NewQuadric();
    if (WheelQuadric == nullptr) {
        glEndList();
        glDeleteLists(c.WheelList, 1);
        c.WheelList = 0;
        glEnable(GL_CULL_FACE);
        return;
    }
    gluQuadricDrawStyle(WheelQuadric, GLU_FILL);
    gluQuadricNormals(WheelQuadric, GLU_SMOOTH);

    // Both sides of the open shell and of the disc are seen.
    glDisable(GL_CULL_FACE);
    DrawRimShell(c, WheelQuadric);
    DrawWheelDisc(c, WheelQuadric);
    DrawDimensionIndicators(c, WheelQuadric);
    glEnable(GL_CULL_FACE);

    gluDeleteQuadric(WheelQuadric);
    glEndList();
}
