#include "platform/SoundModule.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/SoundModuleEntry.h"

namespace platform {

std::vector<std::string> SoundModulePaths(const std::string& appFolder) {
    if (appFolder.empty() || appFolder.front() != '/') {
        return {};
    }
    std::vector<std::string> paths{appFolder + FENDO_SOUND_MODULE_FILE};
    // The install's module folder from its game folder, "" when they are one.
    const std::string installed = appFolder + FENDO_SOUND_MODULE_FROM_GAME FENDO_SOUND_MODULE_FILE;
    if (installed != paths.front()) {
        paths.push_back(installed);
    }
    return paths;
}

SoundModule::SoundModule(std::vector<std::string> paths, std::FILE* log)
    : paths_(std::move(paths)), log_(log) {}

SoundModule::~SoundModule() = default;

void SoundModule::Prepare() {
    if (tried_) {
        return;
    }
    tried_ = true;
    const std::string failure = Load();
    if (!failure.empty()) {
        std::fprintf(log_, "fendo: the game plays without sound (%s)\n", failure.c_str());
        std::fflush(log_);
        return;
    }
    sound_->Prepare();
}

void SoundModule::PlayAsync(const std::string& wavePath) {
    Prepare();
    if (sound_) {
        sound_->PlayAsync(wavePath);
    }
}

std::string SoundModule::Load() {
    if (paths_.empty()) {
        return "the program's own folder is not known";
    }
    const auto found = std::find_if(paths_.begin(), paths_.end(), [](const std::string& path) {
        std::error_code error;
        return std::filesystem::exists(path, error);
    });
    if (found == paths_.end()) {
        std::string looked;
        for (const std::string& path : paths_) {
            looked += (looked.empty() ? "" : ", ") + path;
        }
        return "no sound module at " + looked;
    }
    // Every symbol is bound now, so a missing library fails here rather than
    // at a punch. Qt's sound engine keeps threads running in the module's
    // code, so the module stays loaded until the program ends.
    void* const library = dlopen(found->c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!library) {
        return dlerror();
    }
    const auto create =
        reinterpret_cast<decltype(&FendoCreateSound)>(dlsym(library, kSoundModuleEntry));
    if (!create) {
        return dlerror();
    }
    sound_.reset(create());
    if (!sound_) {
        return *found + " made no sound";
    }
    return {};
}

}  // namespace platform
