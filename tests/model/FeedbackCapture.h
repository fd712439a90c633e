#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

// A vertex the GL handed back in feedback mode, mapped back to model units.
struct FeedbackVertex {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    std::array<float, 4> color{};
};

struct FeedbackPolygon {
    std::vector<FeedbackVertex> vertices;
    int section = 0;  // pass-through markers seen before it
};

struct FeedbackCaptureResult {
    std::vector<FeedbackPolygon> polygons;
    std::vector<FeedbackVertex> points;
    std::size_t tokens = 0;  // every token, polygons included
    bool incomplete = false;  // the buffer overflowed or held an unknown token
};

// Runs draw in GL feedback mode (GL_3D_COLOR) under an orthographic box of
// +-extent model units on every axis with an identity model-view matrix, and
// returns what the GL produced in model units. The caller's matrices and
// viewport are restored afterwards.
FeedbackCaptureResult CaptureFeedback(const std::function<void()>& draw, double extent = 32.0);

// A quadric set up as a wheel build sets its own.
struct QuadricDeleter {
    void operator()(GLUquadric* q) const { gluDeleteQuadric(q); }
};
using QuadricPtr = std::unique_ptr<GLUquadric, QuadricDeleter>;
QuadricPtr MakeWheelQuadric();
