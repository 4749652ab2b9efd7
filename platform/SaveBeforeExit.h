#pragma once

#include <functional>

namespace platform {

// The one process-wide hook for keeping the player's results when the program
// ends without closing its windows: an overflow stop, a signal, a session
// manager's quit, or the window toolkit calling exit() when it loses its
// display. `main` keeps one armed while its game lives; the hook holds only
// how to save, never any game state. Only one may be armed at a time.
class SaveBeforeExit {
public:
    explicit SaveBeforeExit(std::function<void()> save);
    ~SaveBeforeExit();
    SaveBeforeExit(const SaveBeforeExit&) = delete;
    SaveBeforeExit& operator=(const SaveBeforeExit&) = delete;

    // Saves through the armed hook; does nothing when none is armed.
    static void Now();

private:
    std::function<void()> save_;
};

}  // namespace platform
