#pragma once

#include <cstdint>

#include "core/GameState.h"

namespace game {

// A beating lasts six seconds, so a sixth of its hits is its hits per second.
constexpr int32_t HitsPerSecond(int32_t hits) {
    return hits / (kPunishmentMs / 1000);
}

}  // namespace game
