#include <fstream>

#include "platform/SoundModuleEntry.h"

namespace {

// Its sound writes into the file it is given to play, where the test reads it.
class RecordingSound final : public platform::Sound {
public:
    void Prepare() override { ++prepares_; }
    void PlayAsync(const std::string& wavePath) override {
        std::ofstream(wavePath, std::ios::app) << "played after " << prepares_ << " prepare\n";
    }

private:
    int prepares_ = 0;
};

}  // namespace

extern "C" platform::Sound* FendoCreateSound() {
    return new RecordingSound();
}
