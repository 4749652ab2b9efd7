#pragma once

#include <string>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts the wave file and returns at once, cutting off whatever plays.
    // A missing or unplayable file sounds a short tone instead.
    virtual void PlayAsync(const std::string& wavePath) = 0;
};

}  // namespace platform
