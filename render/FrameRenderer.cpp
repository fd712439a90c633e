#include "FrameRenderer.h"

#include "WheelColors.h"
#include "WheelConfig.h"

#include <cmath>

namespace {

void DrawBackground(float zoom, double aspect)
{
    const float z = zoom;
    const float v = static_cast<float>(zoom / aspect);
    // Alpha 0 at the bottom lets the clear colour through; the top shows the
    // quad's own lit colour.
    glBegin(GL_QUADS);
    glColor4f(0.4f, 0.53f, 0.86f, 0.0f);
    glNormal3f(0.4f, 0.53f, 0.86f);
    glVertex3f(-z, -v, -10.0f);
    glVertex3f(z, -v, -10.0f);
    glColor4f(0.4f, 0.53f, 0.86f, 1.0f);
    glVertex3f(z, v, -10.0f);
    glVertex3f(-z, v, -10.0f);
    glEnd();
}

// A turn goes on the left, so it turns the model about the screen's axes
// whatever came before. Each is folded in as a frame of its own would fold
// it, so turns taken before one frame end where frames between them would.
void FoldTurn(std::array<float, 16>& rotation, float angle, const std::array<float, 3>& axis)
{
    glLoadIdentity();
    glRotatef(angle, axis[0], axis[1], axis[2]);
    glMultMatrixf(rotation.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, rotation.data());
}

GLenum PolygonModeFor(int styleMode)
{
    switch (styleMode) {
    case 2:
        return GL_LINE;
    case 3:
        return GL_POINT;
    default:
        return GL_FILL;
    }
}

// The reference's vertices as points in a green that nothing else in the view
// uses, of one shade everywhere: lit by emission alone, whatever colours the
// list sets. Points rather than outlines: the list's edges as lines cost a
// second frame on a software rasteriser, its points a sixth of one. Drawn
// over the wheel, so that they show where the wheel would hide them, and
// moved along the axis until the two discs' mounting faces, at the offset
// from each rim's centre plane, lie in one plane.
void DrawReference(const WheelConfig& c, const ReferenceDrawing& reference)
{
    constexpr GLfloat None[] = {0.0f, 0.0f, 0.0f, 1.0f};
    constexpr GLfloat Green[] = {0.45f, 1.0f, 0.2f, 1.0f};
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_POLYGON_BIT | GL_DEPTH_BUFFER_BIT | GL_POINT_BIT);
    glDisable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, None);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, None);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, None);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, Green);
    glDisable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    glPointSize(reference.pointSize);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>((c.Einpresstiefe - reference.offset) / 20.0));
    glCallList(reference.list);
    glPopMatrix();
    glPopAttrib();
}

}  // namespace

void MultOrthoProjection(const WheelConfig& c)
{
    const double zoom = c.ZoomExtent;
    glOrtho(-zoom, zoom, -zoom / c.AspectRatio, zoom / c.AspectRatio, -40.0, 40.0);
}

void MultPan(const WheelConfig& c)
{
    // In eye space, after the projection's other steps were given: the
    // picture moves, the lighting and the depth stay as they were.
    if (c.Pan[0] != 0.0 || c.Pan[1] != 0.0)
        glTranslated(c.Pan[0], c.Pan[1], 0.0);
}

void MultViewProjection(const WheelConfig& c)
{
    MultOrthoProjection(c);
    MultPan(c);
}

void SetWheelStyle(const WheelConfig& c)
{
    // Given under RotMatrix, the plane is fixed to the model.
    glClipPlane(GL_CLIP_PLANE0, c.ClipEquation.data());
    glEnable(GL_CLIP_PLANE0);
    glPolygonMode(GL_FRONT_AND_BACK, PolygonModeFor(c.StyleMode));
}

GLenum DrawFrame(WheelConfig& c, const ReferenceDrawing& reference)
{
    glClearColor(0.05f, 0.23f, 0.59f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Alpha stays as cleared, at 1. A compositor blends a window's alpha with
    // what lies beneath, and Qt on Wayland gives windows an alpha channel for
    // its decorations whatever the format asked for; the gradient's blending
    // would leave the middle of the view translucent.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    MultOrthoProjection(c);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glDisable(GL_CLIP_PLANE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawBackground(c.ZoomExtent, c.AspectRatio);
    glDisable(GL_BLEND);
    // The background fills the view wherever the wheel is moved to.
    glMatrixMode(GL_PROJECTION);
    MultPan(c);
    glMatrixMode(GL_MODELVIEW);

    FoldTurn(c.RotMatrix, c.RotAngle, c.RotAxis);
    for (const PendingTurn& turn : c.LaterTurns)
        FoldTurn(c.RotMatrix, turn.angle, turn.axis);
    c.RotAngle = 0.0f;
    c.LaterTurns.clear();
    glLoadIdentity();
    glMultMatrixf(c.RotMatrix.data());

    SetWheelStyle(c);
    if (c.WheelList != 0)
        glCallList(c.WheelList);
    if (reference.list != 0)
        DrawReference(c, reference);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    return glGetError();
}

void DrawFocusFrame(int viewWidth, int viewHeight, int thickness)
{
    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_POLYGON_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CLIP_PLANE0);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glViewport(0, 0, viewWidth, viewHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewWidth, 0.0, viewHeight, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    // The highlight orange, which the blue background sets off on every edge.
    glColor4f(HighlightColor[0], HighlightColor[1], HighlightColor[2], HighlightColor[3]);
    const auto band = [](int x, int y, int w, int h) {
        glVertex2i(x, y);
        glVertex2i(x + w, y);
        glVertex2i(x + w, y + h);
        glVertex2i(x, y + h);
    };
    glBegin(GL_QUADS);
    band(0, 0, viewWidth, thickness);
    band(0, viewHeight - thickness, viewWidth, thickness);
    band(0, thickness, thickness, viewHeight - 2 * thickness);
    band(viewWidth - thickness, thickness, thickness, viewHeight - 2 * thickness);
    glEnd();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void RecordUnseen(const std::function<void()>& record)
{
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 0, 0);
    record();
    glDisable(GL_SCISSOR_TEST);
}

void SetFrameViewport(int clientWidth, int clientHeight, int viewLeft, double devicePixelRatio, QPoint tile)
{
    const auto scaled = [devicePixelRatio](int v) {
        return static_cast<GLint>(std::lround(v * devicePixelRatio));
    };
    glViewport(scaled(-viewLeft / 2) - tile.x(), -tile.y(), scaled(clientWidth), scaled(clientHeight));
}
