#pragma once

#include <QSoundEffect>
#include <QString>
#include <functional>

#include "platform/Sound.h"

namespace platform {

class QtSound final : public Sound {
public:
    // `beep` is the system sound that stands in for a file that cannot play.
    explicit QtSound(std::function<void()> beep = DefaultBeep);
    void PlayAsync(const std::string& wavePath) override;

    static void DefaultBeep();

private:
    std::function<void()> beep_;
    QSoundEffect effect_;
    QString loadedPath_;
};

}  // namespace platform
