#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

namespace probe {

// Starts watching the screen for top-level windows being mapped. Call before
// the program under watch starts, so no map can slip by.
void WatchMaps(Display* display);

// Waits for a top-level window with this caption to be mapped and returns
// the wall-clock time of that moment in nanoseconds (CLOCK_REALTIME, like
// `date +%s%N`).
int64_t WaitForMap(Display* display, const std::string& caption);

}  // namespace probe
