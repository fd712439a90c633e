#pragma once

struct WheelConfig;

// Records the whole wheel into a new display list (compile and execute),
// replacing the list of the previous build, and stores its name in
// c.WheelList. Requires the view's GL context to be current.
void BuildWheelList(WheelConfig& c);
