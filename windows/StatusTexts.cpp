#include "windows/StatusTexts.h"

#include "arithmetic/Rounding.h"
#include "core/HitsPerSecond.h"

namespace windows::status_texts {
namespace {

std::string Number(int32_t value) {
    return std::to_string(value);
}

}  // namespace

Scores ForScores(int32_t points, int32_t hiScore, int32_t maxKnockOut, int32_t maxHits,
                 int32_t hitCount) {
    return Scores{
        .points = Number(points) + " pts",
        .hiScore = "HiSc: " + Number(hiScore) + " pts",
        .maxKnockOut = "MaxKO: " + Number(maxKnockOut) + " pts",
        .maxHits = "MaxHits: " + Number(maxHits) + " hits (" +
                   Number(game::HitsPerSecond(maxHits)) + " hps)",
        .hits = Number(hitCount) + " Hits",
        .hitsPerSecond = Number(game::HitsPerSecond(hitCount)) + "hps (hits per sec.)",
    };
}

int StressBarWidth(int frameWidth, int32_t stress) {
    const int32_t scaled =
        arithmetic::RoundHalfEven(static_cast<double>(frameWidth) * static_cast<double>(stress));
    return scaled / 200;
}

}  // namespace windows::status_texts
