#pragma once

#include <cstdint>
#include <string>

// The texts and the bar length of the game window's status display.
namespace windows::status_texts {

struct Scores {
    std::string points;
    std::string hiScore;
    std::string maxKnockOut;
    std::string maxHits;
    std::string hits;
    std::string hitsPerSecond;
};

Scores ForScores(int32_t points, int32_t hiScore, int32_t maxKnockOut, int32_t maxHits,
                 int32_t hitCount);

// The red bar's width for a stress of 0 to game::kStressMax over a frame of frameWidth.
int StressBarWidth(int frameWidth, int32_t stress);

}  // namespace windows::status_texts
