#include "ComponentPick.h"

#include "FrameRenderer.h"
#include "WheelConfig.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

// The wheel's list as the frame replays it, under a projection that the
// given step may narrow first, with the caller's matrices and state kept.
void ReplayWheel(const WheelConfig& c, const std::function<void()>& narrow)
{
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_TRANSFORM_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    narrow();
    MultViewProjection(c);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    // What the screen shows: a rotation still pending is not drawn yet.
    glLoadMatrixf(c.RotMatrix.data());
    SetWheelStyle(c);
    glCallList(c.WheelList);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

// A hit record per change of name; a build names a few dozen pieces.
constexpr GLsizei SelectBufferSize = 1024;

// The nearest named hit of a selection pass over a square of the given side
// around the point; None without one.
ViewComponent NearestHit(const WheelConfig& c, double x, double y, double side)
{
    std::array<GLuint, SelectBufferSize> hits{};
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(SelectBufferSize, hits.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);

    ReplayWheel(c, [&] { gluPickMatrix(x, y, side, side, viewport); });

    const GLint records = glRenderMode(GL_RENDER);
    ViewComponent nearest = ViewComponent::None;
    GLuint nearestDepth = std::numeric_limits<GLuint>::max();
    // Each record: the count of names, the least and greatest depth, the names.
    for (GLint r = 0, at = 0; r < records && at + 3 < SelectBufferSize; ++r) {
        const GLuint names = hits[at];
        const GLuint depth = hits[at + 1];
        const GLuint name = names > 0 ? hits[at + 3] : 0;
        // Of equally near ones the first drawn, as the depth test keeps it.
        if (name != 0 && depth < nearestDepth) {
            nearestDepth = depth;
            nearest = static_cast<ViewComponent>(name);
        }
        at += 3 + static_cast<GLint>(names);
    }
    return nearest;
}

// The points style draws the vertices alone, and those where the half
// section cuts the surfaces. Selection cannot tell them from the surfaces it
// clips to a pick square; feedback hands over each point drawn, in window
// coordinates, behind the model's mark of its component.
ViewComponent NearestPoint(const WheelConfig& c, double x, double y, double reach)
{
    std::vector<GLfloat> buffer(1 << 18);
    GLint used = -1;
    // A buffer too small is reported as overflowed; the list is replayed into
    // a larger one.
    for (int attempt = 0; attempt < 6 && used < 0; ++attempt) {
        if (attempt > 0)
            buffer.resize(buffer.size() * 2);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        ReplayWheel(c, [] {});
        used = glRenderMode(GL_RENDER);
    }
    ViewComponent nearest = ViewComponent::None;
    ViewComponent current = ViewComponent::None;
    double nearestDistance = reach + 0.5;
    GLfloat nearestDepth = 2.0f;
    for (GLint at = 0; at < used;) {
        const auto token = static_cast<GLenum>(buffer[at]);
        if (token == GL_PASS_THROUGH_TOKEN && at + 1 < used) {
            const GLfloat mark = buffer[at + 1] - ComponentFeedbackMark;
            current = mark >= 0.0f ? static_cast<ViewComponent>(static_cast<int>(mark)) : current;
            at += 2;
        } else if (token == GL_POINT_TOKEN && at + 3 < used) {
            // The pixel a point covers, measured from the pixel asked about.
            const double dx = std::floor(buffer[at + 1]) + 0.5 - x;
            const double dy = std::floor(buffer[at + 2]) + 0.5 - y;
            const double distance = std::hypot(dx, dy);
            const GLfloat depth = buffer[at + 3];
            if (distance < nearestDistance || (distance == nearestDistance && depth < nearestDepth)) {
                nearestDistance = distance;
                nearestDepth = depth;
                nearest = current;
            }
            at += 4;
        } else {
            // Nothing else comes of points; anything else ends the reading.
            break;
        }
    }
    return nearest;
}

}  // namespace

ViewComponent PickComponent(const WheelConfig& c, double x, double y, double reach)
{
    if (c.WheelList == 0)
        return ViewComponent::None;
    // A filled surface counts where the rasteriser samples it, at the pixel's
    // centre; a tiny square stands for that point.
    if (c.StyleMode == 3)
        return NearestPoint(c, x, y, reach);
    if (c.StyleMode != 2)
        return NearestHit(c, x, y, 0.25);
    // Lines: ever wider squares, so that the nearest one counts.
    for (double side = 1.0; side <= 2.0 * reach + 1.0; side += 2.0)
        if (const ViewComponent hit = NearestHit(c, x, y, side); hit != ViewComponent::None)
            return hit;
    return ViewComponent::None;
}
