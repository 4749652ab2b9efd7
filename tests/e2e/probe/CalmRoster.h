#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphics/Surface.h"
#include "tests/e2e/probe/PlayFieldGrab.h"

namespace probe {

// The roster as it looks with every Fendor behaving, in both walking phases,
// drawn from the game's own sprite files with the game's own blitter.
class CalmRoster {
public:
    explicit CalmRoster(const std::string& dataFolder);

    // Slots whose figure on screen matches neither walking phase.
    std::vector<int> SlotsOutOfStep(const FieldPixels& field) const;

private:
    bool SlotMatches(const FieldPixels& field, int slot, const graphics::Surface& phase) const;

    std::array<graphics::Surface, 2> phases_;
};

}  // namespace probe
