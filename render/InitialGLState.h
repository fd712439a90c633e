#pragma once

struct WheelConfig;

// The GL state that holds for the whole run: depth test, the 45-degree start
// orientation captured into c.RotMatrix, lighting with colour tracking and the
// two-sided light model, then light 0 and the front material. Leaves the
// model-view matrix at the identity.
void SetupInitialGLState(WheelConfig& c);

// Light 0, a directional light from the viewer's side fixed to the eye.
void SetupLighting();

void SetupMaterial();
