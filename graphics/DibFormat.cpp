#include "graphics/DibFormat.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace graphics::dib {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kMasksSize = 12;
constexpr size_t kTableEntrySize = 4;

uint16_t U16(std::span<const uint8_t> file, size_t at) {
    return static_cast<uint16_t>(file[at] | (file[at + 1] << 8));
}

uint32_t U32(std::span<const uint8_t> file, size_t at) {
    return uint32_t{file[at]} | (uint32_t{file[at + 1]} << 8) | (uint32_t{file[at + 2]} << 16) |
           (uint32_t{file[at + 3]} << 24);
}

int32_t I32(std::span<const uint8_t> file, size_t at) {
    return static_cast<int32_t>(U32(file, at));
}

bool DepthFitsCompression(uint16_t bitCount, uint32_t compression, bool topDown) {
    switch (static_cast<Compression>(compression)) {
        case Compression::kRgb:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                   bitCount == 24 || bitCount == 32;
        // Windows itself refuses top-down RLE images, and so do we.
        case Compression::kRle8:
            return bitCount == 8 && !topDown;
        case Compression::kRle4:
            return bitCount == 4 && !topDown;
        case Compression::kBitfields:
            return bitCount == 16 || bitCount == 32;
    }
    return false;
}

// Channels wider than 8 bits keep their top 8; narrower ones are stretched so
// that a full channel becomes 255. That keeps 16-bit white exactly white, which
// matters because white is the sprites' transparent colour.
std::optional<Channel> MakeChannel(uint32_t mask) {
    Channel channel;
    if (mask == 0) {
        return channel;
    }
    channel.shift = static_cast<uint32_t>(std::countr_zero(mask));
    const uint32_t run = mask >> channel.shift;
    if ((run & (run + 1)) != 0) {
        return std::nullopt;
    }
    uint32_t bits = static_cast<uint32_t>(std::popcount(run));
    if (bits > 8) {
        channel.shift += bits - 8;
        bits = 8;
    }
    channel.max = (1u << bits) - 1;
    for (uint32_t v = 0; v <= channel.max; ++v) {
        channel.to8[v] = static_cast<uint8_t>((v * 255 + channel.max / 2) / channel.max);
    }
    return channel;
}

// What the first kHeadSize bytes say, checked for sense but not yet against
// the file's length.
struct Head {
    uint32_t offBits = 0;
    uint32_t infoSize = 0;
    int32_t width = 0;
    int32_t rows = 0;
    bool topDown = false;
    uint16_t bitCount = 0;
    Compression compression = Compression::kRgb;
    uint32_t tableEntries = 0;  // 8 bits or fewer only
    size_t stride = 0;
};

std::optional<Head> ReadHead(std::span<const uint8_t> file) {
    if (file.size() < kHeadSize) {
        return std::nullopt;
    }
    Head head;
    head.offBits = U32(file, 10);
    head.infoSize = U32(file, 14);
    head.width = I32(file, 18);
    const int32_t height = I32(file, 22);
    head.bitCount = U16(file, 28);
    const uint32_t compression = U32(file, 30);
    const uint32_t clrUsed = U32(file, 46);

    // Longer headers (V4, V5) keep the 40-byte layout at their start; the
    // colour table follows the header, whatever its length.
    if (head.infoSize < kInfoHeaderSize || head.infoSize > kMaxLeadBytes ||
        head.offBits > kMaxLeadBytes) {
        return std::nullopt;
    }
    if (head.width <= 0 || head.width > kMaxSide || height == 0 || height < -kMaxSide ||
        height > kMaxSide) {
        return std::nullopt;
    }
    head.topDown = height < 0;
    head.rows = head.topDown ? -height : height;
    if (!DepthFitsCompression(head.bitCount, compression, head.topDown)) {
        return std::nullopt;
    }
    head.compression = static_cast<Compression>(compression);
    head.stride = (static_cast<size_t>(head.width) * head.bitCount + 31) / 32 * 4;
    if (head.bitCount <= 8) {
        // A zero count means the full table; a larger one than the depth can
        // index only has entries nobody can use.
        const uint32_t full = 1u << head.bitCount;
        head.tableEntries = (clrUsed == 0 || clrUsed > full) ? full : clrUsed;
    }
    return head;
}

bool IsRle(Compression compression) {
    return compression == Compression::kRle8 || compression == Compression::kRle4;
}

Extent ExtentOf(const Head& head) {
    uint64_t lead = kFileHeaderSize + uint64_t{head.infoSize};
    if (head.bitCount <= 8) {
        lead += uint64_t{head.tableEntries} * kTableEntrySize;
    } else if (head.compression == Compression::kBitfields) {
        // Right after a 40-byte header, or inside a longer one at the same place.
        lead = std::max<uint64_t>(lead, kFileHeaderSize + kInfoHeaderSize + kMasksSize);
    }
    lead = std::max<uint64_t>(lead, head.offBits);
    if (IsRle(head.compression)) {
        return {lead, std::max(lead, head.offBits + RleBound(static_cast<uint64_t>(head.width),
                                                             static_cast<uint64_t>(head.rows)))};
    }
    const uint64_t end = std::max<uint64_t>(
        lead, head.offBits + uint64_t{head.stride} * static_cast<uint64_t>(head.rows));
    return {end, end};
}

void ReadColourTable(std::span<const uint8_t> file, size_t at, uint32_t entries, Image& image) {
    for (uint32_t i = 0; i < entries; ++i) {
        image.table[i] = 0xFF000000u | (U32(file, at + i * kTableEntrySize) & 0x00FFFFFFu);
    }
    std::fill(image.table.begin() + entries, image.table.end(), 0xFF000000u);
    image.tableSize = entries;
}

// 16 and 32 bits only.
bool ReadChannels(std::span<const uint8_t> file, Image& image) {
    std::array<uint32_t, 3> masks = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    if (image.bitCount == 16) {
        masks = {0x7C00u, 0x03E0u, 0x001Fu};
    }
    if (image.compression == Compression::kBitfields) {
        const size_t at = kFileHeaderSize + kInfoHeaderSize;
        masks = {U32(file, at), U32(file, at + 4), U32(file, at + 8)};
    }
    image.plain32 = image.bitCount == 32 && masks[0] == 0x00FF0000u && masks[1] == 0x0000FF00u &&
                    masks[2] == 0x000000FFu;
    if (image.plain32) {
        return true;
    }
    for (size_t c = 0; c < masks.size(); ++c) {
        const std::optional<Channel> channel = MakeChannel(masks[c]);
        if (!channel) {
            return false;
        }
        image.channels[c] = *channel;
    }
    return true;
}

template <typename IndexAt>
bool RowsWithinTable(const Image& image, IndexAt indexAt) {
    for (int32_t row = 0; row < image.height; ++row) {
        const uint8_t* bits = image.bits.data() + static_cast<size_t>(row) * image.stride;
        uint32_t highest = 0;
        for (int32_t x = 0; x < image.width; ++x) {
            highest = std::max(highest, indexAt(bits, x));
        }
        if (highest >= image.tableSize) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Extent> FileExtent(std::span<const uint8_t> head) {
    const std::optional<Head> read = ReadHead(head);
    if (!read) {
        return std::nullopt;
    }
    return ExtentOf(*read);
}

// Every part the headers locate lies within `least`, so once the file is
// known to be that long nothing below reads past its end.
std::optional<Image> ParseFile(std::span<const uint8_t> file) {
    const std::optional<Head> head = ReadHead(file);
    if (!head) {
        return std::nullopt;
    }
    const Extent extent = ExtentOf(*head);
    if (file.size() < extent.least) {
        return std::nullopt;
    }
    file = file.first(static_cast<size_t>(std::min<uint64_t>(file.size(), extent.most)));

    Image image;
    image.width = head->width;
    image.height = head->rows;
    image.topDown = head->topDown;
    image.bitCount = head->bitCount;
    image.compression = head->compression;
    image.stride = head->stride;
    if (head->bitCount <= 8) {
        ReadColourTable(file, kFileHeaderSize + head->infoSize, head->tableEntries, image);
    } else if (head->bitCount != 24 && !ReadChannels(file, image)) {
        return std::nullopt;
    }
    const std::span<const uint8_t> bits = file.subspan(head->offBits);
    image.bits = IsRle(image.compression)
                     ? bits
                     : bits.first(image.stride * static_cast<size_t>(image.height));
    return image;
}

bool IndicesWithinTable(const Image& image) {
    if (image.bitCount > 8 || image.tableSize == (1u << image.bitCount) ||
        image.compression != Compression::kRgb) {
        return true;
    }
    switch (image.bitCount) {
        case 8:
            return RowsWithinTable(
                image, [](const uint8_t* bits, int32_t x) -> uint32_t { return bits[x]; });
        case 4:
            return RowsWithinTable(image, [](const uint8_t* bits, int32_t x) -> uint32_t {
                return (bits[x / 2] >> ((x & 1) != 0 ? 0 : 4)) & 0x0Fu;
            });
        default:
            return RowsWithinTable(image, [](const uint8_t* bits, int32_t x) -> uint32_t {
                return (bits[x / 8] >> (7 - (x & 7))) & 1u;
            });
    }
}

}  // namespace graphics::dib
