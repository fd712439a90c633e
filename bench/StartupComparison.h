#pragma once

#include <string>

// frame_bench's start-up figure: the viewer's start (startup_probe) against
// bare windows of its shape, one that only clears (bare_window) and one that
// lights a cylinder (lit_window), all beside frame_bench, and against
// `before`, another build's startup_probe, where one is named. They are run
// one after the other in turn so that all see the same machine. Prints the
// medians of the time from spawning the process to its first complete frame
// and of its peak resident memory then, with each viewer's ratio and excess
// over each bare window. False when a run failed.
bool CompareStartup(int runs, const std::string& before);
