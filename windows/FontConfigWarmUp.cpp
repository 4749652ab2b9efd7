#include "windows/FontConfigWarmUp.h"

#include <dlfcn.h>

namespace windows {

FontConfigWarmUp::FontConfigWarmUp() {
    // Qt's own dependency: looked up rather than linked, so the build needs no
    // fontconfig headers and a Qt without fontconfig simply skips this.
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) {
        thread_ = std::thread(init);
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    Wait();
}

void FontConfigWarmUp::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace windows
