#include "core/GameState.h"

#include <cassert>

namespace game {
namespace {

GameState g_state;
std::optional<Services> g_services;

}  // namespace

GameState& Game() {
    return g_state;
}

Fendor& FendorAt(int32_t slot) {
    assert(slot >= 0 && slot < kRosterSize);
    auto& fendor = g_state.Fendors.at(static_cast<size_t>(slot));
    assert(fendor.has_value());
    return *fendor;
}

void Bind(Services services) {
    // The Fendors keep references into the old services: a new binding
    // means a new roster.
    for (auto& fendor : g_state.Fendors) {
        fendor.reset();
    }
    g_services.emplace(std::move(services));
}

Services& World() {
    assert(g_services.has_value());
    return *g_services;
}

}  // namespace game
