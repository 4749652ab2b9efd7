#include "platform/qt/QtSound.h"

#include <QApplication>
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
    // Checked on every play, as the file may change while the game runs; the
    // check reads a few dozen bytes and never waits, and only a file that
    // passes it reaches the back end, which would otherwise block on a pipe
    // or set aside whatever memory a data chunk claims.
    if (!IsPlayableWave(wavePath)) {
        beep_();
        return;
    }
    const QString path = QString::fromStdString(wavePath);
    if (path != loadedPath_) {
        loadedPath_ = path;
        effect_.setSource(QUrl::fromLocalFile(path));
    }
    // Loading goes on in the background; play() waits for it by itself, and
    // nothing here ever waits for the sound, so a missing audio device
    // cannot stall a punch.
    if (effect_.status() == QSoundEffect::Error) {
        beep_();
        return;
    }
    // Every hit restarts the sound: the newest punch is the one heard.
    effect_.stop();
    effect_.play();
}

}  // namespace platform
