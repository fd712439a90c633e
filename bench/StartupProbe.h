#pragma once

#include <chrono>

// The start-up probes (the viewer and the bare window) each end at their
// first complete frame with one line on stdout that frame_bench reads:
//   first-frame-ns=N display-ns=N peak-kib=N
// the steady clock (shared by all processes) at the first complete frame and
// when the application object ran its start-up routines (the display is open
// by then), and the peak resident memory so far.
// The process then ends at once, sparing its teardown.
[[noreturn]] void ReportFirstFrameAndExit(std::chrono::steady_clock::time_point displayOpen);
