#pragma once

// frame_bench's start-up figure: the viewer's start (startup_probe) against a
// bare window of its shape (bare_window), both programs beside frame_bench,
// run one after the other in turn so that both see the same machine. Prints
// the medians of the time from spawning the process to its first complete
// frame and of its peak resident memory then, with the viewer's ratio and
// excess over the bare window. False when a run failed.
bool CompareStartup(int runs);
