#include "ReferenceRim.h"

#include "RimComparison.h"
#include "SceneHost.h"
#include "ViewRenderer.h"
#include "WheelList.h"

#include <utility>

ReferenceRim::ReferenceRim(ViewRenderer& renderer, SceneHost& scene, std::function<void()> changed)
    : Renderer(renderer)
    , Scene(scene)
    , Changed(std::move(changed))
{
}

void ReferenceRim::KeepReference(const WheelConfig& rim)
{
    DeleteList();
    Rim = ReferenceOf(rim);
    if (Renderer.HasContext())
        BuildList();
    Changed();
    Scene.RenderScene();
}

void ReferenceRim::DropReference()
{
    if (!Rim)
        return;
    DeleteList();
    Rim.reset();
    Renderer.SetReference({});
    Changed();
    Scene.RenderScene();
}

void ReferenceRim::BuildList()
{
    if (!Rim)
        return;
    // Built once and replayed by every frame.
    Renderer.Record([this] { BuildWheelList(*Rim); });
    Renderer.SetReference({Rim->WheelList, Rim->Einpresstiefe});
}

void ReferenceRim::DeleteList()
{
    if (Rim)
        Renderer.DeleteList(*Rim);
}
