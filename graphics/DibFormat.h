#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace graphics::dib {

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
    // Uncompressed: exactly stride * height bytes. RLE: up to the end of the
    // file or RleBound, whichever comes first.
    std::span<const uint8_t> bits;
    size_t stride = 0;
    // Colour table as surface words (0xFFRRGGBB); entries past tableSize are
    // black, but a valid image never refers to them.
    std::array<uint32_t, 256> table = {};
    uint32_t tableSize = 0;
    std::array<Channel, 3> channels = {};  // red, green, blue; 16 and 32 bits only
    bool plain32 = false;                  // 32 bits with the usual 0x00RRGGBB layout
};

// The largest picture a file may hold, on either side. The game's largest
// sheet is 400 x 200; anything past this is not a sheet but a hostile file,
// and refusing it keeps what one load reads and holds below kMaxFileBytes.
constexpr int32_t kMaxSide = 4096;

// The furthest from the start of the file that the information header may
// end or the pixels may begin; the longest header and the largest colour
// table come to under 1.2 KiB.
constexpr uint64_t kMaxLeadBytes = 64 * 1024;

// The file header and the 40-byte information header: enough to tell how
// much of the rest of a file matters.
constexpr size_t kHeadSize = 54;

// An RLE stream is never longer than this for a width x height image: every
// command but a delta that moves nowhere advances the pen, and none costs
// more than 4 bytes per pixel or per row it moves across. Bytes after it are
// not looked at, so a stream padded out with empty moves ends there.
constexpr uint64_t RleBound(uint64_t width, uint64_t height) {
    return 4 * width * (height + 1) + 4 * height + 2;
}

// More than any file ParseFile accepts can have it look at: the largest lead
// and the longest RLE stream, which beats any uncompressed pixel area.
constexpr uint64_t kMaxFileBytes = kMaxLeadBytes + RleBound(kMaxSide, kMaxSide);
static_assert(kMaxFileBytes >= kMaxLeadBytes + uint64_t{kMaxSide} * kMaxSide * 4);

// How much of a file matters, known from its first kHeadSize bytes: a file
// shorter than `least` is refused, and nothing past `most` is ever read.
struct Extent {
    uint64_t least = 0;
    uint64_t most = 0;
};

// Nothing when the headers alone condemn the file: too short, an absurd
// size (beyond kMaxSide, or a lead beyond kMaxLeadBytes) or a format this
// decoder does not handle. Otherwise most <= kMaxFileBytes.
std::optional<Extent> FileExtent(std::span<const uint8_t> head);

// Reads the file header, the information header, the colour table or the
// channel masks. Returns nothing for a file that is short of what its headers
// claim, an absurd size, or a format this decoder does not handle; it looks
// at no byte past FileExtent's `most`, so a file cut there reads the same as
// the whole of it. RLE streams
// are checked separately, as they can only be checked by walking them.
std::optional<Image> ParseFile(std::span<const uint8_t> file);

// Whether every pixel of an uncompressed indexed image names an entry that
// exists in its colour table (RLE streams are checked as they are walked).
bool IndicesWithinTable(const Image& image);

}  // namespace graphics::dib
