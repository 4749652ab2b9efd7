#include "bench/FakePointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace bench {

FakePointer::FakePointer() : display_(XOpenDisplay(nullptr)) {}

FakePointer::~FakePointer() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void FakePointer::MoveTo(unsigned long window, int x, int y) {
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XFlush(display_);
}

void FakePointer::ClickLeft() {
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
}

}  // namespace bench
