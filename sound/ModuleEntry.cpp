#include "platform/SoundModuleEntry.h"
#include "sound/QtSound.h"

extern "C" __attribute__((visibility("default"))) platform::Sound* FendoCreateSound() {
    return new sound::QtSound();
}
