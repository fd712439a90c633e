#pragma once

#include <chrono>

// How the start-up probes (the viewer and the bare window) end: at their
// first complete picture, the top-level window painted and flushed to the
// screen and the GL view's first frame at the laid-out size presented. They
// print one line on stdout that frame_bench reads, then end at once, sparing
// their teardown:
//   first-frame-ns=N display-ns=N peak-kib=N
// the steady clock (shared by all processes) at the complete picture and when
// the application object ran its start-up routines (the display is open by
// then), and the peak resident memory so far.
class FirstPicture {
public:
    // From the application object's start-up routine.
    void DisplayOpen();
    // The top-level window's first paint event; its flush follows.
    void WindowPainted();
    // A frame of the GL view, presented at the window's laid-out size.
    void FramePresented();

private:
    void ReportIfComplete();

    std::chrono::steady_clock::time_point Opened;
    bool PaintSeen = false;
    bool Flushed = false;
    bool Presented = false;
};
