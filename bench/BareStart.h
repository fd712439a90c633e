#pragma once

#include <functional>

class BareView;

// Runs a start-up baseline for frame_bench: a bare window of the viewer's
// shape (see BareWindow) around the view made by makeView, which reports its
// first complete picture and ends. makeView is called once the application
// object exists, with what the view runs after each swap.
int RunBareWindow(int argc, char** argv, const std::function<BareView*(std::function<void()>)>& makeView);
