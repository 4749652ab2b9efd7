#include "platform/MessageBox.h"
#include "platform/SoundModuleEntry.h"
#include "sound/PulseProperties.h"
#include "sound/QtSound.h"

extern "C" __attribute__((visibility("default"))) platform::Sound* FendoCreateSound() {
    // Nothing in the program has touched Qt's sound engine yet: the module
    // brings it, so the names are in place before its first connection.
    sound::NameOurStreams(platform::kAppTitle, FENDO_APP_ID);
    return new sound::QtSound();
}
