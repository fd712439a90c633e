// The first baseline of frame_bench's start-up figure: a bare window whose
// view only clears and swaps.

#include "BareStart.h"
#include "BareView.h"

#include <utility>

int main(int argc, char** argv)
{
    return RunBareWindow(argc, argv, [](std::function<void()> presented) {
        return new BareView(std::move(presented));
    });
}
