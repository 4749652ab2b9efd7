#include "tests/e2e/probe/CalmRoster.h"

#include <cstdint>

#include "core/RosterLayout.h"
#include "graphics/BitmapFile.h"
#include "graphics/MaskedBlit.h"
#include "graphics/SheetNames.h"

namespace probe {
namespace {

using game::kBodyParts;
constexpr int32_t kCell = graphics::kCellSize;

// A figure's undisturbed extent relative to its anchor. Neighbouring boxes
// are 8 pixels apart across and 6 down, more than the 4-pixel twitch, so a
// twitching neighbour never reaches into another slot's box.
constexpr int32_t kBoxLeft = -13;
constexpr int32_t kBoxRight = 13 + kCell;
constexpr int32_t kBoxBottom = 28 + kCell;

// In one phase the parts that walk out of step show one frame and the others the other.
graphics::Surface ComposePhase(const graphics::Surface& background, graphics::Surface& sheet,
                               bool lowerPartsOnSecondFrame) {
    graphics::Surface field = background;
    for (int slot = 0; slot < game::kRosterSize; ++slot) {
        const game::Point anchor = game::RosterAnchor(slot);
        for (int32_t part = 0; part < static_cast<int32_t>(kBodyParts.size()); ++part) {
            const game::BodyPart& body = kBodyParts[part];
            const bool secondFrame = body.frameFlag != lowerPartsOnSecondFrame;
            graphics::BlitTransparent(field, anchor.x + body.dx, anchor.y + body.dy, kCell, kCell,
                                      sheet, game::CellX(part) + (secondFrame ? kCell : 0), 0,
                                      graphics::kTransparentColour);
        }
    }
    return field;
}

graphics::Surface LoadSheet(const std::string& path, int32_t width, int32_t height) {
    graphics::Surface sheet(width, height);
    graphics::LoadBitmapFile(path, &sheet);
    return sheet;
}

}  // namespace

CalmRoster::CalmRoster(const std::string& dataFolder)
    : phases_{[&] {
          const graphics::Surface background =
              LoadSheet(dataFolder + "/default_m.bmp", kFieldWidth, kFieldHeight);
          graphics::Surface sheet = LoadSheet(dataFolder + "/default_c.bmp", 12 * kCell, kCell);
          return std::array<graphics::Surface, 2>{ComposePhase(background, sheet, true),
                                                  ComposePhase(background, sheet, false)};
      }()} {}

bool CalmRoster::SlotMatches(const FieldPixels& field, int slot,
                             const graphics::Surface& phase) const {
    const game::Point anchor = game::RosterAnchor(slot);
    for (int32_t y = anchor.y; y < anchor.y + kBoxBottom; ++y) {
        for (int32_t x = anchor.x + kBoxLeft; x < anchor.x + kBoxRight; ++x) {
            if ((phase.ScanLine(y)[x] & 0xFFFFFFu) != field.At(x, y)) {
                return false;
            }
        }
    }
    return true;
}

std::vector<int> CalmRoster::SlotsOutOfStep(const FieldPixels& field) const {
    std::vector<int> slots;
    for (int slot = 0; slot < game::kRosterSize; ++slot) {
        if (!SlotMatches(field, slot, phases_[0]) && !SlotMatches(field, slot, phases_[1])) {
            slots.push_back(slot);
        }
    }
    return slots;
}

}  // namespace probe
