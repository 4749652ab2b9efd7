#pragma once

#include <string>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Gets the sound ready to play at once; called when a game starts, where
    // a moment's wait goes unnoticed, so that its first punch is not late.
    virtual void Prepare() {}
    // Starts the wave file and returns at once, cutting off whatever plays.
    // A missing or unplayable file sounds a short tone instead.
    virtual void PlayAsync(const std::string& wavePath) = 0;
};

}  // namespace platform
