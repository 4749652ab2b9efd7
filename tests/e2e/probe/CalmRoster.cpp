#include "tests/e2e/probe/CalmRoster.h"

#include <cstdint>

#include "graphics/BitmapFile.h"
#include "graphics/MaskedBlit.h"

namespace probe {
namespace {

struct Point {
    int32_t x;
    int32_t y;
};

constexpr std::array<Point, CalmRoster::kSlots> kAnchors{
    {{216, 80}, {266, 80}, {316, 80}, {256, 130}, {306, 130}, {356, 130}}};
constexpr std::array<Point, 6> kPartOffsets{
    {{0, 13}, {0, 0}, {-13, 16}, {-10, 28}, {13, 16}, {10, 28}}};
constexpr int32_t kCell = 16;
constexpr uint32_t kWhite = 0xFFFFFF;

// A figure's undisturbed extent relative to its anchor. Neighbouring boxes
// are 8 pixels apart across and 6 down, more than the 4-pixel twitch, so a
// twitching neighbour never reaches into another slot's box.
constexpr int32_t kBoxLeft = -13;
constexpr int32_t kBoxRight = 13 + kCell;
constexpr int32_t kBoxBottom = 28 + kCell;

// In one phase parts 0-3 show one frame and parts 4-5 the other.
graphics::Surface ComposePhase(const graphics::Surface& background, graphics::Surface& sheet,
                               bool lowerPartsOnSecondFrame) {
    graphics::Surface field = background;
    for (const Point anchor : kAnchors) {
        for (int32_t part = 0; part < 6; ++part) {
            const bool secondFrame = (part < 4) == lowerPartsOnSecondFrame;
            const Point at{anchor.x + kPartOffsets[part].x, anchor.y + kPartOffsets[part].y};
            graphics::BlitTransparent(field, at.x, at.y, kCell, kCell, sheet,
                                      part * 2 * kCell + (secondFrame ? kCell : 0), 0, kWhite);
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
    const Point anchor = kAnchors[slot];
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
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!SlotMatches(field, slot, phases_[0]) && !SlotMatches(field, slot, phases_[1])) {
            slots.push_back(slot);
        }
    }
    return slots;
}

}  // namespace probe
