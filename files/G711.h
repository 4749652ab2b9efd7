#pragma once

#include <array>
#include <cstdint>

// The two telephone codecs of G.711 store each sample as one byte on a
// logarithmic scale. Widened to 16 bits they play like any other wave; the
// tables hold the standard's reference decoding.
namespace files::g711 {

namespace detail {

constexpr int16_t MuLaw(uint8_t code) {
    const int inverted = ~code & 0xFF;
    const int magnitude = (((inverted & 0x0F) << 3) + 0x84) << ((inverted >> 4) & 0x07);
    return static_cast<int16_t>((inverted & 0x80) != 0 ? 0x84 - magnitude : magnitude - 0x84);
}

constexpr int16_t ALaw(uint8_t code) {
    const int flipped = code ^ 0x55;
    const int segment = (flipped >> 4) & 0x07;
    const int step = (flipped & 0x0F) << 4;
    const int magnitude = segment == 0 ? step + 8 : (step + 0x108) << (segment - 1);
    return static_cast<int16_t>((flipped & 0x80) != 0 ? magnitude : -magnitude);
}

template <int16_t (*Decode)(uint8_t)>
constexpr std::array<int16_t, 256> Table() {
    std::array<int16_t, 256> table{};
    for (int code = 0; code < 256; ++code) {
        table[code] = Decode(static_cast<uint8_t>(code));
    }
    return table;
}

}  // namespace detail

inline constexpr std::array<int16_t, 256> kMuLawTo16Bit = detail::Table<detail::MuLaw>();
inline constexpr std::array<int16_t, 256> kALawTo16Bit = detail::Table<detail::ALaw>();

}  // namespace files::g711
