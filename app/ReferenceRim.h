#pragma once

#include "ComparisonHost.h"
#include "WheelConfig.h"

#include <functional>
#include <optional>

class SceneHost;
class ViewRenderer;

// The rim kept for comparison. Its display list is built through the code
// that builds the wheel, at once when the view has its GL, else once it has
// it; every frame draws it until it is dropped.
class ReferenceRim : public ComparisonHost {
public:
    // `changed` follows every rim kept or dropped, before its frame.
    ReferenceRim(ViewRenderer& renderer, SceneHost& scene, std::function<void()> changed);

    void KeepReference(const WheelConfig& rim) override;
    void DropReference() override;
    const WheelConfig* Reference() const override { return Rim ? &*Rim : nullptr; }

    // The kept rim's list, built once the view has its GL.
    void BuildList();
    // The kept rim's list deleted, while the GL is still there.
    void DeleteList();

private:
    ViewRenderer& Renderer;
    SceneHost& Scene;
    std::function<void()> Changed;
    std::optional<WheelConfig> Rim;
};
