#include "GLTestContext.h"
#include "InitialGLState.h"
#include "WheelConfig.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>

namespace {

std::array<GLfloat, 4> Light(GLenum pname)
{
    std::array<GLfloat, 4> v{};
    glGetLightfv(GL_LIGHT0, pname, v.data());
    return v;
}

std::array<GLfloat, 4> Material(GLenum face, GLenum pname)
{
    std::array<GLfloat, 4> v{};
    glGetMaterialfv(face, pname, v.data());
    return v;
}

using V4 = std::array<GLfloat, 4>;

}  // namespace

TEST(InitialGLState, SetsTheRunsLightingAndMaterialAndLeavesTheIdentity)
{
    GLTestContext gl;
    ASSERT_TRUE(gl.valid());
    WheelConfig c;
    SetupInitialGLState(c);

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
    GLint twoSide = 0, localViewer = 1;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    EXPECT_EQ(twoSide, 1);
    EXPECT_EQ(localViewer, 0);
    V4 modelAmbient{};
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, modelAmbient.data());
    EXPECT_EQ(modelAmbient, (V4{0.2f, 0.2f, 0.2f, 1.0f}));

    // Given under the identity, the position comes back in eye space as is.
    EXPECT_EQ(Light(GL_POSITION), (V4{0.0f, 0.0f, 3.0f, 0.0f}));
    EXPECT_EQ(Light(GL_AMBIENT), (V4{0.3f, 0.3f, 0.3f, 1.0f}));
    EXPECT_EQ(Light(GL_DIFFUSE), (V4{0.7f, 0.7f, 0.7f, 1.0f}));
    EXPECT_EQ(Light(GL_SPECULAR), (V4{0.8f, 0.8f, 0.8f, 1.0f}));
    EXPECT_EQ(Material(GL_FRONT, GL_SPECULAR), (V4{0.7f, 0.7f, 0.7f, 1.0f}));
    GLfloat shininess = 0;
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_EQ(shininess, 90.0f);
    // The back material keeps GL's initial specular: no highlight from behind.
    EXPECT_EQ(Material(GL_BACK, GL_SPECULAR), (V4{0.0f, 0.0f, 0.0f, 1.0f}));

    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    std::array<GLfloat, 16> modelview{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    EXPECT_EQ(modelview, (std::array<GLfloat, 16>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));

    const float k = 0.7071068f;
    const std::array<float, 16> start{k, 0, k, 0, 0, 1, 0, 0, -k, 0, k, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(c.RotMatrix[i], start[i], 1e-7) << i;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
