#pragma once

// What the view can show under the pointer: a part of the wheel, as the
// panel's highlight buttons name them, a dimension indicator, or nothing.
// The model gives each its identity where it draws it.
enum class ViewComponent {
    None,
    Felgenhorn,
    Felgenschulter,
    Hump,
    Felgenbett,
    Radscheibe,
    Maulweite,
    Einpresstiefe,
    Durchmesser,
};

// How the model marks each component in the GL's feedback: this plus the
// component's number, apart from the small marks a caller may set itself.
inline constexpr float ComponentFeedbackMark = 1000.0f;
