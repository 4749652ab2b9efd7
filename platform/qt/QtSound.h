#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <functional>
#include <memory>
#include <string>

#include "platform/Sound.h"

class QAudioSink;
class QBuffer;

namespace platform {

class QtSound final : public Sound {
public:
    // `beep` is the system sound that stands in for a file that cannot play.
    explicit QtSound(std::function<void()> beep = DefaultBeep);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void PlayAsync(const std::string& wavePath) override;

    static void DefaultBeep();

private:
    bool Load(const std::string& wavePath);

    std::function<void()> beep_;
    std::string loadedPath_;
    QAudioFormat format_;
    QByteArray samples_;
    // The sound playing now; the sink reads from the buffer, so it goes first.
    std::unique_ptr<QBuffer> playing_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace platform
