#include "platform/qt/QtSound.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

#include "platform/WaveFile.h"

namespace platform {

QtSound::QtSound(std::function<void()> beep) : beep_(std::move(beep)) {
    effect_.setVolume(1.0);
}

void QtSound::DefaultBeep() {
    QApplication::beep();
}

void QtSound::PlayAsync(const std::string& wavePath) {
    const QString path = QString::fromStdString(wavePath);
    if (!QFileInfo(path).isFile()) {
        beep_();
        return;
    }
    if (path != loadedPath_) {
        loadedPath_ = path;
        playable_ = IsPlayableWave(wavePath);
        if (playable_) {
            effect_.setSource(QUrl::fromLocalFile(path));
        }
    }
    // Loading goes on in the background; play() waits for it by itself, and
    // nothing here ever waits for the sound, so a missing audio device
    // cannot stall a punch.
    if (!playable_ || effect_.status() == QSoundEffect::Error) {
        beep_();
        return;
    }
    // Every hit restarts the sound: the newest punch is the one heard.
    effect_.stop();
    effect_.play();
}

}  // namespace platform
