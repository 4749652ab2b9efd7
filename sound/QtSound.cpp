#include "sound/QtSound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "files/WaveFile.h"

namespace sound {
namespace {

// Qt plays 8-, 16- and 32-bit integers and 32-bit floats; 24-bit samples
// are widened to 32 bits.
bool ToQt(files::WaveSound& wave, QAudioFormat& format, QByteArray& samples) {
    format.setSampleRate(static_cast<int>(wave.sampleRate));
    format.setChannelCount(wave.channels);
    if (wave.formatTag == 3) {
        format.setSampleFormat(QAudioFormat::Float);
    } else if (wave.bitsPerSample == 8) {
        format.setSampleFormat(QAudioFormat::UInt8);
    } else if (wave.bitsPerSample == 16) {
        format.setSampleFormat(QAudioFormat::Int16);
    } else {
        format.setSampleFormat(QAudioFormat::Int32);
    }
    const auto frameBytes = static_cast<size_t>(wave.channels) * wave.bitsPerSample / 8;
    const size_t whole = wave.samples.size() / frameBytes * frameBytes;
    if (whole == 0) {
        return false;
    }
    if (wave.bitsPerSample != 24) {
        samples = QByteArray(reinterpret_cast<const char*>(wave.samples.data()),
                             static_cast<qsizetype>(whole));
        return true;
    }
    samples = QByteArray(static_cast<qsizetype>(whole / 3 * 4), '\0');
    for (size_t from = 0, to = 0; from < whole; from += 3, to += 4) {
        samples[static_cast<qsizetype>(to)] = 0;
        std::memcpy(samples.data() + to + 1, wave.samples.data() + from, 3);
    }
    return true;
}

// A soft 660 Hz tone of 100 ms, its ends faded over 10 ms each so that it
// starts and stops without a click: 16-bit mono.
QByteArray MakeTone(QAudioFormat& format) {
    constexpr int kRate = 22050;
    constexpr int kCount = kRate / 10;
    constexpr int kFadeCount = kRate / 100;
    constexpr double kStep = 2 * std::numbers::pi * 660 / kRate;
    constexpr double kPeak = 0.4 * 32767;
    format.setSampleRate(kRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QByteArray tone(kCount * 2, '\0');
    for (int i = 0; i < kCount; ++i) {
        const double edge = std::min({1.0, static_cast<double>(i) / kFadeCount,
                                      static_cast<double>(kCount - 1 - i) / kFadeCount});
        const double fade = std::sin(std::numbers::pi / 2 * edge);
        const auto sample =
            static_cast<int16_t>(std::lround(kPeak * fade * fade * std::sin(kStep * i)));
        std::memcpy(tone.data() + 2 * i, &sample, 2);
    }
    return tone;
}

}  // namespace

QtSound::QtSound(std::function<void()> fallback)
    : fallback_(std::move(fallback)), tone_(MakeTone(toneFormat_)) {}

QtSound::~QtSound() = default;

bool QtSound::Load(const std::string& wavePath) {
    std::optional<files::WaveSound> wave = files::ReadPlayableWave(wavePath);
    if (!wave || !ToQt(*wave, format_, samples_)) {
        loadedPath_.clear();
        return false;
    }
    loadedPath_ = wavePath;
    return true;
}

void QtSound::Prepare() {
    QMediaDevices::defaultAudioOutput();
}

void QtSound::PlayAsync(const std::string& wavePath) {
    // Checked on every play, as the file may change while the game runs; the
    // check reads the chunk headers through one small block and never waits,
    // and a file that fails it is never read further: it could be a pipe, or
    // claim any size.
    if (files::IsPlayableWave(wavePath) && (wavePath == loadedPath_ || Load(wavePath))) {
        Play(format_, samples_);
    } else if (fallback_) {
        fallback_();
    } else {
        Play(toneFormat_, tone_);
    }
}

void QtSound::Play(const QAudioFormat& format, const QByteArray& samples) {
    // Every hit restarts the sound: the newest punch is the one heard. One
    // that lands while the same samples still sound starts them over in the
    // same stream, so hits at full speed do not open a stream each.
    if (sink_ && sink_->state() == QAudio::ActiveState &&
        playing_->data().constData() == samples.constData()) {
        playing_->seek(0);
        return;
    }
    sink_.reset();
    // Without a sound device there is nothing to hear and nothing to wait for.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    // A fresh sink for a punch after silence: Qt 6.4 on PulseAudio leaves a
    // stopped sink (and QSoundEffect, which restarts one) silent about every
    // other time it is started again.
    playing_ = std::make_unique<QBuffer>();
    playing_->setData(samples);
    playing_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(playing_.get());
}

}  // namespace sound
