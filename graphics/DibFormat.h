#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace dib {

enum class Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

// One colour channel of a 16- or 32-bit pixel: its value is
// (pixel >> shift) & max, at most 8 bits wide, widened to 8 bits through to8.
struct Channel {
    uint32_t shift = 0;
    uint32_t max = 0;
    std::array<uint8_t, 256> to8 = {};
};

// Everything a decoder needs, taken from a file whose headers, colour table
// and (for uncompressed images) pixel area have all been checked against the
// file's length, so decoding can write without further bounds checks.
struct Image {
    int32_t width = 0;
    int32_t height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    uint16_t bitCount = 0;
    Compression compression = Compression::kRgb;
    // Uncompressed: exactly stride * height bytes. RLE: up to the end of the file.
    std::span<const uint8_t> bits;
    size_t stride = 0;
    // Colour table as surface words (0xFFRRGGBB); entries past tableSize are
    // black, but a valid image never refers to them.
    std::array<uint32_t, 256> table = {};
    uint32_t tableSize = 0;
    std::array<Channel, 3> channels = {};  // red, green, blue; 16 and 32 bits only
    bool plain32 = false;                  // 32 bits with the usual 0x00RRGGBB layout
};

// Reads the file header, the information header, the colour table or the
// channel masks. Returns nothing for a file that is short of what its headers
// claim, an absurd size, or a format this decoder does not handle. RLE streams
// are checked separately, as they can only be checked by walking them.
std::optional<Image> ParseFile(std::span<const uint8_t> file);

// Whether every pixel of an uncompressed indexed image names an entry that
// exists in its colour table (RLE streams are checked as they are walked).
bool IndicesWithinTable(const Image& image);

}  // namespace dib
