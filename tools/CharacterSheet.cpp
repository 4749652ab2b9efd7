#include <stdexcept>
#include <string_view>

#include "Draw.h"
#include "FendorFigure.h"
#include "Pictures.h"
#include "core/RosterLayout.h"

namespace art {
namespace {

// A pupil in a navy blazer, red tie, grey trousers and white indoor shoes. Each cell is
// drawn for its place in the assembled figure: the head hides the torso's top rows, the arms
// lie over the torso's sides and the legs start under the hem.

// clang-format off
constexpr std::string_view kHead[] = {
    "....KKKKKKKK....",
    "..KKkkkkkkkkKK..",
    ".KkkkhhhkkkkkkK.",
    ".KkkhhkkkkkkkkK.",
    "KkkhkkkkkkkkkkkK",
    "KkkkkkkkkkkkkkkK",
    "KkkSkkkSSkkkSkkK",
    "KkSSSSSSSSSSSSkK",
    "KkSSSKSSSSKSSSkK",
    "KSSSSKSSSSKSSSsK",
    "KSpSSSSSSSSSSpsK",
    ".KSSSSSrrSSSSsK.",
    "..KSSSSSSSSSsK..",
    "...KKSSSSSsKK...",
    ".....KSSssK.....",
};
// clang-format on

// clang-format off
constexpr std::string_view kTorso[] = {
    "................",
    "................",
    "...KKKWSSWKKK...",
    "..KNNNWRRWNNNK..",
    ".KNNNNWRRWNNNNK.",
    ".KnNNNNRRNNNNnK.",
    ".KnNNNNRRNNNYnK.",
    ".KnNNNNRRNNNNnK.",
    ".KnNNNNrrNNNNnK.",
    ".KnNNNNNNNNNNnK.",
    ".KnNNNNNNNNNNnK.",
    ".KnnNNNNNNNNnnK.",
    ".KKKKKKKKKKKKKK.",
    ".KDDDDDDDDDDDDK.",
    ".KDDDDDKKDDDDDK.",
};
// clang-format on

// The arm on the picture's left; the other arm is its mirror image.
// clang-format off
constexpr std::string_view kArmForward[] = {
    "............KKK.",
    "...........KNNNK",
    "...........KNNNK",
    "...........KNNnK",
    "............KNNK",
    "............KNNK",
    "............KWWK",
    "...........KSSSK",
    "...........KSSsK",
    "............KKK.",
};
// clang-format on

// clang-format off
constexpr std::string_view kArmBack[] = {
    "............KKK.",
    "...........KNNNK",
    "..........KNNNK.",
    "..........KNNnK.",
    "..........KNNnK.",
    "..........KNNnK.",
    ".........KNNnK..",
    ".........KNNnK..",
    ".........KWWWK..",
    "........KSSSK...",
    "........KSSsK...",
    ".........KKK....",
};
// clang-format on

// clang-format off
constexpr std::string_view kLegPlanted[] = {
    "...........KDDDK",
    "...........KDDDK",
    "...........KDDDK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KWWWK",
    "..........KWWWWK",
    ".........KWWWWWK",
    ".........KbbbbbK",
    ".........KKKKKKK",
};
// clang-format on

// clang-format off
constexpr std::string_view kLegLifted[] = {
    "...........KDDDK",
    "...........KDDDK",
    "...........KDDDK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KDDdK",
    "...........KWWWK",
    "..........KWWWWK",
    ".........KWWWWWK",
    ".........KbbbbbK",
    ".........KKKKKKK",
};
// clang-format on

void CheckCell(PixelMap rows, int lastRow) {
    if (static_cast<int>(rows.size()) > kCellSize - lastRow) {
        throw std::logic_error("character cell too tall");
    }
    for (const std::string_view row : rows) {
        if (row.size() != static_cast<std::size_t>(kCellSize)) {
            throw std::logic_error("character cell row is not 16 pixels wide");
        }
    }
}

void DrawCell(Canvas& sheet, int part, int frame, PixelMap rows, Flip flip, int drop) {
    CheckCell(rows, drop);
    DrawPixelMap(sheet, game::CellX(part) + frame * kCellSize, drop, rows, flip);
}

}  // namespace

Canvas MakeCharacterSheet() {
    Canvas sheet(game::CellX(kPartCount), kCellSize, kTransparent);
    // Frame 1 lowers head and torso by a pixel: the bob of a step.
    for (int frame = 0; frame < 2; ++frame) {
        DrawCell(sheet, 0, frame, kTorso, Flip::None, frame);
        DrawCell(sheet, 1, frame, kHead, Flip::None, frame);
    }
    // Arm and leg of one side share a frame, so frame 0 pairs a forward arm with a planted
    // leg; the other side shows frame 1 at the same time, which gives the walking swing.
    DrawCell(sheet, 2, 0, kArmForward, Flip::None, 0);
    DrawCell(sheet, 2, 1, kArmBack, Flip::None, 0);
    DrawCell(sheet, 3, 0, kLegPlanted, Flip::None, 0);
    DrawCell(sheet, 3, 1, kLegLifted, Flip::None, 0);
    DrawCell(sheet, 4, 0, kArmForward, Flip::Horizontal, 0);
    DrawCell(sheet, 4, 1, kArmBack, Flip::Horizontal, 0);
    DrawCell(sheet, 5, 0, kLegPlanted, Flip::Horizontal, 0);
    DrawCell(sheet, 5, 1, kLegLifted, Flip::Horizontal, 0);
    return sheet;
}

}  // namespace art
