#pragma once

#include <string>

namespace platform {

// Whether the file is a RIFF/WAVE file with PCM data a sound device can
// play. The audio back end never reports such a file as bad: it stays
// "loading" forever, so we look for ourselves.
bool IsPlayableWave(const std::string& path);

}  // namespace platform
