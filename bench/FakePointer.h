#pragma once

struct _XDisplay;

namespace bench {

// The X server's pointer, moved and clicked through XTest as a player's mouse
// would be. Kept apart from Qt code: Xlib's macros clash with Qt's names.
class FakePointer {
public:
    FakePointer();
    ~FakePointer();
    FakePointer(const FakePointer&) = delete;
    FakePointer& operator=(const FakePointer&) = delete;

    // False when $DISPLAY cannot be opened.
    bool IsOpen() const { return display_ != nullptr; }
    // Moves to (x, y) of the window's client area.
    void MoveTo(unsigned long window, int x, int y);
    // Presses and releases the left button, and returns once the X server has both.
    void ClickLeft();

private:
    _XDisplay* display_;
};

}  // namespace bench
