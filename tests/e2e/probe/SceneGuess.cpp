#include "tests/e2e/probe/SceneGuess.h"

#include <array>

#include "graphics/BitmapFile.h"
#include "graphics/Surface.h"

namespace probe {

char GuessScene(const FieldPixels& field, const std::string& dataFolder) {
    constexpr std::array<char, 3> kLetters{'m', 'b', 'f'};
    std::array<graphics::Surface, 3> backgrounds{graphics::Surface(kFieldWidth, kFieldHeight),
                                                 graphics::Surface(kFieldWidth, kFieldHeight),
                                                 graphics::Surface(kFieldWidth, kFieldHeight)};
    for (size_t i = 0; i < kLetters.size(); ++i) {
        graphics::LoadBitmapFile(dataFolder + "/default_" + kLetters[i] + ".bmp", &backgrounds[i]);
    }
    // Only pixels where the three pictures all differ tell them apart. Figures
    // and punches cover some of those; whichever picture still owns most of
    // them is the scene.
    std::array<int, 3> matches{};
    int telling = 0;
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            const uint32_t m = backgrounds[0].ScanLine(y)[x] & 0xFFFFFFu;
            const uint32_t b = backgrounds[1].ScanLine(y)[x] & 0xFFFFFFu;
            const uint32_t f = backgrounds[2].ScanLine(y)[x] & 0xFFFFFFu;
            if (m == b || b == f || m == f) {
                continue;
            }
            ++telling;
            const uint32_t shown = field.At(x, y);
            matches[0] += shown == m;
            matches[1] += shown == b;
            matches[2] += shown == f;
        }
    }
    for (size_t i = 0; i < kLetters.size(); ++i) {
        if (telling > 0 && matches[i] * 2 > telling) {
            return kLetters[i];
        }
    }
    return '?';
}

}  // namespace probe
