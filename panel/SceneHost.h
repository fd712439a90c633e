#pragma once

// What the panel asks of the main window after a command has changed the
// configuration.
class SceneHost {
public:
    virtual ~SceneHost() = default;
    // Rebuilds the wheel display list from the configuration.
    virtual void BuildWheelList() = 0;
    // Draws one frame from the current list and view and presents it.
    virtual void RenderScene() = 0;
};
