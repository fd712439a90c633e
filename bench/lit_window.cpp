// The second baseline of frame_bench's start-up figure: a bare window whose
// view draws one lit cylinder over a gradient.

#include "BareStart.h"
#include "LitView.h"

#include <utility>

int main(int argc, char** argv)
{
    return RunBareWindow(argc, argv, [](std::function<void()> presented) -> BareView* {
        return new LitView(std::move(presented));
    });
}
