#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <functional>
#include <memory>
#include <string>

#include "platform/Sound.h"

class QAudioSink;
class QBuffer;

namespace sound {

class QtSound final : public platform::Sound {
public:
    // A file that cannot play sounds `fallback` instead; without one, a short
    // tone through the same output as the punch, heard where a system beep
    // (the X bell, which sound servers do not play) is not.
    explicit QtSound(std::function<void()> fallback = {});
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    // Connects to the sound server, which takes some milliseconds, so that
    // the first punch does not wait for it.
    void Prepare() override;
    void PlayAsync(const std::string& wavePath) override;

private:
    bool Load(const std::string& wavePath);
    void Play(const QAudioFormat& format, const QByteArray& samples);

    std::function<void()> fallback_;
    QAudioFormat toneFormat_;
    QByteArray tone_;
    std::string loadedPath_;
    QAudioFormat format_;
    QByteArray samples_;
    // The sound playing now; the sink reads from the buffer, so it goes first.
    std::unique_ptr<QBuffer> playing_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace sound
