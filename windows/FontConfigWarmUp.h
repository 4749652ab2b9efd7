#pragma once

#include <thread>

namespace windows {

// Loads fontconfig's configuration and font caches on a thread of its own.
// The first font any window asks Qt for waits for that (some 3 ms here); begun
// before the QApplication, it overlaps with the application's connection to
// the display instead of following it. Where Qt does not use fontconfig there
// is nothing to load and no thread.
class FontConfigWarmUp final {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is loaded. Call before anything asks Qt
    // for a font, so that Qt and this thread never load it side by side.
    void Wait();

private:
    std::thread thread_;
};

}  // namespace windows
