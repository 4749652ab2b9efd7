#pragma once

#include <QSoundEffect>
#include <QString>

#include "platform/Sound.h"

namespace platform {

class QtSound final : public Sound {
public:
    QtSound();
    void PlayAsync(const std::string& wavePath) override;

private:
    QSoundEffect effect_;
    QString loadedPath_;
};

}  // namespace platform
