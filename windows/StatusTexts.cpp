#include "windows/StatusTexts.h"

#include "arithmetic/Rounding.h"
#include "core/HitsPerSecond.h"
#include "core/Texts.h"

namespace windows::status_texts {

using game::HitsPerSecond;
using game::texts::Number;

Scores ForScores(int32_t points, int32_t hiScore, int32_t maxKnockOut, int32_t maxHits,
                 int32_t hitCount) {
    using game::texts::kPointsUnit;
    return Scores{
        .points = Number(points, kPointsUnit),
        .hiScore = "HiSc: " + Number(hiScore, kPointsUnit),
        .maxKnockOut = "MaxKO: " + Number(maxKnockOut, kPointsUnit),
        .maxHits = "MaxHits: " + Number(maxHits, " hits (") +
                   Number(HitsPerSecond(maxHits), game::texts::kHitsPerSecondUnit) + ")",
        .hits = Number(hitCount, game::texts::kHitsUnit),
        .hitsPerSecond = Number(HitsPerSecond(hitCount), "hps (hits per sec.)"),
    };
}

int StressBarWidth(int frameWidth, int32_t stress) {
    const int32_t scaled =
        arithmetic::RoundHalfEven(static_cast<double>(frameWidth) * static_cast<double>(stress));
    return scaled / game::kStressMax;
}

}  // namespace windows::status_texts
