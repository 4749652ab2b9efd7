#include "platform/qt/QtSound.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

namespace platform {

QtSound::QtSound() { effect_.setVolume(1.0); }

void QtSound::PlayAsync(const std::string& wavePath) {
    const QString path = QString::fromStdString(wavePath);
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    if (path != loadedPath_) {
        loadedPath_ = path;
        effect_.setSource(QUrl::fromLocalFile(path));
    }
    if (effect_.status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    // Every hit restarts the sound: the newest punch is the one heard.
    effect_.stop();
    effect_.play();
}

}  // namespace platform
