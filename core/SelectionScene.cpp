#include <string>

#include "arithmetic/CheckedMath.h"
#include "arithmetic/RandomInt.h"
#include "core/Game.h"
#include "core/RosterLayout.h"
#include "graphics/MaskedBlit.h"
#include "graphics/SheetNames.h"

namespace game {
namespace {

// A slot's inclusive hit box: x from 16 left of its anchor to 34 right of it;
// y in its row's band of 50, which starts at the upper anchors for the upper
// row and 49 lower for the lower one. Where boxes touch, the one tried first
// wins: the left one in a row, the upper row at y 129.
int32_t SlotAt(int32_t x, int32_t y) {
    for (int32_t slot = 0; slot < kRosterSize; ++slot) {
        const int32_t left = RosterAnchor(slot).x - 16;
        const int32_t top = RosterAnchor(0).y + 49 * (slot / kSlotsPerRow);
        if (x >= left && x <= left + 50 && y >= top && y <= top + 49) {
            return slot;
        }
    }
    return -1;
}

}  // namespace

void Game::DrawRoster() {
    GameState& g = state_;
    if (g.InPunishment) {
        return;
    }
    // The background is the only eraser: it wipes the previous frame.
    LoadSheet(g.PlayField, "m");

    int32_t twitchPart = 0;
    for (int32_t slot = 0; slot < kRosterSize; ++slot) {
        const Point anchor = RosterAnchor(slot);
        characters::Fendor& fendor = FendorAt(slot);
        fendor.DoFendo();
        g.Stress = arithmetic::CheckedAdd(g.Stress, fendor.Miss());
        if (fendor.Miss() >= 1) {
            twitchPart = RandomUpTo(5.0);
        }
        for (int32_t part = 0; part < static_cast<int32_t>(kBodyParts.size()); ++part) {
            DrawFendorPart(*g.PlayField, *g.FendorSheet, part, twitchPart, fendor.Miss(), anchor.x,
                           anchor.y);
        }
    }

    g.PlayField->Refresh();
    g.AnimPhase = !g.AnimPhase;
    ClampedStress();
}

void Game::DrawFendorPart(graphics::Surface& dest, graphics::Surface& source, int32_t part,
                          int32_t twitchPart, int32_t amplitude, int32_t anchorX, int32_t anchorY) {
    int32_t x = anchorX;
    int32_t y = anchorY;
    int32_t a = amplitude;

    if (part == twitchPart) {
        if (RandomUpTo(1.0) == 0) {
            a = -a;
        }
        if (RandomUpTo(1.0) == 0) {
            x = arithmetic::CheckedAdd(x, a);
        } else {
            y = arithmetic::CheckedAdd(y, a);
        }
    }

    const BodyPart& body = kBodyParts.at(static_cast<size_t>(part));
    x += body.dx;
    y += body.dy;

    // The worst misdeed throws the walk out of step.
    bool frameFlag = body.frameFlag;
    if (a == 4) {
        frameFlag = !frameFlag;
    }
    const int32_t sourceX = CellX(part) + (state_.AnimPhase == frameFlag ? graphics::kCellSize : 0);

    graphics::BlitTransparent(dest, x, y, graphics::kCellSize, graphics::kCellSize, source, sourceX,
                              0, graphics::kTransparentColour);
}

std::string Game::SlotInfoAt(int32_t x, int32_t y) {
    GameState& g = state_;
    if (g.InputMode == kKeyboardOnly) {
        return {};
    }
    if (g.InPunishment) {
        return FendorAt(g.SelectedSlot).GetFendorData();
    }
    g.SelectedSlot = SlotAt(x, y);
    if (g.SelectedSlot < 0) {
        return {};
    }
    return FendorAt(g.SelectedSlot).GetFendorData();
}

}  // namespace game
