#include "PunchSound.h"

#include <algorithm>
#include <cmath>

#include "FixedNoise.h"

namespace art {

std::vector<double> MakePunchSound(int sampleRate) {
    constexpr double kPi = 3.14159265358979323846;
    constexpr double kSeconds = 0.18;
    constexpr double kAttack = 0.0008;
    constexpr double kFadeOut = 0.015;
    const auto count = static_cast<std::size_t>(kSeconds * sampleRate);
    std::vector<double> samples(count);

    FixedNoise noise(1234);
    double phase = 0.0;
    double lowNoise = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        // Body: a low tone that drops from about 180 Hz to 50 Hz, like a fist on a chest.
        const double pitch = 50.0 + 130.0 * std::exp(-t / 0.025);
        phase += 2.0 * kPi * pitch / sampleRate;
        const double thump = std::sin(phase) * std::exp(-t / 0.045);
        // Crack: dull noise that is gone within a few tens of milliseconds.
        lowNoise += 0.35 * (noise.SignedUnit() - lowNoise);
        const double crack = lowNoise * std::exp(-t / 0.012);
        const double attack = std::min(1.0, t / kAttack);
        const double fade = std::min(1.0, (kSeconds - t) / kFadeOut);
        const double mix = (0.9 * thump + 0.9 * crack) * attack * fade;
        // Soft clipping keeps the peak loud without harsh digital clipping.
        samples[i] = 0.92 * std::tanh(1.8 * mix) / std::tanh(1.8);
    }
    return samples;
}

}  // namespace art
