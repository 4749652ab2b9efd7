#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/Sound.h"

namespace platform {

// Where the sound module may be, in the order looked at: beside the program
// (the build tree, an unpacked archive, an installed game's folder), then the
// folder an install puts it in, reached from the program's folder. Never the
// working folder or a search path, where anyone could plant one: with a
// program folder that is not absolute there is none.
std::vector<std::string> SoundModulePaths(const std::string& appFolder);

// The game's sound, played by the sound module, which is loaded from the
// first of `paths` that exists at the first Prepare (or the first punch, if
// none came before). Without a module that loads, one line on `log` says why
// and the game plays on in silence; loading is not tried again.
class SoundModule final : public Sound {
public:
    explicit SoundModule(std::vector<std::string> paths, std::FILE* log = stderr);
    ~SoundModule() override;
    SoundModule(const SoundModule&) = delete;
    SoundModule& operator=(const SoundModule&) = delete;

    void Prepare() override;
    void PlayAsync(const std::string& wavePath) override;

private:
    // Why the module did not load; empty once it has.
    std::string Load();

    std::vector<std::string> paths_;
    std::FILE* log_;
    bool tried_ = false;
    // The module stays loaded until the program ends (see Load), so only its
    // sound is owned here.
    std::unique_ptr<Sound> sound_;
};

}  // namespace platform
