#include "FeedbackCapture.h"

#include "ViewComponent.h"

#include <cstddef>

namespace {

constexpr GLsizei BufferFloats = 1 << 22;
constexpr double ViewportSize = 1024.0;

struct Reader {
    const std::vector<GLfloat>& data;
    std::size_t pos = 0;
    double extent = 0.0;

    bool more() const { return pos < data.size(); }
    GLfloat next() { return data[pos++]; }
    GLfloat peek() const { return more() ? data[pos] : 0.0f; }

    FeedbackVertex vertex()
    {
        FeedbackVertex v;
        const double wx = next();
        const double wy = next();
        const double wz = next();
        v.x = (wx / ViewportSize * 2.0 - 1.0) * extent;
        v.y = (wy / ViewportSize * 2.0 - 1.0) * extent;
        v.z = (1.0 - 2.0 * wz) * extent;
        for (float& c : v.color)
            c = next();
        return v;
    }
};

}  // namespace

FeedbackCaptureResult CaptureFeedback(const std::function<void()>& draw, double extent)
{
    std::vector<GLfloat> buffer(BufferFloats);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, static_cast<GLsizei>(ViewportSize), static_cast<GLsizei>(ViewportSize));
    glDepthRange(0.0, 1.0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glFeedbackBuffer(BufferFloats, GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);

    FeedbackCaptureResult result;
    if (used < 0) {
        result.incomplete = true;
        return result;
    }
    buffer.resize(static_cast<std::size_t>(used));
    Reader in{buffer, 0, extent};
    int section = 0;
    while (in.more()) {
        const auto token = static_cast<GLenum>(in.next());
        // The model's own marks of its components are not the caller's.
        if (token == GL_PASS_THROUGH_TOKEN && in.peek() >= ComponentFeedbackMark) {
            in.next();
            continue;
        }
        ++result.tokens;
        switch (token) {
        case GL_POLYGON_TOKEN: {
            FeedbackPolygon polygon;
            polygon.section = section;
            const auto count = static_cast<int>(in.next());
            for (int i = 0; i < count; ++i)
                polygon.vertices.push_back(in.vertex());
            result.polygons.push_back(std::move(polygon));
            break;
        }
        case GL_POINT_TOKEN:
            result.points.push_back(in.vertex());
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            in.vertex();
            in.vertex();
            break;
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            in.vertex();
            break;
        case GL_PASS_THROUGH_TOKEN:
            in.next();
            ++section;
            break;
        default:
            // An unknown token leaves the rest unreadable.
            result.incomplete = true;
            return result;
        }
    }
    return result;
}

QuadricPtr MakeWheelQuadric()
{
    QuadricPtr q(gluNewQuadric());
    gluQuadricDrawStyle(q.get(), GLU_FILL);
    gluQuadricNormals(q.get(), GLU_SMOOTH);
    return q;
}
