#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace art {

// Little-endian byte assembly for the file formats we write.
class ByteWriter {
public:
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v) {
        U8(static_cast<uint8_t>(v & 0xFF));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v) {
        U16(static_cast<uint16_t>(v & 0xFFFF));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Tag(const char (&four)[5]) {
        for (int i = 0; i < 4; ++i) {
            U8(static_cast<uint8_t>(four[i]));
        }
    }

    std::size_t Size() const { return bytes_.size(); }
    // Throws when the file cannot be written completely.
    void SaveTo(const std::filesystem::path& path) const;

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace art
