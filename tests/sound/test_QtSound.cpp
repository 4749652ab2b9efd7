#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <filesystem>
#include <fstream>

#include "sound/QtSound.h"

namespace {

// A file is looked at again for every play: one spoilt after it played sounds
// the fallback from then on.
TEST(QtSound, MissingOrUnplayableFileSoundsTheFallbackInstead) {
    const auto path = std::filesystem::path(::testing::TempDir()) / "not_a_wave.wav";
    std::filesystem::copy_file(
        QCoreApplication::applicationDirPath().toStdString() + "/fdata/default_p.wav", path,
        std::filesystem::copy_options::overwrite_existing);
    int fallbacks = 0;
    sound::QtSound sound([&] { ++fallbacks; });
    sound.PlayAsync(path.string());
    EXPECT_EQ(fallbacks, 0);
    std::ofstream(path) << "RIFF\x10\0\0\0WAVEthis is not a wave file";
    sound.PlayAsync(path.string());
    sound.PlayAsync(path.string());
    sound.PlayAsync("/nonexistent/fdata/default_p.wav");
    EXPECT_EQ(fallbacks, 3);
    std::filesystem::remove(path);
}

TEST(QtSound, OurPunchSoundPlaysWithoutTheFallbackEvenWithoutAnAudioDevice) {
    const auto path = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
                      "fdata" / "default_p.wav";
    ASSERT_TRUE(std::filesystem::exists(path));
    int fallbacks = 0;
    sound::QtSound sound([&] { ++fallbacks; });
    for (int i = 0; i < 20; ++i) {
        sound.PlayAsync(path.string());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_EQ(fallbacks, 0);
}

}  // namespace
