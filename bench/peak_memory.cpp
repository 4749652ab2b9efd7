// Loads one data file the way the game does, so that `/usr/bin/time -v` can
// tell how much memory a hostile file costs (scripts/peak-memory.sh runs it):
//   peak_memory sheet FILE [FRAMES]  draws FILE into the 400 x 200 play field
//                                    FRAMES times, as roster frames do (50)
//   peak_memory wave FILE            plays FILE as the punch sound and gives
//                                    the audio back end a second to load it
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "graphics/BitmapFile.h"
#include "graphics/SheetSizes.h"
#include "graphics/Surface.h"
#include "sound/QtSound.h"

namespace {

int DrawSheet(const std::string& path, int frames) {
    graphics::Surface field(graphics::kPlayFieldSize, 0x336699);
    for (int i = 0; i < frames; ++i) {
        graphics::LoadBitmapFile(path, &field);
    }
    std::printf("sheet: %d loads, top-left pixel %06x\n", frames, field.Pixel(0, 0));
    return 0;
}

int PlayWave(int argc, char** argv, const std::string& path) {
    QApplication app(argc, argv);
    int fallbacks = 0;
    sound::QtSound sound([&] { ++fallbacks; });
    sound.PlayAsync(path);
    QTimer::singleShot(1000, &app, [&] {
        sound.PlayAsync(path);
        app.quit();
    });
    app.exec();
    std::printf("wave: 2 plays, %d fallbacks\n", fallbacks);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s sheet FILE [FRAMES] | wave FILE\n", argv[0]);
        return 2;
    }
    const std::string kind = argv[1];
    if (kind == "sheet") {
        return DrawSheet(argv[2], argc > 3 ? std::atoi(argv[3]) : 50);
    }
    if (kind == "wave") {
        return PlayWave(argc, argv, argv[2]);
    }
    std::fprintf(stderr, "unknown kind '%s'\n", kind.c_str());
    return 2;
}
