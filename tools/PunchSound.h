#pragma once

#include <vector>

namespace art {

inline constexpr int kPunchSampleRate = 22050;

// A short thump: noise crack on a falling low tone, loudest in its first 30 ms because every
// new hit cuts it off.
std::vector<double> MakePunchSound(int sampleRate);

}  // namespace art
