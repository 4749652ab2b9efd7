#pragma once

#include <X11/Xlib.h>

#include <memory>

namespace probe {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// The display named by $DISPLAY; null when it cannot be opened.
DisplayConnection OpenDisplay();

// Asks the window to close the way a window manager's close button does, so
// the program runs its own close handling instead of losing the window.
void RequestClose(Display* display, Window window);

}  // namespace probe
