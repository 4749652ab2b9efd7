#include "platform/SaveBeforeExit.h"

#include <cassert>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

// Plain data, so it is still there for exit()'s handlers, whatever order
// the other statics go in.
SaveBeforeExit* g_armed = nullptr;

void SaveAtExit() {
    SaveBeforeExit::Now();
}

}  // namespace

SaveBeforeExit::SaveBeforeExit(std::function<void()> save) : save_(std::move(save)) {
    assert(g_armed == nullptr);
    g_armed = this;
    // Registered once, at the first arming: exit() runs it before the
    // destructors of every static made earlier.
    [[maybe_unused]] static const bool registered = std::atexit(&SaveAtExit) == 0;
}

SaveBeforeExit::~SaveBeforeExit() {
    g_armed = nullptr;
}

void SaveBeforeExit::Now() {
    // Put aside while it runs: a save that itself ends the program (an
    // overflow, exit()) must not start the save again.
    SaveBeforeExit* const armed = std::exchange(g_armed, nullptr);
    if (armed != nullptr) {
        armed->save_();
        g_armed = armed;
    }
}

}  // namespace platform
