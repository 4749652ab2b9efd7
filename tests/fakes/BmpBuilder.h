#pragma once

// Builds Windows bitmap files in memory, byte by byte, so each test states
// exactly what the file holds (including the broken parts).

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace fakes {

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitfields = 3;
constexpr size_t kHeadersSize = 54;

struct Header {
    int32_t width = 1;
    int32_t height = 1;  // negative: rows stored top-down
    uint16_t bitCount = 24;
    uint32_t compression = kRgb;
    uint32_t clrUsed = 0;
    uint32_t infoSize = 40;
};

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

inline void PokeLe32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// File header, information header (infoSize bytes), `extra` (colour table or
// masks), then `bits`; bfOffBits points at the bits.
inline std::vector<uint8_t> BuildFile(const Header& h, const std::vector<uint8_t>& extra,
                                      const std::vector<uint8_t>& bits) {
    const uint32_t offBits = 14 + h.infoSize + static_cast<uint32_t>(extra.size());
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, offBits + static_cast<uint32_t>(bits.size()), 4);
    PutLe(out, 0, 4);
    PutLe(out, offBits, 4);
    PutLe(out, h.infoSize, 4);
    PutLe(out, static_cast<uint32_t>(h.width), 4);
    PutLe(out, static_cast<uint32_t>(h.height), 4);
    PutLe(out, 1, 2);
    PutLe(out, h.bitCount, 2);
    PutLe(out, h.compression, 4);
    PutLe(out, static_cast<uint32_t>(bits.size()), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, h.clrUsed, 4);
    PutLe(out, 0, 4);
    out.resize(14 + h.infoSize, 0);
    out.insert(out.end(), extra.begin(), extra.end());
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

// Colour-table entries given as 0x00BBGGRR, stored as B, G, R, 0.
inline std::vector<uint8_t> Table(std::initializer_list<uint32_t> colours) {
    std::vector<uint8_t> out;
    for (const uint32_t c : colours) {
        out.push_back(static_cast<uint8_t>(c >> 16));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(0);
    }
    return out;
}

inline std::vector<uint8_t> Masks(uint32_t red, uint32_t green, uint32_t blue) {
    std::vector<uint8_t> out;
    PutLe(out, red, 4);
    PutLe(out, green, 4);
    PutLe(out, blue, 4);
    return out;
}

// Rows of pixel values in the order they are stored, packed at bitCount bits
// per pixel (indices high bits first; 16/24/32-bit values little-endian), each
// row padded to a multiple of 4 bytes.
inline std::vector<uint8_t> PackRows(const std::vector<std::vector<uint32_t>>& rows,
                                     uint16_t bitCount) {
    std::vector<uint8_t> out;
    for (const auto& row : rows) {
        std::vector<uint8_t> packed;
        if (bitCount < 8) {
            packed.assign((row.size() * bitCount + 7) / 8, 0);
            for (size_t x = 0; x < row.size(); ++x) {
                const size_t bit = x * bitCount;
                const int shift = static_cast<int>(8 - bitCount - bit % 8);
                packed[bit / 8] |= static_cast<uint8_t>(row[x] << shift);
            }
        } else {
            for (const uint32_t v : row) {
                PutLe(packed, v, bitCount / 8);
            }
        }
        packed.resize((packed.size() + 3) / 4 * 4, 0);
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

// Rows listed top first, returned in the order a file stores them.
inline std::vector<std::vector<uint32_t>> InFileOrder(std::vector<std::vector<uint32_t>> rows,
                                                      bool topDown) {
    if (!topDown) {
        std::reverse(rows.begin(), rows.end());
    }
    return rows;
}

}  // namespace fakes
