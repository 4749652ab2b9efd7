#include "tests/e2e/probe/MapWatch.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <ctime>

namespace probe {
namespace {

XErrorHandler previousErrorHandler = nullptr;

// A window can be gone by the time its caption is read, a short-lived one of
// another program for instance: it is not the one awaited, and no reason to stop.
int IgnoreGoneWindows(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow) {
        return 0;
    }
    return previousErrorHandler != nullptr ? previousErrorHandler(display, error) : 0;
}

int64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::string Caption(Display* display, Window window) {
    const Atom utf8Name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string caption;
    if (XGetWindowProperty(display, window, utf8Name, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) == Success &&
        data != nullptr) {
        caption.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return caption;
}

}  // namespace

void WatchMaps(Display* display) {
    previousErrorHandler = XSetErrorHandler(&IgnoreGoneWindows);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
}

int64_t WaitForMap(Display* display, const std::string& caption) {
    for (;;) {
        XEvent event{};
        XNextEvent(display, &event);
        if (event.type == MapNotify && Caption(display, event.xmap.window) == caption) {
            return NowNs();
        }
    }
}

}  // namespace probe
