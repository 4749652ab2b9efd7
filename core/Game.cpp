#include <cassert>

#include "arithmetic/CheckedMath.h"
#include "core/Game.h"

namespace game {

Game::Game(Services services) : world_(std::move(services)) {}

characters::Fendor& Game::FendorAt(int32_t slot) {
    assert(slot >= 0 && slot < kRosterSize);
    auto& fendor = state_.Fendors.at(static_cast<size_t>(slot));
    assert(fendor.has_value());
    return *fendor;
}

int32_t Game::GetPunishKey(int32_t index) const {
    switch (index) {
        case 0:
            return state_.PunishKeyL;
        case 1:
            return state_.PunishKeyR;
        default:
            return 0;
    }
}

void Game::SetPunishKey(int32_t index, int32_t keyCode) {
    switch (index) {
        case 0:
            state_.PunishKeyL = arithmetic::CheckedNarrow<int16_t>(keyCode);
            break;
        case 1:
            state_.PunishKeyR = arithmetic::CheckedNarrow<int16_t>(keyCode);
            break;
        default:
            break;
    }
}

}  // namespace game
